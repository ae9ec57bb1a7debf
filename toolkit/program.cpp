#include "program.h"

#include "command_line.h"
#include "form_window.h"
#include "qt_dialogs.h"
#include "texts.h"
#include "translations.h"

#include <QApplication>
#include <QMessageBox>

namespace toolkit {

Session::Session(const Project& project, std::function<std::unique_ptr<CommonDialog>()> makeDialog,
                 std::unique_ptr<MessageSink> messages)
    : form_(project.windowDescription.data() == project.builtInDescription.data() &&
                    project.windowDescription.size() == project.builtInDescription.size()
                ? Form::fromBuiltInDescription(project.windowDescription, project.prebuiltImages)
                : Form::fromDescription(project.windowDescription)),
      events_(std::make_unique<EventRouter>(*form_)) {
    for (Control* c : form_->controls())
        if (c->kind == ControlKind::External) form_->setDialog(c->name, makeDialog());
    form_->setMessages(std::move(messages));
    if (project.load) project.load(*form_);
    if (project.bind) project.bind(*form_, *events_);
}

int run(int argc, char** argv, const Project& project) {
    if (const auto answered = answerCommandLine(argc, argv, project)) return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(project.name);
    QApplication::setApplicationVersion(project.version);
    QApplication::setDesktopFileName(project.desktopFileName);
    // Before the handlers are bound: they take their texts in this language.
    const Translations translations(project.name);
    const auto owner = std::make_shared<QPointer<QWidget>>();
    std::unique_ptr<Session> session;
    try {
        session = std::make_unique<Session>(
            project, [owner] { return std::make_unique<QtCommonDialog>(owner); },
            std::make_unique<QtMessageSink>(owner));
    } catch (const std::exception& e) {
        QMessageBox::critical(
            nullptr, QApplication::applicationName(),
            Texts::tr("The window cannot be built:\n%1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    FormWindow window(session->form(), session->events());
    *owner = &window;
    if (session->form().centred()) centreOnScreen(window);
    window.show();
    return app.exec();
}

} // namespace toolkit
