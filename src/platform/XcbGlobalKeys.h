#pragma once

#include "toolkit/Platform.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <vector>

struct xcb_connection_t;

namespace orebell {

// Global keys on X11 and XWayland: passive grabs of each key on the root window, with and
// without Caps Lock and Num Lock (a lock held must not break them). Where Qt has no X connection
// (a native Wayland session) nothing can be grabbed and unavailable() says why.
class XcbGlobalKeys : public GlobalKeys, private QAbstractNativeEventFilter {
public:
    XcbGlobalKeys();
    ~XcbGlobalKeys() override;
    XcbGlobalKeys(const XcbGlobalKeys&) = delete;
    XcbGlobalKeys& operator=(const XcbGlobalKeys&) = delete;

    QList<Failure> grab(const QStringList& sequences, Pressed pressed) override;
    QString unavailable() const override;

private:
    struct Grab {
        QString sequence;
        std::uint8_t keycode = 0;
        std::uint16_t modifiers = 0;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void ungrabAll();
    std::vector<std::uint16_t> lockVariants() const;
    void deliver(const QString& sequence);
    void regrab();

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    std::uint16_t numLockMask_ = 0;
    std::vector<Grab> grabs_;
    QStringList wanted_; // as last asked, for grabbing again when the keyboard map changes
    bool regrabQueued_ = false;
    Pressed pressed_;
    // Auto-repeat must not toggle a laser on and off while the key is held.
    std::vector<std::uint8_t> held_;
    std::uint8_t lastReleased_ = 0;
    std::uint32_t lastReleaseTime_ = 0;
    QObject context_;
};

} // namespace orebell
