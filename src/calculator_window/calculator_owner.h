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

// The one question the calculator window asks of the process that hosts it; what the window
// only tells, it emits as signals (frmCalcula). The host implements it; window tests use a
// fake. The host window is a CalculatorOwner, which tells it from the program's other windows.
class CalculatorOwner {
public:
    virtual ~CalculatorOwner() = default;

    // Set while the calculator is closed to the notification area and from the start of the
    // exit: the window then neither loads nor reacts to activation.
    virtual bool calculatorParked() const = 0;
};
