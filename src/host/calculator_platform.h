// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "frm_calcula.h"

namespace numerette {
class GlobalHotKeys;
class MidiOut;
class NumLockSwitch;
class PagePrinter;
class PortWriter;
class ProgramStarter;
class SessionStart;
class SyntheticInput;
}

// The platform services of one calculator window and of the tool windows it opens. The host
// chooses them and keeps them for as long as that calculator lives.
struct CalculatorPlatform {
    std::unique_ptr<numerette::GlobalHotKeys> hotKeys;
    std::unique_ptr<numerette::NumLockSwitch> numLock;
    std::unique_ptr<numerette::ProgramStarter> programs;
    std::unique_ptr<numerette::MidiOut> midi;
    std::unique_ptr<numerette::SyntheticInput> input;
    std::unique_ptr<numerette::PagePrinter> pagePrinter;
    std::unique_ptr<numerette::PortWriter> ports;
    std::unique_ptr<numerette::SessionStart> sessionStart;

    CalculatorPlatform();
    CalculatorPlatform(CalculatorPlatform&&) noexcept;
    CalculatorPlatform& operator=(CalculatorPlatform&&) noexcept;
    ~CalculatorPlatform();

    // What the window works through; every service must be there.
    DesktopServices desktop() const;
};

// The desktop's own: hot keys through the desktop's global shortcuts in a Wayland session
// that offers them, else through X11; NumLock and synthetic input through X11, notes through
// FluidSynth, the default printer, the printer ports in /dev and the autostart entry of
// this program.
CalculatorPlatform systemCalculatorPlatform();
