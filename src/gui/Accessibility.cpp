#include "gui/Accessibility.h"

#include "app/AccessibleNames.h"
#include "gui/FormView.h"
#include "gui/Surface.h"
#include "l10n/Translation.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace orebell {

namespace {

bool isContainer(const FormView& view, const QWidget* w)
{
    if (w == &view)
        return true;
    const Control* c = view.controlOf(w);
    // A panel's own widget, not an inner part of it.
    return c && c->kind() == ControlKind::Frame && view.controlOf(w->parentWidget()) != c;
}

// A label the view paints on a container: it has no widget, so no interface of Qt's own.
class PaintedLabelAccessible final : public QAccessibleInterface {
public:
    PaintedLabelAccessible(FormView& view, QWidget& host, const Control& control)
        : view_(&view), host_(&host), control_(&control)
    {}

    bool isValid() const override { return view_ && host_ && view_->form() && item(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return host_ ? host_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return host_ ? QAccessible::queryAccessibleInterface(host_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const AccessibleText said = accessibleText(*control_);
        switch (t) {
        case QAccessible::Name:
            return shownText(said.name);
        case QAccessible::Description:
            return shownText(said.description);
        case QAccessible::Value:
            return said.button ? QString() : shownText(control_->caption().trimmed());
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const Surface::Item* i = isValid() ? item() : nullptr;
        return i ? QRect(host_->mapToGlobal(i->rect.topLeft()), i->rect.size()) : QRect();
    }
    QAccessible::Role role() const override
    {
        return isValid() && accessibleText(*control_).button ? QAccessible::Button : QAccessible::StaticText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.invisible = !control_->visible();
        s.disabled = !control_->enabled();
        return s;
    }

private:
    const Surface::Item* item() const
    {
        Surface* surface = view_->surfaceOf(host_.data());
        return surface ? surface->find(control_) : nullptr;
    }

    QPointer<FormView> view_;
    QPointer<QWidget> host_;
    const Control* control_;
};

// The interfaces of one view's painted labels, made once each and given back to Qt with the view.
class PaintedLabels final : public QObject {
public:
    explicit PaintedLabels(FormView& view) : QObject(&view), view_(view)
    {
        setObjectName(QStringLiteral("paintedLabels"));
    }
    ~PaintedLabels() override
    {
        for (QAccessible::Id id : std::as_const(ids_))
            QAccessible::deleteAccessibleInterface(id);
    }
    QAccessibleInterface* of(QWidget& host, const Control& c)
    {
        const auto found = ids_.constFind(&c);
        if (found != ids_.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* iface = new PaintedLabelAccessible(view_, host, c); // Qt's registry owns it
        ids_.insert(&c, QAccessible::registerAccessibleInterface(iface));
        return iface;
    }

private:
    FormView& view_;
    QHash<const Control*, QAccessible::Id> ids_;
};

QAccessibleInterface* containerInterface(QWidget* w);

// The window or a panel: its shown controls, widgets and painted labels, in the form's order.
class ContainerAccessible final : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget* w, FormView* view)
        : QAccessibleWidget(w, w == view ? QAccessible::Window : QAccessible::Grouping), view_(view)
    {}

    QString text(QAccessible::Text t) const override
    {
        // A panel is named by its caption, as its widget may not have been named yet.
        const Control* c = view_ && widget() != view_.data() ? view_->controlOf(widget()) : nullptr;
        if (c && (t == QAccessible::Name || t == QAccessible::Description)) {
            const AccessibleText said = accessibleText(*c);
            return t == QAccessible::Name ? said.name : said.description;
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const auto list = children();
        return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)]
                                                                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* iface) const override
    {
        const auto list = children();
        const auto at = std::find(list.begin(), list.end(), iface);
        return at == list.end() ? -1 : static_cast<int>(at - list.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const auto list = children();
        for (auto it = list.rbegin(); it != list.rend(); ++it)
            if ((*it)->rect().contains(x, y))
                return *it;
        return nullptr;
    }

private:
    std::vector<QAccessibleInterface*> children() const
    {
        std::vector<std::pair<int, QAccessibleInterface*>> found;
        QWidget* container = widget();
        if (!view_ || !view_->form())
            return {};
        const QRect inside = container->rect();
        // A shown panel lies over what else is on its container (the timers under the Sound panel).
        std::vector<std::pair<const QWidget*, QRect>> panels;
        for (QObject* o : container->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            const Control* c = w ? view_->controlOf(w) : nullptr;
            if (c && c->kind() == ControlKind::Frame && w->isVisibleTo(container))
                panels.emplace_back(w, w->geometry());
        }
        auto shown = [&](const Control& c, const QRect& r, const QWidget* own = nullptr) {
            if (!c.visible() || !accessibleText(c).listed || !inside.contains(r.center()))
                return false;
            for (const auto& [panel, area] : panels)
                if (panel != own && area.contains(r.center()))
                    return false;
            return true;
        };
        for (QObject* o : container->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            const Control* c = w ? view_->controlOf(w) : nullptr;
            if (!c || w->isWindow() || !w->isVisibleTo(container) || !shown(*c, w->geometry(), w))
                continue;
            QAccessibleInterface* iface = c->kind() == ControlKind::Frame
                                              ? containerInterface(w)
                                              : QAccessible::queryAccessibleInterface(w);
            if (iface)
                found.emplace_back(c->order(), iface);
        }
        if (Surface* surface = view_->surfaceOf(container)) {
            auto* labels =
                view_->findChild<PaintedLabels*>(QStringLiteral("paintedLabels"), Qt::FindDirectChildrenOnly);
            for (const Surface::Item& item : surface->labels())
                if (labels && shown(*item.control, item.rect))
                    found.emplace_back(item.control->order(), labels->of(*container, *item.control));
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<QAccessibleInterface*> out;
        out.reserve(found.size());
        for (const auto& f : found)
            out.push_back(f.second);
        return out;
    }

    QPointer<FormView> view_;
};

// A container's interface, made again when Qt made one before the container was known as one
// (while its widget was being built).
QAccessibleInterface* containerInterface(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (iface && !dynamic_cast<ContainerAccessible*>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        iface = QAccessible::queryAccessibleInterface(w);
    }
    return iface;
}

QAccessibleInterface* containerFactory(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    auto* view = qobject_cast<FormView*>(w->window());
    if (!view || !isContainer(*view, w))
        return nullptr;
    return new ContainerAccessible(w, view);
}

} // namespace

void nameForReaders(const Control& control, QWidget& widget)
{
    const AccessibleText said = accessibleText(control);
    const QString name = shownText(said.name);
    const QString description = shownText(said.description);
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}

void exposePaintedLabels(FormView& view)
{
    static const bool installed = [] {
        QAccessible::installFactory(containerFactory);
        return true;
    }();
    (void)installed;
    new PaintedLabels(view); // owned by the view
    containerInterface(&view);
}

} // namespace orebell
