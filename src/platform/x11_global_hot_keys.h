// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>

#include <QAbstractNativeEventFilter>

#include "global_hot_keys.h"

typedef struct _XDisplay Display;
struct xcb_connection_t;

namespace numerette {

// Global hot keys as grabs of the root window of the X display the application runs on,
// one grab for each NumLock and CapsLock combination, delivered through a native event
// filter. On another platform (offscreen, Wayland) it registers nothing.
class X11GlobalHotKeys final : public GlobalHotKeys, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit X11GlobalHotKeys(QObject* parent = nullptr);
    ~X11GlobalHotKeys() override;

    std::optional<int> registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers) override;
    void unregisterHotKey(int id) override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        std::uint8_t keycode;
        std::uint16_t modifiers;
    };
    bool grab(const Grab& grab);
    void ungrab(const Grab& grab);

    Display* m_display = nullptr;
    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::uint16_t m_numLockMask = 0;
    std::map<int, Grab> m_grabs;
    int m_nextId = 1;
};

} // namespace numerette
