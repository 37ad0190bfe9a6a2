// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "decimal.h"

namespace numerette {

// What the percentage key does with P % of the running total, by the operator before it.
enum class PercentageUse {
    Added,    // after "+" (and "/", which divides by the factor): total x (1 + P/100)
    TakenOff, // after "-": total x (100 - P) / 100
    Share,    // otherwise: total x P/100
};

// The factor the total is multiplied (or, after "/", divided) by, in exact decimal arithmetic,
// so 1,000 - 97.9 % is 21 and not 20.9999999999999. Nothing when it does not fit.
std::optional<Decimal> percentageFactor(const Decimal& percent, PercentageUse use);

} // namespace numerette
