// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11_global_hot_keys.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include "x11_key_map.h"

namespace numerette {

namespace {

// The modifiers a hot key is matched on; the lock keys are left out.
constexpr std::uint16_t MatchedModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// The XKB events that announce a new keyboard map.
constexpr std::uint8_t XkbNewKeyboardNotifyType = 0;
constexpr std::uint8_t XkbMapNotifyType = 1;

struct FreeDeleter {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeDeleter>;

std::vector<std::uint32_t> keypadKeysyms(Qt::Key key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return {std::uint32_t(XK_KP_0 + (key - Qt::Key_0))};
    switch (key) {
    case Qt::Key_Plus: return {XK_KP_Add};
    case Qt::Key_Minus: return {XK_KP_Subtract};
    case Qt::Key_Asterisk: return {XK_KP_Multiply};
    case Qt::Key_Slash: return {XK_KP_Divide};
    // The keypad's decimal key, whether the layout writes a point or a comma with it.
    case Qt::Key_Period:
    case Qt::Key_Comma: return {XK_KP_Decimal, XK_KP_Separator};
    case Qt::Key_Enter: return {XK_KP_Enter};
    default: return {};
    }
}

std::vector<std::uint32_t> keysymsOf(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier))
        return keypadKeysyms(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return {std::uint32_t(XK_a + (key - Qt::Key_A))};
    switch (key) {
    case Qt::Key_Delete: return {XK_Delete};
    case Qt::Key_Backspace: return {XK_BackSpace};
    case Qt::Key_Return: return {XK_Return};
    case Qt::Key_Enter: return {XK_KP_Enter};
    case Qt::Key_Insert: return {XK_Insert};
    case Qt::Key_Space: return {XK_space};
    default: return {};
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
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (XkbQueryExtension(m_display, &opcode, &eventBase, &errorBase, &major, &minor))
        m_xkbEventBase = eventBase;
    readKeyboardMap();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalHotKeys::~X11GlobalHotKeys()
{
    if (!m_display)
        return;
    for (auto& [id, hotKey] : m_hotKeys)
        ungrabAll(hotKey);
    xcb_flush(m_connection);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

// Read from the server each time: Xlib's own copy of the map may not have caught up with
// the change being handled.
void X11GlobalHotKeys::readKeyboardMap()
{
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const ReplyPointer<xcb_get_keyboard_mapping_reply_t> keys(xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, std::uint8_t(count)), nullptr));
    const ReplyPointer<xcb_get_modifier_mapping_reply_t> modifiers(
        xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr));
    if (!keys || !modifiers)
        return;
    x11::KeyboardMapping mapping;
    mapping.firstKeycode = setup->min_keycode;
    mapping.perKeycode = keys->keysyms_per_keycode;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(keys.get());
    mapping.keysyms.assign(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(keys.get()));
    const xcb_keycode_t* modifierKeys = xcb_get_modifier_mapping_keycodes(modifiers.get());
    const std::vector<std::uint8_t> modifierKeycodes(
        modifierKeys, modifierKeys + xcb_get_modifier_mapping_keycodes_length(modifiers.get()));
    m_numLockMask = x11::modifierMaskOf(mapping, modifierKeycodes, modifiers->keycodes_per_modifier, XK_Num_Lock);
    m_mapping = std::move(mapping);
}

std::optional<int> X11GlobalHotKeys::registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                                    const HotKeyAction&)
{
    if (!m_display)
        return std::nullopt;
    HotKey hotKey{keysymsOf(key, modifiers), modifierMask(modifiers & ~Qt::KeypadModifier), {}};
    grabAll(hotKey);
    if (hotKey.grabbed.empty())
        return std::nullopt;
    const int id = m_nextId++;
    m_hotKeys.emplace(id, std::move(hotKey));
    return id;
}

// XWayland gives an X11 client the keys only while one of the X11 windows has the focus.
HotKeyDelivery X11GlobalHotKeys::delivery() const
{
    if (!m_display)
        return HotKeyDelivery::Unavailable;
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? HotKeyDelivery::XDisplay
                                                          : HotKeyDelivery::XWaylandWindows;
}

void X11GlobalHotKeys::unregisterHotKey(int id)
{
    const auto found = m_hotKeys.find(id);
    if (found == m_hotKeys.end())
        return;
    ungrabAll(found->second);
    xcb_flush(m_connection);
    m_hotKeys.erase(found);
}

// Each key code on its own: a key another program has grabbed is left to it, and the hot
// key still works on the other keys that produce its keysym.
void X11GlobalHotKeys::grabAll(HotKey& hotKey)
{
    hotKey.grabbed.clear();
    for (const std::uint8_t keycode : x11::keycodesProducing(m_mapping, hotKey.keysyms)) {
        if (grab(keycode, hotKey.modifiers))
            hotKey.grabbed.push_back(keycode);
    }
}

void X11GlobalHotKeys::ungrabAll(HotKey& hotKey)
{
    for (const std::uint8_t keycode : hotKey.grabbed)
        ungrab(keycode, hotKey.modifiers);
    hotKey.grabbed.clear();
}

// A key grabbed by another client answers every grab with BadAccess. Checked requests
// collect that error here, so it neither reaches Qt's error log nor any handler of the
// process; the grabs that did succeed are given back, so the key is left wholly to its owner.
bool X11GlobalHotKeys::grab(std::uint8_t keycode, std::uint16_t modifiers)
{
    const std::array<std::uint16_t, 4> locks{0, m_numLockMask, XCB_MOD_MASK_LOCK,
                                             std::uint16_t(m_numLockMask | XCB_MOD_MASK_LOCK)};
    std::array<xcb_void_cookie_t, 4> cookies{};
    for (std::size_t i = 0; i < locks.size(); ++i)
        cookies[i] = xcb_grab_key_checked(m_connection, 1, m_root, std::uint16_t(modifiers | locks[i]), keycode,
                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    bool granted = true;
    for (const xcb_void_cookie_t& cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            granted = false;
            std::free(error);
        }
    }
    if (!granted)
        ungrab(keycode, modifiers);
    return granted;
}

void X11GlobalHotKeys::ungrab(std::uint8_t keycode, std::uint16_t modifiers)
{
    for (std::uint16_t lock : {std::uint16_t(0), m_numLockMask, std::uint16_t(XCB_MOD_MASK_LOCK),
                               std::uint16_t(m_numLockMask | XCB_MOD_MASK_LOCK)})
        xcb_ungrab_key(m_connection, keycode, m_root, std::uint16_t(modifiers | lock));
}

// A new layout (setxkbmap, a desktop's layout switcher) comes as an XKB event to clients
// that use XKB, as Qt does; a change by xmodmap as a core MappingNotify.
bool X11GlobalHotKeys::isKeyboardMapChange(const void* message) const
{
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & ~0x80;
    if (type == XCB_MAPPING_NOTIFY) {
        const auto* mapping = static_cast<const xcb_mapping_notify_event_t*>(message);
        return mapping->request == XCB_MAPPING_KEYBOARD || mapping->request == XCB_MAPPING_MODIFIER;
    }
    return m_xkbEventBase >= 0 && type == m_xkbEventBase
        && (event->pad0 == XkbNewKeyboardNotifyType || event->pad0 == XkbMapNotifyType);
}

// A change comes as a burst of events; the grabs are renewed once, after the burst, and
// with the lock masks of the old map given back first.
void X11GlobalHotKeys::keyboardMapChanged()
{
    if (std::exchange(m_regrabDue, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_regrabDue = false;
        for (auto& [id, hotKey] : m_hotKeys)
            ungrabAll(hotKey);
        readKeyboardMap();
        for (auto& [id, hotKey] : m_hotKeys)
            grabAll(hotKey);
        xcb_flush(m_connection);
    });
}

// Presses of a grabbed key become activations; its releases are swallowed too, so that a
// window of ours with the focus sees neither half of the key. Keyboard map changes are
// noted and left to Qt as well.
bool X11GlobalHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    if (isKeyboardMapChange(message)) {
        keyboardMapChanged();
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & ~0x80;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    for (const auto& [id, hotKey] : m_hotKeys) {
        if ((key->state & MatchedModifiers) == hotKey.modifiers
            && std::find(hotKey.grabbed.begin(), hotKey.grabbed.end(), key->detail) != hotKey.grabbed.end()) {
            if (type == XCB_KEY_PRESS)
                emit activated(id);
            return true;
        }
    }
    return false;
}

} // namespace numerette
