#include "gui/FormView.h"

#include "gui/Accessibility.h"
#include "gui/Colors.h"
#include "gui/GestureRouter.h"
#include "gui/TimerDriver.h"
#include "gui/Twips.h"
#include "l10n/Translation.h"
#include "platform/WindowFont.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace orebell {

int FormView::toPixels(double twips) { return twipsToPixels(twips); }

FormView::FormView(Form& form, MessageBoxService* messages, QWidget* parent, const MonotonicClock* clock)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), form_(&form), builder_(form, *this)
{
    setObjectName(form.name());
    setWindowTitle(shownText(form.caption().trimmed())); // what a task switcher shows
    setFont(windowFont());
    // paintEvent fills what it is asked to paint, with the painter it draws the labels with.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    router_ = new GestureRouter(form, *this, builder_, binder_, messages);
    installEventFilter(router_);

    builder_.build({[this](Control& c, QWidget* w) { router_->wire(c, w); },
                    [this](Control& c, QWidget* w) {
                        binder_.applyAll(c, w);
                        nameForReaders(c, *w);
                    },
                    router_});
    exposePaintedLabels(*this);

    auto alive = alive_;
    controlSubscription_ = form.subscribe([this, alive](Control& c, Prop prop) {
        if (*alive)
            controlChanged(c, prop);
    });
    formSubscription_ = form.subscribeForm([this, alive](Form&) {
        if (*alive)
            applyWindow();
    });
    timers_ = new TimerDriver(form, clock, this);
    timers_->scheduler().setFailureSink([this](const std::exception& e) { router_->report(e); });
    applyWindow();
}

FormView::~FormView()
{
    router_->windowDying();
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

void FormView::setDesktopTitle(const QString& title)
{
    desktopTitle_ = title;
    setWindowTitle(title.isEmpty() && form_ ? shownText(form_->caption().trimmed()) : title);
}

void FormView::pressByKey(Control& c) { router_->pressByKey(c); }

void FormView::release()
{
    if (!form_)
        return;
    *alive_ = false; // the form's observers of this view fall silent; the form may already be gone
    if (timers_)
        timers_->detach();
    form_ = nullptr;
    builder_.release();
    router_->release();
    closing_ = true;
}

QWidget* FormView::widgetFor(const QString& name, int index)
{
    if (!form_ || !form_->has(name, index))
        return nullptr;
    return widgetFor(form_->control(name, index));
}

QWidget* FormView::widgetFor(const Control& control) { return builder_.widgetFor(control); }

std::optional<FormView::PaintedItem> FormView::paintedItem(const QString& name, int index)
{
    if (!form_ || !form_->has(name, index))
        return std::nullopt;
    const Control& c = form_->control(name, index);
    const Surface::Item* item = builder_.itemFor(c);
    if (!item)
        return std::nullopt;
    return PaintedItem{&builder_.surface(&c)->host(), item->rect, item->alignment};
}

void FormView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // The model's colour: the palette's would first ask whether the window is active.
    const QColor back = form_ ? toQColor(form_->backColor()) : palette().color(QPalette::Window);
    if (Surface* s = builder_.surfaceOf(this)) {
        s->paint(painter, event->region(), back);
        return;
    }
    for (const QRect& r : event->region())
        painter.fillRect(r, back);
}

void FormView::controlChanged(Control& c, Prop prop)
{
    if (prop == Prop::Selection && binder_.syncing())
        return; // the widget itself told the model
    if (QWidget* w = builder_.widget(&c)) {
        binder_.apply(c, w, prop);
        if (prop == Prop::ToolTip || prop == Prop::Caption)
            nameForReaders(c, *w);
    } else if (Surface* s = builder_.surface(&c))
        s->changed(c, prop);
    if (prop == Prop::Visible && c.kind() == ControlKind::Frame)
        builder_.panelShown(c);
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
    setWindowTitle(desktopTitle_.isEmpty() ? shownText(form_->caption().trimmed()) : desktopTitle_);
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

void FormView::closeEvent(QCloseEvent* event)
{
    if (closing_ || !form_) {
        event->accept();
        return;
    }
    // The program decides: it may unload the window, or keep it.
    event->ignore();
    insideClose_ = true;
    router_->requestClose();
    insideClose_ = false;
    if (closing_)
        event->accept();
}

} // namespace orebell
