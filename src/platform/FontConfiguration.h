#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace orebell {

// Reads the desktop's font configuration (fontconfig's files and caches) on a thread of its own,
// then, once told the application exists, fills Qt's font database from it, so that the first
// text measured finds both done. Start it before QApplication, which takes longer to connect to
// the display; call applicationReady() just after it, and wait() before the first font is used.
class FontConfigurationLoader {
public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

    void applicationReady();
    void wait();

private:
    void read();

    enum class Next { Waiting, FillDatabase, Stop };
    std::mutex mutex_;
    std::condition_variable told_;
    Next next_ = Next::Waiting;
    std::thread reader_;
};

} // namespace orebell
