#include "gui/ProgramWindows.h"

#include "app/Program.h"
#include "gui/Colors.h"
#include "gui/ControlWidgets.h"
#include "gui/TimerDriver.h"
#include "platform/WindowFont.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTableWidget>
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
        if (const auto item = view.paintedItem(QString::fromLatin1(name), index)) { // a label
            ASSERT_TRUE(item->container->isVisible()) << name;
            ASSERT_TRUE(view.form()->control(QString::fromLatin1(name), index).visible()) << name;
            QTest::mouseClick(item->container, Qt::LeftButton, {}, item->rect.center());
            return;
        }
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
    const auto heading = chooser->paintedItem(QStringLiteral("lblSelectSound"));
    ASSERT_TRUE(heading.has_value());
    EXPECT_FALSE(heading->rect.isEmpty());
    EXPECT_TRUE(program.browseForm()
                    ->control(QStringLiteral("lblSelectSound"))
                    .caption()
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

// ---- the look of the main window, with the window font's real measures ----------------------

template <class W> W* shown(FormView& view, const char* name, int index = -1)
{
    auto* w = qobject_cast<W*>(view.widgetFor(QString::fromLatin1(name), index));
    EXPECT_NE(w, nullptr) << name << index;
    return w;
}

TEST_F(Windows, OreListsAndJetCanNamesShowWholeNames)
{
    FormView& view = windows->mainView();
    const char* baseOres[] = {"Veldspar", "Scordite",   "Pyroxeres",  "Plagioclase", "Omber", "Kernite",
                              "Jaspet",   "Hemorphite", "Hedbergite", "Gneiss",      "Ochre", "Spodumain",
                              "Crokite",  "Bistot",     "Arkonor",    "Mercoxit"};
    for (int i = 0; i <= 7; ++i) {
        auto* list = shown<QComboBox>(view, "cboRoidType", i);
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->isEditable()) << i; // choice only
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.rect = list->rect();
        const int room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width() -
            2;
        for (const char* ore : baseOres)
            EXPECT_EQ(fittedName(QString::fromLatin1(ore), list->fontMetrics(), room),
                      QString::fromLatin1(ore))
                << "list " << i << ": " << ore;
    }
    EXPECT_TRUE(shown<QComboBox>(view, "cboStation_Refinery", 0)->isEditable()); // a name is typed

    for (int i = 0; i <= 3; ++i) {
        auto* name = shown<QLineEdit>(view, "txtJetCanName", i);
        ASSERT_NE(name, nullptr);
        const QMargins margins = name->textMargins();
        const int room = name->width() - margins.left() - margins.right() - 4; // the box's own margins
        EXPECT_LE(name->fontMetrics().horizontalAdvance(QStringLiteral("Can A")), room) << i;
    }
}

TEST_F(Windows, TheOreGridHoldsItsMeasuredColumnsBesideAVerticalScrollBar)
{
    // The columns as the real window font measures them, and more ores than the grid shows at once.
    Grid& grid = program.mainForm().grid(QStringLiteral("mshflexOreMined"));
    const QFontMetrics fm(windowFont());
    const QString measured[] = {QStringLiteral("Concentrated Veldspar  "),
                                QStringLiteral("00000000000000000000"), QStringLiteral("R/Units  ")};
    for (int col = 0; col < 3; ++col)
        grid.setColWidth(col, fm.horizontalAdvance(measured[col]) * 15);
    grid.setRows(22);
    for (int row = 1; row < 21; ++row) {
        grid.setTextMatrix(row, 0, QStringLiteral("Concentrated Veldspar"));
        grid.setTextMatrix(row, 1, QStringLiteral("12,345.6789"));
        grid.setTextMatrix(row, 2, QStringLiteral("333"));
    }
    click(windows->mainView(), "lblControlButton", 3); // "yld"
    auto* table = shown<QTableWidget>(windows->mainView(), "mshflexOreMined");
    ASSERT_NE(table, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(table->verticalScrollBar()->isVisible());
    EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
    // The headings whole: "R/Units" is not cut short.
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("R/Units"));
    const int margin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    EXPECT_LE(table->fontMetrics().horizontalAdvance(QStringLiteral("R/Units")) + margin,
              table->columnWidth(2));
}

