// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QChar>
#include <QString>

#include "decimal.h"

namespace numerette {

// The separators numbers are read and written with: the decimal separator in use
// ("." or ",") and the grouping separator (the other one).
struct NumberLocale {
    QChar decimal = QLatin1Char('.');
    QChar group = QLatin1Char(',');
    // Grouping separators are read only every three digits of the integer part, as numbers
    // are written ("1,234,567"); otherwise one may stand between any two of its digits.
    bool thousandsGrouping = false;

    static NumberLocale withDecimal(QChar decimal);
    // The same separators, grouping read only by thousands: a text such as "2,5" in a "."
    // locale is no number rather than 25.
    NumberLocale withThousandsGrouping() const;
};

// The value of a text as the locale writes numbers: surrounding blanks, an optional
// leading "-", digits with grouping separators, at most one decimal separator.
// Nothing when the text is no number (empty, only blanks, stray characters, or a
// grouping separator out of place where the locale groups by thousands).
std::optional<Decimal> ValueOf(QStringView text, const NumberLocale& locale);

// Formats a number with a picture:
//   "#,##0.00####", "#,##0.##########", "#,##0.0".."#,##0.00000000", "#,##0.00", "#,##0", "0.00"
//   "000", "00", "#000"    at least that many digits, leading zeros
//   "#00:00:00"            at least six digits, ":" before the last four and last two
// Rounds to the picture's last decimal place, half away from zero unless another mode is
// asked for; a negative value gets a
// leading "-"; a picture with only optional decimals keeps a trailing decimal separator
// when they are all dropped ("12." with "#,##0.##########").
QString FormatPicture(const Decimal& value, QStringView picture, const NumberLocale& locale,
                      RoundingMode rounding = RoundingMode::HalfUp);
// The same for a text: the text's value (ValueOf) formatted, or the text unchanged when it
// is no number.
QString FormatPicture(QStringView text, QStringView picture, const NumberLocale& locale);

// "#,##0.00" of the text's value, or "0.00" when the text is no number.
QString FormatAmount(QStringView text, const NumberLocale& locale);

} // namespace numerette
