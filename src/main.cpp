#include "app/CommandLine.h"
#include "app/Program.h"
#include "data/Shared.h"
#include "gui/ProgramWindows.h"
#include "gui/Style.h"
#include "platform/FontConfiguration.h"
#include "platform/MissingDisplay.h"
#include "platform/OrderlyExit.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramModules.h"
#include "platform/QtSettingsStore.h"
#include "platform/RealPlatform.h"
#include "platform/SessionPlatform.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>
#include <optional>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Answered before QApplication, which needs a display and would take the options itself.
    const orebell::CommandLine commandLine = orebell::readCommandLine(arguments);
    if (commandLine.action == orebell::CommandLine::Action::Exit) {
        std::fputs(qPrintable(commandLine.output), stdout);
        std::fputs(qPrintable(commandLine.error), stderr);
        return commandLine.exitCode;
    }
    orebell::applySessionPlatform(commandLine.platformChosen);
    orebell::sendFramesOverSocket();

    orebell::FontConfigurationLoader fonts; // beside QApplication's start

    // The class of the window (X11) and the message boxes' title, whatever name started us.
    QApplication::setApplicationName(QStringLiteral("Orebell_III"));
    // One copy per user and store: a second start brings the running window up, and ends
    // before it reads or writes anything of the store or the log (and before the font loader
    // is told to fill Qt's font database, which must not outlive the application). Only the
    // lock, taken beside QApplication's start, comes before the first frame; the socket a later
    // start reaches this copy by follows the frame.
    orebell::SingleInstance instance(orebell::QtSettingsStore().lockFileFor(orebell::executableBaseName()),
                                     [] { return orebell::makeModuleHandOverLine(); });
    instance.claimInBackground(); // beside QApplication's start
    // A display that cannot be reached ends the program with a message, not with Qt's abort.
    std::optional<orebell::MissingDisplayExit> noDisplay(std::in_place, [&instance] { instance.release(); });
    QApplication app(argc, argv);
    noDisplay.reset();
    if (!instance.claim()) {
        if (instance.handOver())
            return 0;
        // Running on the same store would overwrite what the other copy saves.
        const QString text =
            QStringLiteral(
                "Orebell is already running with these settings (%1) but does not answer.\nThis copy "
                "ends. Close the other copy, or end its process, and start Orebell again.")
                .arg(QDir::toNativeSeparators(instance.lockPath()));
        std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
        orebell::useProgramStyle();
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
        return 1;
    }
    fonts.applicationReady();
    // Before anything can show a message box: every box in the panels' dark scheme, the first too.
    orebell::useProgramStyle();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orebell.Orebell"));
    // Sound, the mining log and its window come from modules loaded when first needed.
    orebell::RealPlatform platform(orebell::moduleParts());
    orebell::Program program(platform);
    orebell::OrderlyExit orderlyExit(program.mainForm(), program.shared().routines);
    fonts.wait(); // the first text is measured in the load sequence
    program.run();
    if (platform.endRequested()) // the load failed and has been reported
        return 1;
    orebell::ProgramWindows windows(program, platform.messageBox(), orebell::moduleMiningLogWindow());
    instance.onActivationRequested([&windows] { windows.bringToFront(); });
    orebell::runAfterFirstFrames(&instance, [&instance] { instance.listen(); });
    return app.exec();
}
