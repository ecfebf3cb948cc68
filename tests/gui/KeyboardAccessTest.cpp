#include "gui/KeyboardAccess.h"

#include "ShownProgram.h"
#include "app/Program.h"
#include "gui/ProgramWindows.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

struct Keys : test::ShownProgram {
    void SetUp() override
    {
        ShownProgram::SetUp();
        view().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view()));
    }
    QWidget* w(const char* name, int index = -1)
    {
        return view().widgetFor(QString::fromLatin1(name), index);
    }
    // The tool tip the pointer resting on a painted label brings up.
    QString tipOf(const char* name, int index = -1)
    {
        const auto item = view().paintedItem(QString::fromLatin1(name), index);
        if (!item)
            return QStringLiteral("(no such label)");
        const QPoint at = item->rect.center();
        QHelpEvent rest(QEvent::ToolTip, at, item->container->mapToGlobal(at));
        QApplication::sendEvent(item->container, &rest);
        return QToolTip::text();
    }
    // The control that holds the focus (a combo box for its edit line).
    QWidget* focused()
    {
        const auto stops = windows->keyboard().tabStops();
        for (QWidget* f = QApplication::focusWidget(); f; f = f->parentWidget())
            if (std::find(stops.begin(), stops.end(), f) != stops.end())
                return f;
        return QApplication::focusWidget();
    }
};

TEST_F(Keys, TabAndShiftTabCycleOverTheVisibleStopsOnly)
{
    const std::vector<QWidget*> stops = windows->keyboard().tabStops();
    ASSERT_GT(stops.size(), 3u);
    for (QWidget* stop : stops) {
        EXPECT_TRUE(stop->isVisible());
        EXPECT_FALSE(stop->visibleRegion().isEmpty()) << qPrintable(stop->objectName());
    }
    EXPECT_EQ(std::find(stops.begin(), stops.end(), w("cboRoidType", 1)), stops.end());
    // The focus starts on the first stop and Tab walks them all, then wraps round.
    EXPECT_EQ(focused(), stops.front());
    for (std::size_t i = 1; i <= stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), stops[i % stops.size()]) << "stop " << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), stops.back());
}

TEST_F(Keys, ReturnAndKeypadEnterPressAStartButtonLikeSpace)
{
    auto* start = qobject_cast<QPushButton*>(w("btnActivateTimer", 0));
    ASSERT_NE(start, nullptr);
    start->setFocus();
    QSignalSpy pressed(start, &QPushButton::clicked);
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1) << "Return did not press the start button";
    QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed.count(), 2) << "keypad Enter did not press the start button";
    QTest::keyClick(start, Qt::Key_Space);
    EXPECT_EQ(pressed.count(), 3);
}

