#pragma once

#include "toolkit/Form.h"

namespace orebell::test {

// The main window's timing controls with their design texts, tags and bar widths.
inline void addTimingControls(Form& f)
{
    auto add = [&](ControlKind kind, const char* name, int i, const QString& text = {}) -> Control& {
        Control& c = f.add(kind, QLatin1String(name), i);
        if (kind == ControlKind::TextBox)
            c.setText(text);
        else
            c.setCaption(text);
        return c;
    };
    for (int i = 0; i < 8; ++i)
        add(ControlKind::ComboBox, "cboRoidType", i);
    for (int i = 0; i < 7; ++i) {
        add(ControlKind::CommandButton, "btnActivateTimer", i, QString::number(i + 1));
        add(ControlKind::TextBox, "txtSizeOfRoid", i).setTag(QStringLiteral("0"));
        add(ControlKind::TextBox, "txtMiningRate", i).setTag(QStringLiteral("0"));
        add(ControlKind::TextBox, "txtCycleDurationInSeconds", i).setTag(QStringLiteral("0"));
        add(ControlKind::Label, "lblSizeOfRoid", i);
        add(ControlKind::Label, "lblProgress", i).setWidth(1095);
        add(ControlKind::Label, "lblProgress_bkgrnd", i).setWidth(1095);
        add(ControlKind::Label, "lblOreName", i, QStringLiteral("Ore")).setTag(QStringLiteral("0"));
        add(ControlKind::Label, "lblCycleCountdown", i, QStringLiteral("Depleted"))
            .setTag(QStringLiteral("180"));
        add(ControlKind::Label, "lblTimeLeft", i, QStringLiteral("00:00"));
        add(ControlKind::Label, "lblMinusOne", i, QStringLiteral("-1"));
        add(ControlKind::Label, "lblPlusOne", i, QStringLiteral("+1"));
        add(ControlKind::Label, "lblNumFocused", i, QStringLiteral("+"));
        add(ControlKind::Timer, "tmrMiningLaser", i).setTag(QStringLiteral("0"));
    }
    const char* intervals[] = {"62.5", "250", "500", "1000", "125"};
    for (int j = 0; j < 5; ++j)
        f.add(ControlKind::OptionButton, QStringLiteral("optRefreshRate"), j, QStringLiteral("fraSettings"))
            .setTag(QLatin1String(intervals[j]));
    for (int k = 0; k < 16; ++k)
        add(ControlKind::TextBox, "txtMineralsMinedFromOre", k);
    Grid& grid = f.add(ControlKind::Grid, QStringLiteral("mshflexOreMined")).grid();
    grid.setCols(3);
    grid.setRows(2);
    add(ControlKind::CheckBox, "chkMonitorCargoHold", 0, QStringLiteral("Monitor"));
    add(ControlKind::TextBox, "txtCargoHold", 0, QStringLiteral("1000"))
        .setToolTipText(QStringLiteral(" Max m3 of Mining Vessel's Cargo Hold "));
    add(ControlKind::Label, "lblCargoHold", 0, QStringLiteral("0 m3"));
    add(ControlKind::Label, "lblCargoHoldProgressPercBar", 0);
    add(ControlKind::Label, "lblCargoHoldProgress_bkgrnd", 0).setWidth(2000);
    add(ControlKind::Label, "lblStopMining", 0, QStringLiteral("STOP MINING!")).setVisible(false);
    for (int i = 0; i < 4; ++i) {
        add(ControlKind::Label, "lblJetButton", i, QStringLiteral("JET"));
        add(ControlKind::Label, "lblClockTimer", i, QStringLiteral("00:00")).setBackColor(0x404040);
        add(ControlKind::Shape, "shpClockTimerBorder", i);
        add(ControlKind::Timer, "tmrJetCan", i);
    }
}

} // namespace orebell::test
