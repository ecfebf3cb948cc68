#include "gui/FormView.h"

#include "gui/Colors.h"
#include "gui/ControlWidgets.h"
#include "gui/RichText.h"
#include "gui/TimerDriver.h"
#include "platform/WindowFont.h"
#include "toolkit/Conventions.h"
#include "toolkit/Platform.h"
#include "toolkit/RuntimeError.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

#include <cmath>

namespace orebell {

namespace {

constexpr double TwipsPerPixel = 15.0;

bool isLightweight(ControlKind k)
{
    // Drawn on their container's surface, beneath every control that is a window of its own.
    return k == ControlKind::Label || k == ControlKind::Image || k == ControlKind::Shape;
}

// Kinds whose mouse events are all theirs: nothing of Qt's own handling is needed.
bool consumesMouse(ControlKind k)
{
    return k == ControlKind::Label || k == ControlKind::Image || k == ControlKind::PictureBox ||
           k == ControlKind::Frame || k == ControlKind::Shape;
}

// Kinds that click when the left button is released over them (buttons, lists and combo boxes
// report their own clicks).
bool clicksOnRelease(ControlKind k)
{
    return consumesMouse(k) || k == ControlKind::TextBox || k == ControlKind::Grid ||
           k == ControlKind::RichTextBox;
}

int shiftState(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

int buttonState(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? LeftButton : 0) | (b & Qt::RightButton ? RightButton : 0) |
           (b & Qt::MiddleButton ? MiddleButton : 0);
}

QString escapeMnemonic(const QString& caption)
{
    QString out = caption;
    return out.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

Qt::Alignment horizontal(int alignment)
{
    switch (alignment) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
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

QRect twipsRect(int left, int top, int width, int height)
{
    // Both edges are rounded, so that controls that touch in twips touch on the screen.
    const int x0 = FormView::toPixels(left), y0 = FormView::toPixels(top);
    const int x1 = FormView::toPixels(static_cast<double>(left) + width);
    const int y1 = FormView::toPixels(static_cast<double>(top) + height);
    return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

// A label one line high centres its line, so that a caption sits in the middle of a label drawn as
// a button or beside an entry box; a taller label reads from its top.
void alignLabel(const Control& c, QLabel* label)
{
    // A caption too long for one line wraps and reads from the top, its first line whole.
    const bool oneLine = label->height() < 2 * label->fontMetrics().height() &&
                         label->fontMetrics().horizontalAdvance(c.caption()) <= label->width();
    const Qt::Alignment a = horizontal(c.alignment()) | (oneLine ? Qt::AlignVCenter : Qt::AlignTop);
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

QString tipText(const QString& tip)
{
    // Tool tips are plain text with their blanks; never let Qt take them for markup.
    if (tip.isEmpty() || !Qt::mightBeRichText(tip))
        return tip;
    return QStringLiteral("<p style='white-space:pre'>") + tip.toHtmlEscaped() + QStringLiteral("</p>");
}

// A colour part of the way from one colour to another.
QColor blend(const QColor& from, const QColor& to, double part)
{
    auto mix = [part](double a, double b) { return a + (b - a) * part; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
                            static_cast<float>(mix(from.greenF(), to.greenF())),
                            static_cast<float>(mix(from.blueF(), to.blueF())));
}

struct SyncGuard {
    explicit SyncGuard(int& n) : n_(n) { ++n_; }
    ~SyncGuard() { --n_; }
    int& n_;
};

} // namespace

int FormView::toPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

FormView::FormView(Form& form, MessageBoxService* messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), form_(&form), messages_(messages)
{
    setObjectName(form.name());
    setWindowTitle(form.caption());
    setFont(windowFont());
    setAutoFillBackground(true);
    setMouseTracking(true);
    installEventFilter(this);

    for (const auto& c : form.controls())
        if (c->kind() == ControlKind::Frame && c->index() < 0)
            frameWidget(c->name(), 0);
    // The controls of panels that are hidden now wait until their panel first shows: most of the
    // window is panels, and the program starts on the timers.
    for (const auto& c : form.controls()) {
        if (widgets_.contains(c.get()) || c->kind() == ControlKind::Timer)
            continue;
        if (!c->container().isEmpty() && !shownChain(c->container())) {
            pending_[c->container()].push_back(c.get());
            continue;
        }
        if (QWidget* w = create(*c, containerFor(*c))) {
            widgets_.insert(c.get(), w);
            watch(w, c.get());
        }
    }
    restack();
    for (const auto& c : form.controls())
        if (QWidget* w = widgets_.value(c.get()))
            applyAll(*c, w);

    auto alive = alive_;
    controlSubscription_ = form.subscribe([this, alive](Control& c, Prop prop) {
        if (*alive)
            controlChanged(c, prop);
    });
    formSubscription_ = form.subscribeForm([this, alive](Form&) {
        if (*alive)
            formChanged();
    });
    timers_ = new TimerDriver(form, nullptr, this);
    timers_->scheduler().setFailureSink([this](const std::exception& e) { report(e); });
    applyWindow();
}

FormView::~FormView()
{
    dying_ = true;
    *alive_ = false;
    if (form_) {
        form_->unsubscribe(controlSubscription_);
        form_->unsubscribe(formSubscription_);
    }
    // Children go while this view is whole: their last signals must not reach a half-destroyed view.
    delete timers_;
    timers_ = nullptr;
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        if (!child->isWindow())
            delete child;
}

void FormView::release()
{
    if (!form_)
        return;
    *alive_ = false; // the form's observers of this view fall silent; the form may already be gone
    if (timers_)
        timers_->detach();
    form_ = nullptr;
    refocus_ = nullptr;
    closing_ = true;
}

QWidget* FormView::widgetFor(const QString& name, int index)
{
    if (!form_ || !form_->has(name, index))
        return nullptr;
    return widgetFor(form_->control(name, index));
}

QWidget* FormView::widgetFor(const Control& control)
{
    if (QWidget* w = widgets_.value(&control))
        return w;
    if (form_ && pending_.contains(control.container()))
        populate(control.container());
    return widgets_.value(&control);
}

bool FormView::shownChain(const QString& frame) const
{
    QString name = frame;
    for (int depth = 0; !name.isEmpty() && depth < 32; ++depth) {
        if (!form_->has(name))
            return true; // not a frame of this form: the control sits on the window
        const Control& f = form_->control(name);
        if (!f.visible())
            return false;
        name = f.container();
    }
    return true;
}

void FormView::populate(const QString& frame)
{
    const auto waiting = pending_.take(frame);
    if (waiting.empty())
        return;
    QWidget* parent = frameWidget(frame, 0);
    std::vector<std::pair<Control*, QWidget*>> made;
    for (Control* c : waiting) {
        if (QWidget* w = create(*c, parent)) {
            widgets_.insert(c, w);
            watch(w, c);
            made.emplace_back(c, w);
        }
    }
    restack();
    for (auto& [c, w] : made)
        applyAll(*c, w);
    // Panels inside this one that show now.
    for (auto& [c, w] : made)
        if (c->kind() == ControlKind::Frame && pending_.contains(c->name()) && c->visible())
            populate(c->name());
}

QWidget* FormView::frameWidget(const QString& name, int depth)
{
    if (QWidget* w = frames_.value(name))
        return w;
    if (name.isEmpty() || depth > 32 || !form_->has(name) ||
        form_->control(name).kind() != ControlKind::Frame)
        return this;
    Control& frame = form_->control(name);
    QWidget* parent = frame.container().isEmpty() ? this : frameWidget(frame.container(), depth + 1);
    auto* w = new FrameWidget(frame, parent);
    frames_.insert(name, w);
    widgets_.insert(&frame, w);
    watch(w, &frame);
    return w;
}

QWidget* FormView::containerFor(const Control& c)
{
    return c.container().isEmpty() ? this : frameWidget(c.container(), 0);
}

QWidget* FormView::create(Control& c, QWidget* parent)
{
    Control* cp = &c;
    switch (c.kind()) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAutoFillBackground(true);
        return label;
    }
    case ControlKind::TextBox: {
        auto* edit = new ModelLineEdit(c, parent);
        connect(edit, &QLineEdit::textEdited, this, [this, cp, edit](const QString& text) {
            if (syncing_)
                return;
            deliver([&] { cp->userSetText(text); });
            if (form_)
                pushSelection(*cp, edit);
        });
        auto selection = [this, cp, edit] {
            if (!syncing_ && form_)
                pushSelection(*cp, edit);
        };
        connect(edit, &QLineEdit::cursorPositionChanged, this, selection);
        connect(edit, &QLineEdit::selectionChanged, this, selection);
        return edit;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        QAbstractButton* button = nullptr;
        if (c.kind() == ControlKind::CheckBox) {
            button = new ModelCheckBox(parent);
        } else {
            button = new ModelRadioButton(parent);
            button->setAutoExclusive(false); // the model keeps one option per container selected
        }
        button->setAutoFillBackground(true);
        connect(button, &QAbstractButton::clicked, this, [this, cp] {
            if (!syncing_)
                deliver([&] { cp->click(); });
        });
        return button;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, cp] { deliver([&] { cp->click(); }); });
        return button;
    }
    case ControlKind::ComboBox: {
        auto* combo = new ModelComboBox(parent);
        combo->setEditable(c.style() != 2);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(24);
        connect(combo, &QComboBox::activated, this, [this, cp, combo](int i) { comboChosen(*cp, combo, i); });
        if (QLineEdit* edit = combo->lineEdit()) {
            edit->setCompleter(nullptr);
            connect(edit, &QLineEdit::textEdited, this, [this, cp](const QString& text) {
                if (!syncing_)
                    deliver([&] { cp->userSetText(text); });
            });
        }
        return combo;
    }
    case ControlKind::Frame:
        return new FrameWidget(c, parent);
    case ControlKind::Shape:
        return new ShapeWidget(c, parent);
    case ControlKind::PictureBox:
    case ControlKind::Image:
        return new PictureWidget(c, parent);
    case ControlKind::RichTextBox: {
        auto* browser = new QTextBrowser(parent);
        browser->setOpenExternalLinks(true);
        return browser;
    }
    case ControlKind::Grid: {
        auto* table = new QTableWidget(parent);
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setWordWrap(false);
        table->verticalHeader()->setMinimumSectionSize(1);
        table->verticalHeader()->setDefaultSectionSize(QFontMetrics(windowFont()).height() + 3);
        return table;
    }
    case ControlKind::DirListBox:
    case ControlKind::FileListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        list->setIconSize(QSize(16, 16));
        if (c.kind() == ControlKind::DirListBox) {
            auto go = [this, cp](QListWidgetItem* item) {
                const QString target = item ? item->data(Qt::UserRole).toString() : QString();
                if (!target.isEmpty() && !syncing_)
                    deliver([&] { cp->setPath(target); });
            };
            connect(list, &QListWidget::itemDoubleClicked, this, go);
            connect(list, &QListWidget::itemActivated, this, [list, go](QListWidgetItem* item) {
                if (!list->underMouse()) // Enter on the keyboard; the mouse opens on double click
                    go(item);
            });
        } else {
            auto choose = [this, cp](QListWidgetItem* item, bool twice) {
                if (syncing_ || !item)
                    return;
                const QString name = item->text();
                deliver([&] {
                    cp->setFileName(name);
                    cp->userSetText(name);
                    if (twice)
                        cp->raiseDblClick();
                    else
                        cp->click();
                });
            };
            connect(list, &QListWidget::currentItemChanged, this,
                    [choose](QListWidgetItem* item) { choose(item, false); });
            connect(list, &QListWidget::itemDoubleClicked, this,
                    [choose](QListWidgetItem* item) { choose(item, true); });
        }
        return list;
    }
    case ControlKind::Timer:
        return nullptr;
    }
    return nullptr;
}

