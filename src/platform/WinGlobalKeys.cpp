#include "platform/WinGlobalKeys.h"

#include "platform/NativeServices.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QMetaObject>

#include <windows.h>

#include <algorithm>

namespace orebell {

namespace {

// Hot key ids of an application must lie below 0xC000; the first few are left to anyone else
// in the process.
constexpr int FirstId = 0x0B00;

unsigned modifierFlags(Qt::KeyboardModifiers mods)
{
    unsigned flags = 0;
    if (mods & Qt::ShiftModifier)
        flags |= MOD_SHIFT;
    if (mods & Qt::ControlModifier)
        flags |= MOD_CONTROL;
    if (mods & Qt::AltModifier)
        flags |= MOD_ALT;
    if (mods & Qt::MetaModifier)
        flags |= MOD_WIN;
    return flags;
}

// The virtual key of a Qt key that is not a character; 0 when there is none.
unsigned namedVirtualKey(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Menu:
        return VK_APPS;
    default:
        return 0;
    }
}

} // namespace

bool WinGlobalKeys::hotKeyOf(const QString& sequence, unsigned& virtualKey, unsigned& modifiers)
{
    const QKeySequence parsed = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (parsed.count() != 1)
        return false;
    const int key = parsed[0].key();
    modifiers = modifierFlags(parsed[0].keyboardModifiers());
    virtualKey = namedVirtualKey(key);
    if (virtualKey != 0)
        return true;
    if (key < 0x20 || key > 0xff)
        return false;
    // Letters, digits and punctuation: the key of the current layout that types the character,
    // with Shift added where the layout needs it (as the X11 grab does).
    const SHORT scan = VkKeyScanW(static_cast<WCHAR>(QChar(key).toLower().unicode()));
    if (scan == -1)
        return false;
    virtualKey = LOBYTE(scan);
    if (HIBYTE(scan) & 1)
        modifiers |= MOD_SHIFT;
    return (HIBYTE(scan) & ~1) == 0; // a character that needs AltGr is not a chord we can name
}

WinGlobalKeys::WinGlobalKeys()
{
    if (qGuiApp)
        qGuiApp->installNativeEventFilter(this);
}

WinGlobalKeys::~WinGlobalKeys()
{
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
    unregisterAll();
}

void WinGlobalKeys::unregisterAll()
{
    for (const Registered& r : registered_)
        UnregisterHotKey(nullptr, r.id);
    registered_.clear();
}

QList<GlobalKeys::Failure> WinGlobalKeys::grab(const QStringList& sequences, Pressed pressed)
{
    unregisterAll();
    pressed_ = std::move(pressed);
    QList<Failure> failures;
    int id = FirstId;
    for (const QString& sequence : sequences) {
        Registered r{id++, sequence, 0, 0};
        if (!hotKeyOf(sequence, r.virtualKey, r.modifiers)) {
            failures.append({sequence, QStringLiteral("is not on this keyboard")});
            continue;
        }
        if (std::any_of(registered_.begin(), registered_.end(), [&](const Registered& o) {
                return o.virtualKey == r.virtualKey && o.modifiers == r.modifiers;
            })) {
            failures.append({sequence, QStringLiteral("is the same key as another on this keyboard")});
            continue;
        }
        if (!RegisterHotKey(nullptr, r.id, r.modifiers | MOD_NOREPEAT, r.virtualKey)) {
            const DWORD error = GetLastError();
            failures.append({sequence, error == ERROR_HOTKEY_ALREADY_REGISTERED
                                           ? QStringLiteral("is taken by another program")
                                           : QStringLiteral("could not be grabbed (%1)")
                                                 .arg(qt_error_string(static_cast<int>(error)))});
            continue;
        }
        registered_.push_back(r);
    }
    return failures;
}

bool WinGlobalKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    // A hot key registered without a window arrives as a message of the thread itself.
    if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_HOTKEY)
        return false;
    const int id = static_cast<int>(msg->wParam);
    const auto hit = std::find_if(registered_.begin(), registered_.end(),
                                  [id](const Registered& r) { return r.id == id; });
    if (hit == registered_.end())
        return false;
    // Handled from the event loop, as a click is: the press may open a message box, which must
    // not run inside the dispatcher.
    const QString sequence = hit->sequence;
    QMetaObject::invokeMethod(
        &context_, [this, sequence] { deliver(sequence); }, Qt::QueuedConnection);
    return true;
}

void WinGlobalKeys::deliver(const QString& sequence)
{
    // A modal window (a message box, the sound chooser) takes no click on the main window.
    if (QGuiApplication::modalWindow() || !pressed_)
        return;
    pressed_(sequence);
}

std::unique_ptr<GlobalKeys> makeGlobalKeys() { return std::make_unique<WinGlobalKeys>(); }

} // namespace orebell
