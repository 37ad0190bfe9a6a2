// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool_windows.h"

#include "calculator_reports.h"
#include "frm_calcula.h"
#include "frm_data.h"
#include "frm_juro.h"
#include "frm_peso.h"
#include "frm_regra.h"
#include "process_values.h"
#include "settings_store.h"

namespace {

// The tools' reports go into the calculator's list; the calculator window takes the focus
// back after a report unless it is parked in the notification area.
class ToolReports final : public numerette::CalculatorReports {
public:
    explicit ToolReports(numerette::Calculator& calculator)
        : CalculatorReports(calculator)
        , m_calculator(calculator)
    {
    }

    bool calculatorShown() const override { return m_calculator.keysAccepted(); }

private:
    const numerette::Calculator& m_calculator;
};

// Modal to the calculator only, not to the whole program: the notification-area icon and
// its menu keep answering, so Exit stays within reach while a tool is open.
void runModalToCalculator(QDialog& tool)
{
    tool.setWindowModality(Qt::WindowModal);
    tool.exec();
}

} // namespace

void showToolWindow(ToolWindow tool, frmCalcula& window, numerette::Calculator& calculator,
                    const numerette::ProcessValues& values, numerette::SettingsStore& settings,
                    numerette::PagePrinter& printer)
{
    ToolReports reports(calculator);
    switch (tool) {
    case ToolWindow::Dates: {
        frmData dates(reports, values.DateFormat, &window);
        if (window.largeFontMode())
            dates.useLargeFontLayout();
        QObject::connect(&dates, &frmData::keyReleased, &window, &frmCalcula::ForceNumLock);
        runModalToCalculator(dates);
        break;
    }
    case ToolWindow::RuleOfThree: {
        frmRegra rule(calculator.numberLocale(), &printer, &window);
        rule.setStayOnTop(settings.Visivel());
        runModalToCalculator(rule);
        break;
    }
    case ToolWindow::Weight: {
        frmPeso weight(reports, &window);
        weight.setStayOnTop(settings.Visivel());
        QObject::connect(&weight, &frmPeso::keyReleased, &window, &frmCalcula::ForceNumLock);
        runModalToCalculator(weight);
        break;
    }
    case ToolWindow::Interest: {
        frmJuro interest(reports, values.DateFormat, &window);
        interest.setStayOnTop(settings.Visivel());
        QObject::connect(&interest, &frmJuro::keyReleased, &window, &frmCalcula::ForceNumLock);
        runModalToCalculator(interest);
        break;
    }
    }
}
