#include "platform.h"

#include "texts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

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
        QStringList extensions;
        for (const QString& type : qtFileTypes(filter))
            extensions << QLatin1Char('.') + fileTypeExtension(type);
        const QFileInfo start(fileName);
        QString name = start.fileName();
        for (;;) {
            const emscripten::val answer = browserWindow().call<emscripten::val>(
                "prompt",
                Texts::tr("Save the picture as (%1):")
                    .arg(extensions.join(Texts::tr(" or ")))
                    .toStdString(),
                name.toStdString());
            if (answer.isNull() || answer.isUndefined()) return false;
            name = QString::fromStdString(answer.as<std::string>()).trimmed();
            name = name.mid(std::max(name.lastIndexOf(QLatin1Char('/')),
                                     name.lastIndexOf(QLatin1Char('\\'))) + 1);
            if (!name.isEmpty()) break;
        }
        // A bare name gets the chosen type's extension where the save is made.
        fileName = QDir(start.path()).filePath(name);
        return true;
    }
};

class BrowserMessageSink : public QtMessageSink {
  public:
    using QtMessageSink::QtMessageSink;
    // The screen is the page's window area, smaller than a desktop's: a
    // window of the program's own fits inside it, title bar and close box
    // included.
    void present(QWidget* window) override {
        // Only a dialog gets a title bar in the browser.
        window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        QtMessageSink::present(window);
        // Its frame is known once the browser's side of it exists.
        QTimer::singleShot(0, window, [window] {
            const QScreen* screen = window->screen();
            if (!screen) return;
            const QRect area = screen->availableGeometry().marginsRemoved(
                window->windowHandle()->frameMargins());
            window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                    window->size().boundedTo(area.size()), area));
        });
    }
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
    // Quit leaves the page: it offers to start again.
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed,
                     [] { EM_ASM(dispatchEvent(new Event("cartouchery-ended"))); });
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
