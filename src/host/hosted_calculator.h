// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "calculator.h"
#include "calculator_owner.h"
#include "calculator_platform.h"
#include "frm_calcula.h"
#include "window_port.h"

namespace numerette {
class SettingsStore;
struct ProcessValues;
}

// One calculator as the host loads it: the window, the engine the window renders, the
// services the window provides to the engine and the platform services the window works
// through. Constructing it builds them all and attaches the window to the engine as its host;
// load() then reads the saved state, so that everything the load does already goes through
// the window. The host connects to the window's signals in between. The members go in reverse
// order, window first, so the engine outlives the window and the services outlive the engine.
// A closed calculator is deleted from the event loop (deleteLater), after any close handling
// still running.
class HostedCalculator : public QObject {
public:
    HostedCalculator(const numerette::ProcessValues& values, numerette::SettingsStore& settings,
                     CalculatorLaunch launch, CalculatorOwner& owner, CalculatorPlatform platform);

    // Loads the window: once, after the host has connected to its signals.
    void load();

    frmCalcula& window() { return m_window; }
    numerette::Calculator& calculator() { return m_calculator; }

private:
    CalculatorPlatform m_platform;
    WindowPort m_windowPort;
    numerette::Calculator m_calculator;
    frmCalcula m_window;
};
