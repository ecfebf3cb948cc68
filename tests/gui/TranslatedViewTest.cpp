#include "app/Program.h"
#include "gui/FormView.h"
#include "gui/KeyboardAccess.h"
#include "gui/ProgramWindows.h"
#include "gui/RichText.h"
#include "gui/Twips.h"
#include "l10n/Language.h"
#include "l10n/Translation.h"
#include "platform/RealPlatform.h"
#include "platform/WindowFont.h"
#include "support/TestPlatform.h"
#include "toolkit/Form.h"
#include "toolkit/Grid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace orebell::test {
namespace {

const QStringList Folders{QStringLiteral(OREBELL_TRANSLATIONS_DIR)};

// The program as a player with this desktop language first sees it.
struct Desk {
    Translation translation;
    TestPlatform platform;
    std::unique_ptr<Program> program;
    std::unique_ptr<ProgramWindows> windows;

    explicit Desk(const QString& desktopLanguage)
    {
        const LanguageChoice choice = chooseLanguage({}, {}, {desktopLanguage});
        EXPECT_TRUE(translation.load(choice.language, Folders)) << translation.error().toStdString();
        translation.install();
        program = std::make_unique<Program>(platform);
        program->run();
        windows = std::make_unique<ProgramWindows>(*program, platform.messageBox());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&windows->mainView()));
    }
    Control& c(const char* name, int index = -1)
    {
        return program->mainForm().control(QString::fromLatin1(name), index);
    }
};

TEST(GermanDesk, ShowsGermanCaptionsWhileTheModelKeepsEnglish)
{
    Desk desk(QStringLiteral("de-DE"));
    FormView& view = desk.windows->mainView();
    auto* monitor = qobject_cast<QCheckBox*>(view.widgetFor(desk.c("chkMonitorCargoHold", 0)));
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(monitor->text(), QStringLiteral("Prüfen"));
    EXPECT_EQ(desk.c("chkMonitorCargoHold", 0).caption(), QStringLiteral("Monitor"));
    auto* frame = qobject_cast<QGroupBox*>(view.widgetFor(desk.c("fraSettings")));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QStringLiteral("Timer-Einstellungen"));
    // A tool tip keeps its key; the model's tip stays as the handlers compare it.
    EXPECT_TRUE(toolTipWithKey(desk.c("lblControlButton", 0)).startsWith(QStringLiteral(" Hilfe (")));
    EXPECT_EQ(desk.c("lblControlButton", 0).toolTipText(), QStringLiteral(" Help "));
    // The ore-mined grid's headings, which the store keeps as they are.
    auto* grid = qobject_cast<QTableWidget*>(view.widgetFor(QStringLiteral("mshflexOreMined")));
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->item(0, 0), nullptr);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Erz"));
    EXPECT_EQ(desk.program->mainForm().grid(QStringLiteral("mshflexOreMined")).textMatrix(0, 0),
              QStringLiteral("Ore Name"));
}

TEST(GermanDesk, TheMessageBoxSaysInGermanWhatTheModelSaidInEnglish)
{
    Translation translation;
    ASSERT_TRUE(translation.load(QStringLiteral("de"), Folders));
    translation.install();
    RealPlatform platform;
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    platform.messageBox().show(
        QStringLiteral("Laser 2 was not started:\nChoose the asteroid's ore in the ore list."));
    EXPECT_EQ(
        shown,
        QStringLiteral("Laser 2 wurde nicht gestartet:\nWählen Sie das Erz des Asteroiden in der Erzliste."));
}

TEST(GermanDesk, TheStoreIsWrittenInEnglishAndReadsTheSameUnderEnglish)
{
    const auto session = [](const QString& language) {
        Desk desk(language);
        desk.c("cboRoidType", 0).setText(QStringLiteral("Dense Veldspar"));
        desk.c("txtSizeOfRoid", 0).setText(QStringLiteral("12000"));
        desk.c("chkMonitorCargoHold", 0).click();
        desk.c("optRefreshRate", 1).click();
        desk.c("lblControlButton", 6).click(); // the close button saves
        QFile file(desk.platform.storeFile());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        // Each test platform has a program folder of its own, where the default sounds lie.
        text.replace(QDir::fromNativeSeparators(desk.platform.programFolder()).toUtf8(), "<program>");
        text.replace(desk.platform.programFolder().toUtf8(), "<program>");
        QString escaped =
            QDir::toNativeSeparators(desk.platform.programFolder()); // an INI value's backslashes
        text.replace(escaped.replace(QLatin1String("\\"), QLatin1String("\\\\")).toUtf8(), "<program>");
        return text;
    };
    const QByteArray german = session(QStringLiteral("de-DE"));
    const QByteArray english = session(QStringLiteral("en-US"));
    EXPECT_FALSE(german.isEmpty());
    const QList<QByteArray> germanLines = german.split('\n');
    const QList<QByteArray> englishLines = english.split('\n');
    ASSERT_EQ(germanLines.size(), englishLines.size());
    for (qsizetype i = 0; i < germanLines.size(); ++i)
        EXPECT_EQ(germanLines[i], englishLines[i]);
    EXPECT_FALSE(german.contains("Prüfen"));
    EXPECT_TRUE(german.contains("1%252F4%20%20%20Sec.=True")); // the option's English caption is its key
}

