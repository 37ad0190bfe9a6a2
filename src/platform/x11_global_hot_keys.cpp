// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11_global_hot_keys.h"

#include <array>
#include <cstdlib>

#include <QCoreApplication>
#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

namespace numerette {

namespace {

// The modifiers a hot key is matched on; the lock keys are left out.
constexpr std::uint16_t MatchedModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

KeySym keypadKeysym(Qt::Key key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return XK_KP_0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Plus: return XK_KP_Add;
    case Qt::Key_Minus: return XK_KP_Subtract;
    case Qt::Key_Asterisk: return XK_KP_Multiply;
    case Qt::Key_Slash: return XK_KP_Divide;
    case Qt::Key_Period:
    case Qt::Key_Comma: return XK_KP_Decimal;
    case Qt::Key_Enter: return XK_KP_Enter;
    default: return NoSymbol;
    }
}

KeySym keysymOf(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier))
        return keypadKeysym(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return XK_a + (key - Qt::Key_A);
    switch (key) {
    case Qt::Key_Delete: return XK_Delete;
    case Qt::Key_Backspace: return XK_BackSpace;
    case Qt::Key_Return: return XK_Return;
    case Qt::Key_Enter: return XK_KP_Enter;
    case Qt::Key_Insert: return XK_Insert;
    case Qt::Key_Space: return XK_space;
    default: return NoSymbol;
    }
}

std::uint16_t modifierMask(Qt::KeyboardModifiers modifiers)
{
    std::uint16_t mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers.testFlag(Qt::ControlModifier))
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers.testFlag(Qt::AltModifier))
        mask |= XCB_MOD_MASK_1;
    if (modifiers.testFlag(Qt::MetaModifier))
        mask |= XCB_MOD_MASK_4;
    return mask;
}

} // namespace

X11GlobalHotKeys::X11GlobalHotKeys(QObject* parent)
    : GlobalHotKeys(parent)
{
    // Under the offscreen platform the X11 interface exists but has no display.
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display() || !x11->connection())
        return;
    m_display = x11->display();
    m_connection = x11->connection();
    m_root = DefaultRootWindow(m_display);
    m_numLockMask = std::uint16_t(XkbKeysymToModifiers(m_display, XK_Num_Lock));
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalHotKeys::~X11GlobalHotKeys()
{
    if (!m_display)
        return;
    for (const auto& [id, grab] : m_grabs)
        ungrab(grab);
    xcb_flush(m_connection);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

std::optional<int> X11GlobalHotKeys::registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (!m_display)
        return std::nullopt;
    const KeySym keysym = keysymOf(key, modifiers);
    const KeyCode keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(m_display, keysym);
    if (keycode == 0)
        return std::nullopt;
    const Grab wanted{std::uint8_t(keycode), modifierMask(modifiers & ~Qt::KeypadModifier)};
    if (!grab(wanted))
        return std::nullopt;
    const int id = m_nextId++;
    m_grabs.emplace(id, wanted);
    return id;
}

void X11GlobalHotKeys::unregisterHotKey(int id)
{
    const auto found = m_grabs.find(id);
    if (found == m_grabs.end())
        return;
    ungrab(found->second);
    xcb_flush(m_connection);
    m_grabs.erase(found);
}

// A key grabbed by another client answers every grab with BadAccess. Checked requests
// collect that error here, so it neither reaches Qt's error log nor any handler of the
// process; the grabs that did succeed are given back, so the key is left wholly to its owner.
bool X11GlobalHotKeys::grab(const Grab& grab)
{
    const std::array<std::uint16_t, 4> locks{0, m_numLockMask, XCB_MOD_MASK_LOCK,
                                             std::uint16_t(m_numLockMask | XCB_MOD_MASK_LOCK)};
    std::array<xcb_void_cookie_t, 4> cookies{};
    for (std::size_t i = 0; i < locks.size(); ++i)
        cookies[i] = xcb_grab_key_checked(m_connection, 1, m_root, std::uint16_t(grab.modifiers | locks[i]),
                                          grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    bool granted = true;
    for (const xcb_void_cookie_t& cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            granted = false;
            std::free(error);
        }
    }
    if (!granted)
        ungrab(grab);
    return granted;
}

void X11GlobalHotKeys::ungrab(const Grab& grab)
{
    for (std::uint16_t lock : {std::uint16_t(0), m_numLockMask, std::uint16_t(XCB_MOD_MASK_LOCK),
                               std::uint16_t(m_numLockMask | XCB_MOD_MASK_LOCK)})
        xcb_ungrab_key(m_connection, grab.keycode, m_root, std::uint16_t(grab.modifiers | lock));
}

// Presses of a grabbed key become activations; its releases are swallowed too, so that a
// window of ours with the focus sees neither half of the key.
bool X11GlobalHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || m_grabs.empty())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & ~0x80;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    for (const auto& [id, grab] : m_grabs) {
        if (key->detail == grab.keycode && (key->state & MatchedModifiers) == grab.modifiers) {
            if (type == XCB_KEY_PRESS)
                emit activated(id);
            return true;
        }
    }
    return false;
}

} // namespace numerette
