// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include <QAbstractNativeEventFilter>

#include "global_hot_keys.h"
#include "x11_key_map.h"

typedef struct _XDisplay Display;
struct xcb_connection_t;

namespace numerette {

// Global hot keys as grabs of the root window of the X display the application runs on,
// delivered through a native event filter. A hot key is grabbed on every key code that
// produces its keysym, each for every NumLock and CapsLock combination, and grabbed again
// whenever the keyboard map changes (another layout, xmodmap). On another platform
// (offscreen, Wayland) it registers nothing.
class X11GlobalHotKeys final : public GlobalHotKeys, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit X11GlobalHotKeys(QObject* parent = nullptr);
    ~X11GlobalHotKeys() override;

    std::optional<int> registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                      const HotKeyAction& action) override;
    void unregisterHotKey(int id) override;
    HotKeyDelivery delivery() const override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct HotKey {
        std::vector<std::uint32_t> keysyms;
        std::uint16_t modifiers;
        // The key codes grabbed for it under the current keyboard map.
        std::vector<std::uint8_t> grabbed;
    };
    void readKeyboardMap();
    void grabAll(HotKey& hotKey);
    bool grab(std::uint8_t keycode, std::uint16_t modifiers);
    void ungrab(std::uint8_t keycode, std::uint16_t modifiers);
    void ungrabAll(HotKey& hotKey);
    bool isKeyboardMapChange(const void* event) const;
    void keyboardMapChanged();

    Display* m_display = nullptr;
    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    int m_xkbEventBase = -1;
    x11::KeyboardMapping m_mapping;
    std::uint16_t m_numLockMask = 0;
    std::map<int, HotKey> m_hotKeys;
    int m_nextId = 1;
    bool m_regrabDue = false;
};

} // namespace numerette
