#pragma once

#include "toolkit/Platform.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <vector>

namespace orebell {

// Global keys on Windows: each key registered with RegisterHotKey for the user-interface thread,
// its WM_HOTKEY read from Qt's event dispatcher through a native event filter. The system sends
// no repeats while a key is held (MOD_NOREPEAT), and a key another program registered first is
// refused by the system, which is what the player is told.
class WinGlobalKeys : public GlobalKeys, private QAbstractNativeEventFilter {
public:
    WinGlobalKeys();
    ~WinGlobalKeys() override;
    WinGlobalKeys(const WinGlobalKeys&) = delete;
    WinGlobalKeys& operator=(const WinGlobalKeys&) = delete;

    QList<Failure> grab(const QStringList& sequences, Pressed pressed) override;

    // The virtual key and MOD_ flags that type a key sequence on the current keyboard layout;
    // false for a sequence of more than one chord or a key this table does not know.
    static bool hotKeyOf(const QString& sequence, unsigned& virtualKey, unsigned& modifiers);

private:
    struct Registered {
        int id = 0;
        QString sequence;
        unsigned virtualKey = 0;
        unsigned modifiers = 0;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void unregisterAll();
    void deliver(const QString& sequence);

    std::vector<Registered> registered_;
    Pressed pressed_;
    QObject context_;
};

} // namespace orebell
