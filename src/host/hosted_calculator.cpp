// SPDX-License-Identifier: GPL-3.0-or-later
#include "hosted_calculator.h"

#include "number_text.h"
#include "process_values.h"
#include "tool_windows.h"

namespace {

numerette::Calculator& configured(numerette::Calculator& calculator, const numerette::ProcessValues& values)
{
    using numerette::tape::DateOrder;
    calculator.setNumberLocale(numerette::NumberLocale::withDecimal(values.DecimalSeparator));
    calculator.setDateOrder(values.DateFormat.startsWith(u"dd") ? DateOrder::DayMonthYear
                                                                : DateOrder::MonthDayYear);
    return calculator;
}

} // namespace

HostedCalculator::HostedCalculator(const numerette::ProcessValues& values, numerette::SettingsStore& settings,
                                   CalculatorLaunch launch, CalculatorOwner& owner, CalculatorPlatform platform)
    : m_platform(std::move(platform))
    , m_calculator(m_windowPort)
    // Configured before the window is built: its parts show the decimal separator from the start.
    , m_window(configured(m_calculator, values), settings, std::move(launch), owner, m_platform.desktop())
{
    // Owned here; a close only hides the window until the host lets it go.
    m_window.setAttribute(Qt::WA_DeleteOnClose, false);
    m_windowPort.attach(m_window);
    connect(&m_window.toolLaunchers(), &ToolLaunchers::toolRequested, this,
            [this, &values, &settings](ToolWindow tool) {
                showToolWindow(tool, m_window, m_calculator, values, settings, *m_platform.pagePrinter);
            });
}

void HostedCalculator::load()
{
    m_window.load();
}