void FormView::watch(QWidget* w, Control* c)
{
    w->setAttribute(Qt::WA_NoMousePropagation); // a control's mouse events are never its container's
    QList<QWidget*> parts{w};
    parts += w->findChildren<QWidget*>();
    for (QWidget* part : parts) {
        if (part != w && owners_.contains(part))
            continue; // a control inside a frame is watched on its own
        owners_.insert(part, c);
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }
}

void FormView::restack()
{
    // Borders above the labels they surround, every windowed control above both, and panels
    // (frames) above everything else on their container: a panel covers what lies beneath it.
    const auto& controls = form_->controls();
    auto layer = [](ControlKind k) {
        if (k == ControlKind::Frame)
            return 3;
        if (k == ControlKind::Shape)
            return 1;
        return isLightweight(k) ? 0 : 2;
    };
    for (int pass = 0; pass < 4; ++pass)
        for (const auto& c : controls)
            if (QWidget* w = widgets_.value(c.get()); w && layer(c->kind()) == pass)
                w->raise();
    // An image lies over everything on its container, and a label that lies within it is a caption
    // written on the picture: above it, with the picture showing through.
    for (const auto& image : controls) {
        QWidget* picture = widgets_.value(image.get());
        if (!picture || image->kind() != ControlKind::Image)
            continue;
        picture->raise();
        const QRect area(image->left(), image->top(), image->width(), image->height());
        for (const auto& c : controls) {
            QWidget* w = widgets_.value(c.get());
            if (w && c->kind() == ControlKind::Label && c->container() == image->container() &&
                area.contains(QRect(c->left(), c->top(), c->width(), c->height()))) {
                w->setAutoFillBackground(false);
                w->raise();
            }
        }
    }
}

