#pragma once

// A platform for the fuzz targets: a real QSettings store in a temporary folder whose file the
// target writes, and services that only count what the program asked of them.
#include "platform/QtSettingsStore.h"
#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace orebell::fuzz {

class FuzzPlatform : public Platform {
public:
    // Writes the store file's bytes before the store opens it.
    explicit FuzzPlatform(const QByteArray& storeFile)
    {
        QFile file(QtSettingsStore(dir_.path()).fileFor(programFileName()));
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (file.open(QIODevice::WriteOnly))
            file.write(storeFile);
        file.close();
        store_ = std::make_unique<QtSettingsStore>(dir_.path());
    }

    SettingsStore& store() override { return *store_; }
    SoundPlayer& player() override { return player_; }
    MessageBoxService& messageBox() override { return messages_; }
    Clock& clock() override { return clock_; }
    Desktop& desktop() override { return desktop_; }
    QString programFolder() override { return dir_.path(); }
    QString programFileName() override { return QStringLiteral("Orebell_III"); }
    ProgramVersion version() override { return {}; }
    void endProgram() override { ended = true; }

    int messageCount() const { return messages_.count; }
    bool ended = false;

private:
    struct Player : SoundPlayer {
        void play(const QString&) override {}
    };
    struct Messages : MessageBoxService {
        int count = 0;
        void show(const QString&) override { ++count; }
    };
    struct FixedClock : Clock {
        float timeOfDay() override { return 3600; }
    };
    struct Screen : Desktop {
        int setAlwaysOnTop(Form& form, bool onTop) override
        {
            form.setOnTop(onTop);
            return onTop ? 1 : 0;
        }
        void openAddress(const QString&) override {}
        int textWidth(const QString& text) override { return static_cast<int>(text.size()) * 105; }
    };

    QTemporaryDir dir_;
    std::unique_ptr<QtSettingsStore> store_;
    Player player_;
    Messages messages_;
    FixedClock clock_;
    Screen desktop_;
};

} // namespace orebell::fuzz
