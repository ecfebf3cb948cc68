#include "gui/FormView.h"

#include "gui/Colors.h"
#include "gui/ControlWidgets.h"
#include "platform/WindowFont.h"
#include "toolkit/Platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <cstdlib>

#include <cmath>
#include <functional>

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

using namespace orebell;

namespace {

// Runs the event loop's pending work until the condition holds (no sleeping: a bounded number of
// passes over what is already queued).
bool settle(const std::function<bool()>& done)
{
    for (int i = 0; i < 200 && !done(); ++i)
        QApplication::processEvents();
    return done();
}

struct RecordingMessages : MessageBoxService {
    QStringList texts;
    void show(const QString& text) override { texts << text; }
};

struct View : ::testing::Test {
    Form form{QStringLiteral("frmTest"), QStringLiteral(" Test")};
    QStringList log;
    RecordingMessages messages;
    std::unique_ptr<FormView> view;

    Control& add(ControlKind kind, const char* name, int index, int left, int top, int width, int height,
                 const char* container = "")
    {
        Control& c = form.add(kind, QString::fromLatin1(name), index, QString::fromLatin1(container));
        c.move(left, top, width, height);
        return c;
    }

    void open()
    {
        form.move(1500, 1500, 9000, 6000);
        view = std::make_unique<FormView>(form, &messages);
        form.show();
        ASSERT_TRUE(view->isVisible());
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }

    template <class W> W* widget(const char* name, int index = -1)
    {
        auto* w = qobject_cast<W*>(view->widgetFor(QString::fromLatin1(name), index));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // A label or border, painted on its container.
    FormView::PaintedItem item(const char* name, int index = -1)
    {
        const auto found = view->paintedItem(QString::fromLatin1(name), index);
        EXPECT_TRUE(found.has_value()) << name;
        return found.value_or(FormView::PaintedItem{view.get(), {}, {}});
    }
    // A point of a painted item in its container's coordinates.
    QPoint at(const char* name, int index, QPoint offset)
    {
        return item(name, index).rect.topLeft() + offset;
    }
    void clickItem(const char* name, int index = -1)
    {
        const FormView::PaintedItem it = item(name, index);
        QTest::mouseClick(it.container, Qt::LeftButton, {}, it.rect.center());
    }
    // What the window shows over a painted item.
    QImage shown(const char* name, int index = -1)
    {
        const FormView::PaintedItem it = item(name, index);
        return view->grab(QRect(it.container->mapTo(view.get(), it.rect.topLeft()), it.rect.size()))
            .toImage();
    }
};

// Whether a picture holds a pixel of a colour.
// Whether the image has a pixel of about this colour: four fifths or more of a letter's pixel in
// it, the rest the background. Whether a thin stem covers a whole pixel is the font's and its
// hinting's business (Liberation Sans with slight hinting covers none fully at this size).
bool holds(const QImage& image, const QColor& colour)
{
    constexpr int Near = 255 / 5;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= Near && std::abs(c.green() - colour.green()) <= Near &&
                std::abs(c.blue() - colour.blue()) <= Near)
                return true;
        }
    return false;
}

