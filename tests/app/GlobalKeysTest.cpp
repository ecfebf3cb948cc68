#include "app/Program.h"
#include "hotkeys/GlobalKeyTable.h"
#include "support/ScopedLocale.h"
#include "support/TestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

// The whole program over the test platform, driven by global keys as the desktop reports them.
struct GlobalKeysTest : ::testing::Test {
    test::ScopedLocale english{test::ScopedLocale::english()};
    test::TestPlatform platform;
    std::unique_ptr<Program> program;

    Control& c(const char* name, int index = -1) { return program->mainForm().control(s(name), index); }
    QString stored(const char* key) { return platform.storeValue(GlobalKeysSection, s(key)); }

    // Two laser panels shown, laser 1 and 2 ready to start.
    void prepareStore()
    {
        platform.setStoreValue(s("Settings"), s("txtLasers0"), s("2"));
        for (int i = 0; i < 3; ++i) {
            platform.setStoreValue(s("Settings"), s("txtSizeOfRoid%1").arg(i), s("20000"));
            platform.setStoreValue(s("Settings"), s("txtMiningRate%1").arg(i), s("500"));
        }
    }
    void start()
    {
        program = std::make_unique<Program>(platform);
        program->run();
        QCoreApplication::processEvents(); // the deferred report, if any
    }
    // Start-up's own sounds and messages forgotten.
    void startQuietly()
    {
        start();
        platform.clearRecords();
    }
    bool running(int slot) { return c("btnActivateTimer", slot).caption() == s("!"); }
};

