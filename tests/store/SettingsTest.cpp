#include "store/Settings.h"
#include "data/Shared.h"
#include "platform/QtSettingsStore.h"
#include "store/SampleForm.h"
#include "support/ScopedLocale.h"
#include "support/TestPlatform.h"
#include "toolkit/RuntimeError.h"

#include <QLocale>
#include <QSettings>
#include <gtest/gtest.h>

#include <array>

namespace orebell {
namespace {

using test::buildSampleForm;
using test::TestPlatform;

const QString App = QStringLiteral("Orebell_III");
const std::array<QString, 4> Keys = {QStringLiteral("Ore Name"), QStringLiteral("Units Mined"),
                                     QStringLiteral("R/Units"), QString()};

struct SettingsRoutines : ::testing::Test {
    test::ScopedLocale english{test::ScopedLocale::english()}; // stored texts of an English desk
    TestPlatform platform;
    Form form{QStringLiteral("frmOrebell")};
    SettingsRoutines() { buildSampleForm(form); }

    Control& c(const char* name, int index = -1) { return form.control(QString::fromLatin1(name), index); }
    QString stored(const QString& key) { return platform.storeValue(QStringLiteral("Settings"), key); }
    // What a later run reads: the file on disk, not this store's memory.
    QString onDisk(const QString& section, const QString& key)
    {
        QtSettingsStore fresh(platform.storeFolder());
        return fresh.value(App, section, key);
    }
    void save()
    {
        SaveSettings(platform.store(), App, form);
        ASSERT_TRUE(platform.store().flush());
    }
    Grid& grid() { return form.grid(QStringLiteral("mshflexOreMined")); }
    void setRows(const QList<QStringList>& data)
    {
        Grid& g = grid();
        g.setRows(static_cast<int>(data.size()) + 2);
        for (int col = 0; col < 3; ++col) {
            g.setTextMatrix(0, col, Keys[col]);
            g.setTextMatrix(g.rows() - 1, col, QString());
        }
        for (int r = 0; r < data.size(); ++r)
            for (int col = 0; col < 3; ++col)
                g.setTextMatrix(r + 1, col, data[r][col]);
    }
};

TEST_F(SettingsRoutines, SavesEachKindUnderItsKey)
{
    c("chkYieldPerMin", 0).setValue(0);
    c("chkMonitorCargoHold", 0).setEnabled(false);
    c("chkSoundEffect", 3).setValue(2);
    c("optRefreshRate", 1).setValue(1);
    c("txtSizeOfRoid", 3).setText(QStringLiteral("12000"));
    c("cboRoidType", 7).setText(QStringLiteral("Dense Veldspar"));
    c("fraCargoHold").setTag(QStringLiteral("True"));
    c("txtOreCalc_bckgrnd").setText(QStringLiteral("not stored"));
    save();

    EXPECT_EQ(onDisk(QStringLiteral("Settings"), QStringLiteral("Refinery: \"NOT USED\"")), "1");
    EXPECT_EQ(onDisk(QStringLiteral("Settings"), QStringLiteral("Refinery: \"NOT USED\" Enabled")), "True");
    EXPECT_EQ(stored(QStringLiteral("yld/min \"NOT USED\"")), "0");
    EXPECT_EQ(stored(QStringLiteral("Monitor Enabled")), "False");
    EXPECT_EQ(stored(QStringLiteral("Asteroid depleted")), "2");
    EXPECT_EQ(stored(QStringLiteral("Save Settings on Exit")), "0");
    EXPECT_EQ(stored(QStringLiteral("1/4   Sec.")), "True");
    EXPECT_EQ(stored(QStringLiteral("1/4   Sec. Enabled")), "True");
    EXPECT_EQ(stored(QStringLiteral("1/16 Sec.")), "False");
    EXPECT_EQ(stored(QStringLiteral("txtSizeOfRoid3")), "12000");
    EXPECT_EQ(stored(QStringLiteral("cboRoidType7")), "Dense Veldspar");
    EXPECT_EQ(stored(QStringLiteral("fraCargoHold")), "True");
    EXPECT_EQ(stored(QStringLiteral("fraHelp")), "");

    // Only the stored kinds: no single text box, no label, timer, image or grid.
    QSettings file(platform.storeFile(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Settings"));
    const QStringList keys = file.childKeys();
    EXPECT_FALSE(keys.contains(QStringLiteral("txtOreCalc_bckgrnd")));
    for (const QString& key : keys) {
        EXPECT_FALSE(key.startsWith(QLatin1String("lbl")) || key.startsWith(QLatin1String("tmr")) ||
                     key.startsWith(QLatin1String("img")) || key.startsWith(QLatin1String("mshflex")))
            << key.toStdString();
    }
    // 11 check boxes and 5 option buttons with two keys each, 8 frames, 130 arrayed boxes.
    EXPECT_EQ(keys.size(), 16 * 2 + 8 + 130);
}

TEST_F(SettingsRoutines, LoadPutsEverythingBackFiringHandlers)
{
    c("chkRefinery", 0).setValue(0);
    c("chkVirtualRefining", 0).setEnabled(false);
    c("optRefreshRate", 2).setValue(1);
    c("txtCycleDurationInSeconds", 4).setText(QStringLiteral("45"));
    c("cboRoidType", 2).setText(QStringLiteral("Scordite"));
    c("fraProgress").setTag(QStringLiteral("True"));
    save();

    Form next{QStringLiteral("frmOrebell")};
    buildSampleForm(next);
    QStringList fired;
    next.onClick(QStringLiteral("chkRefinery"), [&](int) { fired << "chkRefinery_Click"; });
    next.onClick(QStringLiteral("optRefreshRate"),
                 [&](int i) { fired << QStringLiteral("optRefreshRate_Click %1").arg(i); });
    next.onChange(QStringLiteral("txtCycleDurationInSeconds"),
                  [&](int i) { fired << QStringLiteral("txtCycle_Change %1").arg(i); });
    // The lists are filled after the restore; the text must be taken all the same.
    next.onClick(QStringLiteral("cboRoidType"),
                 [&](int i) { fired << QStringLiteral("cboRoidType_Click %1").arg(i); });
    LoadSettings(platform.store(), App, next);

    EXPECT_EQ(next.control(QStringLiteral("chkRefinery"), 0).value(), 0);
    EXPECT_FALSE(next.control(QStringLiteral("chkVirtualRefining"), 0).enabled());
    EXPECT_EQ(next.control(QStringLiteral("optRefreshRate"), 2).value(), 1);
    EXPECT_EQ(next.control(QStringLiteral("optRefreshRate"), 0).value(), 0);
    EXPECT_EQ(next.control(QStringLiteral("txtCycleDurationInSeconds"), 4).text(), "45");
    EXPECT_EQ(next.control(QStringLiteral("cboRoidType"), 2).text(), "Scordite");
    EXPECT_EQ(next.control(QStringLiteral("cboRoidType"), 2).listCount(), 0);
    EXPECT_EQ(next.control(QStringLiteral("fraProgress")).tag(), "True");
    EXPECT_TRUE(fired.contains("chkRefinery_Click"));
    EXPECT_TRUE(fired.contains("optRefreshRate_Click 2"));
    EXPECT_TRUE(fired.contains("txtCycle_Change 4"));
    EXPECT_TRUE(fired.contains("cboRoidType_Click 2"));
    EXPECT_EQ(next.control(QStringLiteral("txtOreCalc_bckgrnd")).text(), "design");
}

TEST_F(SettingsRoutines, EmptyStoreEmptiesBoxesAndTagsAndKeepsTicks)
{
    c("txtCargoHold", 0).setText(QStringLiteral("1000"));
    c("fraCargoHold").setTag(QStringLiteral("0"));
    LoadSettings(platform.store(), App, form);
    EXPECT_EQ(c("txtCargoHold", 0).text(), "");
    EXPECT_EQ(c("fraCargoHold").tag(), "");
    EXPECT_EQ(c("chkRefinery", 0).value(), 1);
    EXPECT_EQ(c("chkSaveSettings", 0).value(), 0);
    EXPECT_EQ(c("optRefreshRate", 0).value(), 1);
    EXPECT_TRUE(c("chkMonitorCargoHold", 0).enabled());
}

TEST_F(SettingsRoutines, OptionGroupLastTrueInControlOrderWins)
{
    // Control order is 4, 3, 2, 1, 0: "1 Second" (3) is read before "1/2   Sec." (2).
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("1 Second"), QStringLiteral("True"));
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("1/2   Sec."), QStringLiteral("True"));
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("1/16 Sec."), QStringLiteral("False"));
    LoadSettings(platform.store(), App, form);
    EXPECT_EQ(c("optRefreshRate", 2).value(), 1);
    EXPECT_EQ(c("optRefreshRate", 3).value(), 0);
    EXPECT_EQ(c("optRefreshRate", 0).value(), 0);
}

TEST_F(SettingsRoutines, UnfitStoredValuesLeaveTheControlAsItWas)
{
    struct Case {
        const char* text;
        int value; // expected value of a check box that was ticked
    };
    const Case cases[] = {{"abc", 1},   {"3", 1}, {"-1", 1}, {"True", 1}, {"", 1},
                          {"False", 0}, {"0", 0}, {"2", 2},  {"1.4", 1},  {" 0 ", 0}};
    for (const Case& k : cases) {
        c("chkRefinery", 0).setValue(1);
        platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("Refinery: \"NOT USED\""),
                               QString::fromLatin1(k.text));
        LoadSettings(platform.store(), App, form);
        EXPECT_EQ(c("chkRefinery", 0).value(), k.value) << k.text;
    }
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("Monitor Enabled"),
                           QStringLiteral("maybe"));
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("1/16 Sec."), QStringLiteral("yes"));
    LoadSettings(platform.store(), App, form);
    EXPECT_TRUE(c("chkMonitorCargoHold", 0).enabled());
    EXPECT_EQ(c("optRefreshRate", 0).value(), 1);
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("Monitor Enabled"),
                           QStringLiteral("0"));
    LoadSettings(platform.store(), App, form);
    EXPECT_FALSE(c("chkMonitorCargoHold", 0).enabled());
}

