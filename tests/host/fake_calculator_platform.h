// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "calculator_platform.h"
#include "fake_global_hot_keys.h"
#include "fake_midi_out.h"
#include "menu_entry.h"
#include "num_lock_switch.h"
#include "page_printer.h"
#include "printer_port.h"
#include "program_starter.h"
#include "synthetic_input.h"

// Fakes of every service of a hosted calculator: no host test grabs keys, plays notes,
// prints, starts programs or changes the session's start on the machine it runs on.
inline CalculatorPlatform fakeCalculatorPlatform()
{
    CalculatorPlatform platform;
    platform.hotKeys = std::make_unique<numerette::FakeGlobalHotKeys>();
    platform.numLock = std::make_unique<numerette::FakeNumLockSwitch>();
    platform.programs = std::make_unique<numerette::FakeProgramStarter>();
    platform.midi = std::make_unique<numerette::FakeMidiOut>();
    platform.input = std::make_unique<numerette::FakeSyntheticInput>();
    platform.pagePrinter = std::make_unique<numerette::FakePagePrinter>();
    platform.ports = std::make_unique<numerette::FakePortWriter>();
    platform.sessionStart = std::make_unique<numerette::FakeSessionStart>();
    return platform;
}
