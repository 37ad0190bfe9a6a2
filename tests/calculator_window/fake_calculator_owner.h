// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator_owner.h"

// Stands in for the host process: parked or not, as the test sets it.
struct FakeCalculatorOwner : CalculatorOwner {
    bool calculatorParked() const override { return parked; }

    bool parked = false;
};
