#include "platform/FontConfiguration.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef OREBELL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace orebell {

FontConfigurationLoader::FontConfigurationLoader() : reader_([this] { read(); }) {}

FontConfigurationLoader::~FontConfigurationLoader() { wait(); }

void FontConfigurationLoader::read()
{
#ifdef OREBELL_FONTCONFIG
    // fontconfig keeps one configuration for the process: Qt's font database, asking later, finds
    // it loaded. Were Qt to ask while this one still reads, each would read one and fontconfig
    // would keep the first finished: the same fonts, only the time saved is lost.
    FcInit();
#endif
    std::unique_lock lock(mutex_);
    told_.wait(lock, [this] { return next_ != Next::Waiting; });
    if (next_ != Next::FillDatabase)
        return;
    lock.unlock();
    // Qt's font database takes its own lock: the GUI thread asking meanwhile waits for it.
    QFontDatabase::families();
}

void FontConfigurationLoader::applicationReady()
{
    {
        const std::lock_guard lock(mutex_);
        if (next_ == Next::Waiting)
            next_ = Next::FillDatabase;
    }
    told_.notify_one();
}

void FontConfigurationLoader::wait()
{
    {
        const std::lock_guard lock(mutex_);
        if (next_ == Next::Waiting)
            next_ = Next::Stop; // no application: nothing more to prepare
    }
    told_.notify_one();
    if (reader_.joinable())
        reader_.join();
}

} // namespace orebell
