#include "app/Program.h"
#include "gui/MiningLogOpener.h"
#include "gui/ProgramWindows.h"
#include "support/TestPlatform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

struct LogWindowKeys : ::testing::Test {
    test::TestPlatform platform;
    Program program{platform};

    void SetUp() override { program.run(); }

    static void press(QWidget* window, QKeyCombination key)
    {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, key.key(), key.keyboardModifiers());
    }
};

// The log opens inside the screen, closes with Escape, Ctrl+W and F2 (which opens it too), lets
// Tab leave its table, and comes back at the place and size it was left at, after a restart too.
TEST_F(LogWindowKeys, TheLogWindowFitsTheScreenAnswersTheKeyboardAndKeepsItsPlace)
{
    QRect leftAt;
    {
        ProgramWindows windows(program, platform.messageBox());
        FormView& main = windows.mainView();
        ASSERT_TRUE(windows.miningLog());
        press(&main, Qt::Key_F2);
        QWidget* log = windows.miningLog()->windowWidget();
        ASSERT_TRUE(log);
        ASSERT_TRUE(log->isVisible());
        const QRect available = main.screen()->availableGeometry();
        EXPECT_TRUE(available.contains(log->geometry())) << "the log reaches off the screen";

        for (QAbstractItemView* view : log->findChildren<QAbstractItemView*>())
            EXPECT_FALSE(view->tabKeyNavigation()) << "Tab is kept inside a table";

        press(log, Qt::Key_Escape);
        EXPECT_FALSE(log->isVisible()) << "Escape";
        press(&main, Qt::Key_F2);
        EXPECT_TRUE(log->isVisible());
        press(log, Qt::Key_F2);
        EXPECT_FALSE(log->isVisible()) << "F2 in the log";
        press(&main, Qt::Key_F2);
        ASSERT_TRUE(log->isVisible());
        log->setGeometry(
            QRect(available.topLeft() + QPoint(10, 40),
                  (log->minimumSizeHint() + QSize(20, 20)).boundedTo(available.size() - QSize(10, 40))));
        leftAt = log->geometry();
        press(log, Qt::CTRL | Qt::Key_W);
        EXPECT_FALSE(log->isVisible()) << "Ctrl+W";
        EXPECT_EQ(platform.storeValue(MiningLogOpener::storeSection(), QStringLiteral("Width")),
                  QString::number(leftAt.width()));
    }
    ProgramWindows again(program, platform.messageBox());
    press(&again.mainView(), Qt::Key_F2);
    QWidget* log = again.miningLog()->windowWidget();
    ASSERT_TRUE(log);
    EXPECT_EQ(log->geometry(), leftAt);
}

} // namespace
