#include "gui/GestureRouter.h"

#include "gui/ControlWidgets.h"
#include "gui/KeyboardAccess.h"
#include "gui/ModelBinder.h"
#include "gui/Surface.h"
#include "gui/TimerDriver.h"
#include "gui/Twips.h"
#include "gui/WidgetBuilder.h"
#include "gui/WindowDrag.h"
#include "toolkit/Conventions.h"
#include "toolkit/Platform.h"
#include "toolkit/RuntimeError.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

namespace orebell {

namespace {

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

} // namespace

GestureRouter::GestureRouter(Form& form, QWidget& window, WidgetBuilder& widgets, ModelBinder& binder,
                             MessageBoxService* messages)
    : QObject(&window), form_(&form), window_(window), widgets_(widgets), binder_(binder),
      messages_(messages),
      drag_(new WindowDrag(window, form, [this](const std::function<void()>& f) { deliver(f); }))
{}

void GestureRouter::release()
{
    form_ = nullptr;
    drag_->detach();
    refocus_ = nullptr;
}

void GestureRouter::pressByKey(Control& c)
{
    deliver([&] { c.click(); });
}

template <class F> void GestureRouter::deliver(F&& f)
{
    if (!form_)
        return;
    // A tick already due comes first: a stop or a Refine acts on the ore it brought.
    if (!HandlerGate::busy())
        form_->runDueTicks();
    if (!form_)
        return;
    HandlerGate gate;
    try {
        f();
    } catch (const std::exception& e) {
        report(e);
    }
}

void GestureRouter::wire(Control& c, QWidget* w)
{
    Control* cp = &c;
    switch (c.kind()) {
    case ControlKind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(w);
        connect(edit, &QLineEdit::textEdited, this, [this, cp, edit](const QString& text) {
            if (binder_.syncing())
                return;
            deliver([&] { cp->userSetText(text); });
            if (form_)
                pushSelection(*cp, edit);
        });
        auto selection = [this, cp, edit] {
            if (!binder_.syncing() && form_)
                pushSelection(*cp, edit);
        };
        connect(edit, &QLineEdit::cursorPositionChanged, this, selection);
        connect(edit, &QLineEdit::selectionChanged, this, selection);
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this, cp] {
            if (!binder_.syncing())
                deliver([&] { cp->click(); });
        });
        break;
    case ControlKind::CommandButton:
        connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                [this, cp] { deliver([&] { cp->click(); }); });
        break;
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        connect(combo, &QComboBox::activated, this, [this, cp, combo](int i) { comboChosen(*cp, combo, i); });
        if (QLineEdit* edit = combo->lineEdit()) {
            connect(edit, &QLineEdit::textEdited, this, [this, cp](const QString& text) {
                if (!binder_.syncing())
                    deliver([&] { cp->userSetText(text); });
            });
        }
        break;
    }
    case ControlKind::DirListBox: {
        auto* list = static_cast<QListWidget*>(w);
        auto go = [this, cp](QListWidgetItem* item) {
            const QString target = item ? item->data(Qt::UserRole).toString() : QString();
            if (!target.isEmpty() && !binder_.syncing())
                deliver([&] { cp->setPath(target); });
        };
        connect(list, &QListWidget::itemDoubleClicked, this, go);
        connect(list, &QListWidget::itemActivated, this, [list, go](QListWidgetItem* item) {
            if (!list->underMouse()) // Enter on the keyboard; the mouse opens on double click
                go(item);
        });
        break;
    }
    case ControlKind::FileListBox: {
        auto* list = static_cast<QListWidget*>(w);
        auto choose = [this, cp](QListWidgetItem* item, bool twice) {
            if (binder_.syncing() || !item)
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
        break;
    }
    default:
        break;
    }
}

void GestureRouter::requestClose()
{
    deliver([&] { form_->requestClose(); });
}

void GestureRouter::report(const std::exception& e)
{
    const QString text = errorReportText(asRuntimeError(e), ErrorTrap{});
    if (messages_)
        messages_->show(text);
    else
        qWarning("%s", qPrintable(text));
}

bool GestureRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (dying_ || !form_)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        Control* c = widgets_.owner(watched);
        if (watched != &window_ && !c)
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (Surface* s = widgets_.surfaceOf(w)) {
            auto* me = static_cast<QMouseEvent*>(event);
            Control* item = paintedTarget(*s, me);
            if (event->type() == QEvent::MouseButtonRelease)
                grab_ = {};
            if (item)
                return itemMouseEvent(*s, *item, me);
        }
        return mouseEvent(w, c, event);
    }
    case QEvent::ToolTip:
        if (watched == &window_ || widgets_.owns(watched))
            return toolTip(static_cast<QWidget*>(watched), static_cast<QHelpEvent*>(event));
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // While a cancelled Validate takes the focus back, no other box takes input.
        return refocus_ && watched != refocus_ && widgets_.owns(watched);
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        Control* c = widgets_.owner(watched);
        if (!c || widgets_.widget(c) != watched)
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

