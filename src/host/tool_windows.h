// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frm_regra.h"
#include "tool_launchers.h"

class frmCalcula;
namespace numerette {
class Calculator;
class SettingsStore;
struct ProcessValues;
}

// Shows a tool window modally over the calculator; its report, if it writes one, goes into
// the calculator's list as the window closes. The rule-of-three window prints on printer.
void showToolWindow(ToolWindow tool, frmCalcula& window, numerette::Calculator& calculator,
                    const numerette::ProcessValues& values, numerette::SettingsStore& settings,
                    numerette::PagePrinter& printer);
