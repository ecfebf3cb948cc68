#pragma once

#include "app/Program.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <utility>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace orebell::test {

// The whole program on a fresh store, with the refinery entries, prices and lasers a test sets.
struct RefiningFixture : ::testing::Test {
    TestPlatform platform;
    Program program{platform};
    Form& form = program.mainForm();
    Shared& shared = program.shared();
    QList<int> buttons;      // control buttons pressed through the hook
    QStringList hoverPaints; // SetButtonBackColor calls: "array color highest"

    enum Mineral { Isogen, Megacyte, Mexallon, Morphite, Nocxium, Pyerite, Tritanium, Zydrine };

    QLocale savedLocale;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        program.run();
        shared.routines.lblControlButton_Click = [this](int index) { buttons << index; };
        shared.routines.SetButtonBackColor = [this](const QString& array, std::uint32_t color, int highest) {
            hoverPaints << QStringLiteral("%1 %2 %3").arg(array).arg(color, 0, 16).arg(highest);
        };
        setRefinery(QStringLiteral("96.2"), QStringLiteral("5.0"), QStringLiteral("0.0"));
        for (int k = 0; k < 16; ++k)
            c("txtProcessingSkill", k).setText(QStringLiteral("0"));
        setOnlyPrice(Tritanium, QStringLiteral("2.1"));
        for (int k = 0; k < 8; ++k) {
            c("txtRefinedOre", k).setText(QStringLiteral("0"));
            c("txtMineralsYieldGoal", k).setText(QStringLiteral("0"));
            c("lblYieldProgress_bkgrnd", k).setWidth(1500);
        }
        platform.clearRecords();
    }

    void TearDown() override { QLocale::setDefault(savedLocale); }

    Control& c(const char* name, int index = -1) { return form.control(QString::fromLatin1(name), index); }

    void setRefinery(const QString& net, const QString& commission, const QString& tax)
    {
        c("txtStationNetYield", 0).setText(net);
        c("txtStationCommsission", 0).setText(commission);
        c("txtStationTax", 0).setText(tax);
    }

    // Every other price box empty, so that only this mineral has a value.
    void setOnlyPrice(int mineral, const QString& price)
    {
        for (int k = 0; k < 8; ++k)
            c("txtMarketValue", k).setText(k == mineral ? price : QString());
    }

    // n shown lasers, each pulling `amount` m3 per `seconds`-second cycle.
    void setLasers(int n, const QString& amount, const QString& seconds)
    {
        c("txtLasers", 0).setText(QString::number(n));
        for (int i = 0; i < 7; ++i) {
            c("txtMiningRate", i).setText(amount);
            c("txtCycleDurationInSeconds", i).setText(seconds);
        }
    }

    // The ore-mined grid with these data rows (ore name, units mined as the grid shows them).
    void setGrid(std::initializer_list<std::pair<const char*, const char*>> rows)
    {
        Grid& grid = form.grid(QStringLiteral("mshflexOreMined"));
        grid.setRows(2);
        grid.setCols(3);
        grid.setTextMatrix(1, 0, QString());
        grid.setTextMatrix(1, 1, QString());
        grid.setTextMatrix(1, 2, QString());
        grid.setRows(static_cast<int>(rows.size()) + 2);
        int r = 1;
        for (const auto& [name, units] : rows) {
            grid.setTextMatrix(r, 0, QString::fromUtf8(name));
            grid.setTextMatrix(r, 1, QString::fromUtf8(units));
            ++r;
        }
    }

    // Click sounds played so far.
    int clicks() const
    {
        return static_cast<int>(
            std::count_if(platform.played().cbegin(), platform.played().cend(),
                          [](const QString& path) { return path.endsWith("tick1.wav"); }));
    }

    void refresh() { shared.routines.RefreshValuation(); }
    QString mined(int k) { return c("txtMineralsMinedFromOre", k).text(); }
    QString yieldBox(int j) { return c("txtStationYield", j).text(); }
    Control& skillLabel(int k) { return c("lblProcessingSkills", k); }
    void hover(int k) { skillLabel(k).mouseMove(0, 0, 100, 100); }
};

} // namespace orebell::test
