#include "platform.h"

#include "operations.h"
#include "texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

#include <emscripten.h>
#include <emscripten/val.h>

// In the browser nothing may wait in a loop of its own: Qt's exec() cannot
// return there. The questions that must block (the name to save under, a
// failed save) are the browser's own prompt and alert, which do; the rest
// opens and returns.
namespace toolkit::platform {
namespace {

emscripten::val browserWindow() {
    return emscripten::val::global("window");
}

void alert(const QString& title, const QString& text) {
    browserWindow().call<void>("alert", (title + QStringLiteral("\n\n") + text).toStdString());
}

// Asks for a file name; a folder typed with it is dropped, since the browser
// decides where downloads go.
class BrowserSaveDialog : public CommonDialog {
  public:
    bool showSave() override {
        const QStringList types = qtFileTypes(filter);
        const QFileInfo start(fileName);
        QString name = start.fileName();
        for (;;) {
            const emscripten::val answer = browserWindow().call<emscripten::val>(
                "prompt",
                Texts::tr("Save the picture as (%1):").arg(types.join(Texts::tr(" or "))).toStdString(),
                name.toStdString());
            if (answer.isNull() || answer.isUndefined()) return false;
            name = QString::fromStdString(answer.as<std::string>()).trimmed();
            name = name.mid(std::max(name.lastIndexOf(QLatin1Char('/')),
                                     name.lastIndexOf(QLatin1Char('\\'))) + 1);
            if (!name.isEmpty()) break;
        }
        if (QFileInfo(name).suffix().isEmpty() && !types.isEmpty())
            name += QLatin1Char('.') +
                    fileTypeExtension(types[std::clamp<qsizetype>(filterIndex, 0, types.size() - 1)]);
        for (qsizetype i = 0; i < types.size(); ++i)
            if (QFileInfo(name).suffix().compare(fileTypeExtension(types[i]), Qt::CaseInsensitive) == 0)
                filterIndex = int(i);
        fileName = QDir(start.path()).filePath(name);
        return true;
    }
};

class BrowserMessageSink : public QtMessageSink {
  public:
    using QtMessageSink::QtMessageSink;
    void warn(const QString& title, const QString& text) override { alert(title, text); }
    void inform(const QString& title, const QString& text) override {
        auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, owner());
        box->setTextFormat(Qt::RichText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
};

} // namespace

std::unique_ptr<CommonDialog> saveDialog(DialogOwner) {
    return std::make_unique<BrowserSaveDialog>();
}

std::unique_ptr<MessageSink> messageSink(DialogOwner owner) {
    return std::make_unique<BrowserMessageSink>(std::move(owner));
}

void deliverFile(const QByteArray& bytes, const QString& path) {
    QFileDialog::saveFileContent(bytes, QFileInfo(path).fileName());
}

void placeWindow(QWidget& window, bool) {
    window.setWindowFlag(Qt::FramelessWindowHint);
    if (const QScreen* screen = window.screen()) window.move(screen->geometry().topLeft());
}

void popUpMenu(QMenu* menu, QPoint global) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(global);
}

// The page measures its start from navigation to this mark: set once the
// browser has drawn the frame that shows the window.
void windowPainted() {
    EM_ASM({
        requestAnimationFrame(() => setTimeout(() => {
            performance.mark("cartouchery-window-painted");
            dispatchEvent(new Event("cartouchery-window-painted"));
        }));
    });
}

void reportFatal(const QString& title, const QString& text) {
    alert(title, text);
}

} // namespace toolkit::platform
