#include "app/Program.h"

#include "app/ControlBar.h"
#include "app/MainFormInventory.h"
#include "app/MainWindow.h"
#include "data/Shared.h"
#include "history/History.h"
#include "refining/Refining.h"
#include "sound/SoundAlerts.h"
#include "store/FlexGridControl.h"
#include "store/Settings.h"
#include "timing/TimerLayout.h"
#include "timing/Timing.h"

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
    std::function<void(Form*)> browseObserver;
};

Program::Program(Platform& platform) : d(std::make_unique<Impl>(platform))
{
    d->sound.onBrowseFormChanged([this](Form* f) { Shared::call(d->browseObserver, f); });
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