TEST_F(Keys, LabelButtonsAnswerTheirKeysAndNameThemInTheirToolTips)
{
    ASSERT_FALSE(c("fraRefineryYield").visible());
    w("txtJetCanName", 1)->setFocus();
    QTest::keyClick(&view(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(c("fraRefineryYield").visible()) << "Alt+C did not open the ore calculator";
    // The jet can's name lies under the calculator now: the focus comes out from under it.
    const auto stops = windows->keyboard().tabStops();
    EXPECT_NE(std::find(stops.begin(), stops.end(), focused()), stops.end());
    QTest::keyClick(&view(), Qt::Key_T, Qt::AltModifier);
    EXPECT_FALSE(c("fraRefineryYield").visible()) << "Alt+T did not go back to the timers";

    const QString before = c("txtLasers", 0).text();
    QTest::keyClick(&view(), Qt::Key_Plus, Qt::AltModifier);
    EXPECT_NE(c("txtLasers", 0).text(), before) << "Alt++ added no timer";

    EXPECT_TRUE(tipOf("lblControlButton", 1).contains(QStringLiteral("Alt+T")))
        << qPrintable(tipOf("lblControlButton", 1));
    EXPECT_TRUE(tipOf("lblJetButton", 0).contains(QStringLiteral("Alt+1")))
        << qPrintable(tipOf("lblJetButton", 0));
    // The model keeps its own tool tip text.
    EXPECT_EQ(c("lblControlButton", 1).toolTipText(), QStringLiteral(" Timer "));
}

TEST_F(Keys, AFrameShowsTheFocusOnEveryKindOfControl)
{
    for (const auto& [name, index] : std::vector<std::pair<const char*, int>>{
             {"txtSizeOfRoid", 0}, {"cboRoidType", 0}, {"btnActivateTimer", 0}, {"txtJetCanName", 2}}) {
        QWidget* target = w(name, index);
        ASSERT_NE(target, nullptr) << name;
        target->setFocus(Qt::TabFocusReason);
        QWidget* ring = view().findChild<QWidget*>(QStringLiteral("focusRing"));
        ASSERT_NE(ring, nullptr);
        EXPECT_EQ(windows->keyboard().ringTarget(), target) << name;
        EXPECT_TRUE(ring->isVisible()) << name;
        const QRect around(target->mapTo(&view(), QPoint(0, 0)), target->size());
        EXPECT_TRUE(ring->geometry().contains(around)) << name;
        EXPECT_FALSE(around.contains(ring->geometry())) << name << ": the frame lies inside the control";
    }
    // Check boxes and option buttons, on the settings panel.
    QTest::keyClick(&view(), Qt::Key_E, Qt::AltModifier);
    for (const auto& [name, index] :
         std::vector<std::pair<const char*, int>>{{"chkVirtualRefining", 0}, {"optRefreshRate", 0}}) {
        QWidget* target = w(name, index);
        ASSERT_NE(target, nullptr) << name;
        target->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(windows->keyboard().ringTarget(), target) << name;
    }
}

TEST_F(Keys, TheWindowsOwnTitleHasNoLeadingBlank)
{
    EXPECT_EQ(view().windowTitle(), QStringLiteral("Orebell"));
    EXPECT_EQ(c("lblControlButton", 7).caption().left(1),
              QStringLiteral(" ")); // the drawn caption keeps its look
}

TEST_F(Keys, APlaceTheWindowSystemGaveTheWindowIsReadBackIntoTheForm)
{
    const QPoint to = view().pos() + QPoint(37, 23);
    view().move(to); // as the window system would, outside the program's own moves
    EXPECT_EQ(program.mainForm().left(), to.x() * 15);
    EXPECT_EQ(program.mainForm().top(), to.y() * 15);
}

} // namespace

// The sound chooser without a mouse: Ctrl+O on a row opens it for that row; in it Tab goes from
// list to list, Escape cancels, Return on a .wav file accepts it; the desktop shows a title that
// names the program and the task while the form keeps its caption.
TEST_F(Keys, TheSoundChooserOpensAndAnswersFromTheKeyboard)
{
    QTest::keyClick(&view(), Qt::Key_S, Qt::AltModifier); // the Sound panel
    QWidget* path = w("txtPathSoundEffect", 2);
    ASSERT_TRUE(path->isVisible());
    path->setFocus(Qt::TabFocusReason);
    QTest::keyClick(path, Qt::Key_O, Qt::ControlModifier);
    ASSERT_NE(program.browseForm(), nullptr);
    FormView* chooser = windows->chooserView();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(program.browseForm()
                    ->control(QStringLiteral("lblSelectSound"))
                    .caption()
                    .contains(c("chkSoundEffect", 2).caption()));
    EXPECT_EQ(program.browseForm()->caption(), QStringLiteral("Form1"));
    EXPECT_TRUE(chooser->windowTitle().startsWith(QStringLiteral("Orebell")))
        << qPrintable(chooser->windowTitle());
    EXPECT_TRUE(chooser->windowTitle().contains(QStringLiteral("sound file")));
    EXPECT_TRUE(toolTipWithKey(c("lblBrowseSoundEffect", 2)).contains(QStringLiteral("Ctrl+O")));

    QWidget* folders = chooser->widgetFor(QStringLiteral("Dir1"));
    QWidget* files = chooser->widgetFor(QStringLiteral("File1"));
    QApplication::setActiveWindow(chooser);
    folders->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(folders, Qt::Key_Tab);
    EXPECT_EQ(chooser->focusWidget(), files);
    QTest::keyClick(files, Qt::Key_Tab);
    EXPECT_EQ(chooser->focusWidget(), folders);
    QTest::keyClick(folders, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(chooser->focusWidget(), files);

    const QString before = c("txtPathSoundEffect", 2).text();
    QTest::keyClick(files, Qt::Key_Escape);
    EXPECT_EQ(program.browseForm(), nullptr);
    EXPECT_EQ(c("txtPathSoundEffect", 2).text(), before);

    // Again, this time choosing a file in the program's folder with the keyboard.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed chooser goes
    QApplication::setActiveWindow(&view());
    view().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view()));
    ASSERT_TRUE(path->isVisible()) << "the Sound panel went with the chooser";
    path->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), path);
    QTest::keyClick(path, Qt::Key_O, Qt::ControlModifier);
    ASSERT_NE(program.browseForm(), nullptr);
    chooser = windows->chooserView();
    program.browseForm()->control(QStringLiteral("Dir1")).setPath(platform.programFolder());
    auto* list = qobject_cast<QListWidget*>(chooser->widgetFor(QStringLiteral("File1")));
    const auto found = list->findItems(QStringLiteral("ThumpClose.wav"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    list->setFocus(Qt::OtherFocusReason);
    list->setCurrentItem(found.front());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(program.browseForm(), nullptr);
    EXPECT_EQ(c("txtPathSoundEffect", 2).text(),
              joinProgramPath(platform.programFolder(), QStringLiteral("ThumpClose.wav")));
}