bool GestureRouter::mouseEvent(QWidget* w, Control* c, QEvent* event)
{
    auto* me = static_cast<QMouseEvent*>(event);
    QWidget* top = c ? widgets_.widget(c) : &window_;
    const bool consume = !c || consumesMouse(c->kind());
    if (!top || (c && !top->isEnabled()))
        return false;
    const QPointF pos = w == top ? me->position() : w->mapTo(top, me->position());
    return deliverMouse(c, pos, top->rect(), consume, me);
}

Control* GestureRouter::paintedTarget(Surface& s, const QMouseEvent* me)
{
    const bool held = me->type() == QEvent::MouseButtonRelease ||
                      (me->type() == QEvent::MouseMove && me->buttons() != Qt::NoButton);
    if (held && grab_.surface == &s)
        return grab_.item;
    Control* item = s.itemAt(me->position().toPoint());
    if (me->type() == QEvent::MouseButtonPress || me->type() == QEvent::MouseButtonDblClick)
        grab_ = {&s, item};
    return item;
}

bool GestureRouter::itemMouseEvent(const Surface& s, Control& item, QMouseEvent* me)
{
    const Surface::Item* shown = s.find(&item);
    if (!shown || !item.enabled() || !s.host().isEnabled())
        return true; // a disabled label takes no gesture, and passes none on
    const QRect& r = shown->rect;
    return deliverMouse(&item, me->position() - QPointF(r.topLeft()), QRect(QPoint(), r.size()), true, me);
}

bool GestureRouter::toolTip(QWidget* container, QHelpEvent* event)
{
    Surface* s = widgets_.surfaceOf(container);
    Control* item = s ? s->itemAt(event->pos()) : nullptr;
    if (!item)
        return false;
    const QString tip = tipText(toolTipWithKey(*item));
    if (tip.isEmpty())
        return false; // the container's own tip shows, as it did beside a label without one
    QToolTip::showText(event->globalPos(), tip, container, s->find(item)->rect);
    return true;
}

bool GestureRouter::deliverMouse(Control* c, const QPointF& pos, const QRect& area, bool consume,
                                 QMouseEvent* me)
{
    QEvent* event = me;
    if (refocus_ && event->type() != QEvent::MouseMove)
        return true; // the focus is being taken back: this press belongs to nobody
    // A control's inner parts (a grid's viewport, a combo's edit box) pass an event on to the
    // control itself: deliver it once.
    const LastMouse key{c, event->type(), me->timestamp(), me->globalPosition()};
    if (key.control == lastMouse_.control && key.type == lastMouse_.type &&
        key.timestamp == lastMouse_.timestamp && key.global == lastMouse_.global)
        return consume;
    lastMouse_ = key;

    const double x = pos.x() * TwipsPerPixel, y = pos.y() * TwipsPerPixel;
    const int shift = shiftState(me->modifiers());
    switch (event->type()) {
    case QEvent::MouseMove: {
        const int buttons = buttonState(me->buttons());
        if (drag_->systemMoving() && buttons == LeftButton)
            break; // the window system is moving the window
        deliver([&] { c ? c->mouseMove(buttons, shift, x, y) : form_->mouseMove(buttons, shift, x, y); });
        break;
    }
    case QEvent::MouseButtonPress: {
        const int button = buttonState(me->button());
        deliver([&] { c ? c->mouseDown(button, shift, x, y) : form_->mouseDown(button, shift, x, y); });
        if (form_ && button == LeftButton)
            drag_->press(c, x, y);
        break;
    }
    case QEvent::MouseButtonRelease:
        drag_->release();
        if (c && c == doubleClicked_) {
            doubleClicked_ = nullptr; // the release that ends a double click is no click
        } else if (c && clicksOnRelease(c->kind()) && me->button() == Qt::LeftButton &&
                   area.contains(pos.toPoint())) {
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

void GestureRouter::focusIn(Control& c, QFocusEvent* event)
{
    if (refocus_) {
        if (widgets_.widget(&c) == refocus_)
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

void GestureRouter::focusOut(QWidget* w, Control& c, QFocusEvent* event)
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

void GestureRouter::pushSelection(Control& c, QWidget* w)
{
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (!edit || !form_)
        return;
    ModelBinder::Syncing guard(binder_);
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    c.setSelStart(start);
    c.setSelLength(static_cast<int>(edit->selectedText().size()));
}

void GestureRouter::comboChosen(Control& c, QWidget* w, int index)
{
    auto* combo = qobject_cast<QComboBox*>(w);
    if (!combo || binder_.syncing() || index < 0)
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
        ModelBinder::Syncing guard(binder_);
        binder_.applyText(c, w); // show what the model made of the choice
    }
}

} // namespace orebell