TEST_F(View, TypingAndClicksReachTheModelAndModelChangesReachTheWidgets)
{
    Control& size = add(ControlKind::TextBox, "txtSizeOfRoid", 0, 150, 150, 1200, 300);
    Control& caption = add(ControlKind::Label, "lblSizeOfRoid", 0, 150, 600, 1200, 300);
    Control& check = add(ControlKind::CheckBox, "chkSoundEffect", 2, 150, 1050, 2400, 300);
    form.onChange(QStringLiteral("txtSizeOfRoid"),
                  [&](int i) { log << QStringLiteral("change%1:").arg(i) + size.text(); });
    form.onClick(QStringLiteral("lblSizeOfRoid"), [&](int i) { log << QStringLiteral("click%1").arg(i); });
    form.onClick(QStringLiteral("chkSoundEffect"),
                 [&](int i) { log << QStringLiteral("chk%1:%2").arg(i).arg(check.value()); });
    open();

    auto* edit = widget<QLineEdit>("txtSizeOfRoid", 0);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("42"));
    EXPECT_EQ(size.text(), QStringLiteral("42"));
    EXPECT_EQ(log, (QStringList{QStringLiteral("change0:4"), QStringLiteral("change0:42")}));
    EXPECT_EQ(size.selStart(), 2); // the caret, as the model sees it

    log.clear();
    clickItem("lblSizeOfRoid", 0);
    auto* box = widget<QCheckBox>("chkSoundEffect", 2);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(check.value(), 1);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(log,
              (QStringList{QStringLiteral("click0"), QStringLiteral("chk2:1"), QStringLiteral("chk2:0")}));
    EXPECT_FALSE(box->isChecked());

    // Model to widget, one property at a time.
    size.setText(QStringLiteral("1,500"));
    EXPECT_EQ(edit->text(), QStringLiteral("1,500"));
    const QImage blank = shown("lblSizeOfRoid", 0);
    caption.setCaption(QStringLiteral("12,345"));
    const QImage written = shown("lblSizeOfRoid", 0);
    EXPECT_NE(written, blank);
    caption.setCaption(QStringLiteral("12,346"));
    EXPECT_NE(shown("lblSizeOfRoid", 0), written); // one digit is enough
    caption.setBackColor(0x0000FF);                // &HBBGGRR: red is the low byte
    caption.setForeColor(0x00FF00);
    const QImage coloured = shown("lblSizeOfRoid", 0);
    EXPECT_EQ(coloured.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_TRUE(holds(coloured, QColor(0, 255, 0))); // the letters, in the text colour
    caption.setForeColor(0x8000000F);
    EXPECT_FALSE(holds(shown("lblSizeOfRoid", 0), QColor(0, 255, 0)));
    caption.move(300, 450, 1500, 240);
    EXPECT_EQ(item("lblSizeOfRoid", 0).rect, QRect(20, 30, 100, 16));
    EXPECT_EQ(shown("lblSizeOfRoid", 0).pixelColor(0, 0), QColor(255, 0, 0));
    caption.setVisible(false);
    EXPECT_NE(shown("lblSizeOfRoid", 0).pixelColor(0, 0), QColor(255, 0, 0));
    size.setLocked(true);
    EXPECT_TRUE(edit->isReadOnly());
    check.setValue(2);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    size.setSelStart(1);
    size.setSelLength(3);
    EXPECT_EQ(edit->selectedText(), QStringLiteral(",50"));
}

TEST_F(View, OptionButtonsFollowTheModelAndCombosClickOnAChoice)
{
    form.add(ControlKind::Frame, QStringLiteral("fraSettings")).move(150, 150, 4000, 3000);
    Control& rate0 = add(ControlKind::OptionButton, "optRefreshRate", 0, 120, 240, 1500, 255, "fraSettings");
    Control& rate1 = add(ControlKind::OptionButton, "optRefreshRate", 1, 120, 540, 1500, 255, "fraSettings");
    Control& ore = add(ControlKind::ComboBox, "cboRoidType", 0, 4500, 150, 2000, 315);
    ore.setStyle(2);
    Control& station = add(ControlKind::ComboBox, "cboStation_Refinery", 0, 4500, 600, 2000, 315);
    rate0.setValue(1);
    for (const char* name : {"Veldspar", "Scordite", "Pyroxeres"})
        ore.addItem(QString::fromLatin1(name));
    ore.setText(QStringLiteral("Veldspar"));
    form.onClick(QStringLiteral("optRefreshRate"), [&](int i) { log << QStringLiteral("opt%1").arg(i); });
    form.onClick(QStringLiteral("cboRoidType"),
                 [&](int i) { log << QStringLiteral("ore%1:").arg(i) + ore.text(); });
    form.onClick(QStringLiteral("cboStation_Refinery"),
                 [&](int) { log << QStringLiteral("station:") + station.text(); });
    open();

    auto* opt0 = widget<QRadioButton>("optRefreshRate", 0);
    auto* opt1 = widget<QRadioButton>("optRefreshRate", 1);
    EXPECT_EQ(opt0->parentWidget(), view->widgetFor(QStringLiteral("fraSettings"))); // in its frame
    EXPECT_EQ(opt1->geometry(), QRect(8, 36, 100, 17));
    QTest::mouseClick(opt1, Qt::LeftButton);
    EXPECT_EQ(rate1.value(), 1);
    EXPECT_EQ(rate0.value(), 0);
    EXPECT_TRUE(opt1->isChecked());
    EXPECT_FALSE(opt0->isChecked());
    QTest::mouseClick(opt1, Qt::LeftButton); // selected already: Click again, still selected
    EXPECT_TRUE(opt1->isChecked());
    EXPECT_EQ(log, (QStringList{QStringLiteral("opt1"), QStringLiteral("opt1")}));

    log.clear();
    auto* list = widget<QComboBox>("cboRoidType", 0);
    EXPECT_FALSE(list->isEditable()); // a drop-down list: choice only
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), QStringLiteral("Veldspar"));
    emit list->activated(2); // what a choice from the drop-down sends
    EXPECT_EQ(ore.text(), QStringLiteral("Pyroxeres"));
    emit list->activated(2); // the same choice again still clicks
    ore.addItem(QStringLiteral("Plagioclase"));
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(list->currentText(), QStringLiteral("Pyroxeres"));

    auto* typed = widget<QComboBox>("cboStation_Refinery", 0);
    EXPECT_TRUE(typed->isEditable());
    typed->setFocus();
    QTest::keyClicks(typed->lineEdit(), QStringLiteral("Ab"));
    EXPECT_EQ(station.text(), QStringLiteral("Ab"));
    EXPECT_EQ(log, (QStringList{QStringLiteral("ore0:Pyroxeres"), QStringLiteral("ore0:Pyroxeres"),
                                QStringLiteral("station:A"), QStringLiteral("station:Ab")}));
}

