#pragma once

#include <thread>

namespace orebell {

// Reads the desktop's font configuration (fontconfig's files and caches) on a thread of its own,
// so that the first text measured does not wait for it. Start it before QApplication, which takes
// as long to connect to the display; wait() before the first font is used. Where there is no
// fontconfig it does nothing.
class FontConfigurationLoader {
public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

    void wait();

private:
    std::thread reader_;
};

} // namespace orebell
