#include "platform.h"

#include "form_window.h"
#include "operations.h"

#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>

namespace toolkit::platform {

std::unique_ptr<CommonDialog> saveDialog(DialogOwner owner) {
    return std::make_unique<QtCommonDialog>(std::move(owner));
}

std::unique_ptr<MessageSink> messageSink(DialogOwner owner) {
    return std::make_unique<QtMessageSink>(std::move(owner));
}

void deliverFile(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw SaveError(file.errorString());
    // A write can stop short without an error (a disk that just filled up);
    // the next one then fails and says why.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            // cancelWriting() puts its own words in errorString(): read the reason first.
            const QString reason = file.errorString();
            file.cancelWriting();
            throw SaveError(reason);
        }
        done += n;
    }
    if (!file.commit()) throw SaveError(file.errorString());
}

void placeWindow(QWidget& window, bool centred) {
    if (centred) centreOnScreen(window);
}

void popUpMenu(QMenu* menu, QPoint global) {
    menu->exec(global);
    delete menu;
}

void windowPainted() {}

void reportFatal(const QString& title, const QString& text) {
    QMessageBox::critical(nullptr, title, text);
}

} // namespace toolkit::platform