TEST_F(View, AValidateCancelKeepsTheFocusInTheBox)
{
    Control& size = add(ControlKind::TextBox, "txtSizeOfRoid", 0, 150, 150, 1200, 300);
    Control& rate = add(ControlKind::TextBox, "txtMiningRate", 0, 150, 600, 1200, 300);
    form.onValidate(QStringLiteral("txtSizeOfRoid"), [&](int, bool& cancel) {
        log << QStringLiteral("validate:") + size.text();
        if (size.text() == QLatin1String("abc")) {
            size.setText(QString());
            cancel = true;
        }
    });
    form.onGotFocus(QStringLiteral("txtSizeOfRoid"), [&](int) { log << QStringLiteral("focus:size"); });
    form.onGotFocus(QStringLiteral("txtMiningRate"), [&](int) { log << QStringLiteral("focus:rate"); });
    open();
    auto* sizeBox = widget<QLineEdit>("txtSizeOfRoid", 0);
    auto* rateBox = widget<QLineEdit>("txtMiningRate", 0);
    sizeBox->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(settle([&] { return sizeBox->hasFocus(); }));
    log.clear();

    QTest::keyClicks(sizeBox, QStringLiteral("abc"));
    QTest::keyClick(sizeBox, Qt::Key_Tab);
    // The tab lets the key go to the next box, the model takes the focus back.
    EXPECT_TRUE(settle([&] { return sizeBox->hasFocus(); }));
    EXPECT_FALSE(rateBox->hasFocus());
    EXPECT_EQ(form.focused(), &size);
    EXPECT_TRUE(sizeBox->text().isEmpty());
    EXPECT_EQ(log, QStringList{QStringLiteral("validate:abc")}); // no GotFocus anywhere

    QTest::keyClicks(sizeBox, QStringLiteral("12"));
    QTest::keyClick(sizeBox, Qt::Key_Tab);
    EXPECT_TRUE(settle([&] { return rateBox->hasFocus(); }));
    EXPECT_EQ(form.focused(), &rate);
    EXPECT_EQ(log, (QStringList{QStringLiteral("validate:abc"), QStringLiteral("validate:12"),
                                QStringLiteral("focus:rate")}));
}

