#include "data/Shared.h"
#include "platform/QtSettingsStore.h"
#include "store/SampleForm.h"
#include "store/Settings.h"
#include "support/TestPlatform.h"
#include "toolkit/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace orebell {
namespace {

using test::TestPlatform;

const QString App = QStringLiteral("Orebell_III");

// The store subsystem on a window like the main one, driven as the load and activation
// sequences and the close button drive it.
struct SessionStoreTest : ::testing::Test {
    TestPlatform platform;
    Form form{QStringLiteral("frmOrebell")};
    Shared shared;
    std::unique_ptr<SessionStore> store;

    SessionStoreTest()
    {
        test::buildSampleForm(form);
        store = std::make_unique<SessionStore>(form, shared, platform);
    }
    ~SessionStoreTest() override { store.reset(); }

    Control& c(const char* name, int index = -1) { return form.control(QString::fromLatin1(name), index); }
    Grid& grid() { return form.grid(QStringLiteral("mshflexOreMined")); }
    QString onDisk(const QString& section, const QString& key)
    {
        QtSettingsStore fresh(platform.storeFolder());
        return fresh.value(App, section, key);
    }
    void activate()
    {
        shared.GridHeaders = {
            QStringLiteral("Ore Name"), QStringLiteral("Units Mined"), QStringLiteral("R/Units"), {}};
        for (int col = 0; col < 3; ++col)
            grid().setTextMatrix(0, col, shared.GridHeaders[col]);
        Shared::call(shared.routines.LoadWindowPosition);
        Shared::call(shared.routines.LoadGrid);
    }
    void mine(const QString& ore, const QString& count, const QString& batch)
    {
        Grid& g = grid();
        const int row = g.rows() - 1;
        g.setTextMatrix(row, 0, ore);
        g.setTextMatrix(row, 1, count);
        g.setTextMatrix(row, 2, batch);
        g.addItem();
    }
    // A value only a save of this session would overwrite.
    void markStore()
    {
        platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("txtLasers0"),
                               QStringLiteral("mark"));
    }
    bool storeMarked() { return onDisk(QStringLiteral("Settings"), QStringLiteral("txtLasers0")) == "mark"; }
};

TEST_F(SessionStoreTest, CloseButtonSaveHoldsTheWholeSession)
{
    Shared::call(shared.routines.LoadSettings);
    activate();
    form.move(3000, 2000, 8000, 4000);
    c("txtLasers", 0).setText(QStringLiteral("3"));
    c("chkVirtualRefining", 0).setValue(0);
    mine(QStringLiteral("Veldspar"), QStringLiteral("1,245"), QStringLiteral("333"));
    mine(QStringLiteral("Dense Veldspar"), QStringLiteral("10.5000000000"), QStringLiteral("333"));

    shared.routines.SaveAll();
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Rows")), "2");
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 2"), QStringLiteral("Ore Name")), "Dense Veldspar");
    EXPECT_EQ(onDisk(QStringLiteral("Settings"), QStringLiteral("txtLasers0")), "3");
    EXPECT_EQ(onDisk(QStringLiteral("Settings"), QStringLiteral("Virtual Refining")), "0");
    EXPECT_EQ(onDisk(QStringLiteral("frmOrebell"), QStringLiteral("Xpos")), "3000");
    EXPECT_EQ(onDisk(QStringLiteral("frmOrebell"), QStringLiteral("Ypos")), "2000");
}

TEST_F(SessionStoreTest, NothingIsSavedBeforeTheSessionWasRestored)
{
    markStore();
    c("txtLasers", 0).setText(QStringLiteral("7"));
    shared.routines.SaveAll();
    EXPECT_TRUE(store->saveOnExit());
    EXPECT_TRUE(storeMarked());
}

