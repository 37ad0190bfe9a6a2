// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator_owner.h"

// Stands in for the host process: answers with settable flags and counts the calls.
struct FakeCalculatorOwner : CalculatorOwner {
    bool calculatorParked() const override { return parked; }
    void setCalculatorParked(bool on) override { parked = on; }
    bool alarmArmed() const override { return alarm; }
    bool shutdownArmed() const override { return shutdown; }
    bool trayAvailable() const override { return tray; }
    void parkedWithoutTray() override { ++parksWithoutTray; }
    void startTrayBlink() override { ++blinks; }
    void unloadHost() override { ++unloads; }
    void unloadSplash() override { ++splashUnloads; }
    void hideHost() override { ++hostHides; }
    void AbrirUtil() override { ++toolsMenuPopups; }

    bool parked = false;
    bool alarm = false;
    bool shutdown = false;
    bool tray = true;
    int blinks = 0;
    int parksWithoutTray = 0;
    int unloads = 0;
    int splashUnloads = 0;
    int hostHides = 0;
    int toolsMenuPopups = 0;
};