TEST_F(SettingsRoutines, AFailingHandlerDoesNotStopTheRestore)
{
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("txtCargoHold0"),
                           QStringLiteral("1200"));
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("txtLasers0"), QStringLiteral("3"));
    form.onChange(QStringLiteral("txtCargoHold"), [](int) { raise(ErrTypeMismatch); });
    LoadSettings(platform.store(), App, form);
    EXPECT_EQ(c("txtCargoHold", 0).text(), "1200");
    EXPECT_EQ(c("txtLasers", 0).text(), "3");
}

TEST_F(SettingsRoutines, ACheckBoxThatCannotBeWrittenEndsTheSave)
{
    c("chkMonitorCargoHold", 0).setCaption(QString()); // no key to store it under
    c("txtCargoHold", 0).setText(QStringLiteral("900"));
    c("chkRefinery", 0).setValue(0);
    try {
        SaveSettings(platform.store(), App, form);
        FAIL() << "the save went on";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrInvalidCall);
    }
    EXPECT_EQ(stored(QStringLiteral("Refinery: \"NOT USED\"")), "0"); // written before it
    EXPECT_EQ(stored(QStringLiteral("txtCargoHold0")), "");           // after it: not reached
}

TEST_F(SettingsRoutines, WindowPosition)
{
    form.move(4815, 1620, 9000, 5000);
    SaveWindowPosition(platform.store(), App, form);
    ASSERT_TRUE(platform.store().flush());
    EXPECT_EQ(onDisk(QStringLiteral("frmOrebell"), QStringLiteral("Xpos")), "4815");
    EXPECT_EQ(onDisk(QStringLiteral("frmOrebell"), QStringLiteral("Ypos")), "1620");

    form.move(0, 0);
    LoadWindowPosition(platform.store(), App, form);
    EXPECT_EQ(form.left(), 4815);
    EXPECT_EQ(form.top(), 1620);
    EXPECT_EQ(form.width(), 9000);

    struct Case {
        const char* x;
        const char* y;
        int left;
        int top;
    };
    const Case cases[] = {
        {"abc", "200", 100, 100},      {"", "200", 100, 100},     {"300", "", 100, 100},
        {"300", "x", 100, 100},        {"1e30", "200", 100, 100}, {"-1500", "7.5", -1500, 8},
        {"1.2e3", "2400", 1200, 2400},
    };
    for (const Case& k : cases) {
        form.move(100, 100);
        platform.setStoreValue(QStringLiteral("frmOrebell"), QStringLiteral("Xpos"),
                               QString::fromLatin1(k.x));
        platform.setStoreValue(QStringLiteral("frmOrebell"), QStringLiteral("Ypos"),
                               QString::fromLatin1(k.y));
        LoadWindowPosition(platform.store(), App, form);
        EXPECT_EQ(form.left(), k.left) << k.x << " " << k.y;
        EXPECT_EQ(form.top(), k.top) << k.x << " " << k.y;
    }
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(SettingsRoutines, GridSaveDeletesThePreviousRowsFirst)
{
    setRows({{"Veldspar", "1,245", "333"},
             {"Scordite", "10.5000000000", "333"},
             {"Pyroxeres", "7", "333"},
             {"Omber", "8", "500"},
             {"Kernite", "9", "400"}});
    SaveGrid(platform.store(), App, form.control(QStringLiteral("mshflexOreMined")), Keys);
    ASSERT_TRUE(platform.store().flush());
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Rows")), "5");
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 5"), QStringLiteral("Ore Name")), "Kernite");

    setRows({{"Arkonor", "1", "200"}, {"Bistot", "2", "200"}, {"Crokite", "3", "250"}});
    SaveGrid(platform.store(), App, form.control(QStringLiteral("mshflexOreMined")), Keys);
    ASSERT_TRUE(platform.store().flush());

    QSettings file(platform.storeFile(), QSettings::IniFormat);
    QStringList groups = file.childGroups();
    groups.sort();
    EXPECT_EQ(groups, QStringList({"mshflexOreMined 0", "mshflexOreMined 1", "mshflexOreMined 2",
                                   "mshflexOreMined 3", "mshflexOreMined 4"}));
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Rows")), "3");
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Units Mined")), "Units Mined");
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 3"), QStringLiteral("Ore Name")), "Crokite");
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 3"), QStringLiteral("R/Units")), "250");
    file.beginGroup(QStringLiteral("mshflexOreMined 4"));
    EXPECT_EQ(file.childKeys().size(), 3); // the trailing empty row is stored, with empty texts
    EXPECT_EQ(file.value(QStringLiteral("Ore Name")).toString(), "");

    // And it comes back as it was.
    grid().setRows(2);
    LoadGrid(platform.store(), App, form.control(QStringLiteral("mshflexOreMined")), Keys);
    ASSERT_EQ(grid().rows(), 5);
    EXPECT_EQ(grid().textMatrix(2, 0), "Bistot");
    EXPECT_EQ(grid().textMatrix(3, 2), "250");
    EXPECT_EQ(grid().textMatrix(4, 0), "");
}

TEST_F(SettingsRoutines, GridWithoutHeadersIsStoredUnderTheColumnKeys)
{
    setRows({{"Omber", "8", "500"}});
    for (int col = 0; col < 3; ++col)
        grid().setTextMatrix(0, col, QString());
    SaveGrid(platform.store(), App, form.control(QStringLiteral("mshflexOreMined")), Keys);
    EXPECT_EQ(platform.storeValue(QStringLiteral("mshflexOreMined 1"), QStringLiteral("Ore Name")), "Omber");
    EXPECT_EQ(platform.storeValue(QStringLiteral("mshflexOreMined 1"), QStringLiteral("R/Units")), "500");
    EXPECT_EQ(platform.storeValue(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Ore Name")),
              "Ore Name");
    EXPECT_EQ(platform.storeValue(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Rows")), "1");
}

TEST_F(SettingsRoutines, DamagedGridStoreGivesEmptyGridOrEmptyCells)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto put = [&](int row, const QString& name, const QString& count, const QString& batch) {
        const QString section = QStringLiteral("mshflexOreMined %1").arg(row);
        platform.setStoreValue(section, Keys[0], name);
        platform.setStoreValue(section, Keys[1], count);
        platform.setStoreValue(section, Keys[2], batch);
    };
    put(1, QStringLiteral("Veldspar"), QStringLiteral("abc"), QStringLiteral("333"));
    put(2, QStringLiteral("Scordite"), QStringLiteral("1.245,5000000000"), QStringLiteral("333"));
    put(3, QString(), QStringLiteral("12"), QStringLiteral("500"));
    put(4, QStringLiteral("Omber"), QString(), QStringLiteral("500"));

    // A count that is no sane number, or none at all while rows are there (a damaged store), and
    // a count far beyond the rows stored: the rows that are there come back, each with a name.
    for (const char* rows : {"abc", "-3", "-1", "99999", "", "4", "32767"}) { // "" : no count
        setRows({{"Kernite", "5", "400"}});
        platform.setStoreValue(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Rows"),
                               QString::fromLatin1(rows));
        LoadGrid(platform.store(), App, form.control(QStringLiteral("mshflexOreMined")), Keys);
        ASSERT_EQ(grid().rows(), 5) << rows;
        EXPECT_EQ(grid().textMatrix(1, 0), "Veldspar");
        EXPECT_EQ(grid().textMatrix(1, 1), ""); // not a number: an empty count, which reads as 0
        EXPECT_EQ(grid().textMatrix(2, 1), "1,245.5000000000"); // written in another locale
        EXPECT_EQ(grid().textMatrix(3, 0), "Omber");
        EXPECT_EQ(grid().textMatrix(4, 0), "");
        EXPECT_EQ(grid().textMatrix(0, 0), "Ore Name");
        EXPECT_EQ(grid().textMatrix(0, 1), "Units Mined") << rows;
    }

    // A count one short: the last stored row has an ore in it and stays a data row.
    platform.setStoreValue(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Rows"), QStringLiteral("1"));
    LoadGrid(platform.store(), App, form.control(QStringLiteral("mshflexOreMined")), Keys);
    ASSERT_EQ(grid().rows(), 4);
    EXPECT_EQ(grid().textMatrix(2, 0), "Scordite");
    EXPECT_EQ(grid().textMatrix(3, 0), "");
    QLocale::setDefault(QLocale::system());
}

TEST_F(SettingsRoutines, JunkInTheFileGivesDefaultsAndTheNextSaveRepairsIt)
{
    QByteArray junk = "[Settings]\ntxtLasers0=4\n";
    for (int i = 0; i < 3000; ++i)
        junk.append(static_cast<char>((i * 7919 + 13) % 256));
    junk.append("\n[mshflexOreMined 0]\nRows=3\n");
    {
        QFile file(platform.storeFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(junk);
    }
    c("txtCargoHold", 0).setText(QStringLiteral("design"));
    LoadSettings(platform.store(), App, form);
    LoadGrid(platform.store(), App, form.control(QStringLiteral("mshflexOreMined")), Keys);
    EXPECT_EQ(c("txtLasers", 0).text(), "4"); // what could be read survives
    EXPECT_EQ(c("txtCargoHold", 0).text(), "");
    EXPECT_GE(grid().rows(), 2);
    EXPECT_TRUE(QFile::exists(platform.storeFile() + ".damaged"));

    c("txtCargoHold", 0).setText(QStringLiteral("1500"));
    save();
    QSettings check(platform.storeFile(), QSettings::IniFormat);
    check.allKeys();
    EXPECT_EQ(check.status(), QSettings::NoError);
    EXPECT_EQ(check.value(QStringLiteral("Settings/txtCargoHold0")).toString(), "1500");
}

} // namespace
} // namespace orebell
