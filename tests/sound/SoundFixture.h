#pragma once

#include "data/Shared.h"
#include "sound/SoundAlerts.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace orebell::test {

// The Sound panel's controls on a main window of their own, with the design-time state the
// window has before the settings are restored, and the sound subsystem wired to it.
struct SoundFixture : ::testing::Test {
    TestPlatform platform;
    Shared shared;
    Form main{QStringLiteral("frmOrebell"), QStringLiteral(" Orebell")};
    std::unique_ptr<SoundAlerts> sound;
    std::vector<std::tuple<QString, Color, int>> repaints; // SetButtonBackColor calls
    int activations = 0;

    static inline const QStringList Captions{
        QStringLiteral("Cycle nearly complete"),    QStringLiteral("Cycle complete"),
        QStringLiteral("Asteroid nearly depleted"), QStringLiteral("Asteroid depleted"),
        QStringLiteral("Jetcan reminder"),          QStringLiteral("Crystal change reminder")};

    SoundFixture()
    {
        main.add(ControlKind::Frame, QStringLiteral("fraSound")).setCaption(QStringLiteral("Sound"));
        for (int j = 0; j < 6; ++j) {
            Control& check = main.add(ControlKind::CheckBox, QStringLiteral("chkSoundEffect"), j);
            check.setCaption(Captions[j]);
            check.setValue(1);
            main.add(ControlKind::TextBox, QStringLiteral("txtPathSoundEffect"), j)
                .setToolTipText(QStringLiteral(" Sound File Path "));
            if (j % 2 == 0 && j < 6)
                main.add(ControlKind::TextBox, QStringLiteral("txtSoundeEffectDelay"), j)
                    .setText(j == 4 ? QStringLiteral("45") : QStringLiteral("15"));
            main.add(ControlKind::Label, QStringLiteral("lblBrowseSoundEffect"), j)
                .setCaption(QStringLiteral("..."));
        }
        main.add(ControlKind::Label, QStringLiteral("lblControlButton"), 7);
        main.onActivate([this] { ++activations; });

        // The button bar's repaint as its owner implements it: elements 0..highest, then the
        // title label and buttons 14 and 6.
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
