// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator_reports.h"
#include "number_text.h"
#include "tape_reports.h"

namespace tape_reports_fixture {

// A tool's reports into a real calculator, whose window is taken as shown.
class ShownCalculatorReports final : public numerette::CalculatorReports {
public:
    using CalculatorReports::CalculatorReports;
    bool calculatorShown() const override { return true; }
};

// For tests of a tool window alone: the default separators, and reports that go nowhere.
class NoCalculator final : public numerette::TapeReports {
public:
    const numerette::NumberLocale& numberLocale() const override { return m_locale; }
    void appendToolReport(const QString&) override { }
    void appendReportLines(const QString&) override { }
    void enterNumber(const QString&) override { }
    void asOneChange(const std::function<void()>& writes) override { writes(); }
    bool calculatorShown() const override { return false; }

private:
    numerette::NumberLocale m_locale;
};

} // namespace tape_reports_fixture
