#include "command_line.h"

#include "texts.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace toolkit {
namespace {

void print(std::FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
}

// What QGuiApplication and QApplication read from the command line themselves.
void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "style",
                             "stylesheet", "display", "geometry", "session", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv, const Project& project) {
    if (argc < 2) return std::nullopt; // nothing to read: start at once
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(project.name);
    QCoreApplication::setApplicationVersion(project.version);
    const Translations translations(project.name);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Texts::tr(project.description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    acceptQtOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, parser.errorText() + QStringLiteral("\n\n") + parser.helpText());
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, project.name + QLatin1Char(' ') + project.version + QLatin1Char('\n'));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr,
              Texts::tr("%1 opens no files: %2")
                      .arg(project.name, parser.positionalArguments().join(QLatin1Char(' '))) +
                  QStringLiteral("\n\n") + parser.helpText());
        return 2;
    }
    return std::nullopt;
}

} // namespace toolkit
