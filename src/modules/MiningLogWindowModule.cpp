// The "Mining log" window with its charts as a module of the shipped program (see
// platform/ProgramModules.h).
#include "gui/MiningLogWindow.h"
#include "platform/ProgramModules.h"

extern "C" Q_DECL_EXPORT QWidget*
orebell_make_mining_log_window(orebell::MiningLog& log, orebell::MessageBoxService& messages, QWidget* parent)
{
    static_assert(
        std::is_same_v<decltype(&orebell_make_mining_log_window), orebell::module::MakeMiningLogWindowFn>);
    return new orebell::MiningLogWindow(log, messages, parent);
}