// ---- model to widgets -------------------------------------------------------------------------

void FormView::controlChanged(Control& c, Prop prop)
{
    if (prop == Prop::Selection && syncing_)
        return; // the widget itself told the model
    if (QWidget* w = widgets_.value(&c))
        apply(c, w, prop);
    if (prop == Prop::Visible && c.kind() == ControlKind::Frame && c.visible() &&
        pending_.contains(c.name()) && shownChain(c.name()))
        populate(c.name());
}

void FormView::formChanged() { applyWindow(); }

void FormView::applyAll(Control& c, QWidget* w)
{
    for (Prop p : {Prop::Font, Prop::Geometry, Prop::BackColor, Prop::List, Prop::Path, Prop::Text,
                   Prop::Caption, Prop::Value, Prop::ToolTip, Prop::Enabled, Prop::Locked, Prop::BorderStyle,
                   Prop::FileName, Prop::GridCells, Prop::Selection, Prop::Visible})
        apply(c, w, p);
}

void FormView::apply(Control& c, QWidget* w, Prop prop)
{
    SyncGuard guard(syncing_);
    const ControlKind kind = c.kind();
    switch (prop) {
    case Prop::Caption:
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(c.caption());
            alignLabel(c, label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText(escapeMnemonic(c.caption()));
        else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            frame->setTitle(escapeMnemonic(c.caption()));
            frame->update();
        }
        break;
    case Prop::Text:
        applyText(c, w);
        break;
    case Prop::ToolTip:
        w->setToolTip(tipText(c.toolTipText()));
        if (kind == ControlKind::PictureBox || kind == ControlKind::Image)
            w->update();
        break;
    case Prop::Visible:
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

void FormView::applyText(Control& c, QWidget* w)
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

void FormView::applyColors(Control& c, QWidget* w)
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

void FormView::applyFont(Control& c, QWidget* w)
{
    const QFont font =
        qobject_cast<QLineEdit*>(w) ? entryFont(c, w->width()) : windowFont(c.fontSize(), c.fontBold());
    if (w->font() != font)
        w->setFont(font);
    const Qt::Alignment h = horizontal(c.alignment());
    if (auto* label = qobject_cast<QLabel*>(w))
        alignLabel(c, label);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setAlignment(h | Qt::AlignVCenter);
    else if (c.kind() == ControlKind::CheckBox || c.kind() == ControlKind::OptionButton)
        w->setLayoutDirection(c.alignment() == 1 ? Qt::RightToLeft : Qt::LeftToRight);
}

void FormView::applyGeometry(Control& c, QWidget* w)
{
    const QRect r = twipsRect(c.left(), c.top(), c.width(), c.height());
    if (w->geometry() != r)
        w->setGeometry(r);
    if (auto* label = qobject_cast<QLabel*>(w))
        alignLabel(c, label);
    else if (qobject_cast<QLineEdit*>(w))
        applyFont(c, w); // the width a number may take changed
}

void FormView::applySelection(Control& c, QWidget* w)
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

void FormView::applyList(Control& c, QWidget* w)
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

void FormView::applyFolder(Control& c, QWidget* w)
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
            auto* here = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                             QDir::toNativeSeparators(dir.absolutePath()), list);
            here->setData(Qt::UserRole + 1, dir.absolutePath());
            QFont bold = list->font();
            bold.setBold(true);
            here->setFont(bold);
            if (hasParent) {
                auto* parent = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent),
                                                   QStringLiteral(".."), list);
                parent->setData(Qt::UserRole, QDir::toNativeSeparators(up.absolutePath()));
            }
        }
        syncRows(list, c.items(), offset, style()->standardIcon(QStyle::SP_DirIcon));
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

