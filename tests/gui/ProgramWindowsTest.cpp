#include "gui/ProgramWindows.h"

#include "app/Program.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

// The whole program on the screen: the main window, and the sound chooser it opens and closes.
struct Windows : ::testing::Test {
    test::TestPlatform platform;
    Program program{platform};
    std::unique_ptr<ProgramWindows> windows;

    void SetUp() override
    {
        program.run();
        ASSERT_FALSE(platform.ended());
        windows = std::make_unique<ProgramWindows>(program, platform.messageBox());
        ASSERT_TRUE(windows->mainView().isVisible());
    }

    void click(FormView& view, const char* name, int index = -1)
    {
        QWidget* w = view.widgetFor(QString::fromLatin1(name), index);
        ASSERT_NE(w, nullptr) << name;
        ASSERT_TRUE(w->isVisible()) << name;
        QTest::mouseClick(w, Qt::LeftButton);
    }

    // Opens the chooser for a sound row through the Sound panel, as the player does.
    FormView* openChooser(int row)
    {
        click(windows->mainView(), "lblControlButton", 5); // "S"
        click(windows->mainView(), "lblBrowseSoundEffect", row);
        return windows->chooserView();
    }

    // The chooser's view is deleted on the next turn of the event loop.
    static bool gone(const QPointer<FormView>& view)
    {
        for (int i = 0; i < 20 && view; ++i)
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return view.isNull();
    }
};

TEST_F(Windows, TheChooserOpensModalAndAcceptingAFileFillsTheRow)
{
    FormView* chooser = openChooser(4);
    ASSERT_NE(chooser, nullptr);
    ASSERT_NE(program.browseForm(), nullptr);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(chooser->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(chooser->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(qobject_cast<QLabel*>(chooser->widgetFor(QStringLiteral("lblSelectSound")))
                    ->text()
                    .contains(QStringLiteral("Jetcan reminder")));

    // To the program's folder, where the default sounds are, then pick one and accept it.
    program.browseForm()->control(QStringLiteral("Dir1")).setPath(platform.programFolder());
    auto* files = qobject_cast<QListWidget*>(chooser->widgetFor(QStringLiteral("File1")));
    ASSERT_NE(files, nullptr);
    const auto found = files->findItems(QStringLiteral("red_alert_short.wav"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.front()).center());
    EXPECT_EQ(program.browseForm()->control(QStringLiteral("File1")).text(),
              QStringLiteral("red_alert_short.wav"));

    QPointer<FormView> watched = chooser;
    click(*chooser, "lblAccept", 0);
    EXPECT_EQ(windows->chooserView(), nullptr);
    EXPECT_EQ(program.browseForm(), nullptr);
    EXPECT_TRUE(gone(watched));
    const QString expected = joinProgramPath(platform.programFolder(), QStringLiteral("red_alert_short.wav"));
    EXPECT_EQ(program.mainForm().control(QStringLiteral("txtPathSoundEffect"), 4).text(), expected);
    auto* path =
        qobject_cast<QLineEdit*>(windows->mainView().widgetFor(QStringLiteral("txtPathSoundEffect"), 4));
    EXPECT_EQ(path->text(), expected);
}

TEST_F(Windows, CancelAndTheSystemsCloseLeaveTheRowAndOpenAgain)
{
    Control& row = program.mainForm().control(QStringLiteral("txtPathSoundEffect"), 1);
    const QString before = row.text();
    for (int round = 0; round < 2; ++round) {
        FormView* chooser = openChooser(1);
        ASSERT_NE(chooser, nullptr) << round;
        QPointer<FormView> watched = chooser;
        if (round == 0)
            click(*chooser, "lblCancel", 0);
        else
            EXPECT_TRUE(chooser->close()); // the window manager's close
        EXPECT_EQ(windows->chooserView(), nullptr);
        EXPECT_TRUE(gone(watched));
        EXPECT_EQ(row.text(), before);
        EXPECT_TRUE(windows->mainView().isVisible());
        click(windows->mainView(), "lblControlButton", 1); // back to the timers before the next round
    }
}

} // namespace
