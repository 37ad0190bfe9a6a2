// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QStringView>

#include "decimal.h"

namespace numerette {

// The figures of the tax and margin keys, each rounded to the decimals of the number format
// in the chosen rounding mode, looking at every digit of the exact quotient.

// The decimal places a number picture rounds to ("#,##0.00" gives 2, "#,##0" 0).
int pictureDecimals(QStringView picture);

// n ÷ d rounded to `places` decimals exactly; nothing on a division by zero or an overflow.
std::optional<Decimal> roundedQuotient(const Decimal& n, const Decimal& d, int places, RoundingMode mode);

struct TaxFigures {
    Decimal net;
    Decimal tax;
    Decimal gross;
};
// Tax added to a net amount: tax = net × rate ÷ 100, gross = net + tax.
std::optional<TaxFigures> taxAdded(const Decimal& net, const Decimal& ratePercent, int places, RoundingMode mode);
// Tax taken out of a gross amount: net = gross × 100 ÷ (100 + rate), tax = gross − net.
std::optional<TaxFigures> taxTakenOut(const Decimal& gross, const Decimal& ratePercent, int places,
                                      RoundingMode mode);

struct MarginFigures {
    Decimal sell;
    Decimal profit;
};
// The selling price that leaves `marginPercent` of itself as profit (margin on the selling
// price): sell = cost × 100 ÷ (100 − margin), profit = sell − cost. Nothing for a margin of
// 100 % or more, which no price gives.
std::optional<MarginFigures> sellingPrice(const Decimal& cost, const Decimal& marginPercent, int places,
                                          RoundingMode mode);

} // namespace numerette
