// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator.h"
#include "tape_reports.h"

namespace numerette {

// The reports written into a calculator. Whether its window is shown is known only to
// whoever shows it, which answers calculatorShown().
class CalculatorReports : public TapeReports {
public:
    explicit CalculatorReports(Calculator& calculator)
        : m_calculator(calculator)
    {
    }

    const NumberLocale& numberLocale() const override { return m_calculator.numberLocale(); }
    void appendToolReport(const QString& block) override { m_calculator.appendToolReport(block); }
    void appendReportLines(const QString& lines) override { m_calculator.appendReportLines(lines); }
    void enterNumber(const QString& text) override { m_calculator.enterNumber(text); }
    void asOneChange(const std::function<void()>& writes) override
    {
        const ChangeBatch batch(m_calculator);
        writes();
    }

private:
    Calculator& m_calculator;
};

} // namespace numerette
