#pragma once

#include "toolkit/Platform.h"

#include <memory>

namespace orebell {

// The services whose real implementation differs by platform. Each platform implements them in
// files of its own (Win*.cpp on Windows; XcbGlobalKeys.cpp and AudioPlayer.cpp on Linux),
// and CMake builds the one of the target; callers never ask which.

// Global keys for the desktop the program runs on (call once the application exists).
std::unique_ptr<GlobalKeys> makeGlobalKeys();

// The asynchronous one-channel sound player for the platform's audio output.
std::unique_ptr<SoundPlayer> makeAudioPlayer();

} // namespace orebell