TEST(GermanDesk, TheHelpIsReadInGermanWhereItHasBeenTranslated)
{
    const QString english = QDir(QStringLiteral(OREBELL_RUNTIME_DIR)).filePath(QStringLiteral("Help.rtf"));
    EXPECT_EQ(translatedFile(english), english);
    Translation translation;
    ASSERT_TRUE(translation.load(QStringLiteral("de"), Folders));
    translation.install();
    EXPECT_EQ(QFileInfo(translatedFile(english)).fileName(), QStringLiteral("Help_de.rtf"));
    // A help not translated is read in English.
    EXPECT_EQ(translatedFile(QStringLiteral("/nonexistent/Help.rtf")),
              QStringLiteral("/nonexistent/Help.rtf"));
}

// What shows a caption as text in a rectangle of its own: labels, buttons, check and option
// buttons, frames' titles. Tool tips, entries and lists are not laid out in the window.
bool showsCaption(const Control& c)
{
    switch (c.kind()) {
    case ControlKind::Label:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
    case ControlKind::Frame:
        return !c.caption().trimmed().isEmpty();
    default:
        return false;
    }
}

// The room a caption has in its control, in pixels, and how it is laid there.
struct Room {
    int width = 0;
    int height = 0;
    bool wraps = false;
};

Room roomFor(const Control& c, const QFont& font, const QWidget& view)
{
    const QRect r = twipsRect(c.left(), c.top(), c.width(), c.height());
    Room room{r.width(), r.height(), false};
    const QStyle* style = view.style();
    if (c.kind() == ControlKind::CheckBox || c.kind() == ControlKind::OptionButton) {
        const bool check = c.kind() == ControlKind::CheckBox;
        room.width -=
            style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth) +
            style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing);
    } else if (c.kind() == ControlKind::Frame) {
        room.width -= 12; // the title starts 6 pixels in and keeps clear of the right edge
    } else if (c.kind() == ControlKind::Label) {
        // A label of two lines or more wraps its words.
        room.wraps = r.height() >= 2 * QFontMetrics(font).height();
    }
    return room;
}

// The captions of a form's controls that do not fit them, named with their text.
QStringList misfitsOf(const Form& form, const QWidget& view, const QString& language)
{
    QStringList misfits;
    for (const auto& owned : form.controls()) {
        const Control* c = owned.get();
        if (!showsCaption(*c))
            continue;
        const QString text = shownText(c->caption()).trimmed();
        const QFont font = windowFont(c->fontSize(), c->fontBold());
        const QFontMetrics fm(font, &view);
        const Room room = roomFor(*c, font, view);
        bool fits = true;
        if (room.wraps) {
            const QRect needed =
                fm.boundingRect(QRect(0, 0, room.width, 100000), Qt::TextWordWrap | Qt::AlignLeft, text);
            fits = needed.width() <= room.width && needed.height() <= room.height;
        } else {
            fits = fm.horizontalAdvance(text) <= room.width;
        }
        if (!fits)
            misfits << QStringLiteral("%1: %2 %3(%4) \"%5\" needs %6 px, has %7")
                           .arg(language, form.name(), c->name())
                           .arg(c->index())
                           .arg(text)
                           .arg(fm.horizontalAdvance(text))
                           .arg(room.width);
    }
    return misfits;
}

// Every caption of the main window (its panels shown or not) and of the sound chooser, opened
// for each sound, fits its control in every language, at the scale the test runs at (ctest runs
// it at 100 and 200 per cent).
TEST(CaptionsFit, EveryCaptionFitsItsControlInEveryLanguage)
{
    QStringList misfits;
    for (const QString& language : programLanguages()) {
        Desk desk(language);
        misfits += misfitsOf(desk.program->mainForm(), desk.windows->mainView(), language);
        desk.c("lblControlButton", 5).click(); // the Sound panel
        for (int row = 0; row < 6; ++row) {
            desk.c("lblBrowseSoundEffect", row).click();
            FormView* chooser = desk.windows->chooserView();
            ASSERT_NE(chooser, nullptr) << row;
            misfits += misfitsOf(*chooser->form(), *chooser, language);
            chooser->form()->control(QStringLiteral("lblCancel"), 0).click();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    EXPECT_TRUE(misfits.isEmpty()) << misfits.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace orebell::test
