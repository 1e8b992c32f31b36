// Tarnivel: a small network-traffic meter. Answers --help and --version, or opens the first-run
// wizard or the meter window and runs until the last window is gone.
#include "app/command_line.h"
#include "app/instance_place.h"
#include "app/platform_choice.h"
#include "app/qsettings_backend.h"
#include "app/quit_signals.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "sampling/counter_source.h"
#include "ui/common/message_box.h"
#include "ui/main/main_window.h"
#include "ui/wizard/wizard.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Tarnivel"));
    QApplication::setApplicationVersion(QStringLiteral(TARNIVEL_VERSION));
    {
        // Without a display and before anything else: a core application for the parser only.
        const QCoreApplication commandLine(argc, argv);
        if (const auto status = tarnivel::answerCommandLine(QCoreApplication::arguments()))
            return *status;
    }

    // On X11, Qt hands painted windows to the server through shared memory and then waits for
    // the server's completion event: two extra wake-ups a second for a window this small. A
    // plain socket transfer costs the same CPU. Other platforms ignore the variable.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    if (const char* platform = tarnivel::forcedQpaPlatform(
            std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"), std::getenv("QT_QPA_PLATFORM")))
        qputenv("QT_QPA_PLATFORM", platform);
    // Ties the windows to the installed desktop entry (and its icon) on Wayland.
    QApplication::setDesktopFileName(QStringLiteral(TARNIVEL_APP_ID));
    QApplication app(argc, argv);
    // The windows end the program themselves: the meter on "Exit" or when it is closed, the
    // wizard when it is closed or the terms are refused. A meter hidden in the tray closes
    // nothing and keeps the program running.
    QApplication::setQuitOnLastWindowClosed(false);
    tarnivel::quitOnTerminationSignals(app);

    // One meter per user session and display: a second start brings the first forward and ends
    // here, before it has read or can store any setting.
    const tarnivel::InstancePlace place = tarnivel::sessionInstancePlace();
    tarnivel::SingleInstance instance(place.folder, place.name);
    using Claim = tarnivel::SingleInstance::Claim;
    switch (instance.claim()) {
    case Claim::Meter:
        break;
    case Claim::Unchecked:
        std::fputs("Tarnivel: no runtime folder private to this user (XDG_RUNTIME_DIR): starting "
                   "without the check for a meter that already runs.\n",
                   stderr);
        break;
    case Claim::CameForward:
        return 0;
    case Claim::Unanswered: {
        // Said twice: a start from the desktop has no terminal.
        const QString why = QStringLiteral("Another meter runs on this display but did not come "
                                           "forward. End it and start Tarnivel again.");
        std::fprintf(stderr, "Tarnivel: %s\n", qPrintable(why));
        tarnivel::showMessageBox(nullptr, {QStringLiteral("Tarnivel"), why, QMessageBox::Warning});
        return EXIT_FAILURE;
    }
    }

    tarnivel::QSettingsBackend settings;
    const auto counters = tarnivel::makeSystemCounterSource();

    std::unique_ptr<tarnivel::frmMain> meter;
    const auto showMeter = [&] {
        meter = std::make_unique<tarnivel::frmMain>(tarnivel::MainWindowDeps{
            settings, *counters, std::chrono::steady_clock::now, {}, {}, {}});
        meter->show();
    };
    std::unique_ptr<tarnivel::frmWizard> wizard;
    if (tarnivel::chooseStartWindow(settings) == tarnivel::StartWindow::Meter) {
        showMeter();
    } else {
        wizard = std::make_unique<tarnivel::frmWizard>(tarnivel::WizardDeps{settings, {}, {}});
        QObject::connect(wizard.get(), &tarnivel::frmWizard::completed, showMeter);
        wizard->show();
    }
    // An installer about to replace the program: the meter stores its settings as it quits.
    QObject::connect(&instance, &tarnivel::SingleInstance::exitRequested, &app,
                     &QCoreApplication::quit);
    QObject::connect(&instance, &tarnivel::SingleInstance::activationRequested, [&] {
        if (meter) {
            meter->BringForward();
        } else if (wizard) {
            wizard->showNormal();
            wizard->raise();
            wizard->activateWindow();
        }
    });
    return app.exec();
}