TEST_F(View, MouseGesturesCarryButtonShiftAndTwipsAndStayWithTheirControl)
{
    add(ControlKind::Label, "lblControlButton", 7, 1500, 0, 3000, 240);
    add(ControlKind::Shape, "shpBox", -1, 0, 0, 9000, 6000); // borders let the mouse through
    QStringList events;
    form.onMouseDown(QStringLiteral("lblControlButton"), [&](int i, int b, int s, double x, double y) {
        events << QStringLiteral("down%1 %2 %3 %4,%5").arg(i).arg(b).arg(s).arg(x).arg(y);
    });
    form.onMouseMove(QStringLiteral("lblControlButton"), [&](int i, int b, int s, double x, double y) {
        events << QStringLiteral("move%1 %2 %3 %4,%5").arg(i).arg(b).arg(s).arg(x).arg(y);
    });
    form.onClick(QStringLiteral("lblControlButton"),
                 [&](int i) { events << QStringLiteral("click%1").arg(i); });
    form.onDblClick(QStringLiteral("lblControlButton"),
                    [&](int i) { events << QStringLiteral("dbl%1").arg(i); });
    form.onFormMouseMove([&](int b, int s, double x, double y) {
        events << QStringLiteral("form %1 %2 %3,%4").arg(b).arg(s).arg(x).arg(y);
    });
    form.onFormMouseDown([&](int b, int s, double x, double y) {
        events << QStringLiteral("formdown %1 %2 %3,%4").arg(b).arg(s).arg(x).arg(y);
    });
    open();
    QWidget* title = item("lblControlButton", 7).container;
    const auto on = [&](QPoint p) { return at("lblControlButton", 7, p); };

    QTest::mousePress(title, Qt::RightButton, {}, on({10, 4}));
    QTest::mouseRelease(title, Qt::RightButton, {}, on({10, 4}));
    QTest::mouseMove(title, on({20, 8}));
    QTest::mouseMove(view.get(), QPoint(300, 200)); // over the shape: the window's own move
    QTest::mousePress(view.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 200));
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 200));
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("down7 2 0 150,60"), QStringLiteral("move7 0 0 300,120"),
                           QStringLiteral("form 0 0 4500,3000"), QStringLiteral("formdown 1 1 4500,3000")}));

    events.clear();
    // Through the window system, as a real double click arrives.
    QTest::mouseDClick(view->windowHandle(), Qt::LeftButton, {}, title->mapTo(view.get(), on({5, 5})));
    EXPECT_EQ(events.filter(QStringLiteral("click")).size(), 1)
        << events.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(events.filter(QStringLiteral("dbl")).size(), 1) << events.join(QLatin1Char('|')).toStdString();
    EXPECT_LT(events.indexOf(QStringLiteral("click7")), events.indexOf(QStringLiteral("dbl7")));
    // One press reaches the model: the second press of the pair is the double click.
    EXPECT_EQ(events.filter(QStringLiteral("down7 1 0 75,75")).size(), 1)
        << events.join(QLatin1Char('|')).toStdString();
    QTest::mouseClick(title, Qt::LeftButton, {}, on({5, 5})); // and the next single click clicks again
    EXPECT_EQ(events.last(), QStringLiteral("click7"));
}

TEST_F(View, DraggingByALabelMovesTheWindowWithThePointer)
{
    add(ControlKind::Label, "lblSelectSound", -1, 120, 90, 4575, 255);
    double dragX = 0, dragY = 0;
    Control& heading = form.control(QStringLiteral("lblSelectSound"));
    heading.onMouseDown([&](int, int, double x, double y) {
        dragX = std::round(x);
        dragY = std::round(y);
    });
    heading.onMouseMove([&](int button, int, double x, double y) {
        if (button == LeftButton)
            form.move(form.left() + static_cast<int>(x - dragX), form.top() + static_cast<int>(y - dragY));
    });
    open();
    QWidget* label = item("lblSelectSound").container;
    const QPoint grab = at("lblSelectSound", -1, {10, 5});
    QTest::mousePress(label, Qt::LeftButton, {}, grab);
    QTest::mouseMove(label, grab + QPoint(30, 12));
    EXPECT_EQ(form.left(), 1500 + 30 * 15);
    EXPECT_EQ(form.top(), 1500 + 12 * 15);
    EXPECT_EQ(view->pos(), QPoint(130, 112));
    // The label moved with the window: the pointer is over the grab point again, nothing moves.
    QTest::mouseMove(label, grab);
    EXPECT_EQ(view->pos(), QPoint(130, 112));
    QTest::mouseRelease(label, Qt::LeftButton, {}, grab);
    QTest::mouseMove(label, grab + QPoint(40, 40)); // no button held: no move
    EXPECT_EQ(view->pos(), QPoint(130, 112));
}

