// SPDX-License-Identifier: GPL-3.0-or-later
#include "synthetic_input.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace numerette {

namespace {

Display* x11Display()
{
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

bool hasXTest(Display* display)
{
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    return display && XTestQueryExtension(display, &event, &error, &major, &minor);
}

void keyEvent(Display* display, KeySym symbol, bool press)
{
    const KeyCode code = XKeysymToKeycode(display, symbol);
    if (code != 0)
        XTestFakeKeyEvent(display, code, press ? True : False, CurrentTime);
}

// A key with modifiers held: modifiers down in order, the key down and up, modifiers up in reverse.
void stroke(Display* display, std::initializer_list<KeySym> modifiers, KeySym key)
{
    for (const KeySym modifier : modifiers)
        keyEvent(display, modifier, true);
    keyEvent(display, key, true);
    keyEvent(display, key, false);
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
        keyEvent(display, *modifier, false);
    XSync(display, False);
}

} // namespace

void X11SyntheticInput::click(int button)
{
    Display* display = x11Display();
    if (!hasXTest(display))
        return;
    XTestFakeButtonEvent(display, unsigned(button), True, CurrentTime);
    XTestFakeButtonEvent(display, unsigned(button), False, CurrentTime);
    XSync(display, False);
}

void X11SyntheticInput::selectLineAndPaste()
{
    Display* display = x11Display();
    if (!hasXTest(display))
        return;
    stroke(display, {}, XK_Home);
    stroke(display, {XK_Shift_L}, XK_End);
    stroke(display, {XK_Control_L}, XK_v);
}

void FakeSyntheticInput::click(int button)
{
    sent << QStringLiteral("click %1").arg(button);
}

void FakeSyntheticInput::selectLineAndPaste()
{
    sent << QStringLiteral("Home") << QStringLiteral("Shift+End") << QStringLiteral("Ctrl+V");
}

} // namespace numerette
