// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

#include "decimal.h"
#include "number_text.h"

namespace numerette::tape {

// The sums of the interest tool's reports found in a list: every report has an
// "INITIAL VALUE " label line, later a "TOTAL INTEREST AMOUNT " and a "FINAL AMOUNT " label
// line, each followed by its amount on the next 26 columns. The labels are read in every
// language the program speaks, so reports written in different languages add up together.
struct CapitalizationTotals {
    Decimal initial;
    Decimal interest;
    Decimal finalAmount;
};

// Lists are read with a 16-bit count; a longer one cannot be grouped.
constexpr int MaxGroupedListLength = 32767;

// The three sums of every report in `list`, each amount rounded to four decimals as a
// currency value. Nothing when the list is too long, a report lacks one of its labels, an
// amount does not read as a number, or a sum leaves the currency range.
std::optional<CapitalizationTotals> capitalizationTotals(const QString& list, const NumberLocale& locale);

// The block that shows the sums, ending with a separator; every line ends with CR LF.
QString capitalizationTotalBlock(const CapitalizationTotals& totals, const NumberLocale& locale);

} // namespace numerette::tape
