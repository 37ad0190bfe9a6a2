// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QObject>

namespace numerette {
class Calculator;
}
class QAction;

// The tool windows the calculator opens from its Options menu.
enum class ToolWindow { Dates, RuleOfThree, Weight, Interest };

// The Options menu items that open the tools: "Calculate &Date" (`mnuData`, F5), "Calculate
// Rule of &Three" (`mnuRegra`, Ctrl+T), "Calculate &Your Ideal Weight" (`mnuPeso`, Shift+F5)
// and "Capitali&zed Interest Rate" (`mnuJuro`, Ctrl+J). The date, weight and interest tools first total
// the running calculation and reset the calculator, so that their reports start a clean
// calculation; the rule of three writes no report and opens as it is. The tool windows
// themselves live above the calculator window, so the items only ask for them.
class ToolLaunchers : public QObject {
    Q_OBJECT

public:
    explicit ToolLaunchers(numerette::Calculator& calculator, QObject* parent = nullptr);

    QAction* item(ToolWindow tool) const { return m_items.at(std::size_t(tool)); }
    void open(ToolWindow tool);

signals:
    // Shows the tool window modally; the calculator waits until it closes.
    void toolRequested(ToolWindow tool);

private:
    numerette::Calculator& m_calculator;
    // By tool, in the order of ToolWindow.
    std::array<QAction*, 4> m_items{};
};
