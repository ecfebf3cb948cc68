#include "platform/FontConfiguration.h"

#ifdef OREBELL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace orebell {

FontConfigurationLoader::FontConfigurationLoader()
{
#ifdef OREBELL_FONTCONFIG
    // fontconfig keeps one configuration for the process: Qt's font database, asking later, finds
    // it loaded. Were Qt to ask while this one still reads, each would read one and fontconfig
    // would keep the first finished: the same fonts, only the time saved is lost.
    reader_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationLoader::~FontConfigurationLoader() { wait(); }

void FontConfigurationLoader::wait()
{
    if (reader_.joinable())
        reader_.join();
}

} // namespace orebell