void FormView::applyGrid(Control& c, QWidget* w)
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
        if (width > 0 && table->columnWidth(col) != toPixels(width))
            table->setColumnWidth(col, toPixels(width));
        for (int row = 0; row < g.rows(); ++row) {
            const QString text = g.textMatrix(row, col);
            const bool fixed = row < g.fixedRows();
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

void FormView::applyWindow()
{
    if (!form_)
        return;
    if (form_->unloaded()) {
        release();
        if (!insideClose_)
            close();
        return;
    }
    setWindowTitle(form_->caption());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(form_->backColor()));
    setPalette(pal);

    bool showAgain = false;
    const bool top = form_->onTop();
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != top) {
        setWindowFlag(Qt::WindowStaysOnTopHint, top); // hides a shown window
        showAgain = true;
    }
    const Qt::WindowModality modality = form_->modal() ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        if (isVisible())
            hide();
        setWindowModality(modality);
        showAgain = true;
    }
    const QRect r = twipsRect(form_->left(), form_->top(), form_->width(), form_->height());
    if (pos() != r.topLeft())
        move(r.topLeft());
    if (size() != r.size())
        resize(r.size());
    if (form_->visible()) {
        if (!isVisible() || showAgain)
            show();
    } else if (isVisible()) {
        hide();
    }
}

