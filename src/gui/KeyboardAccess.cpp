#include "gui/KeyboardAccess.h"

#include "app/Keyboard.h"
#include "gui/FormView.h"
#include "l10n/Translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace orebell {

namespace {

// A bright frame just outside the focused control, above everything and blind to the mouse.
class FocusRing : public QWidget {
public:
    static constexpr int Width = 2;
    static QColor colour() { return {0x40, 0xD0, 0xFF}; }
    explicit FocusRing(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("focusRing"));
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        // Cyan: nothing else on the window has it (the running jet-can frames are orange), and
        // it stands out 7.8:1 from the panels and 11:1 from the black buttons.
        p.setPen(QPen(colour(), Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(Width / 2.0, Width / 2.0, -Width / 2.0, -Width / 2.0));
    }
};

bool isTab(const QKeyEvent* key)
{
    const auto mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && mods == Qt::NoModifier;
}

} // namespace

QString toolTipWithKey(const Control& control)
{
    const QString key = keyFor(control.name(), control.index());
    if (key.isEmpty())
        return shownText(control.toolTipText());
    const QString shown =
        QKeySequence::fromString(key, QKeySequence::PortableText).toString(QKeySequence::NativeText);
    QString tip = shownText(control.toolTipText());
    while (tip.endsWith(QLatin1Char(' ')))
        tip.chop(1);
    return QStringLiteral("%1 (%2) ").arg(tip, shown);
}

KeyboardAccess::KeyboardAccess(FormView& view) : view_(view), ring_(new FocusRing(&view))
{
    for (const KeyBinding& binding : keyBindings()) {
        for (const QString& key : binding.keys) {
            auto* shortcut = new QShortcut(QKeySequence::fromString(key, QKeySequence::PortableText), &view_);
            shortcut->setContext(Qt::WindowShortcut);
            const KeyBinding* b = &binding; // the table lives for the whole program
            connect(shortcut, &QShortcut::activated, this, [this, b] {
                if (Form* form = view_.form())
                    if (Control* target = keyTarget(*form, *b)) {
                        view_.pressByKey(*target);
                        keepFocusInSight();
                    }
            });
            shortcuts_.push_back(shortcut);
        }
    }
    auto* browse = new QShortcut(QKeySequence::fromString(QString::fromLatin1(BrowseRowKey)), &view_);
    browse->setContext(Qt::WindowShortcut);
    connect(browse, &QShortcut::activated, this, [this] { browseFocusedRow(); });
    shortcuts_.push_back(browse);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
    qApp->installEventFilter(this);
    if (view_.isVisible())
        focusFirst();
}

void KeyboardAccess::browseFocusedRow()
{
    Form* form = view_.form();
    QWidget* focus = QApplication::focusWidget();
    if (!form || !focus || focus->window() != &view_)
        return;
    for (Control* control : tabOrder(*form)) {
        QWidget* w = view_.widgetFor(*control);
        if (!w || (w != focus && !w->isAncestorOf(focus)))
            continue;
        if (Control* button = browseButtonOfRow(*form, *control))
            view_.pressByKey(*button);
        return;
    }
}

void KeyboardAccess::keepFocusInSight()
{
    // A panel opened over the focused entry, or the entry's laser panel went: typing must not go
    // into a box nobody sees.
    const std::vector<QWidget*> stops = tabStops();
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* w = focus; w && w != &view_; w = w->parentWidget())
        if (std::find(stops.begin(), stops.end(), w) != stops.end())
            return;
    if (focus && focus->window() != &view_)
        return;
    if (!stops.empty())
        stops.front()->setFocus(Qt::OtherFocusReason);
    else
        placeRing();
}

void KeyboardAccess::focusFirst()
{
    // Once, when the window first shows: the focus starts where Tab starts.
    if (focusedAtStart_)
        return;
    focusedAtStart_ = true;
    const std::vector<QWidget*> stops = tabStops();
    if (!stops.empty())
        stops.front()->setFocus(Qt::OtherFocusReason);
}

KeyboardAccess::~KeyboardAccess() { qApp->removeEventFilter(this); }

std::vector<QWidget*> KeyboardAccess::tabStops() const
{
    std::vector<QWidget*> stops;
    Form* form = view_.form();
    if (!form)
        return stops;
    for (Control* control : tabOrder(*form)) {
        QWidget* w = view_.widgetFor(*control);
        if (w && w->isVisibleTo(&view_) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            std::find(stops.begin(), stops.end(), w) == stops.end())
            stops.push_back(w);
    }
    return stops;
}

QWidget* KeyboardAccess::ringTarget() const { return ring_->isVisible() ? target_.data() : nullptr; }

bool KeyboardAccess::moveFocus(QWidget* from, bool forward)
{
    const std::vector<QWidget*> stops = tabStops();
    if (stops.empty())
        return true; // nothing to visit: the key goes nowhere else either
    // The focus may sit inside a control (a combo box's edit line): find the control.
    auto at = stops.end();
    for (QWidget* w = from; w && at == stops.end() && w != &view_; w = w->parentWidget())
        at = std::find(stops.begin(), stops.end(), w);
    const int n = static_cast<int>(stops.size());
    int next = forward ? 0 : n - 1;
    if (at != stops.end()) {
        const int i = static_cast<int>(at - stops.begin());
        next = ((forward ? i + 1 : i - 1) % n + n) % n;
    }
    stops[static_cast<std::size_t>(next)]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the application passes here, the paints of each tick among them: the kinds
    // this filter never handles leave before any widget lookup.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::Show:
    case QEvent::MouseButtonRelease:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
        break;
    default:
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &view_ || !view_.form())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isTab(key))
            return moveFocus(widget, key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (auto* button = qobject_cast<QPushButton*>(widget); button && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return false;
    }
    case QEvent::Show:
        if (widget == &view_)
            focusFirst();
        if (target_ && (widget == target_ || target_->isAncestorOf(widget) || widget->isAncestorOf(target_)))
            placeRing();
        return false;
    case QEvent::MouseButtonRelease:
        // After the click's handlers have run.
        QTimer::singleShot(0, this, [this] {
            if (view_.form())
                keepFocusInSight();
        });
        return false;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
        if (target_ && widget != ring_ && (widget == target_ || widget->isAncestorOf(target_)))
            placeRing();
        return false;
    default:
        return false;
    }
}

void KeyboardAccess::focusChanged(QWidget* now)
{
    QWidget* control = nullptr;
    if (now && now->window() == &view_) {
        // Show the frame round the whole control, not an inner part of it.
        const std::vector<QWidget*> stops = tabStops();
        for (QWidget* w = now; w && w != &view_ && !control; w = w->parentWidget())
            if (std::find(stops.begin(), stops.end(), w) != stops.end())
                control = w;
        if (!control)
            control = now;
    }
    target_ = control;
    placeRing();
}

void KeyboardAccess::placeRing()
{
    if (!target_ || !target_->isVisibleTo(&view_) || target_ == &view_) {
        ring_->hide();
        return;
    }
    const int m = FocusRing::Width;
    const QRect r(target_->mapTo(&view_, QPoint(0, 0)), target_->size());
    ring_->setGeometry(r.adjusted(-m, -m, m, m));
    ring_->raise();
    ring_->show();
    ring_->update();
}

} // namespace orebell
