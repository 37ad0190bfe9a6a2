// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_platform.h"

#include <QCoreApplication>

#include "fluid_synth_midi_out.h"
#include "menu_entry.h"
#include "num_lock_switch.h"
#include "page_printer.h"
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

CalculatorPlatform systemCalculatorPlatform()
{
    CalculatorPlatform platform;
    platform.hotKeys = std::make_unique<numerette::X11GlobalHotKeys>();
    platform.numLock = std::make_unique<numerette::X11NumLockSwitch>();
    platform.programs = std::make_unique<numerette::SystemProgramStarter>();
    platform.midi = std::make_unique<numerette::FluidSynthMidiOut>();
    platform.input = std::make_unique<numerette::X11SyntheticInput>();
    platform.pagePrinter = std::make_unique<numerette::SystemPagePrinter>(std::make_unique<numerette::CupsPrintService>());
    platform.ports = std::make_unique<numerette::DevicePortWriter>();
    platform.sessionStart = std::make_unique<numerette::AutostartEntry>(QCoreApplication::applicationFilePath());
    return platform;
}
