#include "app/Program.h"

#include "app/ControlBar.h"
#include "app/MainFormInventory.h"
#include "app/MainWindow.h"
#include "data/Shared.h"
#include "history/History.h"
#include "hotkeys/GlobalKeyBindings.h"
#include "refining/Refining.h"
#include "sound/SoundAlerts.h"
#include "store/FlexGridControl.h"
#include "store/Settings.h"
#include "timing/TimerLayout.h"
#include "timing/Timing.h"

#include <QMetaObject>
#include <QObject>

namespace orebell {

namespace {
// The main window with every control in place, before any subsystem binds to it.
struct MainFormHolder {
    Form form{QStringLiteral("frmOrebell"), QStringLiteral(" Orebell")};
    MainFormHolder() { buildMainForm(form); }
};
} // namespace

struct Program::Impl {
    explicit Impl(Platform& p) : platform(p) {}

    Platform& platform;
    Shared shared;
    MainFormHolder holder;
    Form& main = holder.form;
    // Subsystems, built once the window's controls exist; each binds its handlers and routines.
    MainWindow window{main, shared, platform};
    TimerLayout layout{main, shared, platform};
    FlexGridControl oreMined{main, shared, platform};
    Timing timing{main, shared, platform};
    Refining refining{main, shared, platform};
    SoundAlerts sound{main, shared, platform};
    ControlBar controlBar{main, shared, platform};
    SessionStore sessionStore{main, shared, platform};
    History history{main, shared, platform}; // last: it listens to the routines wired above
    GlobalKeyBindings globalKeys{platform, [this](const GlobalKeyAction& a) { pressGlobalKey(a); }};
    QObject context; // deferred calls die with the program
    std::function<void(Form*)> browseObserver;

    void startGlobalKeys();
    void reportMissingSounds();
    void reportStoreRepairs();
    void pressGlobalKey(const GlobalKeyAction& action);
};

Program::Program(Platform& platform) : d(std::make_unique<Impl>(platform))
{
    d->sound.onBrowseFormChanged([this](Form* f) { Shared::call(d->browseObserver, f); });
    // The store repairs a damaged file keeping only known keys: the global keys are among them.
    platform.store().setKnownKeys([window = KnownStoreKeys(d->main)](const QString& section,
                                                                     const QString& key) {
        // The mining log window's place, its export folder and the language are kept in sections
        // of their own.
        return window(section, key) || isGlobalKeyStoreKey(section, key) ||
               section == QLatin1String("MiningLogWindow") || section == QLatin1String("MiningLogExport") ||
               (section == QLatin1String("Language") && key == QLatin1String("Language"));
    });
}

Program::~Program() = default;

void Program::run()
{
    d->shared.Lasers = {};
    d->main.load();
    if (d->window.loadFailed())
        return; // reported; the program has been asked to end
    d->main.show();
    d->main.activate();
    d->history.start();
    d->startGlobalKeys();
    d->reportMissingSounds();
    d->reportStoreRepairs();
}

void Program::Impl::reportStoreRepairs()
{
    const QString notice = sessionStore.takeNotice();
    if (notice.isEmpty())
        return;
    qWarning("Orebell: %s", qPrintable(notice));
    // Once the window is up, as the global keys' report.
    QMetaObject::invokeMethod(
        &context, [this, notice] { platform.messageBox().show(notice); }, Qt::QueuedConnection);
}

void Program::Impl::reportMissingSounds()
{
    // On the terminal only: at play time a missing file still goes to the player unchanged.
    const QStringList missing = sound.missingSounds();
    if (!missing.isEmpty())
        qWarning("Orebell: the sound file of %s is missing; choose another on the Sound panel (Alt+S)",
                 qPrintable(missing.join(QStringLiteral(", "))));
}

void Program::Impl::startGlobalKeys()
{
    const QString unavailable = platform.globalKeys().unavailable();
    if (!unavailable.isEmpty()) {
        qWarning("Orebell: %s", qPrintable(unavailable));
        return;
    }
    const QString app = platform.programFileName();
    const QString report =
        globalKeyReport(globalKeys.start(app), platform.store().sectionPlace(app, GlobalKeysSection));
    if (report.isEmpty())
        return;
    qWarning("Orebell: %s", qPrintable(report));
    // Once the window is up: a box before it would stand alone on the screen.
    QMetaObject::invokeMethod(
        &context, [this, report] { platform.messageBox().show(report); }, Qt::QueuedConnection);
}

// Exactly a click on the button, so the same refusals and messages follow; only what a click
// could not reach is left alone.
void Program::Impl::pressGlobalKey(const GlobalKeyAction& action)
{
    if (main.unloaded() || !main.has(action.control, action.index))
        return;
    Form* chooser = sound.browseForm();
    if (chooser && chooser->modal())
        return;
    if (action.laserSlot >= controlBar.timerCount()) // its panel is not shown
        return;
    Control& button = main.control(action.control, action.index);
    if (!button.visible() || !button.enabled())
        return;
    main.runDueTicks();
    if (main.unloaded())
        return;
    button.click();
}

Form& Program::mainForm() { return d->main; }
Form* Program::browseForm() { return d->sound.browseForm(); }
Shared& Program::shared() { return d->shared; }
Platform& Program::platform() { return d->platform; }

void Program::onBrowseFormChanged(std::function<void(Form*)> observer)
{
    d->browseObserver = std::move(observer);
}

} // namespace orebell
