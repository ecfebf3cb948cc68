#include "app/Program.h"
#include "data/Shared.h"
#include "store/SampleForm.h"
#include "store/Settings.h"
#include "support/ScopedLocale.h"
#include "support/TestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <array>

namespace orebell {
namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

// Runs of the whole program one after another on one platform share its store, as runs of the
// program share the player's.
struct RoundTrip : ::testing::Test {
    test::TestPlatform platform;

    static Control& c(Program& p, const char* name, int index = -1)
    {
        return p.mainForm().control(s(name), index);
    }

    // Starts the program; false when its load and activation sequences do not restore from the
    // store (a build without the application's sequences), so the round trip cannot be run.
    static bool start(Program& p)
    {
        Routines& r = p.shared().routines;
        int restored = 0;
        for (auto* routine : {&r.LoadSettings, &r.LoadGrid}) {
            auto inner = *routine;
            *routine = [inner, &restored] {
                ++restored;
                inner();
            };
        }
        p.run();
        return restored == 2;
    }
    // The close button: save everything, then unload the window. Where the button bar is not in
    // the build, its path is taken directly.
    static void closeWithTheCloseButton(Program& p)
    {
        p.mainForm().control(s("lblControlButton"), 6).click();
        if (p.mainForm().unloaded())
            return;
        p.shared().routines.SaveAll();
        p.mainForm().unload();
    }
};

TEST_F(RoundTrip, ASessionComesBackWhole)
{
    {
        Program first(platform);
        if (!start(first))
            GTEST_SKIP() << "the load and activation sequences are not in this build";
        ASSERT_TRUE(platform.messages().isEmpty()) << platform.messages().join('\n').toStdString();
        c(first, "cboRoidType", 0).setText(s("Dense Veldspar"));
        c(first, "txtSizeOfRoid", 0).setText(s("12000"));
        c(first, "txtMiningRate", 0).setText(s("540"));
        c(first, "txtCycleDurationInSeconds", 0).setText(s("45"));
        c(first, "txtJetCanName", 2).setText(s("Can / \"B\" = 2; west"));
        c(first, "txtMarketValue", 3).setText(s("4900"));
        c(first, "txtCargoHold", 0).setText(s("27500"));
        c(first, "chkVirtualRefining", 0).click(); // unticked
        c(first, "optRefreshRate", 1).click();     // 1/4 s
        c(first, "fraMineralYield").setTag(s("True"));
        Routines& r = first.shared().routines;
        ASSERT_TRUE(r.AddOreMined);
        r.AddOreMined(s("Veldspar"), 10.5);
        r.AddOreMined(s("Scordite"), 200);
        r.AddOreMined(s("Omber"), 1234.5);
        first.mainForm().move(4200, 1800);
        first.shared().RestoreLeft = 4200;
        first.shared().RestoreTop = 1800;
        closeWithTheCloseButton(first);
    }

    Program second(platform);
    ASSERT_TRUE(start(second));
    EXPECT_TRUE(platform.messages().isEmpty()) << platform.messages().join('\n').toStdString();
    EXPECT_EQ(c(second, "cboRoidType", 0).text(), "Dense Veldspar");
    EXPECT_EQ(c(second, "txtSizeOfRoid", 0).text(), "12000");
    EXPECT_EQ(c(second, "txtMiningRate", 0).text(), "540");
    EXPECT_EQ(c(second, "txtCycleDurationInSeconds", 0).text(), "45");
    EXPECT_EQ(c(second, "txtJetCanName", 2).text(), "Can / \"B\" = 2; west");
    EXPECT_EQ(c(second, "txtMarketValue", 3).text(), "4900");
    EXPECT_EQ(c(second, "txtCargoHold", 0).text(), "27500");
    EXPECT_EQ(c(second, "chkVirtualRefining", 0).value(), 0);
    EXPECT_EQ(c(second, "optRefreshRate", 1).value(), 1);
    EXPECT_EQ(c(second, "optRefreshRate", 0).value(), 0);
    EXPECT_EQ(c(second, "fraMineralYield").tag(), "True");
    EXPECT_TRUE(c(second, "fraMineralYield").visible());
    EXPECT_EQ(second.mainForm().left(), 4200);
    EXPECT_EQ(second.mainForm().top(), 1800);

    const Grid& grid = second.mainForm().grid(s("mshflexOreMined"));
    ASSERT_EQ(grid.rows(), 5);
    EXPECT_EQ(grid.textMatrix(0, 0), "Ore Name");
    EXPECT_EQ(grid.textMatrix(1, 0), "Veldspar");
    EXPECT_EQ(grid.textMatrix(2, 0), "Scordite");
    EXPECT_EQ(grid.textMatrix(3, 0), "Omber");
    EXPECT_EQ(grid.textMatrix(3, 2), "500");
    EXPECT_EQ(grid.textMatrix(4, 0), "");

    // The restored refresh rate drives a laser started now.
    EXPECT_EQ(second.shared().RefreshInterval, 250);
    c(second, "btnActivateTimer", 0).click();
    EXPECT_EQ(c(second, "btnActivateTimer", 0).caption(), "!");
    EXPECT_EQ(c(second, "tmrMiningLaser", 0).interval(), 250);
}

// The window manager or the desktop closes the window: whether the close request takes the close
// button's path or simply unloads, the quit that follows saves what was not saved yet.
TEST_F(RoundTrip, ClosedByTheSystemTheSessionIsKept)
{
    {
        Program first(platform);
        if (!start(first))
            GTEST_SKIP() << "the load and activation sequences are not in this build";
        c(first, "txtCargoHold", 0).setText(s("33000"));
        first.shared().routines.AddOreMined(s("Hedbergite"), 12);
        first.mainForm().requestClose();
        EXPECT_TRUE(first.mainForm().unloaded());
        first.shared().routines.SaveOnExit(); // the application's aboutToQuit
    }
    Program second(platform);
    ASSERT_TRUE(start(second));
    EXPECT_EQ(c(second, "txtCargoHold", 0).text(), "33000");
    EXPECT_EQ(second.mainForm().grid(s("mshflexOreMined")).textMatrix(1, 0), "Hedbergite");
}

TEST_F(RoundTrip, ADamagedStoreStartsWithoutAReport)
{
    platform.setStoreValue(s("mshflexOreMined 0"), s("Rows"), s("-40"));
    platform.setStoreValue(s("frmOrebell"), s("Xpos"), s("abc"));
    platform.setStoreValue(s("Settings"), s("Virtual Refining"), s("maybe"));
    platform.setStoreValue(s("Settings"), s("1/4   Sec."), s("7x"));
    platform.setStoreValue(s("Settings"), s("fraCargoHold"), QString(2000, QChar(0xFFFD)));
    Program program(platform);
    if (!start(program))
        GTEST_SKIP() << "the load and activation sequences are not in this build";
    EXPECT_TRUE(platform.messages().isEmpty()) << platform.messages().join('\n').toStdString();
    EXPECT_FALSE(platform.ended());
    EXPECT_EQ(program.mainForm().grid(s("mshflexOreMined")).rows(), 2);
    EXPECT_EQ(c(program, "chkVirtualRefining", 0).value(), 1);
    EXPECT_EQ(c(program, "optRefreshRate", 0).value(), 1);
}

TEST_F(RoundTrip, LaterRunsKeepWhatEachRunSaved)
{
    {
        Program first(platform);
        if (!start(first))
            GTEST_SKIP() << "the load and activation sequences are not in this build";
        first.shared().routines.AddOreMined(s("Kernite"), 400);
        closeWithTheCloseButton(first);
    }
    {
        Program second(platform);
        ASSERT_TRUE(start(second));
        second.shared().routines.AddOreMined(s("Kernite"), 100);
        Shared::call(second.shared().routines.ResetGrid);
        second.shared().routines.AddOreMined(s("Arkonor"), 5);
        closeWithTheCloseButton(second);
    }
    Program third(platform);
    ASSERT_TRUE(start(third));
    const Grid& grid = third.mainForm().grid(s("mshflexOreMined"));
    ASSERT_EQ(grid.rows(), 3) << "the rows before the reset came back";
    EXPECT_EQ(grid.textMatrix(1, 0), "Arkonor");
}

// The damaged file is found when the store first opens it, so the previous run's save is written
// beside the program, as its close button writes it.
TEST_F(RoundTrip, ARowUnderADamagedSectionNameComesBackAndThePlayerIsToldOnce)
{
    test::ScopedLocale english(test::ScopedLocale::english());
    {
        Form before{s("frmOrebell")};
        test::buildSampleForm(before);
        Grid& g = before.grid(s("mshflexOreMined"));
        const std::array<QString, 4> keys = {s("Ore Name"), s("Units Mined"), s("R/Units"), QString()};
        g.setRows(4);
        for (int col = 0; col < 3; ++col)
            g.setTextMatrix(0, col, keys[col]);
        for (const int row : {1, 2})
            g.setTextMatrix(row, 0, row == 1 ? s("Veldspar") : s("Scordite"));
        g.setTextMatrix(1, 1, s("521.6700000000"));
        g.setTextMatrix(2, 1, s("300.0000000000"));
        QtSettingsStore store(platform.storeFolder());
        SaveGrid(store, platform.programFileName(), before.control(s("mshflexOreMined")), keys);
        ASSERT_TRUE(store.flush());
    }
    {
        QFile file(platform.storeFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray text = file.readAll();
        ASSERT_TRUE(text.contains("[mshflexOreMined%202]"));
        text.replace("[mshflexOreMined%202]", "[mshflexOreMined%201]"); // one byte
        file.resize(0);
        file.write(text);
    }
    for (int run = 0; run < 2; ++run) {
        Program program(platform);
        if (!start(program))
            GTEST_SKIP() << "the load and activation sequences are not in this build";
        EXPECT_EQ(platform.messages().size(), run) << "a box before the window is up";
        QCoreApplication::processEvents();
        const QStringList told = platform.messages();
        ASSERT_EQ(told.size(), 1) << run;
        EXPECT_TRUE(told[0].contains(QDir::toNativeSeparators(platform.storeFile() + ".damaged")))
            << told[0].toStdString();
        const Grid& grid = program.mainForm().grid(s("mshflexOreMined"));
        ASSERT_EQ(grid.rows(), 4) << run;
        EXPECT_EQ(grid.textMatrix(1, 0), "Veldspar");
        EXPECT_EQ(QLocale().toDouble(grid.textMatrix(1, 1)), 521.67);
        EXPECT_EQ(grid.textMatrix(2, 0), "Scordite");
        closeWithTheCloseButton(program);
    }
    EXPECT_TRUE(QFile(platform.storeFile() + ".damaged").size() > 0);
}

} // namespace
} // namespace orebell
