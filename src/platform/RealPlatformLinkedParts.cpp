// The two ways the real platform gets its heavy parts, each in a file of its own so that a
// program linking one does not pull in the libraries of the other.
#include "platform/NativeServices.h"
#include "platform/RealPlatform.h"
#include "platform/SqliteMiningLog.h"

namespace orebell {

RealPlatformParts linkedParts()
{
    return {[](MessageBoxService&) { return makeAudioPlayer(); },
            []() -> std::unique_ptr<MiningLog> {
                return std::make_unique<SqliteMiningLog>(SqliteMiningLog::defaultPath(), 250,
                                                         SqliteMiningLog::defaultPendingPath());
            }};
}

} // namespace orebell
