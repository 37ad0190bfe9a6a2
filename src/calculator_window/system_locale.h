#pragma once

#include <QString>

#include "calculation_list.h"
#include "number_text.h"

// The number and date conventions the calculator takes from the user's locale.
namespace numerette::system_locale {

// "." or "," as the locale's decimal point is; the grouping separator is the other one.
NumberLocale numberLocale();

// Month before day in the locale's short date format (such as "M/d/yy") gives
// month-day-year; anything else day-month-year.
tape::DateOrder dateOrderOf(const QString& shortDateFormat);
tape::DateOrder dateOrder();

} // namespace numerette::system_locale
