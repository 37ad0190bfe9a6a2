// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fake_global_hot_keys.h"
#include "fake_midi_out.h"
#include "frm_calcula.h"
#include "menu_entry.h"
#include "num_lock_switch.h"
#include "page_printer.h"
#include "printer_port.h"
#include "program_starter.h"
#include "synthetic_input.h"

// Every platform service of the calculator window as a fake: no window test grabs keys,
// plays notes, prints, starts programs or changes the session's start on the machine it runs on.
struct FakeDesktop {
    DesktopServices services()
    {
        return {hotKeys, numLock, programs, midi, input, pagePrinter, ports, sessionStart};
    }

    numerette::FakeGlobalHotKeys hotKeys;
    numerette::FakeNumLockSwitch numLock;
    numerette::FakeProgramStarter programs;
    numerette::FakeMidiOut midi;
    numerette::FakeSyntheticInput input;
    numerette::FakePagePrinter pagePrinter;
    numerette::FakePortWriter ports;
    numerette::FakeSessionStart sessionStart;
};
