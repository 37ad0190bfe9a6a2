// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

#include "number_text.h"

// The interest tool's arithmetic. Money and rates are doubles rounded to 15 significant
// digits after every step, as the window's fields hold them; rates are percent a month.
namespace numerette::interest {

// The text of a number with at most 15 significant digits, written without grouping and
// without exponent, with `decimal` as its decimal separator: 2.5, -5.088544, 1333.33.
// Nothing for an infinite or undefined number.
std::optional<QString> numberText(double value, QChar decimal);
// The value of a text as the locale writes numbers (`ValueOf`), as a double.
std::optional<double> numberOf(QStringView text, const NumberLocale& locale);
// A number as it reads back from its text of 15 significant digits.
double significant15(double value);

// The installment terms as the window's fields hold them.
struct Terms {
    double initial = 0;      // the loan or merchandise value
    int count = 0;           // monthly installments, 0 to 255
    double days = 30;        // until the first installment falls due
    double installment = 0;
    double rate = 0;         // percent a month
};

// The fields' texts.
struct TermTexts {
    QString initial;
    QString count;
    QString days;
    QString installment;
    QString rate;
};

// Nothing when a field is no number or the count is not a whole number from 0 to 255.
std::optional<Terms> readTerms(const TermTexts& texts, const NumberLocale& locale);

// The rate charged in period `period` (from 1): the monthly rate, except that a first
// period of other than 30 days is charged pro rata (nothing for a payment in cash).
double periodRate(double monthlyRate, double days, int period);

// What is still owed (positive) or overpaid (negative) after `count` installments; nothing
// when the numbers overflow.
std::optional<double> ResidualBalance(double initial, int count, double days, double rate, double installment);

// A saving account: `value` capitalized every 30 days at the monthly rate, the remaining
// days pro rata, formatted as "#,##0.00". Nothing when a text is no number or the amount
// grows beyond what can be written.
std::optional<QString> CapitalizeAmount(const QString& value, const QString& rate, const QString& days,
                                        const NumberLocale& locale);
// The same amount as an exact number of 15 significant digits, before it is rounded to cents.
std::optional<Decimal> capitalizedAmount(double value, double rate, double days);

// "#,##0.00" of a number; the plain number text when it is beyond what an amount can hold.
QString amountText(double value, const NumberLocale& locale);

} // namespace numerette::interest
