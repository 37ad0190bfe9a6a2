// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

#include "number_text.h"

// The interest tool's arithmetic. Money and rates are doubles rounded to 15 significant
// digits after every step, as the window's fields hold them; rates are percent a month.
namespace numerette::interest {

// A search that has not ended after this many iterations has no answer worth waiting for.
// Every stage of a ladder after the first needs at most a dozen iterations; the bound leaves
// room for a first stage that walks a long way (an installment a hundred million above its
// starting guess).
constexpr int MaxSearchIterations = 100'000;

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

// One iteration of a search: the sought value tried now leaves `balance`; `value` is what
// the sought field shows after the iteration and `stage` where the search stands on its
// ladder of ever smaller steps.
struct Step {
    double balance = 0;
    double value = 0;
    int stage = 0;
    bool last = false;  // the search ends with this iteration
};

// The rate search: an iteration at terms.rate. It moves the rate down while the balance is
// positive (the rate is too high) and up while it is negative, with steps of 10 down to
// 0.000001, and ends at the first rate whose balance is not negative. Nothing when the
// numbers overflow or a step no longer moves the rate at 15 significant digits.
std::optional<Step> rateStep(const Terms& terms, int stage);

// The installment search: an iteration at terms.installment. The installment moves by steps
// of 1000 down to 0.01 and ends at the largest one, in cents, whose balance is not negative.
// A single installment (`single`) is found in one iteration: the installment plus its balance.
std::optional<Step> installmentStep(const Terms& terms, bool single, int stage);

// The cash-check search: an iteration at the net amount `net`, whose capitalized value is
// compared with the check. It ends at the largest net amount, in cents, whose capitalized
// value does not exceed the check.
std::optional<Step> netAmountStep(double check, double rate, double days, double net, int stage);

// A saving account: `value` capitalized every 30 days at the monthly rate, the remaining
// days pro rata, formatted as "#,##0.00". Nothing when a text is no number or the amount
// grows beyond what can be written.
std::optional<QString> CapitalizeAmount(const QString& value, const QString& rate, const QString& days,
                                        const NumberLocale& locale);

// "#,##0.00" of a number; the plain number text when it is beyond what an amount can hold.
QString amountText(double value, const NumberLocale& locale);

} // namespace numerette::interest
