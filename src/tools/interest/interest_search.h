// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "decimal.h"
#include "interest_calculation.h"
#include "ladder.h"

// The three searches of the interest window. Each ends where its ladder of ever smaller steps
// ends, found by bisection where the balance changes sign only once along the way, so that a
// search that would take a hundred million steps takes a few hundred balances; it fails only
// when there is no answer: a balance that overflows, an answer beyond the largest amount, or
// a ladder that would walk for ever.
namespace numerette::interest {

// The largest currency amount, 922,337,203,685,477.5807: no answer lies beyond it.
Decimal largestAmount();

// The monthly rate of the installments: from 15 % a month, down by 10 while the balance is
// positive (the rate is too high), up by 1 while it is negative, and so on down to steps of
// 0.000001; it ends at the first rate, in those steps upwards, whose balance is not negative
// (or earlier on a balance of exactly 0). `terms.rate` is not read.
std::optional<Found> findRate(const Terms& terms);

// The installment of a rate: from `start`, up by 1000 while the balance is positive, down by
// 100 while it is negative, and so on; it ends at the largest installment, in steps of 0.01
// downwards from there, whose balance is not negative. `terms.installment` is not read. A
// single installment (`single`) is found at once: the start plus the balance it leaves.
std::optional<Found> findInstallment(const Terms& terms, const Decimal& start, bool single);

// The cash check's first guess: the check less a month's interest, to 15 significant digits.
std::optional<Decimal> firstNetAmount(const Decimal& check, const Decimal& rate);
// What is left of the check when `net` is capitalized over the days and shown in cents:
// negative when the capitalized amount exceeds the check.
std::optional<double> checkBalance(double check, double rate, double days, const Decimal& net);
// The net amount of a check: the installment ladder from the first guess, on the check's
// balance; it ends at the largest net amount, in steps of 0.01, whose capitalized amount does
// not exceed the check.
std::optional<Found> findNetAmount(const Decimal& check, const Decimal& rate, double days);

} // namespace numerette::interest
