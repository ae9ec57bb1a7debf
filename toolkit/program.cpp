#include "program.h"

#include "form_window.h"
#include "qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace toolkit {

Session::Session(const Project& project, std::function<std::unique_ptr<CommonDialog>()> makeDialog,
                 std::unique_ptr<MessageSink> messages)
    : form_(Form::fromDescription(project.windowDescription)),
      events_(std::make_unique<EventRouter>(*form_)) {
    for (Control* c : form_->controls())
        if (c->kind == ControlKind::External) form_->setDialog(c->name, makeDialog());
    form_->setMessages(std::move(messages));
    if (project.load) project.load(*form_);
    if (project.bind) project.bind(*form_, *events_);
}

int run(int argc, char** argv, const Project& project) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(project.name);
    QApplication::setApplicationVersion(project.version);
    QApplication::setDesktopFileName(project.desktopFileName);
    const auto owner = std::make_shared<QPointer<QWidget>>();
    std::unique_ptr<Session> session;
    try {
        session = std::make_unique<Session>(
            project, [owner] { return std::make_unique<QtCommonDialog>(owner); },
            std::make_unique<QtMessageSink>(owner));
    } catch (const std::exception& e) {
        QMessageBox::critical(
            nullptr, QApplication::applicationName(),
            QStringLiteral("The window cannot be built:\n%1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    FormWindow window(session->form(), session->events());
    *owner = &window;
    if (session->form().centred()) centreOnScreen(window);
    window.show();
    return app.exec();
}

} // namespace toolkit
