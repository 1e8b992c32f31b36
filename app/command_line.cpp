#include "app/command_line.h"

#include "app/instance_place.h"
#include "app/single_instance.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace tarnivel {

namespace {

// The options that QGuiApplication, QApplication and the X11 platform take out of the command
// line themselves (Qt 6.4), with the name of their value if they take one. --help leaves them
// out, --help-all shows them. (QCoreApplication takes -qmljsdebugger before the parser sees it;
// --help-all shows that one by itself.)
constexpr struct {
    const char* name;
    const char* value; // none: the option takes no value
    const char* help;  // none: obsolete, taken and ignored
} kQtOptions[] = {
    {"platform", "name[:options]", "Qt platform plugin: xcb, wayland, offscreen ..."},
    {"platformpluginpath", "path", "Folder of the platform plugins."},
    {"platformtheme", "theme", "Platform theme."},
    {"plugin", "plugin", "Another plugin to load; may be repeated."},
    {"qwindowgeometry", "geometry", "First window's geometry, like 100x100+50+50."},
    {"qwindowtitle", "title", "Title of the first window."},
    {"qwindowicon", "icon", "Default window icon."},
    {"reverse", nullptr, "Right-to-left layout (a debugging aid)."},
    {"session", "session", "Restores the program from an earlier session."},
    {"style", "style", "Widget style."},
    {"stylesheet", "file", "Style sheet for all widgets."},
    {"widgetcount", nullptr, "Reports the number of widgets at the end."},
    {"testability", nullptr, "Loads Qt's testability plugin."},
    {"display", "display", "X11: the display to use instead of $DISPLAY."},
    {"name", "name", "X11: the windows' instance name (WM_CLASS)."},
    {"visual", "id", "X11: the visual to use."},
    {"nograb", nullptr, "X11: never grab the mouse (for debuggers)."},
    {"dograb", nullptr, "X11: grab the mouse even in a debugger."},
    {"geometry", "geometry", "X11: same as --qwindowgeometry."},
    {"title", "title", "X11: same as --qwindowtitle."},
    {"icon", "icon", "X11: same as --qwindowicon."},
    {"qdevel", nullptr, nullptr},
    {"qdebug", nullptr, nullptr},
};

void describe(QCommandLineParser& parser, bool showQtOptions)
{
    parser.setApplicationDescription(
        QStringLiteral("A small network-traffic meter: shows how many bytes per second this "
                       "computer receives and sends over all its network interfaces."));
    // Qt's own options are words after a single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const auto& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString::fromLatin1(qt.help),
                                  QString::fromLatin1(qt.value));
        if (!showQtOptions || qt.help == nullptr)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // For the Windows installer, which runs it before it replaces or removes the program.
    QCommandLineOption exit(QStringLiteral("exit"),
                            QStringLiteral("End the running meter as its Exit does."));
    exit.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(exit);
}

} // namespace

std::optional<int> answerCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    describe(parser, false);
    if (!parser.parse(arguments)) {
        const QString program = arguments.value(0, QStringLiteral("tarnivel"));
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n",
                     qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.errorText()), qPrintable(program));
        return EXIT_FAILURE;
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        QCommandLineParser all;
        describe(all, true);
        all.process(arguments); // prints the help and ends the process
    }
    // Prints the help or the version and ends the process when asked for; else nothing.
    parser.process(arguments);
    if (parser.isSet(QStringLiteral("exit"))) {
        const InstancePlace place = sessionInstancePlace();
        return SingleInstance(place.folder, place.name).endRunning() ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    return std::nullopt;
}

} // namespace tarnivel
