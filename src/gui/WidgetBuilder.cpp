#include "gui/WidgetBuilder.h"

#include "gui/CaptionLabel.h"
#include "gui/ControlWidgets.h"
#include "gui/Surface.h"
#include "platform/WindowFont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

namespace orebell {

namespace {

bool isLightweight(ControlKind k)
{
    // Drawn on their container's surface, beneath every control that is a window of its own.
    return k == ControlKind::Label || k == ControlKind::Image || k == ControlKind::Shape;
}

// A line edit lays its empty text out once with the application's font before it takes its own.
// With the window's font standing in while the controls are made, that finds the window's font
// engine already loaded instead of loading the desktop default's (two font engines and
// fontconfig's fallback list on the way to the first frame). Nothing made meanwhile keeps it:
// every control's font comes from the window or is set on it. (Qt then counts the application's
// font as chosen: a desktop font changed while the program runs reaches its message boxes at the
// next start.)
class ApplicationFontWhileBuilding {
public:
    explicit ApplicationFontWhileBuilding(const QFont& font) : saved_(QGuiApplication::font())
    {
        QGuiApplication::setFont(font);
    }
    ~ApplicationFontWhileBuilding() { QGuiApplication::setFont(saved_); }
    ApplicationFontWhileBuilding(const ApplicationFontWhileBuilding&) = delete;
    ApplicationFontWhileBuilding& operator=(const ApplicationFontWhileBuilding&) = delete;

private:
    QFont saved_;
};

} // namespace

WidgetBuilder::WidgetBuilder(Form& form, QWidget& window) : form_(&form), window_(window) {}

void WidgetBuilder::build(Hooks hooks)
{
    hooks_ = std::move(hooks);
    const ApplicationFontWhileBuilding font(window_.font());
    made_.resize(form_->controls().size());
    for (const auto& c : form_->controls()) {
        if (c->kind() == ControlKind::Image)
            images_[c->container()].push_back(c.get());
    }
    for (const auto& c : form_->controls())
        if (c->kind() == ControlKind::Frame && c->index() < 0)
            frameWidget(c->name(), 0);
    for (const auto& c : form_->controls()) {
        if (widget(c.get()) || c->kind() == ControlKind::Timer)
            continue;
        if (!c->container().isEmpty() && !shownChain(c->container())) {
            pending_[c->container()].push_back(c.get());
            continue;
        }
        make(*c, containerFor(*c));
    }
    restack();
    for (const auto& c : form_->controls())
        if (QWidget* w = widget(c.get()))
            hooks_.show(*c, w);
}

QWidget* WidgetBuilder::widgetFor(const Control& c)
{
    if (QWidget* w = widget(&c))
        return w;
    if (form_ && pending_.contains(c.container()))
        populate(c.container());
    return widget(&c);
}

const Surface::Item* WidgetBuilder::itemFor(const Control& c)
{
    widgetFor(c);
    Surface* s = surface(&c);
    return s ? s->find(&c) : nullptr;
}

void WidgetBuilder::panelShown(const Control& frame)
{
    if (form_ && frame.visible() && pending_.contains(frame.name()) && shownChain(frame.name()))
        populate(frame.name());
}

bool WidgetBuilder::shownChain(const QString& frame) const
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

void WidgetBuilder::populate(const QString& frame)
{
    const auto waiting = pending_.take(frame);
    if (waiting.empty())
        return;
    QWidget* parent = frameWidget(frame, 0);
    std::vector<std::pair<Control*, QWidget*>> made;
    for (Control* c : waiting)
        if (QWidget* w = make(*c, parent))
            made.emplace_back(c, w);
    restack();
    for (auto& [c, w] : made)
        hooks_.show(*c, w);
    // Panels inside this one that show now.
    for (auto& [c, w] : made)
        if (c->kind() == ControlKind::Frame && pending_.contains(c->name()) && c->visible())
            populate(c->name());
}

QWidget* WidgetBuilder::frameWidget(const QString& name, int depth)
{
    if (QWidget* w = frames_.value(name))
        return w;
    if (name.isEmpty() || depth > 32 || !form_->has(name) ||
        form_->control(name).kind() != ControlKind::Frame)
        return &window_;
    Control& frame = form_->control(name);
    QWidget* parent = frame.container().isEmpty() ? &window_ : frameWidget(frame.container(), depth + 1);
    auto* w = new FrameWidget(frame, parent);
    frames_.insert(name, w);
    slot(frame).widget = w;
    watch(w, &frame);
    return w;
}

WidgetBuilder::Made& WidgetBuilder::slot(const Control& c)
{
    const auto at = static_cast<std::size_t>(c.order());
    if (made_.size() <= at)
        made_.resize(at + 1);
    made_[at].control = &c;
    return made_[at];
}

QWidget* WidgetBuilder::containerFor(const Control& c)
{
    return c.container().isEmpty() ? &window_ : frameWidget(c.container(), 0);
}

bool WidgetBuilder::paintable(const Control& c) const
{
    if (c.kind() == ControlKind::Shape)
        return true;
    if (c.kind() != ControlKind::Label)
        return false;
    // A caption written on a picture lies above the picture's widget: it keeps a widget too.
    const QRect area(c.left(), c.top(), c.width(), c.height());
    const auto images = images_.constFind(c.container());
    if (images == images_.cend())
        return true;
    for (const Control* image : *images)
        if (QRect(image->left(), image->top(), image->width(), image->height()).contains(area))
            return false;
    return true;
}

Surface* WidgetBuilder::surfaceFor(QWidget* container)
{
    if (Surface* s = surfaces_.value(container))
        return s;
    auto* s = new Surface(*container);
    surfaces_.insert(container, s);
    if (auto* frame = dynamic_cast<FrameWidget*>(container))
        frame->setSurface(s); // the window paints its own from the builder
    return s;
}

QWidget* WidgetBuilder::make(Control& c, QWidget* parent)
{
    if (paintable(c)) {
        Surface* s = surfaceFor(parent);
        s->add(c, c.order());
        slot(c).surface = s;
        return nullptr;
    }
    QWidget* w = create(c, parent);
    if (!w)
        return nullptr;
    hooks_.wire(c, w);
    slot(c).widget = w;
    watch(w, &c);
    return w;
}

QWidget* WidgetBuilder::create(Control& c, QWidget* parent)
{
    switch (c.kind()) {
    case ControlKind::Label: // a caption on a picture
        return new CaptionLabel(parent);
    case ControlKind::TextBox:
        return new ModelLineEdit(c, parent);
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
        return button;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::ComboBox: {
        auto* combo = new ModelComboBox(parent);
        combo->setEditable(c.style() != 2);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(24);
        if (QLineEdit* edit = combo->lineEdit())
            edit->setCompleter(nullptr);
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
        return list;
    }
    case ControlKind::Timer:
        return nullptr;
    }
    return nullptr;
}

void WidgetBuilder::watch(QWidget* w, Control* c)
{
    w->setAttribute(Qt::WA_NoMousePropagation); // a control's mouse events are never its container's
    QList<QWidget*> parts{w};
    parts += w->findChildren<QWidget*>();
    for (QWidget* part : parts) {
        if (part != w && owners_.contains(part))
            continue; // a control inside a frame is watched on its own
        owners_.insert(part, c);
        part->setMouseTracking(true);
        part->installEventFilter(hooks_.filter);
    }
}

void WidgetBuilder::restack()
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
            if (QWidget* w = widget(c.get()); w && layer(c->kind()) == pass)
                w->raise();
    // An image lies over everything on its container, and a label that lies within it is a caption
    // written on the picture: above it, with the picture showing through.
    for (const auto& image : controls) {
        QWidget* picture = widget(image.get());
        if (!picture || image->kind() != ControlKind::Image)
            continue;
        picture->raise();
        const QRect area(image->left(), image->top(), image->width(), image->height());
        for (const auto& c : controls) {
            QWidget* w = widget(c.get());
            if (w && c->kind() == ControlKind::Label && c->container() == image->container() &&
                area.contains(QRect(c->left(), c->top(), c->width(), c->height()))) {
                static_cast<CaptionLabel*>(w)->setOpaque(false);
                w->raise();
            }
        }
    }
}

} // namespace orebell