// ---- gestures to the model --------------------------------------------------------------------

template <class F> void FormView::deliver(F&& f)
{
    if (!form_)
        return;
    HandlerGate gate;
    try {
        f();
    } catch (const std::exception& e) {
        report(e);
    }
}

void FormView::report(const std::exception& e)
{
    const QString text = errorReportText(asRuntimeError(e), ErrorTrap{});
    if (messages_)
        messages_->show(text);
    else
        qWarning("%s", qPrintable(text));
}

bool FormView::eventFilter(QObject* watched, QEvent* event)
{
    if (dying_ || !form_)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        Control* c = owners_.value(watched);
        if (watched != this && !c)
            return false;
        return mouseEvent(static_cast<QWidget*>(watched), c, event);
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // While a cancelled Validate takes the focus back, no other box takes input.
        return refocus_ && watched != refocus_ && owners_.contains(watched);
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        Control* c = owners_.value(watched);
        if (!c || widgets_.value(c) != watched)
            return false;
        auto* fe = static_cast<QFocusEvent*>(event);
        if (event->type() == QEvent::FocusIn)
            focusIn(*c, fe);
        else
            focusOut(static_cast<QWidget*>(watched), *c, fe);
        return false;
    }
    default:
        return false;
    }
}

bool FormView::mouseEvent(QWidget* w, Control* c, QEvent* event)
{
    auto* me = static_cast<QMouseEvent*>(event);
    QWidget* top = c ? widgets_.value(c) : this;
    const bool consume = !c || consumesMouse(c->kind());
    if (!top || (c && !top->isEnabled()))
        return false;
    if (refocus_ && event->type() != QEvent::MouseMove)
        return true; // the focus is being taken back: this press belongs to nobody
    // A control's inner parts (a grid's viewport, a combo's edit box) pass an event on to the
    // control itself: deliver it once.
    const LastMouse key{c, event->type(), me->timestamp(), me->globalPosition()};
    if (key.control == lastMouse_.control && key.type == lastMouse_.type &&
        key.timestamp == lastMouse_.timestamp && key.global == lastMouse_.global)
        return consume;
    lastMouse_ = key;

    const QPointF pos = w == top ? me->position() : w->mapTo(top, me->position());
    const double x = pos.x() * TwipsPerPixel, y = pos.y() * TwipsPerPixel;
    const int shift = shiftState(me->modifiers());
    switch (event->type()) {
    case QEvent::MouseMove: {
        const int buttons = buttonState(me->buttons());
        deliver([&] { c ? c->mouseMove(buttons, shift, x, y) : form_->mouseMove(buttons, shift, x, y); });
        break;
    }
    case QEvent::MouseButtonPress: {
        const int button = buttonState(me->button());
        deliver([&] { c ? c->mouseDown(button, shift, x, y) : form_->mouseDown(button, shift, x, y); });
        break;
    }
    case QEvent::MouseButtonRelease:
        if (c && c == doubleClicked_) {
            doubleClicked_ = nullptr; // the release that ends a double click is no click
        } else if (c && clicksOnRelease(c->kind()) && me->button() == Qt::LeftButton &&
                   top->rect().contains(pos.toPoint())) {
            deliver([&] { c->click(); });
        }
        break;
    case QEvent::MouseButtonDblClick:
        // The first press of the pair already clicked; the second is the double click alone.
        if (c && clicksOnRelease(c->kind()) && me->button() == Qt::LeftButton) {
            doubleClicked_ = c;
            deliver([&] { c->raiseDblClick(); });
        }
        break;
    default:
        break;
    }
    return consume;
}