TEST_F(View, FolderAndFileListsShowTheModelsItemsAndReportChoices)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("sounds/old")));
    for (const char* name : {"sounds/alarm.WAV", "sounds/notes.txt"}) {
        QFile f(root.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Control& dir = add(ControlKind::DirListBox, "Dir1", -1, 120, 360, 4575, 1440);
    Control& file = add(ControlKind::FileListBox, "File1", -1, 120, 1905, 4575, 1200);
    // What the chooser's folder-change handler does: list the folder into both lists.
    auto show = [&](const QString& folder) {
        dir.setText(folder);
        const QDir d(folder);
        dir.clearList();
        for (const QString& sub : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            dir.addItem(sub);
        file.setPath(folder);
        file.clearList();
        for (const QString& name : d.entryList(QDir::Files, QDir::Name))
            file.addItem(name);
        file.setText(QString());
    };
    dir.onChange([&] {
        if (dir.path() != dir.text())
            show(dir.path());
    });
    file.onDblClick([&] { log << QStringLiteral("accept:") + file.text(); });
    file.onClick([&] { log << QStringLiteral("pick:") + file.text(); });
    dir.setPath(root.path());
    open();

    auto* folders = widget<QListWidget>("Dir1");
    auto* files = widget<QListWidget>("File1");
    ASSERT_EQ(folders->count(), 3); // the folder shown, "..", "sounds"
    EXPECT_EQ(folders->item(0)->text(), QDir::toNativeSeparators(root.path()));
    EXPECT_EQ(folders->item(1)->text(), QStringLiteral(".."));
    EXPECT_EQ(folders->item(2)->text(), QStringLiteral("sounds"));
    EXPECT_EQ(files->count(), 0);

    const QPoint at = folders->visualItemRect(folders->item(2)).center();
    QTest::mouseDClick(view->windowHandle(), Qt::LeftButton, {}, folders->viewport()->mapTo(view.get(), at));
    const QString sounds = QDir::toNativeSeparators(root.filePath(QStringLiteral("sounds")));
    EXPECT_EQ(dir.path(), sounds);
    EXPECT_EQ(dir.text(), sounds);
    ASSERT_EQ(folders->count(), 3); // sounds, "..", "old"
    EXPECT_EQ(folders->item(2)->text(), QStringLiteral("old"));
    ASSERT_EQ(files->count(), 2);

    const QPoint wav = files->visualItemRect(files->item(0)).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, wav);
    EXPECT_EQ(file.text(), QStringLiteral("alarm.WAV"));
    QTest::mouseDClick(view->windowHandle(), Qt::LeftButton, {}, files->viewport()->mapTo(view.get(), wav));
    EXPECT_EQ(log, (QStringList{QStringLiteral("pick:alarm.WAV"), QStringLiteral("accept:alarm.WAV")}));

    file.setText(QStringLiteral("notes.txt")); // and the model's choice shows
    EXPECT_EQ(files->currentItem()->text(), QStringLiteral("notes.txt"));
}

TEST_F(View, TheWindowFollowsItsFormAndACloseRequestGoesToTheProgram)
{
    open();
    EXPECT_TRUE(view->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(view->geometry(), QRect(100, 100, 600, 400));
    form.move(3000, 1500, 4500, 3000);
    EXPECT_EQ(view->geometry(), QRect(200, 100, 300, 200));
    form.setOnTop(true);
    EXPECT_TRUE(view->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(view->isVisible());
    form.setBackColor(0x312F2F);
    EXPECT_EQ(view->palette().color(QPalette::Window), QColor(0x2F, 0x2F, 0x31));

    int requests = 0;
    form.onCloseRequest([&] { ++requests; });
    EXPECT_FALSE(view->close()); // the program keeps its window
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(form.unloaded());

    form.onCloseRequest([&] { form.unload(); });
    EXPECT_TRUE(view->close());
    EXPECT_TRUE(form.unloaded());
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(view->form(), nullptr); // the view let go of the unloaded form
}

TEST_F(View, AModalFormIsApplicationModal)
{
    form.move(0, 0, 3000, 3000);
    view = std::make_unique<FormView>(form);
    EXPECT_FALSE(view->isVisible());
    form.show(true);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowModality(), Qt::ApplicationModal);
    form.unload(); // the program closes it: the window goes
    EXPECT_FALSE(view->isVisible());
}

TEST_F(View, APanelShownLaterShowsWhatChangedWhileItWasHidden)
{
    Control& panel = form.add(ControlKind::Frame, QStringLiteral("fraSound"));
    panel.move(300, 300, 6000, 3000);
    panel.setVisible(false);
    Control& path = add(ControlKind::TextBox, "txtPathSoundEffect", 1, 120, 600, 4000, 255, "fraSound");
    Control& effect = add(ControlKind::CheckBox, "chkSoundEffect", 1, 120, 300, 2000, 255, "fraSound");
    form.onChange(QStringLiteral("txtPathSoundEffect"),
                  [&](int) { log << QStringLiteral("path:") + path.text(); });
    open();
    path.setText(QStringLiteral("/sounds/end.wav")); // while the panel is hidden
    effect.setCaption(QStringLiteral("Cycle complete"));
    effect.setValue(1);
    panel.setVisible(true); // the player opens the panel
    auto* box = widget<QLineEdit>("txtPathSoundEffect", 1);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->parentWidget(), view->widgetFor(panel));
    EXPECT_EQ(box->text(), QStringLiteral("/sounds/end.wav"));
    EXPECT_EQ(box->geometry(), QRect(8, 40, 267, 17));
    auto* check = widget<QCheckBox>("chkSoundEffect", 1);
    EXPECT_EQ(check->text(), QStringLiteral("Cycle complete"));
    EXPECT_TRUE(check->isChecked());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, QStringLiteral("x")); // and its gestures reach the model
    EXPECT_EQ(path.text(), QStringLiteral("/sounds/end.wavx"));
    EXPECT_EQ(log.last(), QStringLiteral("path:/sounds/end.wavx"));
}

