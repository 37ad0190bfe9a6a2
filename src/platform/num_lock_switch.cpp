// SPDX-License-Identifier: GPL-3.0-or-later
#include "num_lock_switch.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace numerette {

namespace {

Display* x11Display()
{
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

} // namespace

// Finding the modifier NumLock is bound to walks the whole key map, too much for every key:
// the key-event check keeps the last one found. The checks that ask the server, and switching
// NumLock on, look it up afresh, so that a changed map is followed at the next of them.
unsigned X11NumLockSwitch::numLockMask(Display* display) const
{
    m_mask = XkbKeysymToModifiers(display, XK_Num_Lock);
    m_maskKnown = true;
    return m_mask;
}

bool X11NumLockSwitch::isOn() const
{
    Display* display = x11Display();
    if (!display)
        return true;
    const unsigned mask = numLockMask(display);
    XkbStateRec state;
    if (mask == 0 || XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return true;
    return (state.locked_mods & mask) != 0;
}

bool X11NumLockSwitch::wasOnAt(const QKeyEvent& event) const
{
    Display* display = x11Display();
    // An event made inside the program has no X state to read.
    if (!display || event.nativeScanCode() == 0)
        return isOn();
    const unsigned mask = m_maskKnown ? m_mask : numLockMask(display);
    return mask == 0 || (event.nativeModifiers() & mask) != 0;
}

void X11NumLockSwitch::switchOn()
{
    Display* display = x11Display();
    if (!display)
        return;
    const unsigned mask = numLockMask(display);
    if (mask == 0)
        return;
    XkbLockModifiers(display, XkbUseCoreKbd, mask, mask);
    XFlush(display);
}

void FakeNumLockSwitch::switchOn()
{
    m_on = true;
    ++m_switchOnCount;
}

} // namespace numerette
