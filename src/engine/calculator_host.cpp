// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_host.h"

#include <QLocale>

namespace numerette {

QString CalculatorHost::weekdayName(QDate date) const
{
    return QLocale(QLocale::English).dayName(date.dayOfWeek());
}

} // namespace numerette