TEST_F(View, GridAndViewerShowTheModel)
{
    Control& grid = add(ControlKind::Grid, "mshflexOreMined", -1, 150, 150, 4500, 1500);
    Grid& g = grid.grid();
    g.setCols(3);
    g.setRows(2);
    g.setTextMatrix(0, 0, QStringLiteral("Ore Name"));
    g.setColWidth(0, 1500);
    Control& help = add(ControlKind::RichTextBox, "rchtxtHelpFile", -1, 150, 1800, 4500, 1500);
    open();

    auto* table = widget<QTableWidget>("mshflexOreMined");
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Ore Name"));
    EXPECT_EQ(table->columnWidth(0), 100);
    g.addItem();
    g.setTextMatrix(2, 1, QStringLiteral("1,250"));
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(2, 1)->text(), QStringLiteral("1,250"));

    help.setFileName(QStringLiteral("/nonexistent/folder/Help.rtf"));
    const QString shown = widget<QTextBrowser>("rchtxtHelpFile")->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("The help file is missing."))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Help.rtf")));

    // Our help file is read as rich text and opens at its top.
    help.setFileName(QDir(QStringLiteral(OREBELL_RUNTIME_DIR)).filePath(QStringLiteral("Help.rtf")));
    auto* browser = widget<QTextBrowser>("rchtxtHelpFile");
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Loading an asteroid")));
    EXPECT_FALSE(browser->toPlainText().contains(QStringLiteral("\\rtf1")));
    EXPECT_EQ(browser->textCursor().position(), 0);
}

TEST_F(View, AFailureInAHandlerIsReportedAndTheWindowStays)
{
    add(ControlKind::Label, "lblJetButton", 0, 150, 150, 600, 300);
    form.onClick(QStringLiteral("lblJetButton"),
                 [&](int) { (void)form.control(QStringLiteral("lblMissing")); });
    open();
    clickItem("lblJetButton", 0);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts.front().startsWith(QStringLiteral("Error Number:")))
        << messages.texts.front().toStdString();
    EXPECT_TRUE(view->isVisible());
}

TEST_F(View, ASystemColourReadsTheSameInEveryKindOfControl)
{
    // An entry's text in the "inactive border" colour, on a dark box: a list box must not take the
    // colour from its own button face, which is its background.
    constexpr Color Box = 0x1C181B;
    constexpr Color Unlocked = 0x8000000B;
    Control& list = add(ControlKind::ComboBox, "cboRoidType", 0, 150, 150, 1500, 300);
    Control& box = add(ControlKind::TextBox, "txtMiningRate", 0, 150, 600, 1500, 300);
    for (Control* c : {&list, &box}) {
        c->setBackColor(Box);
        c->setForeColor(Unlocked);
    }
    list.setStyle(2);
    open();
    const QPalette listColours = widget<QComboBox>("cboRoidType", 0)->palette();
    const QPalette boxColours = widget<QLineEdit>("txtMiningRate", 0)->palette();
    EXPECT_EQ(listColours.color(QPalette::ButtonText), boxColours.color(QPalette::Text));
    EXPECT_EQ(listColours.color(QPalette::Text), boxColours.color(QPalette::Text));
    EXPECT_NE(boxColours.color(QPalette::Text), toQColor(Box));
    // Light on the dark box, whatever the desktop's palette says.
    EXPECT_GT(boxColours.color(QPalette::Text).lightness(), 150);
}

