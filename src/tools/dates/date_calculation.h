// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include <QDate>
#include <QString>

#include "calculation_list.h"

class QLocale;

// The date tool's arithmetic on the texts of its fields: reading and writing dates in the
// user's day order, the leap days met between two dates, the breakdown of a span into
// years, months, weeks and days, and the report it leaves on the calculation list.
namespace numerette::dates {

constexpr int DateLength = 10;

// How dates are written: the day order of `DateFormat` and the locale's date separator.
struct DateStyle {
    tape::DateOrder order = tape::DateOrder::DayMonthYear;
    QChar separator = QLatin1Char('/');
};

// `dateFormat` is "dd/mm/yyyy" or "mm/dd/yyyy".
DateStyle dateStyleOf(const QString& dateFormat, QChar separator);
// The separator a locale writes in its short dates; "/" when it shows none.
QChar dateSeparatorOf(const QLocale& locale);

// The text of an empty date field: "__/__/____" with the style's separator.
QString emptyMask(const DateStyle& style);
QString formatDate(QDate date, const DateStyle& style);
// The date a text denotes: day, month and year in the style's order, separated by the
// separator, "/", "-" or "."; a year of one or two digits is 1930..2029. Surrounding blanks
// are ignored. A partly typed date (no year) is no date.
std::optional<QDate> DateOf(const QString& text, const DateStyle& style);
// The locale's full weekday name, or the empty text for a text that is no date.
QString weekdayName(const QString& text, const DateStyle& style, const QLocale& locale);

// What a date field holds once it is checked: the date rewritten in the style, or the empty
// mask (an empty field is valid); nothing for a text that is no date. The unfilled part of a
// partly typed date is blanked before it is read.
std::optional<QString> validatedDateText(const QString& text, const DateStyle& style);

// The 29 Februaries met walking from `initial` to `final` a year at a time.
int leapDaysBetween(QDate initial, QDate final);
// Whole months in a span of days: 31-day months for 360..364 days, so that a span just
// short of a year never reads as 12 months; 30-day months otherwise.
int monthsIn(int days);

enum class Unit { Years, Months, Weeks, Days };
constexpr int UnitCount = 4;

// The texts of the window's fields that the calculation reads and writes.
struct DateForm {
    QString initialDate;
    QString finalDate;
    std::array<QString, UnitCount> results;  // years, months, weeks, days
    std::array<bool, UnitCount> ticked{true, true, true, true};
    QString leapDays;  // empty, or the count met by the last calculation
};

// The calculation buttons: a breakdown starting at one unit, or the final date from a period.
enum class Button { Years, Months, Weeks, Days, FinalDate };

enum class Outcome {
    Done,
    FinalBeforeInitial,  // message 33, nothing computed
    MissingInformation,  // message 34: no final date, or a date beyond the calendar
};

// Runs a calculation button on fields whose dates have been validated, the initial one being
// a date. With a final date the span between the dates is broken down, otherwise the final
// date is found from the period typed. A failure leaves the steps done before it in effect.
Outcome calculate(DateForm& form, Button button, const DateStyle& style);

// The lines the window adds to the calculation list when it closes, each ended by CR LF;
// empty when there is nothing to report (equal dates, a missing date, every result 0).
QString dateReport(const DateForm& form, const DateStyle& style);

} // namespace numerette::dates
