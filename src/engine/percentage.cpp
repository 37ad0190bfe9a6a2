// SPDX-License-Identifier: GPL-3.0-or-later
#include "percentage.h"

namespace numerette {

std::optional<Decimal> percentageFactor(const Decimal& percent, PercentageUse use)
{
    const Decimal hundred(100);
    switch (use) {
    case PercentageUse::Added:
        if (const auto share = percent.dividedBy(hundred))
            return share->plus(Decimal(1));
        return std::nullopt;
    case PercentageUse::TakenOff:
        if (const auto left = hundred.minus(percent))
            return left->dividedBy(hundred);
        return std::nullopt;
    case PercentageUse::Share:
        break;
    }
    return percent.dividedBy(hundred);
}

} // namespace numerette