// A drop-down list is not made while the window is built (its font is given when it opens), yet
// the open list always shows the box's font, also after the box's font changed.
TEST_F(View, AListOpensInItsBoxsFontAndIsNotMadeBeforeThen)
{
    Control& ore = add(ControlKind::ComboBox, "cboRoidType", 0, 150, 150, 2000, 315);
    ore.setStyle(2);
    ore.setFontSize(11);
    for (const char* name : {"Veldspar", "Scordite", "Concentrated Veldspar"})
        ore.addItem(QString::fromLatin1(name));
    open();
    auto* list = widget<QComboBox>("cboRoidType", 0);
    auto windowsIn = [](QWidget* w) {
        int n = 0;
        for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            n += child->isWindow();
        return n;
    };
    EXPECT_EQ(windowsIn(list), 0);
    EXPECT_EQ(list->font().pointSizeF(), 11);

    list->showPopup();
    EXPECT_EQ(list->view()->font(), list->font());
    list->hidePopup();
    ore.setFontSize(9); // once made, the list follows the box
    EXPECT_EQ(list->font().pointSizeF(), 9);
    list->showPopup();
    EXPECT_EQ(list->view()->font(), list->font());
    list->hidePopup();
}

TEST(FittedName, ALongOreNameKeepsItsOreWhole)
{
    const QFontMetrics fm(windowFont(7));
    const QString name = QStringLiteral("Concentrated Veldspar");
    EXPECT_EQ(fittedName(name, fm, fm.horizontalAdvance(name)), name);
    EXPECT_EQ(fittedName(QStringLiteral("Veldspar"), fm, 200), QStringLiteral("Veldspar"));
    const QString four = QStringLiteral("Conc. Veldspar");
    EXPECT_EQ(fittedName(name, fm, fm.horizontalAdvance(four)), four);
    const QString one = QStringLiteral("C. Veldspar");
    EXPECT_EQ(fittedName(name, fm, fm.horizontalAdvance(one)), one);
    EXPECT_EQ(
        fittedName(QStringLiteral("Pure Jaspet"), fm, fm.horizontalAdvance(QStringLiteral("P. Jaspet"))),
        QStringLiteral("P. Jaspet")); // a short first word is not cut to four letters
    // Narrower still: cut at the end, and the cut is shown.
    const QString cut = fittedName(name, fm, fm.horizontalAdvance(one) - 10);
    EXPECT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    EXPECT_LE(fm.horizontalAdvance(cut), fm.horizontalAdvance(one) - 10);
}

TEST_F(View, CaptionsSitInTheMiddleOfOneLineAndNumbersShowAllTheirDigits)
{
    Control& button = add(ControlKind::Label, "lblJetButton", 0, 150, 150, 600, 300);
    button.setCaption(QStringLiteral("JET"));
    Control& tall = add(ControlKind::Label, "lblOreName", 0, 150, 600, 1500, 600);
    tall.setCaption(QStringLiteral("Ore"));
    Control& isk = add(ControlKind::Label, "lblIskFromRefinedOre", 0, 150, 1350, 600, 255);
    Control& yield = add(ControlKind::TextBox, "txtMineralsMinedFromOre", 8, 150, 1800, 840, 255);
    yield.setAlignment(1);
    open();

    EXPECT_TRUE(item("lblJetButton", 0).alignment & Qt::AlignVCenter);
    EXPECT_TRUE(item("lblOreName", 0).alignment & Qt::AlignTop);
    // A caption that has to wrap reads from its first line.
    isk.setCaption(QStringLiteral("68,742,182,868 isk"));
    EXPECT_TRUE(item("lblIskFromRefinedOre", 0).alignment & Qt::AlignTop);
    isk.setCaption(QStringLiteral("68"));
    EXPECT_TRUE(item("lblIskFromRefinedOre", 0).alignment & Qt::AlignVCenter);

    auto* edit = widget<QLineEdit>("txtMineralsMinedFromOre", 8);
    yield.setText(QStringLiteral("0"));
    const QFont normal = edit->font();
    yield.setText(QStringLiteral("12721.1694"));
    EXPECT_LT(edit->font().pointSizeF(), normal.pointSizeF());
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(yield.text()) + 7, edit->width());
    EXPECT_EQ(edit->cursorPosition(), 0); // scrolled to its leading digits, should it still be long
    yield.setText(QStringLiteral("12"));
    EXPECT_EQ(edit->font(), normal);
}

