#include "gui/ModelBinder.h"

#include "gui/CaptionLabel.h"
#include "gui/Colors.h"
#include "gui/ControlWidgets.h"
#include "gui/KeyboardAccess.h"
#include "gui/LabelAlignment.h"
#include "gui/RichText.h"
#include "gui/Twips.h"
#include "l10n/Translation.h"
#include "platform/WindowFont.h"
#include "toolkit/Conventions.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QTableWidget>
#include <QTextBrowser>

#include <algorithm>

namespace orebell {

namespace {

QString escapeMnemonic(const QString& caption)
{
    QString out = caption;
    return out.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The grid's cell alignments: left, centre, right by thirds, each top, centre or bottom; 9 is
// general (text left, numbers right).
Qt::Alignment gridAlignment(int a, const QString& text)
{
    if (a < 0 || a > 8) // numbers as the locale writes them ("8,593.75"), grouping included
        return (!text.isEmpty() && isNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const Qt::Alignment v[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return h[a / 3] | v[a % 3];
}

void alignLabel(const Control& c, CaptionLabel* label)
{
    if (!c.visible())
        return; // aligned as it shows: a hidden caption loads no font engine
    const bool oneLine = label->height() < 2 * label->fontMetrics().height() &&
                         label->captionWidth(shownText(c.caption())) <= label->width();
    const Qt::Alignment a = labelAlignment(c.alignment(), oneLine);
    if (label->alignment() != a)
        label->setAlignment(a);
}

// A number (a right-aligned entry) too long for its box is written smaller, down to a floor, so
// that every digit shows; other entries keep their size.
QFont entryFont(const Control& c, int width)
{
    constexpr double Smallest = 6.0;
    constexpr int Margins = 7; // the box's own margins beside its text, in pixels
    QFont font = windowFont(c.fontSize(), c.fontBold());
    if (c.alignment() != 1 || c.text().isEmpty())
        return font;
    for (double points = c.fontSize(); points >= Smallest; points -= 0.5) {
        font = windowFont(points, c.fontBold());
        if (QFontMetrics(font).horizontalAdvance(c.text()) + Margins <= width)
            break;
    }
    return font;
}

// A colour part of the way from one colour to another.
QColor blend(const QColor& from, const QColor& to, double part)
{
    auto mix = [part](double a, double b) { return a + (b - a) * part; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
                            static_cast<float>(mix(from.greenF(), to.greenF())),
                            static_cast<float>(mix(from.blueF(), to.blueF())));
}

} // namespace

QString tipText(const QString& tip)
{
    // Tool tips are plain text with their blanks; never let Qt take them for markup.
    if (tip.isEmpty() || !Qt::mightBeRichText(tip))
        return tip;
    return QStringLiteral("<p style='white-space:pre'>") + tip.toHtmlEscaped() + QStringLiteral("</p>");
}

void ModelBinder::applyAll(Control& c, QWidget* w)
{
    for (Prop p : {Prop::Font, Prop::Geometry, Prop::BackColor, Prop::List, Prop::Path, Prop::Text,
                   Prop::Caption, Prop::Value, Prop::ToolTip, Prop::Enabled, Prop::Locked, Prop::BorderStyle,
                   Prop::FileName, Prop::GridCells, Prop::Selection, Prop::Visible})
        apply(c, w, p);
}

void ModelBinder::apply(Control& c, QWidget* w, Prop prop)
{
    Syncing guard(*this);
    const ControlKind kind = c.kind();
    switch (prop) {
    case Prop::Caption:
        if (auto* label = qobject_cast<CaptionLabel*>(w)) {
            label->setText(shownText(c.caption()));
            alignLabel(c, label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText(escapeMnemonic(shownText(c.caption())));
        else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            frame->setTitle(escapeMnemonic(shownText(c.caption())));
            frame->update();
        }
        break;
    case Prop::Text:
        applyText(c, w);
        break;
    case Prop::ToolTip:
        w->setToolTip(tipText(toolTipWithKey(c)));
        if (kind == ControlKind::PictureBox || kind == ControlKind::Image)
            w->update();
        break;
    case Prop::Visible:
        if (auto* label = qobject_cast<CaptionLabel*>(w))
            alignLabel(c, label);
        w->setVisible(c.visible());
        break;
    case Prop::Enabled:
        w->setEnabled(c.enabled());
        break;
    case Prop::Locked:
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setReadOnly(c.locked());
        break;
    case Prop::Value:
        if (auto* check = qobject_cast<QCheckBox*>(w)) {
            check->setTristate(c.value() == 2);
            check->setCheckState(c.value() == 0   ? Qt::Unchecked
                                 : c.value() == 1 ? Qt::Checked
                                                  : Qt::PartiallyChecked);
        } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
            option->setChecked(c.value() != 0);
        }
        break;
    case Prop::BackColor:
    case Prop::ForeColor:
    case Prop::BorderColor:
        applyColors(c, w);
        break;
    case Prop::BorderStyle:
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setFrameStyle(c.borderStyle() != 0 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // Text clear of a border the box draws itself; a box inside a drawn border uses its width.
            const int margin = c.borderStyle() != 0 ? 1 : 0;
            edit->setTextMargins(margin, 0, margin, 0);
            edit->update();
        } else if (auto* view = qobject_cast<QAbstractScrollArea*>(w))
            view->setFrameStyle(c.borderStyle() != 0 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        else
            w->update();
        break;
    case Prop::Font:
        applyFont(c, w);
        break;
    case Prop::Geometry:
        applyGeometry(c, w);
        break;
    case Prop::Selection:
        applySelection(c, w);
        break;
    case Prop::List:
        if (c.kind() == ControlKind::ComboBox)
            applyList(c, w);
        else
            applyFolder(c, w);
        break;
    case Prop::Path:
        applyFolder(c, w);
        break;
    case Prop::FileName:
        if (auto* browser = qobject_cast<QTextBrowser*>(w)) {
            loadRichTextFile(c.fileName(), *browser->document());
            browser->moveCursor(QTextCursor::Start); // the new text opens at its top
        } else {
            applyFolder(c, w);
        }
        break;
    case Prop::GridCells:
        applyGrid(c, w);
        break;
    case Prop::Focus:
        if (!w->hasFocus())
            w->setFocus(Qt::OtherFocusReason);
        break;
    case Prop::Tag:
    case Prop::Interval:
        break;
    }
}

void ModelBinder::applyText(Control& c, QWidget* w)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() == c.text())
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(c.text());
        if (edit->hasFocus())
            edit->setCursorPosition(std::min(cursor, static_cast<int>(c.text().size())));
        else if (c.alignment() != 0)
            edit->setCursorPosition(0); // a number too long for its box shows its leading digits
        if (c.alignment() == 1)
            applyFont(c, w);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int i = combo->findText(c.text(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (combo->currentIndex() != i)
            combo->setCurrentIndex(i);
        if (combo->isEditable() && combo->currentText() != c.text())
            combo->setEditText(c.text());
    } else if (c.kind() == ControlKind::DirListBox || c.kind() == ControlKind::FileListBox) {
        applyFolder(c, w);
    }
}

void ModelBinder::applyColors(Control& c, QWidget* w)
{
    QPalette pal = w->palette();
    const QColor back = toQColor(c.backColor());
    const QColor fore = toQColor(c.foreColor());
    QColor dim = fore;
    dim.setAlphaF(0.45);
    auto setBack = [&](QPalette::ColorRole role) { pal.setColor(role, back); };
    auto setFore = [&](QPalette::ColorRole role) {
        pal.setColor(QPalette::Active, role, fore);
        pal.setColor(QPalette::Inactive, role, fore);
        pal.setColor(QPalette::Disabled, role, dim);
    };
    switch (c.kind()) {
    case ControlKind::Label:
    case ControlKind::Frame:
        setBack(QPalette::Window);
        setFore(QPalette::WindowText);
        break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        setBack(QPalette::Button); // a button fills its background with the button colour
        setBack(QPalette::Window);
        setFore(QPalette::WindowText);
        setFore(QPalette::ButtonText);
        // The box or circle: a shade darker than the panel, its mark in the text colour.
        pal.setColor(QPalette::Base, blend(back, QColor(Qt::black), 0.4));
        setFore(QPalette::Text);
        break;
    case ControlKind::TextBox:
        setBack(QPalette::Base);
        setBack(QPalette::Window);
        setFore(QPalette::Text);
        setFore(QPalette::WindowText);
        break;
    case ControlKind::RichTextBox:
    case ControlKind::Grid:
    case ControlKind::DirListBox:
    case ControlKind::FileListBox: {
        setBack(QPalette::Base);
        setBack(QPalette::Window);
        setFore(QPalette::Text);
        setFore(QPalette::WindowText);
        // Scroll bars in a shade of the control's own colours, not the desktop's.
        const QColor bar = blend(back, fore, 0.3);
        pal.setColor(QPalette::Button, bar);
        pal.setColor(QPalette::Light, blend(back, fore, 0.45));
        pal.setColor(QPalette::Midlight, blend(back, fore, 0.38));
        pal.setColor(QPalette::Mid, blend(back, fore, 0.2));
        pal.setColor(QPalette::Dark, blend(back, fore, 0.1));
        pal.setColor(QPalette::Shadow, back.darker(150));
        setFore(QPalette::ButtonText);
        break;
    }
    case ControlKind::ComboBox:
        setBack(QPalette::Base);
        setBack(QPalette::Button);
        setBack(QPalette::Window);
        setFore(QPalette::Text);
        setFore(QPalette::ButtonText);
        setFore(QPalette::WindowText);
        break;
    case ControlKind::CommandButton:
        setBack(QPalette::Button);
        setFore(QPalette::ButtonText);
        break;
    case ControlKind::Shape:
    case ControlKind::PictureBox:
    case ControlKind::Image:
    case ControlKind::Timer:
        break;
    }
    w->setPalette(pal);
    w->update();
    if (c.kind() == ControlKind::Grid)
        applyGrid(c, w);
}

void ModelBinder::applyFont(Control& c, QWidget* w)
{
    const QFont font =
        qobject_cast<QLineEdit*>(w) ? entryFont(c, w->width()) : windowFont(c.fontSize(), c.fontBold());
    if (w->font() != font)
        w->setFont(font);
    const Qt::Alignment h = horizontalAlignment(c.alignment());
    if (auto* label = qobject_cast<CaptionLabel*>(w))
        alignLabel(c, label);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setAlignment(h | Qt::AlignVCenter);
    else if (c.kind() == ControlKind::CheckBox || c.kind() == ControlKind::OptionButton)
        w->setLayoutDirection(c.alignment() == 1 ? Qt::RightToLeft : Qt::LeftToRight);
}

void ModelBinder::applyGeometry(Control& c, QWidget* w)
{
    const QRect r = twipsRect(c.left(), c.top(), c.width(), c.height());
    auto* label = qobject_cast<CaptionLabel*>(w);
    if (w->geometry() != r) {
        if (label)
            label->setFixedGeometry(r);
        else
            w->setGeometry(r);
    }
    if (label)
        alignLabel(c, label);
    else if (qobject_cast<QLineEdit*>(w))
        applyFont(c, w); // the width a number may take changed
}

void ModelBinder::applySelection(Control& c, QWidget* w)
{
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (!edit)
        return;
    const int start = std::min(c.selStart(), static_cast<int>(edit->text().size()));
    if (c.selLength() > 0)
        edit->setSelection(start, c.selLength());
    else
        edit->setCursorPosition(start);
}

void ModelBinder::applyList(Control& c, QWidget* w)
{
    auto* combo = qobject_cast<QComboBox*>(w);
    if (!combo)
        return;
    const QStringList& items = c.items();
    const int shown = combo->count();
    bool prefix = shown <= items.size();
    for (int i = 0; prefix && i < shown; ++i)
        prefix = combo->itemText(i) == items.at(i);
    if (!prefix) {
        combo->clear();
        combo->addItems(items);
    } else if (shown < items.size()) {
        combo->addItems(items.mid(shown));
    }
    applyText(c, w);
}

namespace {

// Brings a list's rows from `offset` on in step with the model's items: appending when the model
// only grew (a folder being listed one name at a time), rebuilding otherwise.
void syncRows(QListWidget* list, const QStringList& items, int offset, const QIcon& icon)
{
    const int shown = list->count() - offset;
    bool prefix = shown >= 0 && shown <= items.size();
    for (int i = 0; prefix && i < shown; ++i)
        prefix = list->item(offset + i)->text() == items.at(i);
    if (!prefix) {
        while (list->count() > offset)
            delete list->takeItem(list->count() - 1);
    }
    for (int i = list->count() - offset; i < items.size(); ++i)
        new QListWidgetItem(icon, items.at(i), list);
}

} // namespace

void ModelBinder::applyFolder(Control& c, QWidget* w)
{
    auto* list = qobject_cast<QListWidget*>(w);
    if (!list)
        return;
    if (c.kind() == ControlKind::DirListBox) {
        // The folder shown, then the way up, then the model's subfolders (which open on a double click).
        const QString folder = !c.path().isEmpty() ? c.path() : c.text();
        const QDir dir(QDir::fromNativeSeparators(folder.isEmpty() ? QDir::currentPath() : folder));
        QDir up = dir;
        const bool hasParent = up.cdUp();
        const int offset = hasParent ? 2 : 1;
        if (list->count() < offset ||
            list->item(0)->data(Qt::UserRole + 1).toString() != dir.absolutePath() ||
            (list->count() >= 2 && (list->item(1)->text() == QLatin1String("..")) != hasParent)) {
            list->clear();
            auto* here = new QListWidgetItem(list->style()->standardIcon(QStyle::SP_DirOpenIcon),
                                             QDir::toNativeSeparators(dir.absolutePath()), list);
            here->setData(Qt::UserRole + 1, dir.absolutePath());
            QFont bold = list->font();
            bold.setBold(true);
            here->setFont(bold);
            if (hasParent) {
                auto* parent = new QListWidgetItem(list->style()->standardIcon(QStyle::SP_FileDialogToParent),
                                                   QStringLiteral(".."), list);
                parent->setData(Qt::UserRole, QDir::toNativeSeparators(up.absolutePath()));
            }
        }
        syncRows(list, c.items(), offset, list->style()->standardIcon(QStyle::SP_DirIcon));
        for (int i = offset; i < list->count(); ++i)
            list->item(i)->setData(Qt::UserRole,
                                   QDir::toNativeSeparators(dir.absoluteFilePath(list->item(i)->text())));
        return;
    }
    syncRows(list, c.items(), 0, QIcon());
    const QString name = !c.text().isEmpty() ? c.text() : c.fileName();
    const auto found = name.isEmpty() ? QList<QListWidgetItem*>() : list->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) {
        list->setCurrentItem(found.front());
    } else {
        list->setCurrentItem(nullptr);
        list->clearSelection();
    }
}

void ModelBinder::applyGrid(Control& c, QWidget* w)
{
    auto* table = qobject_cast<QTableWidget*>(w);
    if (!table)
        return;
    const Grid& g = c.grid();
    if (table->rowCount() != g.rows())
        table->setRowCount(g.rows());
    if (table->columnCount() != g.cols())
        table->setColumnCount(g.cols());
    // The fixed header row: the cells' text colour on a shade between background and text.
    const QColor fore = toQColor(c.foreColor());
    const QColor fixedBack = blend(toQColor(c.backColor()), fore, 0.25);
    for (int col = 0; col < g.cols(); ++col) {
        const int width = g.colWidth(col);
        if (width > 0 && table->columnWidth(col) != twipsToPixels(width))
            table->setColumnWidth(col, twipsToPixels(width));
        for (int row = 0; row < g.rows(); ++row) {
            const bool fixed = row < g.fixedRows();
            // A heading is words the player reads; the rows below are ore names and figures.
            const QString text = fixed ? shownText(g.textMatrix(row, col)) : g.textMatrix(row, col);
            QTableWidgetItem* item = table->item(row, col);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled | (fixed ? Qt::NoItemFlags : Qt::ItemIsSelectable));
                table->setItem(row, col, item);
            }
            if (fixed && item->background().color() != fixedBack) {
                item->setBackground(fixedBack);
                item->setForeground(fore);
            }
            if (item->text() != text)
                item->setText(text);
            const Qt::Alignment align =
                gridAlignment(fixed ? g.colAlignmentFixed(col) : g.colAlignment(col), text);
            if (item->textAlignment() != static_cast<int>(align))
                item->setTextAlignment(align);
        }
    }
}

} // namespace orebell