// The icon is painted when asked for, not kept: every size a window manager may read is whole.
TEST_F(Windows, TheWindowIconIsTheTileAtEverySizeItOffers)
{
    const QIcon icon = QApplication::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes.size(), 5);
    for (const QSize& size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), size);
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 64) << size.width(); // the rounded corner
        const QColor tile = image.pixelColor(size.width() * 3 / 4, size.height() / 10);
        EXPECT_EQ(tile, toQColor(0x2F2931)) << size.width();
    }
    // A size never listed is painted too, not scaled from a listed one.
    EXPECT_EQ(icon.pixmap(QSize(24, 24)).size(), QSize(24, 24));
}

TEST_F(Windows, PanelsCoverTheTimersAndChecksReadOnTheDarkPanels)
{
    FormView& view = windows->mainView();
    click(view, "lblControlButton", 12); // "+": a second timer panel, under the calculator
    click(view, "lblControlButton", 2);  // "Re"
    QWidget* list = view.widgetFor(QStringLiteral("cboRoidType"), 1);
    QWidget* panel = view.widgetFor(QStringLiteral("fraRefineryYield"));
    ASSERT_TRUE(panel && list);
    QWidget* top = view.childAt(list->geometry().center());
    EXPECT_TRUE(top == panel || panel->isAncestorOf(top));

    // Check boxes and option buttons: light text on the panel, a dark box with a light mark.
    const QColor panelColour = toQColor(0x2F2931);
    auto readable = [&](QWidget* w, const char* what) {
        ASSERT_NE(w, nullptr) << what;
        const QPalette pal = w->palette();
        EXPECT_EQ(pal.color(QPalette::Window), panelColour) << what;
        EXPECT_GT(pal.color(QPalette::WindowText).lightness(), 150) << what;
        EXPECT_LT(pal.color(QPalette::Base).lightness(), panelColour.lightness()) << what;
        EXPECT_GT(pal.color(QPalette::Text).lightness(), 150) << what;
    };
    readable(view.widgetFor(QStringLiteral("chkRefinery"), 0), "chkRefinery");
    readable(view.widgetFor(QStringLiteral("chkYieldPerMin"), 0), "chkYieldPerMin");
    click(view, "lblControlButton", 8); // "set"
    readable(view.widgetFor(QStringLiteral("optRefreshRate"), 0), "optRefreshRate");
    readable(view.widgetFor(QStringLiteral("chkVirtualRefining"), 0), "chkVirtualRefining");
    click(view, "lblControlButton", 5); // "S"
    readable(view.widgetFor(QStringLiteral("chkSoundEffect"), 0), "chkSoundEffect");
}

TEST_F(Windows, TheMinimisedWindowIsItsPictureWithTheCaptionOnIt)
{
    FormView& view = windows->mainView();
    click(view, "lblControlButton", 14);
    QApplication::processEvents();
    QWidget* picture = view.widgetFor(QStringLiteral("imgMinimized"));
    auto* caption = shown<QLabel>(view, "lblMinimize");
    ASSERT_TRUE(picture && caption);
    EXPECT_EQ(view.size(), picture->size());
    EXPECT_EQ(view.childAt(picture->width() / 2, picture->height() / 2), caption);
    EXPECT_EQ(view.childAt(picture->width() / 2, 2), picture); // not the title strip beneath
    EXPECT_EQ(caption->text(), QStringLiteral("OB III"));
    EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width());
    QTest::mouseClick(caption, Qt::LeftButton); // and a click brings the window back
    EXPECT_FALSE(picture->isVisible());
    EXPECT_GT(view.width(), picture->width());
}

// What a second start asks of the running copy: its window comes back from the system's minimise,
// or out of its tile as a click on the tile brings it, and to the front.
TEST_F(Windows, ASecondStartBringsTheWindowBackAndToTheFront)
{
    FormView& view = windows->mainView();
    view.showMinimized();
    ASSERT_TRUE(view.isMinimized());
    windows->bringToFront();
    EXPECT_FALSE(view.isMinimized());
    EXPECT_TRUE(view.isVisible());
    QApplication::processEvents();
    const QSize whole = view.size();

    click(view, "lblControlButton", 14); // into the tile
    QApplication::processEvents();
    ASSERT_NE(view.size(), whole);
    {
        HandlerGate box; // a handler waits on a message box: nothing is clicked inside it
        windows->bringToFront();
        QApplication::processEvents();
        EXPECT_TRUE(view.widgetFor(QStringLiteral("imgMinimized"))->isVisible());
    }
    view.showMinimized();
    windows->bringToFront();
    QApplication::processEvents();
    EXPECT_FALSE(view.isMinimized());
    EXPECT_EQ(view.size(), whole);
    EXPECT_FALSE(view.widgetFor(QStringLiteral("imgMinimized"))->isVisible());
}

} // namespace
