#pragma once

#include "platform/SoundThread.h"

namespace orebell {

// The sound player on Windows: libsndfile reads the file (every WAV encoding) as 16-bit frames,
// and the system's waveOut device plays them from a few buffers that are refilled as each one is
// done, so that a long file is neither decoded whole nor held in memory. A file that cannot be
// played, or a machine without an audio device, sounds the system's alert instead. The waveOut
// API is part of every Windows; Qt Multimedia would add its libraries and Media Foundation for
// the same few alerts.
class WinSoundPlayer : public ThreadedSoundPlayer {
public:
    explicit WinSoundPlayer(QObject* parent = nullptr);
};

} // namespace orebell
