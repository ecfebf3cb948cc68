#include "platform/XcbGlobalKeys.h"

#include "platform/MissingDisplay.h"
#include "platform/NativeServices.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QMetaObject>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

namespace orebell {

namespace {

constexpr std::uint16_t ChordModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
constexpr std::uint8_t BadAccess = 10; // the key is grabbed by another client
constexpr std::uint32_t NumLockKeysym = 0xff7f;

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <class T> Reply<T> reply(T* r) { return Reply<T>(r, &std::free); }

// The X keysym of a Qt key; nothing for a key this table does not know.
std::optional<std::uint32_t> keysymOf(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return 0xffbe + (key - Qt::Key_F1);
    if (key >= 0x20 && key <= 0xff) // Latin-1: the keysym is the lower-case character
        return QChar(key).toLower().unicode();
    switch (key) {
    case Qt::Key_Escape:
        return 0xff1b;
    case Qt::Key_Tab:
        return 0xff09;
    case Qt::Key_Backspace:
        return 0xff08;
    case Qt::Key_Return:
        return 0xff0d;
    case Qt::Key_Enter:
        return 0xff8d;
    case Qt::Key_Insert:
        return 0xff63;
    case Qt::Key_Delete:
        return 0xffff;
    case Qt::Key_Pause:
        return 0xff13;
    case Qt::Key_Print:
        return 0xff61;
    case Qt::Key_Home:
        return 0xff50;
    case Qt::Key_Left:
        return 0xff51;
    case Qt::Key_Up:
        return 0xff52;
    case Qt::Key_Right:
        return 0xff53;
    case Qt::Key_Down:
        return 0xff54;
    case Qt::Key_PageUp:
        return 0xff55;
    case Qt::Key_PageDown:
        return 0xff56;
    case Qt::Key_End:
        return 0xff57;
    case Qt::Key_Menu:
        return 0xff67;
    default:
        return std::nullopt;
    }
}

std::uint16_t modifierMask(Qt::KeyboardModifiers mods)
{
    std::uint16_t mask = 0;
    if (mods & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (mods & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (mods & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (mods & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

// The keyboard's keysyms by keycode, as the server maps them now.
struct KeyboardMap {
    std::uint8_t first = 0;
    int perCode = 0;
    std::vector<std::uint32_t> syms;

    KeyboardMap(xcb_connection_t* c)
    {
        const xcb_setup_t* setup = xcb_get_setup(c);
        first = setup->min_keycode;
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto r = reply(xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, first, count), nullptr));
        if (!r)
            return;
        perCode = r->keysyms_per_keycode;
        const xcb_keysym_t* all = xcb_get_keyboard_mapping_keysyms(r.get());
        syms.assign(all, all + xcb_get_keyboard_mapping_keysyms_length(r.get()));
    }

    // The keycode that types the keysym, and whether Shift is needed for it.
    std::optional<std::pair<std::uint8_t, bool>> find(std::uint32_t sym) const
    {
        for (int level = 0; level < std::min(perCode, 2); ++level)
            for (std::size_t code = 0; perCode > 0 && code < syms.size() / perCode; ++code)
                if (syms[code * perCode + level] == sym)
                    return std::make_pair(static_cast<std::uint8_t>(first + code), level == 1);
        return std::nullopt;
    }
};

// The modifier bit Num Lock sets; Mod2 on nearly every keyboard.
std::uint16_t findNumLockMask(xcb_connection_t* c, const KeyboardMap& map)
{
    const auto numLock = map.find(NumLockKeysym);
    auto r = reply(xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    if (!numLock || !r)
        return XCB_MOD_MASK_2;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(r.get());
    const int perMod = r->keycodes_per_modifier;
    for (int mod = 0; mod < 8; ++mod)
        for (int k = 0; k < perMod; ++k)
            if (codes[mod * perMod + k] == numLock->first)
                return static_cast<std::uint16_t>(1u << mod);
    return XCB_MOD_MASK_2;
}

} // namespace

XcbGlobalKeys::XcbGlobalKeys()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    connection_ = x11->connection();
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    qGuiApp->installNativeEventFilter(this);
}

XcbGlobalKeys::~XcbGlobalKeys()
{
    if (!connection_)
        return;
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
    ungrabAll();
}

QString XcbGlobalKeys::unavailable() const
{
    if (connection_)
        return {};
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        return nativeWaylandAdvice(!qEnvironmentVariableIsEmpty("DISPLAY"));
    return QStringLiteral("global keys need an X11 or XWayland display; this one is \"%1\"")
        .arg(QGuiApplication::platformName());
}

std::vector<std::uint16_t> XcbGlobalKeys::lockVariants() const
{
    return {0, XCB_MOD_MASK_LOCK, numLockMask_, static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLockMask_)};
}

void XcbGlobalKeys::ungrabAll()
{
    for (const Grab& g : grabs_)
        for (std::uint16_t lock : lockVariants())
            xcb_ungrab_key(connection_, g.keycode, root_, g.modifiers | lock);
    grabs_.clear();
    xcb_flush(connection_);
}

QList<GlobalKeys::Failure> XcbGlobalKeys::grab(const QStringList& sequences, Pressed pressed)
{
    QList<Failure> failures;
    if (!connection_) {
        for (const QString& s : sequences)
            failures.append({s, unavailable()});
        return failures;
    }
    ungrabAll();
    held_.clear();
    wanted_ = sequences;
    pressed_ = std::move(pressed);
    const KeyboardMap map(connection_);
    numLockMask_ = findNumLockMask(connection_, map);

    // Every grab is asked for first, then the answers read: one round trip for all the keys.
    struct Asked {
        Grab grab;
        std::vector<xcb_void_cookie_t> cookies;
    };
    std::vector<Asked> asked;
    for (const QString& sequence : sequences) {
        const QKeySequence parsed = QKeySequence::fromString(sequence, QKeySequence::PortableText);
        const auto sym = parsed.count() == 1 ? keysymOf(parsed[0].key()) : std::nullopt;
        const auto code = sym ? map.find(*sym) : std::nullopt;
        if (!code) {
            failures.append({sequence, QStringLiteral("is not on this keyboard")});
            continue;
        }
        Grab g{sequence, code->first, modifierMask(parsed[0].keyboardModifiers())};
        if (code->second)
            g.modifiers |= XCB_MOD_MASK_SHIFT;
        if (std::any_of(asked.begin(), asked.end(), [&](const Asked& o) {
                return o.grab.keycode == g.keycode && o.grab.modifiers == g.modifiers;
            })) {
            failures.append({sequence, QStringLiteral("is the same key as another on this keyboard")});
            continue;
        }
        Asked a{g, {}};
        for (std::uint16_t lock : lockVariants())
            a.cookies.push_back(xcb_grab_key_checked(connection_, 0, root_, g.modifiers | lock, g.keycode,
                                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        asked.push_back(std::move(a));
    }
    for (const Asked& a : asked) {
        bool taken = false;
        bool failed = false;
        for (xcb_void_cookie_t cookie : a.cookies) {
            if (auto error = reply(xcb_request_check(connection_, cookie))) {
                failed = true;
                taken = taken || error->error_code == BadAccess;
            }
        }
        if (!failed) {
            grabs_.push_back(a.grab);
            continue;
        }
        // A key half ours would work only with some locks: leave it whole to its owner.
        for (std::uint16_t lock : lockVariants())
            xcb_ungrab_key(connection_, a.grab.keycode, root_, a.grab.modifiers | lock);
        failures.append({a.grab.sequence, taken ? QStringLiteral("is taken by another program")
                                                : QStringLiteral("could not be grabbed")});
    }
    xcb_flush(connection_);
    return failures;
}

bool XcbGlobalKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || wanted_.isEmpty())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        // Another layout (or a tool that borrows a keycode) may move the keys to other keycodes.
        const auto* mapping = reinterpret_cast<const xcb_mapping_notify_event_t*>(event);
        if (mapping->request != XCB_MAPPING_POINTER && !regrabQueued_) {
            regrabQueued_ = true;
            QMetaObject::invokeMethod(
                &context_, [this] { regrab(); }, Qt::QueuedConnection);
        }
        return false; // Qt reads the new map too
    }
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const auto held = std::find(held_.begin(), held_.end(), key->detail);
    if (type == XCB_KEY_RELEASE) {
        if (held == held_.end())
            return false;
        held_.erase(held);
        lastReleased_ = key->detail;
        lastReleaseTime_ = key->time;
        return true;
    }
    const std::uint16_t modifiers = key->state & ChordModifiers;
    const auto grab = std::find_if(grabs_.begin(), grabs_.end(), [&](const Grab& g) {
        return g.keycode == key->detail && g.modifiers == modifiers;
    });
    if (grab == grabs_.end())
        return false;
    // A repeat comes while the key is held, or (without detectable auto-repeat) right after a
    // release with the same time stamp.
    const bool repeat =
        held != held_.end() || (lastReleased_ == key->detail && lastReleaseTime_ == key->time);
    if (held == held_.end())
        held_.push_back(key->detail);
    if (!repeat) {
        // Handled from the event loop, as a click is: the press may open a message box, which must
        // not run inside Qt's event dispatch.
        const QString sequence = grab->sequence;
        QMetaObject::invokeMethod(
            &context_, [this, sequence] { deliver(sequence); }, Qt::QueuedConnection);
    }
    return true;
}

void XcbGlobalKeys::regrab()
{
    regrabQueued_ = false;
    QStringList had;
    for (const Grab& g : grabs_)
        had << g.sequence;
    Pressed pressed = pressed_;
    // Only a key lost now is news: those that failed at the start were reported then.
    for (const Failure& f : grab(QStringList(wanted_), std::move(pressed)))
        if (had.contains(f.sequence))
            qWarning("Orebell: after the keyboard map changed, the global key %s %s", qPrintable(f.sequence),
                     qPrintable(f.why));
}

void XcbGlobalKeys::deliver(const QString& sequence)
{
    // A modal window (a message box, the sound chooser) takes no click on the main window.
    if (QGuiApplication::modalWindow() || !pressed_)
        return;
    pressed_(sequence);
}

std::unique_ptr<GlobalKeys> makeGlobalKeys() { return std::make_unique<XcbGlobalKeys>(); }

} // namespace orebell
