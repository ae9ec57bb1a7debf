#include "program.h"

#include "command_line.h"
#include "form_window.h"
#include "platform.h"
#include "texts.h"
#include "translations.h"

#include <QApplication>

#include <string>
#include <vector>

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

namespace {

// The running program. It lives on the heap: in the browser exec() leaves
// run() and main() without returning, and their stack frames, the command
// line's copy among them, are reused at once.
struct Running {
    Running(int argc, char** argv, const QString& name)
        : words(argv, argv + argc), arguments(pointersTo(words)), count(argc),
          app(count, arguments.data()), translations(name) {}

    static std::vector<char*> pointersTo(std::vector<std::string>& words) {
        std::vector<char*> pointers;
        for (std::string& word : words) pointers.push_back(word.data());
        pointers.push_back(nullptr);
        return pointers;
    }

    std::vector<std::string> words;
    std::vector<char*> arguments;
    int count;
    QApplication app;
    // Before the handlers are bound: they take their texts in this language.
    Translations translations;
    DialogOwner owner = std::make_shared<QPointer<QWidget>>();
    std::unique_ptr<Session> session;
    std::unique_ptr<FormWindow> window;
};

} // namespace

int run(int argc, char** argv, const Project& project) {
    if (const auto answered = answerCommandLine(argc, argv, project)) return *answered;
    auto running = std::make_unique<Running>(argc, argv, project.name);
    QApplication::setApplicationName(project.name);
    QApplication::setApplicationVersion(project.version);
    QApplication::setDesktopFileName(project.desktopFileName);
    try {
        running->session = std::make_unique<Session>(
            project, [owner = running->owner] { return platform::saveDialog(owner); },
            platform::messageSink(running->owner));
    } catch (const std::exception& e) {
        platform::reportFatal(
            QApplication::applicationName(),
            Texts::tr("The window cannot be built:\n%1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    running->window =
        std::make_unique<FormWindow>(running->session->form(), running->session->events());
    *running->owner = running->window.get();
    platform::placeWindow(*running->window, running->session->form().centred());
    running->window->show();
    return running->app.exec();
}

} // namespace toolkit
