// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class Calculator;
}
class QMenu;

// The tool windows the calculator opens from its Options menu.
enum class ToolWindow { Dates, RuleOfThree, Weight, Interest };

// The Options menu items that open the tools. The date, weight and interest tools first total
// the running calculation and reset the calculator, so that their reports start a clean
// calculation; the rule of three writes no report and opens as it is. The tool windows
// themselves live above the calculator window, so the items only ask for them.
class ToolLaunchers : public QObject {
    Q_OBJECT

public:
    ToolLaunchers(numerette::Calculator& calculator, QMenu* optionsMenu, QObject* parent = nullptr);

    void open(ToolWindow tool);

signals:
    // Shows the tool window modally; the calculator waits until it closes.
    void toolRequested(ToolWindow tool);

private:
    numerette::Calculator& m_calculator;
};