void FormView::focusIn(Control& c, QFocusEvent* event)
{
    if (refocus_) {
        if (widgets_.value(&c) == refocus_)
            refocus_ = nullptr; // back where the cancelled Validate kept it: no new GotFocus
        return;
    }
    // Coming back from another window, or from a drop-down list, to the control the model knows
    // has the focus is not a new focus.
    if (form_->focused() == &c)
        return;
    if (event->reason() == Qt::PopupFocusReason)
        return;
    deliver([&] { c.gotFocus(); });
}

void FormView::focusOut(QWidget* w, Control& c, QFocusEvent* event)
{
    if (refocus_)
        return;
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    bool mayLeave = true;
    deliver([&] { mayLeave = c.validate(); });
    if (mayLeave || !form_)
        return;
    // Qt has already moved the focus: take it back as soon as the move is complete.
    refocus_ = w;
    QTimer::singleShot(0, this, [this] {
        if (QWidget* back = refocus_) {
            back->setFocus(Qt::OtherFocusReason);
            refocus_ = nullptr;
        }
    });
}

void FormView::pushSelection(Control& c, QWidget* w)
{
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (!edit || !form_)
        return;
    SyncGuard guard(syncing_);
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    c.setSelStart(start);
    c.setSelLength(static_cast<int>(edit->selectedText().size()));
}

void FormView::comboChosen(Control& c, QWidget* w, int index)
{
    auto* combo = qobject_cast<QComboBox*>(w);
    if (!combo || syncing_ || index < 0)
        return;
    const QString text = combo->itemText(index);
    // Choosing clicks even when the choice is the current one.
    deliver([&] {
        if (c.text() != text)
            c.userSetText(text);
        else
            c.click();
    });
    if (form_) {
        SyncGuard guard(syncing_);
        applyText(c, w); // show what the model made of the choice
    }
}

void FormView::closeEvent(QCloseEvent* event)
{
    if (closing_ || !form_) {
        event->accept();
        return;
    }
    // The program decides: it may unload the window, or keep it.
    event->ignore();
    insideClose_ = true;
    deliver([&] { form_->requestClose(); });
    insideClose_ = false;
    if (closing_)
        event->accept();
}

} // namespace orebell