TEST_F(GlobalKeysTest, AStoreWithoutKeysGetsTheDefaultsGrabbedAndWritten)
{
    start();
    EXPECT_EQ(platform.grabbedKeys(),
              QStringList({s("Ctrl+Alt+1"), s("Ctrl+Alt+2"), s("Ctrl+Alt+3"), s("Ctrl+Alt+4"),
                           s("Ctrl+Alt+5"), s("Ctrl+Alt+6"), s("Ctrl+Alt+7"), s("Ctrl+Alt+8"),
                           s("Ctrl+Alt+9"), s("Ctrl+Alt+0"), s("Ctrl+Alt+-")}));
    EXPECT_TRUE(platform.messages().isEmpty());
    // On disk after the close, for the player to edit.
    c("lblControlButton", 6).click();
    QFile file(platform.storeFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(s("[GlobalKeys]"))) << text.toStdString();
    EXPECT_TRUE(text.contains(s("Laser1=Ctrl+Alt+1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(s("JetCan4=Ctrl+Alt+-"))) << text.toStdString();
}

TEST_F(GlobalKeysTest, ALaserKeyDoesWhatItsStartButtonDoes)
{
    prepareStore();
    startQuietly();
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+1")));
    EXPECT_TRUE(running(0));
    EXPECT_FALSE(running(1));
    c("tmrMiningLaser", 0).fire();
    EXPECT_EQ(c("lblCycleCountdown", 0).caption(), s("59"));
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+1")));
    EXPECT_FALSE(running(0));
    EXPECT_EQ(c("lblCycleCountdown", 0).caption(), s("60"));
    // Both presses played the start button's click sound.
    EXPECT_EQ(platform.played().filter(s("tick1.wav")).size(), 2);
}

TEST_F(GlobalKeysTest, ALaserKeyGetsTheStartButtonsRefusals)
{
    prepareStore();
    platform.setStoreValue(s("Settings"), s("txtSizeOfRoid1"), s(""));
    startQuietly();
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+2")));
    EXPECT_FALSE(running(1)); // nothing to mine: the button does nothing, and so does its key
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_TRUE(platform.played().isEmpty());
    c("txtSizeOfRoid", 1).setText(s("20000"));
    c("txtMiningRate", 1).setText(s("0.0"));
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+2")));
    EXPECT_FALSE(running(1));
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages()[0].startsWith(s("Laser 2 was not started")))
        << platform.messages()[0].toStdString();
    c("btnActivateTimer", 1).click();
    ASSERT_EQ(platform.messages().size(), 2);
    EXPECT_EQ(platform.messages()[1], platform.messages()[0]);
}

TEST_F(GlobalKeysTest, AHiddenLasersKeyDoesNothing)
{
    prepareStore(); // two panels shown: laser 3 is hidden
    startQuietly();
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+3")));
    EXPECT_FALSE(running(2));
    EXPECT_TRUE(platform.played().isEmpty());
    // Shown again, its key works.
    c("txtLasers", 0).setText(s("3"));
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+3")));
    EXPECT_TRUE(running(2));
}

TEST_F(GlobalKeysTest, AJetCanKeyStartsAndStopsItsClock)
{
    start();
    platform.setTimeOfDay(1000);
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+0"))); // jet can 3
    EXPECT_EQ(c("lblJetButton", 2).caption(), s("X"));
    EXPECT_TRUE(c("tmrJetCan", 2).enabled());
    platform.setTimeOfDay(1125);
    c("tmrJetCan", 2).fire();
    EXPECT_EQ(c("lblClockTimer", 2).caption(), s("02:05"));
    EXPECT_EQ(c("lblJetButton", 0).caption(), s("JET"));
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+0")));
    EXPECT_EQ(c("lblJetButton", 2).caption(), s("JET"));
    EXPECT_EQ(c("lblClockTimer", 2).caption(), s("00:00"));
}

TEST_F(GlobalKeysTest, StoredKeysAreHonouredAndEmptyOnesAreOff)
{
    prepareStore();
    platform.setStoreValue(GlobalKeysSection, s("Laser1"), s("Ctrl+Alt+Q"));
    platform.setStoreValue(GlobalKeysSection, s("JetCan1"), s(""));
    start();
    EXPECT_FALSE(platform.pressGlobalKey(s("Ctrl+Alt+1")));
    EXPECT_FALSE(platform.pressGlobalKey(s("Ctrl+Alt+8")));
    EXPECT_FALSE(platform.grabbedKeys().contains(s("Ctrl+Alt+8")));
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+Q")));
    EXPECT_TRUE(running(0));
    // The player's choices stay as written; off stays off.
    EXPECT_EQ(stored("Laser1"), s("Ctrl+Alt+Q"));
    c("lblControlButton", 6).click();
    QFile file(platform.storeFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Written as an empty value (a line ends in \r\n on Windows).
    EXPECT_TRUE(QString::fromUtf8(file.readAll())
                    .contains(QRegularExpression(s("^JetCan1=\r?$"), QRegularExpression::MultilineOption)));
}

TEST_F(GlobalKeysTest, KeysThatAreOffAgainstTheWishAreReportedOnceByName)
{
    prepareStore();
    platform.takeGlobalKey(s("Ctrl+Alt+2"));
    platform.setStoreValue(GlobalKeysSection, s("JetCan2"), s("Ctrl+Alt+T"));
    start();
    ASSERT_EQ(platform.messages().size(), 1);
    const QString report = platform.messages().first();
    EXPECT_TRUE(report.contains(s("Laser2: Ctrl+Alt+2 is taken by another program"))) << report.toStdString();
    EXPECT_TRUE(report.contains(s("JetCan2: Ctrl+Alt+T belongs to the desktop"))) << report.toStdString();
    // Where to change them: the section of the very file this store is.
    EXPECT_TRUE(report.contains(s("the section [GlobalKeys] of the settings file ") +
                                QDir::toNativeSeparators(platform.storeFile())))
        << report.toStdString();
    // The others still work.
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+1")));
    EXPECT_TRUE(running(0));
    EXPECT_FALSE(platform.pressGlobalKey(s("Ctrl+Alt+2")));
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.messages().size(), 1);
}

TEST_F(GlobalKeysTest, NoKeyClicksAWindowThatIsGone)
{
    prepareStore();
    start();
    c("lblControlButton", 6).click(); // close with save: the window unloads
    ASSERT_TRUE(program->mainForm().unloaded());
    platform.pressGlobalKey(s("Ctrl+Alt+1"));
    EXPECT_FALSE(running(0));
}

TEST_F(GlobalKeysTest, AProgramThatIsGoneLetsItsKeysGo)
{
    prepareStore();
    start();
    ASSERT_FALSE(platform.grabbedKeys().isEmpty());
    program.reset();
    EXPECT_TRUE(platform.grabbedKeys().isEmpty());
    EXPECT_FALSE(platform.pressGlobalKey(s("Ctrl+Alt+1"))); // nothing left to call
    // The next run on the same platform grabs them again.
    start();
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+1")));
    EXPECT_TRUE(running(0));
}

TEST_F(GlobalKeysTest, ARepairedStoreKeepsTheKeys)
{
    {
        QFile file(platform.storeFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[GlobalKeys]\nLaser1=Ctrl+Alt+Q\n[Settings]\ntxtLasers0=2\n[Garbage\nx\\y=\"\n");
    }
    start();
    ASSERT_TRUE(QFile::exists(platform.storeFile() + s(".damaged"))) << "the store was not found damaged";
    EXPECT_EQ(stored("Laser1"), s("Ctrl+Alt+Q"));
    EXPECT_TRUE(platform.grabbedKeys().contains(s("Ctrl+Alt+Q")));
}

} // namespace
