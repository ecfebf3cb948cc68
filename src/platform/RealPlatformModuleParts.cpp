#include "platform/ProgramModules.h"
#include "platform/RealPlatform.h"

namespace orebell {

RealPlatformParts moduleParts(const QString& folder)
{
    return {[folder](MessageBoxService& messages) { return makeModuleSoundPlayer(messages, folder); },
            [folder] { return makeModuleMiningLog(folder); }};
}

} // namespace orebell
