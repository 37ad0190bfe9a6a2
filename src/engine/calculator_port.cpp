// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_port.h"

#include <array>

#include <QCoreApplication>

namespace numerette {
namespace {

// Sunday first, as QDate::dayOfWeek() % 7 counts.
constexpr std::array<const char*, 7> WeekdayAbbreviations{
    //: Weekday in the tape's date header, at most 3 letters
    QT_TRANSLATE_NOOP("Weekday", "Sun"),
    //: Weekday in the tape's date header, at most 3 letters
    QT_TRANSLATE_NOOP("Weekday", "Mon"),
    //: Weekday in the tape's date header, at most 3 letters
    QT_TRANSLATE_NOOP("Weekday", "Tue"),
    //: Weekday in the tape's date header, at most 3 letters
    QT_TRANSLATE_NOOP("Weekday", "Wed"),
    //: Weekday in the tape's date header, at most 3 letters
    QT_TRANSLATE_NOOP("Weekday", "Thu"),
    //: Weekday in the tape's date header, at most 3 letters
    QT_TRANSLATE_NOOP("Weekday", "Fri"),
    //: Weekday in the tape's date header, at most 3 letters
    QT_TRANSLATE_NOOP("Weekday", "Sat"),
};

} // namespace

QString CalculatorPort::weekdayName(QDate date) const
{
    if (!date.isValid())
        return {};
    return QCoreApplication::translate("Weekday", WeekdayAbbreviations[std::size_t(date.dayOfWeek() % 7)]);
}

} // namespace numerette