TEST_F(SessionStoreTest, LaterActivationsKeepPositionAndRowsMinedSince)
{
    platform.setStoreValue(QStringLiteral("frmOrebell"), QStringLiteral("Xpos"), QStringLiteral("1500"));
    platform.setStoreValue(QStringLiteral("frmOrebell"), QStringLiteral("Ypos"), QStringLiteral("900"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Rows"), QStringLiteral("1"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 1"), QStringLiteral("Ore Name"),
                           QStringLiteral("Omber"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 1"), QStringLiteral("Units Mined"),
                           QStringLiteral("40"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 1"), QStringLiteral("R/Units"),
                           QStringLiteral("500"));

    activate();
    EXPECT_EQ(form.left(), 1500);
    ASSERT_EQ(grid().rows(), 3);
    EXPECT_EQ(grid().textMatrix(1, 0), "Omber");

    form.move(6000, 3000);
    mine(QStringLiteral("Kernite"), QStringLiteral("77"), QStringLiteral("400"));
    activate(); // the sound file chooser closed
    EXPECT_EQ(form.left(), 6000);
    EXPECT_EQ(form.top(), 3000);
    ASSERT_EQ(grid().rows(), 4);
    EXPECT_EQ(grid().textMatrix(2, 0), "Kernite");
}

TEST_F(SessionStoreTest, AnExitSavesOnceHoweverItIsAnnounced)
{
    activate();
    c("txtLasers", 0).setText(QStringLiteral("2"));

    // The close button: save, then unload; the quit that follows must not save again, even if
    // the unload handler still changes controls.
    form.onUnload([&] { c("txtCargoHold", 0).setText(QStringLiteral("changed while closing")); });
    shared.routines.SaveAll();
    form.unload();
    markStore();
    shared.routines.SaveOnExit();
    EXPECT_TRUE(storeMarked());
}

TEST_F(SessionStoreTest, ExitSaveWritesOnlyWhatChangedSinceTheLastSave)
{
    activate();
    markStore();
    c("txtLasers", 0).setText(QStringLiteral("5"));
    EXPECT_TRUE(store->saveOnExit()); // the desktop session ends
    EXPECT_EQ(onDisk(QStringLiteral("Settings"), QStringLiteral("txtLasers0")), "5");

    markStore();
    EXPECT_TRUE(store->saveOnExit()); // then the application quits: nothing new
    EXPECT_TRUE(storeMarked());
    c("txtMarketValue", 3).setText(QStringLiteral("4900")); // the logout was cancelled; play goes on
    c("txtMarketValue", 3).setBackColor(0x606060);
    EXPECT_TRUE(store->saveOnExit());
    EXPECT_EQ(onDisk(QStringLiteral("Settings"), QStringLiteral("txtMarketValue3")), "4900");

    // Moving the window counts too.
    markStore();
    form.move(form.left() + 150, form.top());
    EXPECT_TRUE(store->saveOnExit());
    EXPECT_FALSE(storeMarked());
}

TEST_F(SessionStoreTest, MinimisedTheRestorePositionIsSaved)
{
    activate();
    shared.RestoreLeft = 5100;
    shared.RestoreTop = 2400;
    form.move(30, 80, 480, 480);
    c("imgMinimized").setVisible(true);
    shared.routines.SaveAll();
    EXPECT_EQ(onDisk(QStringLiteral("frmOrebell"), QStringLiteral("Xpos")), "5100");
    EXPECT_EQ(onDisk(QStringLiteral("frmOrebell"), QStringLiteral("Ypos")), "2400");
}

TEST_F(SessionStoreTest, OnePartFailingDoesNotCostTheOthers)
{
    activate();
    mine(QStringLiteral("Bistot"), QStringLiteral("12"), QStringLiteral("200"));
    form.move(2250, 1200);
    c("chkRefinery", 0).setCaption(QString()); // cannot be stored: ends the settings part
    try {
        shared.routines.SaveAll();
        ADD_FAILURE() << "the failure was not raised";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.description().contains("the window's entries")) << e.description().toStdString();
        EXPECT_FALSE(e.description().contains("the ore mined"));
    }
    EXPECT_EQ(onDisk(QStringLiteral("mshflexOreMined 1"), QStringLiteral("Ore Name")), "Bistot");
    EXPECT_EQ(onDisk(QStringLiteral("frmOrebell"), QStringLiteral("Xpos")), "2250");
}

TEST_F(SessionStoreTest, AStoreThatCannotBeWrittenIsReportedAndRetried)
{
    activate();
    markStore(); // opens the store
    // A folder where the file should be: the rename that completes a write cannot replace it.
    QFile::remove(platform.storeFile());
    ASSERT_TRUE(QDir().mkpath(platform.storeFile()));
    c("txtLasers", 0).setText(QStringLiteral("6"));
    try {
        shared.routines.SaveAll();
        ADD_FAILURE() << "the failure was not raised";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.description().contains(platform.storeFile())) << e.description().toStdString();
    }
    EXPECT_FALSE(store->saveOnExit()); // still failing: logged for the exit paths, not shown

    // Once the folder is gone, the exit save writes the session: the failed save did not count.
    ASSERT_TRUE(QDir(platform.storeFile()).removeRecursively());
    EXPECT_TRUE(store->saveOnExit());
    EXPECT_EQ(onDisk(QStringLiteral("Settings"), QStringLiteral("txtLasers0")), "6");
}

TEST_F(SessionStoreTest, DamagedBatchesComeFromTheMineralTable)
{
    shared.mineralYields.row(0).oreName = QStringLiteral("Veldspar");
    shared.mineralYields.row(0).batch = 333;
    platform.setStoreValue(QStringLiteral("mshflexOreMined 0"), QStringLiteral("Rows"), QStringLiteral("2"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 1"), QStringLiteral("Ore Name"),
                           QStringLiteral("Veldspar"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 1"), QStringLiteral("Units Mined"),
                           QStringLiteral("700"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 1"), QStringLiteral("R/Units"),
                           QStringLiteral("0"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 2"), QStringLiteral("Ore Name"),
                           QStringLiteral("Unknown"));
    platform.setStoreValue(QStringLiteral("mshflexOreMined 2"), QStringLiteral("R/Units"),
                           QStringLiteral("x"));
    activate();
    ASSERT_EQ(grid().rows(), 4);
    EXPECT_EQ(grid().textMatrix(1, 2), "333");
    EXPECT_EQ(grid().textMatrix(2, 2), "x"); // no table row to repair it from
}

} // namespace
} // namespace orebell
