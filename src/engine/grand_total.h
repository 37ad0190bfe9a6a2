// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decimal.h"

namespace numerette {

// The grand total: the sum of the totals written since it was last written or cleared, and
// how many there were.
struct GrandTotalRegister {
    Decimal value;
    int count = 0;
    bool operator==(const GrandTotalRegister&) const = default;
};

} // namespace numerette
