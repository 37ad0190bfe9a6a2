// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_platform.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include "fluid_synth_midi_out.h"
#include "menu_entry.h"
#include "num_lock_switch.h"
#include "page_printer.h"
#include "portal_global_hot_keys.h"
#include "print_service.h"
#include "printer_port.h"
#include "program_starter.h"
#include "synthetic_input.h"
#include "x11_global_hot_keys.h"

CalculatorPlatform::CalculatorPlatform() = default;
CalculatorPlatform::CalculatorPlatform(CalculatorPlatform&&) noexcept = default;
CalculatorPlatform& CalculatorPlatform::operator=(CalculatorPlatform&&) noexcept = default;
CalculatorPlatform::~CalculatorPlatform() = default;

DesktopServices CalculatorPlatform::desktop() const
{
    return {*hotKeys, *numLock, *programs, *midi, *input, *pagePrinter, *ports, *sessionStart};
}

namespace {

// In a Wayland session X11 grabs see keys only while an X11 window has the focus, and none
// at all under Qt's Wayland plugin: the desktop's global shortcuts are taken where the
// session offers them. Elsewhere the X display's grabs.
std::unique_ptr<numerette::GlobalHotKeys> systemHotKeys()
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        if (auto portal = numerette::PortalGlobalHotKeys::open(QDBusConnection::sessionBus()))
            return portal;
    }
    return std::make_unique<numerette::X11GlobalHotKeys>();
}

} // namespace

CalculatorPlatform systemCalculatorPlatform()
{
    CalculatorPlatform platform;
    platform.hotKeys = systemHotKeys();
    platform.numLock = std::make_unique<numerette::X11NumLockSwitch>();
    platform.programs = std::make_unique<numerette::SystemProgramStarter>();
    platform.midi = std::make_unique<numerette::FluidSynthMidiOut>();
    platform.input = std::make_unique<numerette::X11SyntheticInput>();
    platform.pagePrinter = std::make_unique<numerette::SystemPagePrinter>(std::make_unique<numerette::CupsPrintService>());
    platform.ports = std::make_unique<numerette::DevicePortWriter>();
    platform.sessionStart = std::make_unique<numerette::AutostartEntry>(QCoreApplication::applicationFilePath());
    return platform;
}
