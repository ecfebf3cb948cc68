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

// Room beside the main window as at 200 per cent on a 1920x1080 screen (960 x 540 logical pixels,
// about 480 beside a main window 457 wide): the log opens there, narrower, rather than under the
// main window, which is kept on top; where there is no room at all, it opens over the main window
// and is kept on top as well, never under it.
TEST_F(LogWindowKeys, TheLogOpensBesideTheMainWindowOrOnTopOfIt)
{
    for (const bool roomBeside : {true, false}) {
        SCOPED_TRACE(roomBeside ? "room beside" : "no room beside");
        platform.store().remove(platform.programFileName(), MiningLogOpener::storeSection(), {});
        // No room: the main window in the middle and a log that cannot be narrower than the
        // screen less the main window (as with a large font).
        const MiningLogWindowMaker linked = linkedMiningLogWindow();
        const auto maker = [&](MiningLog& log, MessageBoxService& messages, QWidget* parent, QString* error) {
            QWidget* window = linked(log, messages, parent, error);
            if (window && !roomBeside)
                window->setMinimumWidth(parent->screen()->availableGeometry().width() - parent->width());
            return window;
        };
        ProgramWindows windows(program, platform.messageBox(), maker);
        FormView& main = windows.mainView();
        ASSERT_TRUE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QRect available = main.screen()->availableGeometry();
        main.move(roomBeside ? available.topLeft()
                             : QPoint(available.center().x() - main.width() / 2, available.top()));
        press(&main, Qt::Key_F2);
        QWidget* log = windows.miningLog()->windowWidget();
        ASSERT_TRUE(log);
        ASSERT_TRUE(log->isVisible());
        EXPECT_TRUE(available.contains(log->frameGeometry()));
        EXPECT_GE(log->width(), log->minimumSizeHint().width());
        EXPECT_GE(log->height(), log->minimumSizeHint().height());
        EXPECT_EQ(log->frameGeometry().intersects(main.frameGeometry()), !roomBeside)
            << log->geometry().x() << "," << log->geometry().y() << " " << log->width() << "x"
            << log->height() << " beside " << main.width() << "x" << main.height();
        // Over the main window: on top as it is. Beside it: an ordinary window, under the game's.
        EXPECT_EQ(log->windowFlags().testFlag(Qt::WindowStaysOnTopHint), !roomBeside);
        log->close();
    }
}

// A place and size kept at another scale, or where no window manager framed the window (0,0 and
// the whole screen), come back whole: inside the screen, with room above for the title bar.
TEST_F(LogWindowKeys, ARememberedPlaceComesBackWithItsTitleBarOnTheScreen)
{
    const std::pair<const char*, const char*> kept[] = {
        {"Left", "0"}, {"Top", "0"}, {"Width", "1920"}, {"Height", "1016"}};
    for (const auto& [key, value] : kept)
        platform.setStoreValue(MiningLogOpener::storeSection(), QString::fromLatin1(key),
                               QString::fromLatin1(value));
    ProgramWindows windows(program, platform.messageBox());
    press(&windows.mainView(), Qt::Key_F2);
    QWidget* log = windows.miningLog()->windowWidget();
    ASSERT_TRUE(log);
    const QRect available = windows.mainView().screen()->availableGeometry();
    EXPECT_TRUE(available.contains(log->geometry()));
    EXPECT_GE(log->geometry().top() - available.top(), 24) << "no room for the title bar";
    EXPECT_LE(log->width(), available.width());
}

} // namespace
