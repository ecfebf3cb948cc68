#include "app/Keyboard.h"

#include "app/MainFormInventory.h"

#include <algorithm>
#include <tuple>

namespace orebell {

namespace {

KeyBinding bind(QStringList keys, std::vector<KeyBinding::Target> targets)
{
    return {std::move(keys), std::move(targets)};
}

KeyBinding button(const char* key, int index)
{
    return bind({QString::fromLatin1(key)}, {{QStringLiteral("lblControlButton"), index}});
}

std::vector<KeyBinding> makeBindings()
{
    const QString bar = QStringLiteral("lblControlButton");
    std::vector<KeyBinding> list{
        button("F1", 0),      // help
        button("Alt+T", 1),   // timers
        button("Alt+C", 2),   // ore calculator
        button("Alt+Y", 3),   // mineral yield
        button("Alt+W", 4),   // watch-panel cycle
        button("Alt+S", 5),   // sounds
        button("Ctrl+Q", 6),  // close with save
        button("Alt+E", 8),   // timer settings
        button("Alt+I", 11),  // web page
        button("Ctrl+R", 18), // refine
        button("Ctrl+Shift+R", 15),
        button("Ctrl+S", 16), // station profile
        button("Ctrl+Shift+Del", 17),
        bind({QStringLiteral("Alt++"), QStringLiteral("Alt+=")}, {{bar, 12}}),
        bind({QStringLiteral("Alt+-")}, {{bar, 13}}),
        // Minimise, and restore from the small window, which shows the "OB" label instead.
        bind({QStringLiteral("Alt+M")}, {{bar, 14}, {QStringLiteral("lblMinimize"), -1}}),
    };
    for (int can = 0; can < 4; ++can)
        list.push_back(
            bind({QStringLiteral("Alt+%1").arg(can + 1)}, {{QStringLiteral("lblJetButton"), can}}));
    for (int laser = 0; laser < 7; ++laser) {
        list.push_back(
            bind({QStringLiteral("Ctrl+F%1").arg(laser + 1)}, {{QStringLiteral("lblPlusOne"), laser}}));
        list.push_back(bind({QStringLiteral("Ctrl+Shift+F%1").arg(laser + 1)},
                            {{QStringLiteral("lblMinusOne"), laser}}));
    }
    return list;
}

bool takesFocus(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::CommandButton:
    case ControlKind::RichTextBox:
    case ControlKind::Grid:
    case ControlKind::DirListBox:
    case ControlKind::FileListBox:
        return true;
    default:
        return false;
    }
}

struct Place {
    int left = 0;
    int top = 0;
    QString topFrame; // the panel on the window that holds it; empty on the window itself
};

// Where a control sits on the window, in twips, through its panels.
Place placeOf(const Form& form, const Control& control)
{
    Place place{control.left(), control.top(), QString()};
    QString frame = control.container();
    for (int depth = 0; !frame.isEmpty() && form.has(frame) && depth < 32; ++depth) {
        const Control& f = form.control(frame);
        place.left += f.left();
        place.top += f.top();
        place.topFrame = frame;
        frame = f.container();
    }
    return place;
}

bool chainShown(const Form& form, const Control& control)
{
    if (!control.visible() || !control.enabled())
        return false;
    QString frame = control.container();
    for (int depth = 0; !frame.isEmpty() && form.has(frame) && depth < 32; ++depth) {
        const Control& f = form.control(frame);
        if (!f.visible() || !f.enabled())
            return false;
        frame = f.container();
    }
    return true;
}

// Panel A, the laser panels one by one, then what lies right of them.
int column(int left)
{
    if (left < design::LaserLeft)
        return 0;
    return 1 + std::min((left - design::LaserLeft) / design::PanelStep, 7);
}

} // namespace

const std::vector<KeyBinding>& keyBindings()
{
    static const std::vector<KeyBinding> bindings = makeBindings();
    return bindings;
}

QString keyFor(const QString& name, int index)
{
    if (name == QLatin1String("lblBrowseSoundEffect"))
        return QString::fromLatin1(BrowseRowKey);
    for (const KeyBinding& binding : keyBindings())
        for (const KeyBinding::Target& target : binding.targets)
            if (target.name == name && target.index == index)
                return binding.keys.first();
    return QString();
}

Control* browseButtonOfRow(Form& form, const Control& control)
{
    static const QStringList rowParts{QStringLiteral("chkSoundEffect"), QStringLiteral("txtPathSoundEffect"),
                                      QStringLiteral("txtSoundeEffectDelay")};
    const QString browse = QStringLiteral("lblBrowseSoundEffect");
    if (!rowParts.contains(control.name()) || !form.has(browse, control.index()))
        return nullptr;
    Control& button = form.control(browse, control.index());
    return canBeSeen(form, button) ? &button : nullptr;
}

Control* keyTarget(Form& form, const KeyBinding& binding)
{
    for (const KeyBinding::Target& target : binding.targets) {
        if (!form.has(target.name, target.index))
            continue;
        Control& c = form.control(target.name, target.index);
        if (canBeSeen(form, c))
            return &c;
    }
    return nullptr;
}

bool canBeSeen(const Form& form, const Control& control)
{
    if (!chainShown(form, control))
        return false;
    const Place place = placeOf(form, control);
    const int midX = place.left + control.width() / 2;
    const int midY = place.top + control.height() / 2;
    if (midX < 0 || midY < 0 || midX >= form.width() || midY >= form.height())
        return false;
    // An image lies over everything on its panel but the labels written within it (a caption).
    const int ownX = control.left() + control.width() / 2;
    const int ownY = control.top() + control.height() / 2;
    for (const auto& c : form.controls()) {
        if (c->kind() != ControlKind::Image || c.get() == &control || !c->visible() ||
            c->container() != control.container())
            continue;
        const bool inside = ownX >= c->left() && ownX < c->left() + c->width() && ownY >= c->top() &&
                            ownY < c->top() + c->height();
        const bool caption = control.kind() == ControlKind::Label && control.left() >= c->left() &&
                             control.top() >= c->top() &&
                             control.left() + control.width() <= c->left() + c->width() &&
                             control.top() + control.height() <= c->top() + c->height();
        if (inside && !caption)
            return false;
    }
    // A shown panel on the window lies above everything else there.
    for (const auto& c : form.controls()) {
        if (c->kind() != ControlKind::Frame || !c->container().isEmpty() || c->name() == place.topFrame ||
            !c->visible())
            continue;
        if (midX >= c->left() && midX < c->left() + c->width() && midY >= c->top() &&
            midY < c->top() + c->height())
            return false;
    }
    return true;
}

std::vector<Control*> tabOrder(Form& form)
{
    struct Stop {
        int column;
        int top;
        int left;
        Control* control;
    };
    std::vector<Stop> stops;
    for (const auto& c : form.controls()) {
        if (!takesFocus(c->kind()) || !canBeSeen(form, *c))
            continue;
        const Place place = placeOf(form, *c);
        // A panel is read as a whole, in the column where it starts.
        const int columnLeft = place.topFrame.isEmpty() ? place.left : form.control(place.topFrame).left();
        stops.push_back({column(columnLeft), place.top, place.left, c.get()});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return std::tie(a.column, a.top, a.left) < std::tie(b.column, b.top, b.left);
    });
    std::vector<Control*> order;
    order.reserve(stops.size());
    for (const Stop& s : stops)
        order.push_back(s.control);
    return order;
}

} // namespace orebell
