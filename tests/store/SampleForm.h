#pragma once

#include "toolkit/Form.h"

#include <QString>

#include <initializer_list>

namespace orebell::test {

// A window holding what the main window stores, in its control order and with its captions, plus
// a few controls the store must leave alone. Design values: check boxes ticked except
// chkSaveSettings, option 0 selected, every text empty, the ore-mined grid 2 rows by 3 columns.
inline void buildSampleForm(Form& f)
{
    auto texts = [&f](const char* name, std::initializer_list<int> indexes, const char* frame = "") {
        for (int i : indexes)
            f.add(ControlKind::TextBox, QString::fromLatin1(name), i, QString::fromLatin1(frame));
    };
    auto check = [&f](const char* name, int index, const QString& caption, const char* frame = "") {
        Control& c =
            f.add(ControlKind::CheckBox, QString::fromLatin1(name), index, QString::fromLatin1(frame));
        c.setCaption(caption);
        c.setValue(1);
    };
    auto frame = [&f](const char* name) { f.add(ControlKind::Frame, QString::fromLatin1(name)); };

    f.add(ControlKind::Label, QStringLiteral("lblControlButton"), 0).setCaption(QStringLiteral("?"));
    check("chkRefinery", 0, QStringLiteral("Refinery: \"NOT USED\""));
    check("chkYieldPerMin", 0, QStringLiteral("yld/min \"NOT USED\""));
    frame("fraCargoHold");
    check("chkMonitorCargoHold", 0, QStringLiteral("Monitor"), "fraCargoHold");
    texts("txtCargoHold", {0}, "fraCargoHold");
    texts("txtOreCalc", {0});
    f.add(ControlKind::TextBox, QStringLiteral("txtOreCalc_bckgrnd")).setText(QStringLiteral("design"));
    check("chkSaveSettings", 0, QStringLiteral("Save Settings on Exit"));
    f.control(QStringLiteral("chkSaveSettings"), 0).setValue(0);
    frame("fraSettings");
    const char* rates[] = {"1/16 Sec.", "1/4   Sec.", "1/2   Sec.", "1 Second", "1/8   Sec."};
    for (int i : {4, 3, 2, 1, 0}) {
        Control& o = f.add(ControlKind::OptionButton, QStringLiteral("optRefreshRate"), i,
                           QStringLiteral("fraSettings"));
        o.setCaption(QString::fromLatin1(rates[i]));
    }
    f.control(QStringLiteral("optRefreshRate"), 0).setValue(1);
    check("chkVirtualRefining", 0, QStringLiteral("Virtual Refining"), "fraSettings");
    frame("fraHelp");
    frame("fraSound");
    texts("txtPathSoundEffect", {0, 5, 4, 3, 2, 1}, "fraSound");
    texts("txtSoundeEffectDelay", {4, 2, 0}, "fraSound");
    const char* events[] = {"Cycle nearly complete", "Cycle complete",  "Asteroid nearly depleted",
                            "Asteroid depleted",     "Jetcan reminder", "Crystal change reminder"};
    for (int i : {1, 2, 3, 4, 5, 0})
        check("chkSoundEffect", i, QString::fromLatin1(events[i]), "fraSound");
    frame("fraRefinedOreYield");
    Control& grid =
        f.add(ControlKind::Grid, QStringLiteral("mshflexOreMined"), -1, QStringLiteral("fraRefinedOreYield"));
    grid.grid().setCols(3);
    grid.grid().setRows(2);
    texts("txtRefinedOre", {0, 1, 2, 3, 4, 5, 6, 7}, "fraRefinedOreYield");
    for (int k = 7; k >= 0; --k) {
        texts("txtMineralsYieldGoal", {k}, "fraRefinedOreYield");
        texts("txtMineralsMinedFromOre", {k}, "fraRefinedOreYield");
    }
    frame("fraRefineryYield");
    texts("txtMarketValue", {7, 6, 5, 4, 3, 2, 1, 0}, "fraRefineryYield");
    texts("txtRefinableUnit", {0}, "fraRefineryYield");
    for (int i = 23; i >= 8; --i)
        texts("txtStationYield", {i}, "fraRefineryYield");
    for (int i = 0; i <= 7; ++i)
        texts("txtStationYield", {i}, "fraRefineryYield");
    texts("txtStationTax", {0}, "fraRefineryYield");
    for (int i = 15; i >= 0; --i)
        texts("txtProcessingSkill", {i}, "fraRefineryYield");
    texts("txtStationCommsission", {0}, "fraRefineryYield");
    texts("txtStationNetYield", {0}, "fraRefineryYield");
    f.add(ControlKind::ComboBox, QStringLiteral("cboRoidType"), 7, QStringLiteral("fraRefineryYield"));
    f.add(ControlKind::ComboBox, QStringLiteral("cboStation_Refinery"), 0);
    frame("fraMineralYield");
    texts("txtMineralsMinedFromOre", {15, 14, 13, 12, 11, 10, 9, 8}, "fraMineralYield");
    for (int i = 6; i >= 1; --i) {
        f.add(ControlKind::ComboBox, QStringLiteral("cboRoidType"), i);
        texts("txtMiningRate", {i});
        texts("txtCycleDurationInSeconds", {i});
    }
    texts("txtCycleDurationInSeconds", {0});
    texts("txtMiningRate", {0});
    f.add(ControlKind::ComboBox, QStringLiteral("cboRoidType"), 0);
    texts("txtSizeOfRoid", {0, 1, 2, 3, 4, 5, 6});
    texts("txtJetCanName", {0, 2, 3, 1});
    frame("fraProgress");
    texts("txtLasers", {0});
    f.add(ControlKind::Timer, QStringLiteral("tmrMiningLaser"), 0).setTag(QStringLiteral("0"));
    f.add(ControlKind::Image, QStringLiteral("imgMinimized")).setVisible(false);
}

// Gives every stored item of a sample form a value of generation g, the grid 40 to 48 data rows
// and the window a position, so that two saves differ everywhere. Values are long enough to make
// the store file a few hundred kilobytes.
inline void fillGeneration(Form& f, int g)
{
    const QString pad(400, QLatin1Char('x'));
    for (const auto& owned : f.controls()) {
        Control& c = *owned;
        switch (c.kind()) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            if (c.isArrayElement())
                c.setText(QStringLiteral("g%1 %2%3 %4").arg(g).arg(c.name()).arg(c.index()).arg(pad));
            break;
        case ControlKind::CheckBox:
            c.setValue(g % 3);
            c.setEnabled(g % 2 == 0);
            break;
        case ControlKind::OptionButton:
            if (c.index() == g % 5)
                c.setValue(1);
            break;
        case ControlKind::Frame:
            c.setTag(QStringLiteral("g%1").arg(g));
            break;
        default:
            break;
        }
    }
    Grid& grid = f.grid(QStringLiteral("mshflexOreMined"));
    const int data = 40 + g % 9;
    grid.setRows(data + 2);
    const char* headers[] = {"Ore Name", "Units Mined", "R/Units"};
    for (int c = 0; c < 3; ++c) {
        grid.setTextMatrix(0, c, QString::fromLatin1(headers[c]));
        grid.setTextMatrix(data + 1, c, QString());
    }
    for (int r = 1; r <= data; ++r) {
        grid.setTextMatrix(r, 0, QStringLiteral("Ore %1 of g%2").arg(r).arg(g));
        grid.setTextMatrix(r, 1, QStringLiteral("%1.5000000000").arg(g * 1000 + r));
        grid.setTextMatrix(r, 2, QStringLiteral("333"));
    }
    f.move(15 * g, 15 * g + 1);
}

} // namespace orebell::test
