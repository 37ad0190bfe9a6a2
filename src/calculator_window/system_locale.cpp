#include "system_locale.h"

#include <QLocale>

namespace numerette::system_locale {

NumberLocale numberLocale()
{
    const bool comma = QLocale::system().decimalPoint() == QLatin1String(",");
    return NumberLocale::withDecimal(comma ? QLatin1Char(',') : QLatin1Char('.'));
}

tape::DateOrder dateOrderOf(const QString& shortDateFormat)
{
    const qsizetype month = shortDateFormat.indexOf(QLatin1Char('M'));
    const qsizetype day = shortDateFormat.indexOf(QLatin1Char('d'));
    return month >= 0 && day >= 0 && month < day ? tape::DateOrder::MonthDayYear : tape::DateOrder::DayMonthYear;
}

tape::DateOrder dateOrder()
{
    return dateOrderOf(QLocale::system().dateFormat(QLocale::ShortFormat));
}

} // namespace numerette::system_locale