TEST_F(View, ACaptionOnAPictureLiesOverItAndThePictureOverEverythingElse)
{
    Control& panel = form.add(ControlKind::Frame, QStringLiteral("fraRefineryYield"));
    panel.move(0, 0, 3000, 3000);
    add(ControlKind::TextBox, "txtLasers", 0, 0, 0, 480, 255);
    Control& image = add(ControlKind::Image, "imgMinimized", -1, 0, 0, 480, 480);
    Control& caption = add(ControlKind::Label, "lblMinimize", -1, 0, 120, 480, 240);
    caption.setCaption(QStringLiteral("OB III"));
    open();
    QWidget* picture = view->widgetFor(image);
    auto* label = widget<QLabel>("lblMinimize");
    EXPECT_EQ(view->childAt(16, 16), label);
    EXPECT_EQ(view->childAt(16, 2), picture);  // above the panel and the entry box
    EXPECT_FALSE(label->autoFillBackground()); // the picture shows round the letters
}

// Labels hidden when the window is built are measured when they show: whatever changed while
// they were hidden (caption, size of type, place), they show as labels shown all along do.
TEST_F(View, ALabelHiddenAtTheStartShowsAsOneShownAllAlong)
{
    const QFont applicationFont = QGuiApplication::font();
    Control& shownAllAlong = add(ControlKind::Label, "lblOreName", 0, 150, 150, 1500, 300);
    Control& hidden = add(ControlKind::Label, "lblOreName", 1, 150, 900, 1500, 300);
    hidden.setVisible(false);
    add(ControlKind::Image, "imgMinimized", -1, 3000, 0, 480, 480);
    Control& caption = add(ControlKind::Label, "lblMinimize", -1, 3000, 120, 480, 240);
    caption.setVisible(false);
    caption.setAlignment(2); // centred
    open();
    EXPECT_EQ(QGuiApplication::font(), applicationFont); // the desktop's font, once the window is built

    for (Control* c : {&shownAllAlong, &hidden}) {
        c->setFontSize(10);
        c->setFontBold(true);
        c->setCaption(QStringLiteral("1,234"));
    }
    hidden.move(300, 900, 1500, 300);
    shownAllAlong.move(300, 150, 1500, 300);
    hidden.setVisible(true);
    EXPECT_TRUE(item("lblOreName", 1).alignment & Qt::AlignVCenter); // one line, in the middle
    EXPECT_EQ(item("lblOreName", 1).alignment, item("lblOreName", 0).alignment);
    EXPECT_EQ(item("lblOreName", 1).rect.size(), item("lblOreName", 0).rect.size());
    EXPECT_EQ(item("lblOreName", 1).rect.left(), item("lblOreName", 0).rect.left());
    EXPECT_EQ(shown("lblOreName", 1), shown("lblOreName", 0));

    caption.setCaption(QStringLiteral("OB"));
    caption.setVisible(true);
    auto* label = widget<QLabel>("lblMinimize");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
}
} // namespace

TEST_F(View, EachControlReachesItsOwnWidgetAndAnotherFormsControlsNone)
{
    Control& box = add(ControlKind::TextBox, "txtEntry", -1, 120, 120, 2000, 285);
    Control& label = add(ControlKind::Label, "lblShown", -1, 120, 600, 2000, 255);
    open();
    // Controls of another form at the same places in their own control order.
    Form other{QStringLiteral("frmOther")};
    Control& otherBox = other.add(ControlKind::TextBox, QStringLiteral("txtEntry"));
    Control& otherLabel = other.add(ControlKind::Label, QStringLiteral("lblShown"));
    ASSERT_EQ(otherBox.order(), box.order());
    ASSERT_EQ(otherLabel.order(), label.order());
    EXPECT_EQ(view->widgetFor(otherBox), nullptr);
    EXPECT_EQ(view->widgetFor(otherLabel), nullptr);
    otherBox.setText(QStringLiteral("elsewhere")); // no observer of this view hears it
    auto* entry = widget<QLineEdit>("txtEntry");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->text().isEmpty());
    box.setText(QStringLiteral("here"));
    EXPECT_EQ(entry->text(), QStringLiteral("here"));
    label.setCaption(QStringLiteral("1,234"));
    EXPECT_EQ(item("lblShown").container, view.get());
}
