// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the calculator window was started: the command word of the process and the host's
// tag (1 for the main instance, 2 for a secondary calculator in a process of its own).
struct CalculatorLaunch {
    QString commandWord;
    int hostTag = 1;

    bool isSecondary() const { return hostTag != 1; }
    bool isMini() const { return commandWord == QLatin1String("mini"); }
};

// What the calculator window needs from the process that hosts it. The host implements
// it; window tests use a fake.
class CalculatorOwner {
public:
    virtual ~CalculatorOwner() = default;

    // Set while the calculator is closed to the notification area and from the start of
    // the exit; the calculator then ignores keys.
    virtual bool calculatorParked() const = 0;
    virtual void setCalculatorParked(bool parked) = 0;
    // Whether an alarm or the timed shutdown keeps the process resident.
    virtual bool alarmArmed() const = 0;
    virtual bool shutdownArmed() const = 0;
    // Parking needs a notification area to come back from; without one, closing the
    // calculator ends the process.
    virtual bool trayAvailable() const = 0;
    // The calculator was closed with "Stay on System Tray when Exit" checked where there is no
    // notification area to park in, and has parked all the same: the host brings it back
    // minimized, so that no process is left that nobody can reach.
    virtual void parkedWithoutTray() = 0;
    // The tray icon starts blinking when the calculator parks in the notification area.
    virtual void startTrayBlink() = 0;
    // Ends the process (unloads the host window and every other window).
    virtual void unloadHost() = 0;
    // The splash window goes away once the calculator has read its state.
    virtual void unloadSplash() = 0;
    // The hidden host window hides when the calculator is activated.
    virtual void hideHost() = 0;
    // Pops up the host's Tools submenu (alarms, timed shutdown, menu shortcut) at the
    // mouse position; a process without a tray menu does nothing.
    virtual void AbrirUtil() = 0;
};
