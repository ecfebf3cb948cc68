#include "app/Program.h"

#include "app/MainFormInventory.h"
#include "data/Shared.h"
#include "refining/Refining.h"

namespace orebell {

struct Program::Impl {
    explicit Impl(Platform& p) : platform(p), main(QStringLiteral("frmOrebell"), QStringLiteral(" Orebell"))
    {
        buildMainForm(main);
        refining = std::make_unique<Refining>(main, shared, platform);
    }

    Platform& platform;
    Shared shared;
    Form main;
    std::unique_ptr<Form> browse;
    std::function<void(Form*)> browseObserver;
    std::unique_ptr<Refining> refining;
};

Program::Program(Platform& platform) : d(std::make_unique<Impl>(platform)) {}

Program::~Program() = default;

void Program::run()
{
    d->shared.Lasers = {};
    d->main.load();
    d->main.show();
    d->main.activate();
}

Form& Program::mainForm() { return d->main; }
Form* Program::browseForm() { return d->browse.get(); }
Shared& Program::shared() { return d->shared; }
Platform& Program::platform() { return d->platform; }

void Program::onBrowseFormChanged(std::function<void(Form*)> observer)
{
    d->browseObserver = std::move(observer);
}

} // namespace orebell
