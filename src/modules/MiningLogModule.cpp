// The mining log's SQLite file as a module of the shipped program (see platform/ProgramModules.h).
#include "platform/ProgramModules.h"
#include "platform/SqliteMiningLog.h"

extern "C" Q_DECL_EXPORT orebell::MiningLog* orebell_make_mining_log()
{
    static_assert(std::is_same_v<decltype(&orebell_make_mining_log), orebell::module::MakeMiningLogFn>);
    return new orebell::SqliteMiningLog(orebell::SqliteMiningLog::defaultPath(), 250,
                                        orebell::SqliteMiningLog::defaultPendingPath());
}
