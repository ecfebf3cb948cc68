#include "app/CommandLine.h"
#include "app/Program.h"
#include "data/Shared.h"
#include "gui/ProgramWindows.h"
#include "gui/Style.h"
#include "l10n/Language.h"
#include "l10n/Translation.h"
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
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <optional>

namespace {

// Where the catalogues lie: beside the .exe (Windows), in translations/ beside the program (a
// build) or beside its data (share/orebell/translations).
QStringList translationFolders(const QString& argv0)
{
    const QString folder = QFileInfo(orebell::executablePath(argv0)).absolutePath();
    const QString data =
        QDir::fromNativeSeparators(orebell::programDataFolder(QDir::toNativeSeparators(folder)));
    return {data + QStringLiteral("/translations"), folder + QStringLiteral("/translations"), folder};
}

// Loads the chosen language; what cannot be had is said on the terminal, once, and English is
// spoken.
void chooseLanguage(orebell::Translation& translation, const QString& commandLine, const QString& stored,
                    const QStringList& folders)
{
    static QStringList told;
    const auto tell = [](const QString& text) {
        if (text.isEmpty() || told.contains(text))
            return;
        told << text;
        std::fputs(qPrintable(QStringLiteral("Orebell: ") + text + QLatin1Char('\n')), stderr);
    };
    const orebell::LanguageChoice choice =
        orebell::chooseLanguage(commandLine, stored, QLocale::system().uiLanguages());
    tell(choice.warning);
    if (choice.language != translation.language() && !translation.load(choice.language, folders))
        tell(QStringLiteral("%1; it speaks English.").arg(translation.error()));
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Answered before QApplication, which needs a display and would take the options itself.
    orebell::Translation translation;
    orebell::CommandLine commandLine = orebell::readCommandLine(arguments);
    const QString asked = commandLine.language;
    if (commandLine.action == orebell::CommandLine::Action::Exit) {
        // --help speaks the language asked for or the desktop's: the store is not read before
        // this copy knows it is the only one.
        chooseLanguage(translation, asked, {}, translationFolders(arguments.value(0)));
        commandLine = orebell::readCommandLine(arguments, &translation);
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
        // The store is another copy's: the language asked for or the desktop's.
        chooseLanguage(translation, asked, {}, translationFolders(arguments.value(0)));
        translation.install();
        // Running on the same store would overwrite what the other copy saves.
        const QString text = orebell::shownText(
            QStringLiteral(
                "Orebell is already running with these settings (%1) but does not answer.\nThis copy "
                "ends. Close the other copy, or end its process, and start Orebell again.")
                .arg(QDir::toNativeSeparators(instance.lockPath())));
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
    // The stored choice, read once the store knows its keys (a repair keeps only those).
    chooseLanguage(translation, asked,
                   platform.store().value(platform.programFileName(), QStringLiteral("Language"),
                                          QStringLiteral("Language")),
                   translationFolders(arguments.value(0)));
    translation.install();
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
