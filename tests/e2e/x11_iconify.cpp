// SPDX-License-Identifier: GPL-3.0-or-later
// Marks an X window iconic the way a window manager does when it minimizes it: the
// ICCCM WM_STATE property set to IconicState. End-to-end tests run without a window manager,
// so a minimize request alone would change nothing.
//   x11_iconify WINDOW-ID
#include <cstdio>
#include <cstdlib>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: x11_iconify WINDOW-ID\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11_iconify: cannot open the display\n");
        return 1;
    }
    const Window window = Window(std::strtoul(argv[1], nullptr, 0));
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    const long state[2] = {IconicState, None};
    XChangeProperty(display, window, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(state), 2);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
