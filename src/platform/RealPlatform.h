#pragma once

#include "platform/QtScreens.h"
#include "platform/QtSettingsStore.h"
#include "toolkit/MiningLog.h"
#include "toolkit/Platform.h"

#include <functional>
#include <memory>

namespace orebell {

// How the real platform makes its two heavy parts: linked into the calling program, or loaded
// from the program's modules at first use (see ProgramModules.h), as the shipped program does.
struct RealPlatformParts {
    std::function<std::unique_ptr<SoundPlayer>(MessageBoxService&)> player;
    std::function<std::unique_ptr<MiningLog>()> miningLog;
};
RealPlatformParts linkedParts();
RealPlatformParts moduleParts(const QString& folder = {});

// The platform a player runs on: QSettings, the audio device, message boxes, the system clock
// and the desktop.
class RealPlatform : public Platform {
public:
    explicit RealPlatform(RealPlatformParts parts = linkedParts());
    ~RealPlatform() override;

    SettingsStore& store() override { return store_; }
    SoundPlayer& player() override { return *player_; }
    MessageBoxService& messageBox() override { return *messageBox_; }
    Clock& clock() override { return *clock_; }
    Desktop& desktop() override { return *desktop_; }
    Screens& screens() override { return screens_; }
    GlobalKeys& globalKeys() override;
    MiningLog* miningLog() override;
    QString programFolder() override;
    QString programFileName() override;
    ProgramVersion version() override;
    void endProgram() override;
    // True once the program asked to end; main() checks it before it shows a window.
    bool endRequested() const { return endRequested_; }

private:
    QtSettingsStore store_;
    std::unique_ptr<SoundPlayer> player_;
    std::unique_ptr<MessageBoxService> messageBox_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<Desktop> desktop_;
    QtScreens screens_;
    std::function<std::unique_ptr<MiningLog>()> makeMiningLog_;
    std::unique_ptr<MiningLog> miningLog_;   // made at first use
    std::unique_ptr<GlobalKeys> globalKeys_; // made at first use, once the display is open
    QString programFolder_;                  // found once: the files do not move while the program runs
    bool endRequested_ = false;
};

} // namespace orebell
