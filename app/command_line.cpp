#include "app/command_line.h"

#include "app/instance_place.h"
#include "app/single_instance.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace tarnivel {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take out of the command line
// themselves, with whether they take a value. The parser accepts them and shows none.
constexpr struct {
    const char* name;
    bool value;
} kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowtitle", true},
    {"title", true},
    {"qwindowicon", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"visual", true},
    {"style", true},
    {"stylesheet", true},
    {"reverse", false},
    {"widgetcount", false},
    {"testability", false},
};

} // namespace

std::optional<int> answerCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A small network-traffic meter: shows how many bytes per second this "
                       "computer receives and sends over all its network interfaces."));
    // Qt's own options are words after a single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const auto& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString(),
                                  qt.value ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // For the Windows installer, which runs it before it replaces or removes the program.
    QCommandLineOption exit(QStringLiteral("exit"),
                            QStringLiteral("End the running meter as its Exit does."));
    exit.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(exit);
    if (!parser.parse(arguments)) {
        const QString program = arguments.value(0, QStringLiteral("tarnivel"));
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n",
                     qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.errorText()), qPrintable(program));
        return EXIT_FAILURE;
    }
    // Prints the help or the version and ends the process when asked for; else nothing.
    parser.process(arguments);
    if (parser.isSet(exit)) {
        const InstancePlace place = sessionInstancePlace();
        return SingleInstance(place.folder, place.name).endRunning() ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    return std::nullopt;
}

} // namespace tarnivel
