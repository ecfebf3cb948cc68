#pragma once

#include "app/MainFormInventory.h"
#include "data/Shared.h"
#include "sound/SoundAlerts.h"
#include "support/ScopedLocale.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace orebell::test {

// The main window as designed, before the settings are restored, with the sound subsystem
// wired to it.
struct SoundFixture : ::testing::Test {
    ScopedLocale english{ScopedLocale::english()}; // the texts typed below are an English desk's
    TestPlatform platform;
    Shared shared;
    Form main{QStringLiteral("frmOrebell"), QStringLiteral(" Orebell")};
    std::unique_ptr<SoundAlerts> sound;
    std::vector<std::tuple<QString, Color, int>> repaints; // SetButtonBackColor calls
    int activations = 0;

    SoundFixture()
    {
        buildMainForm(main);
        main.onActivate([this] { ++activations; });

        // The button bar's repaint of elements 0 to highest (its repaint of the title label and
        // buttons 6 and 14 does not matter here).
        shared.routines.SetButtonBackColor = [this](const QString& array, std::uint32_t color, int highest) {
            repaints.emplace_back(array, color, highest);
            for (Control* c : main.elements(array))
                if (c->index() <= highest)
                    c->setBackColor(c->tag() == QLatin1String("selected") ? 0x404040 : color);
        };
        sound = std::make_unique<SoundAlerts>(main, shared, platform);
    }

    Control& check(int j) { return main.control(QStringLiteral("chkSoundEffect"), j); }
    Control& path(int j) { return main.control(QStringLiteral("txtPathSoundEffect"), j); }
    Control& delay(int j) { return main.control(QStringLiteral("txtSoundeEffectDelay"), j); }
    Control& browse(int j) { return main.control(QStringLiteral("lblBrowseSoundEffect"), j); }

    QString programFile(const char* name)
    {
        return joinProgramPath(platform.programFolder(), QString::fromLatin1(name));
    }

    // What start-up does with the panel: restore the stored texts (empty when nothing is stored)
    // while loading, load the sounds, stop loading, then show the timer view, which loads them
    // again.
    void startUp()
    {
        shared.IsLoading = true;
        for (Control* c : main.elements(QStringLiteral("txtPathSoundEffect")))
            c->setText(platform.storeValue(QStringLiteral("Settings"), c->displayName()));
        for (Control* c : main.elements(QStringLiteral("txtSoundeEffectDelay")))
            c->setText(platform.storeValue(QStringLiteral("Settings"), c->displayName()));
        sound->LoadSounds();
        shared.IsLoading = false;
        sound->LoadSounds();
    }
};

} // namespace orebell::test
