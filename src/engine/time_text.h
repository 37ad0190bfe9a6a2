// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

#include "number_text.h"

namespace numerette {

// Converts between a duration written as hh:mm:ss (more hour digits when needed, an
// optional leading "-") and its number of seconds written as a number text; the
// direction follows from whether the text holds ":". Nothing when a part is no number.
std::optional<QString> ConvertTime(const QString& text, const NumberLocale& locale);

// The digits a time text was typed with: the characters before the first ":", the two
// after it and the last two ("01:30:00" gives "013000").
QString TimeDigits(const QString& timeText);

} // namespace numerette
