// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include "date_calculation.h"
#include "number_text.h"

// The reports the interest tool writes into the calculation list: 26-column lines separated
// by CR LF, without a final line break. Each amount stands on the line after its label, where
// the capitalization totals of the list look for it.
namespace numerette::interest {

// The installment fields after a successful calculation, as the window shows them.
struct InstallmentReportTexts {
    QString initial;
    QString count;
    QString days;
    QString installment;
    QString rate;
    QString totalInterest;
    QString finalAmount;
};

// The terms, then each installment: the balance, the period's interest, the balance grown by
// it and the installment paid, then what is left and the totals.
QString installmentReport(const InstallmentReportTexts& texts, const NumberLocale& locale);

// A saving account or a cash check: `value` grown at `rate` for `days` to `result`.
struct CapitalizationReportTexts {
    QString value;
    QString rate;
    QString days;
    QString result;
    QDate initialDate;
};

// The terms, then each 30-day month with the amount it reaches, the remaining days with the
// final date, and the total interest. Dates have a two-digit year.
QString capitalizationReport(const CapitalizationReportTexts& texts, const dates::DateStyle& style,
                             const NumberLocale& locale);

} // namespace numerette::interest
