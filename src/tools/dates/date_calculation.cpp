// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_calculation.h"

#include <algorithm>

#include <QCoreApplication>
#include <QLocale>

#include "message_catalogue.h"

namespace numerette::dates {

namespace {

constexpr int SpanYearDays = 365;
constexpr std::array<int, UnitCount> UnitDays{365, 30, 7, 1};

// Only dates of four-digit years are written and read back.
const QDate FirstDate(100, 1, 1);
const QDate LastDate(9999, 12, 31);

bool inCalendar(QDate date)
{
    return date.isValid() && date >= FirstDate && date <= LastDate;
}

bool isDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// A result field's whole number; nothing for a text that is none.
std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

int yearOf(QStringView digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

QString spaces(qsizetype count)
{
    return QString(std::max<qsizetype>(count, 0), QLatin1Char(' '));
}

constexpr qsizetype UnitLineEnd = 23;

// A report line of a unit: the label and value end at column 23, a blank after them.
QString unitLine(const QString& labelled)
{
    return spaces(UnitLineEnd - labelled.size()) + labelled + QLatin1Char(' ') + tape::LineBreak;
}

} // namespace

DateStyle dateStyleOf(const QString& dateFormat, QChar separator)
{
    const auto order = dateFormat.startsWith(QLatin1String("mm"), Qt::CaseInsensitive) ? tape::DateOrder::MonthDayYear
                                                                                        : tape::DateOrder::DayMonthYear;
    return DateStyle{order, separator};
}

QChar dateSeparatorOf(const QLocale& locale)
{
    for (const QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    }
    return QLatin1Char('/');
}

QString emptyMask(const DateStyle& style)
{
    return QLatin1String("__") + style.separator + QLatin1String("__") + style.separator + QLatin1String("____");
}

QString formatDate(QDate date, const DateStyle& style)
{
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    const bool dayFirst = style.order == tape::DateOrder::DayMonthYear;
    const int first = dayFirst ? date.day() : date.month();
    const int second = dayFirst ? date.month() : date.day();
    return two(first) + style.separator + two(second) + style.separator
        + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

std::optional<QDate> DateOf(const QString& text, const DateStyle& style)
{
    QString normalized = text.trimmed();
    for (const QChar c : {QChar(u'/'), QChar(u'-'), QChar(u'.')})
        normalized.replace(c, style.separator);
    const QStringList parts = normalized.split(style.separator);
    if (parts.size() != 3 || !std::all_of(parts.begin(), parts.end(), isDigits))
        return std::nullopt;
    if (parts[0].size() > 2 || parts[1].size() > 2 || parts[2].size() == 3 || parts[2].size() > 4)
        return std::nullopt;
    const bool dayFirst = style.order == tape::DateOrder::DayMonthYear;
    const int day = (dayFirst ? parts[0] : parts[1]).toInt();
    const int month = (dayFirst ? parts[1] : parts[0]).toInt();
    const QDate date(yearOf(parts[2]), month, day);
    return inCalendar(date) ? std::optional(date) : std::nullopt;
}

QString weekdayName(const QString& text, const DateStyle& style, const QLocale& locale)
{
    const auto date = DateOf(text, style);
    return date ? locale.dayName(date->dayOfWeek(), QLocale::LongFormat) : QString();
}

std::optional<QString> validatedDateText(const QString& text, const DateStyle& style)
{
    QString t = text;
    if (const qsizetype blank = t.indexOf(QLatin1Char('_')); blank >= 1)
        t = t.left(blank) + spaces(DateLength - blank);
    if (const auto date = DateOf(t, style))
        return formatDate(*date, style);
    if (t == emptyMask(style))
        return t;
    return std::nullopt;
}

int leapDaysBetween(QDate initial, QDate final)
{
    int count = 0;
    int previous = 0;
    QDate d = initial;
    while (d <= final && QDate(d.year(), 2, 28) <= final) {
        const int y = d.year();
        if (d > QDate(y, 2, 28)) {
            if (final > d && QDate::isLeapYear(y + 1) && final >= QDate(y + 1, 2, 29))
                ++count;
        } else if (QDate::isLeapYear(y) && final >= QDate(y, 2, 29)) {
            ++count;
        }
        // After a 29 February the same day of the next year is 366 days on.
        d = d.addDays(count != previous ? SpanYearDays + 1 : SpanYearDays);
        previous = count;
    }
    return count;
}

int monthsIn(int days)
{
    return days >= 360 && days <= 364 ? days / 31 : days / 30;
}

Outcome calculate(DateForm& form, Button button, const DateStyle& style)
{
    const auto initial = DateOf(form.initialDate, style);
    if (!initial)
        return Outcome::MissingInformation;
    if (DateOf(form.finalDate, style)) {
        form.results.fill(QString());
        form.leapDays.clear();
    }
    qint64 period = 0;
    for (int i = 0; i < UnitCount; ++i) {
        const auto value = wholeNumber(form.results[i]);
        if (!value)
            form.results[i] = QStringLiteral("0");
        period += qint64(value.value_or(0)) * UnitDays[i];
    }
    if (period != 0) {
        const QDate final = initial->addDays(period);
        if (!inCalendar(final))
            return Outcome::MissingInformation;
        form.finalDate = formatDate(final, style);
    }
    const auto final = form.finalDate.size() > 7 ? DateOf(form.finalDate, style) : std::nullopt;
    if (!final)
        return Outcome::MissingInformation;
    if (*final < *initial)
        return Outcome::FinalBeforeInitial;

    // From years, a period typed in years is first stretched by the leap days it spans,
    // then the span is measured again between the two dates.
    const bool fromYears = button == Button::Years || button == Button::FinalDate;
    int leapDays = 0;
    qint64 span = initial->daysTo(*final);
    while (fromYears) {
        leapDays = span >= SpanYearDays ? leapDaysBetween(*initial, initial->addDays(span)) : 0;
        if (wholeNumber(form.results[0]).value_or(0) == 0) {
            span -= leapDays;
            break;
        }
        const QDate stretched = initial->addDays(span + leapDays);
        if (!inCalendar(stretched))
            return Outcome::MissingInformation;
        form.finalDate = formatDate(stretched, style);
        form.results[0] = QStringLiteral("0");
        span = initial->daysTo(stretched);
    }

    const int first = fromYears ? 0 : int(button);
    for (int i = 0; i < first; ++i)
        form.results[i] = QStringLiteral("0");
    for (int i = first; i < int(Unit::Days); ++i) {
        if (!form.ticked[i])
            continue;
        const qint64 count = i == int(Unit::Months) ? monthsIn(int(span)) : span / UnitDays[i];
        form.results[i] = QString::number(count);
        span -= count * (i == int(Unit::Months) ? 30 : UnitDays[i]);
    }
    form.leapDays = QString::number(leapDays);
    if (form.ticked[int(Unit::Days)])
        form.results[int(Unit::Days)] = QString::number(span);
    return Outcome::Done;
}

QString dateReport(const DateForm& form, const DateStyle& style)
{
    if (form.initialDate == form.finalDate || !DateOf(form.initialDate, style) || !DateOf(form.finalDate, style))
        return {};
    const auto& r = form.results;
    const auto isSet = [](const QString& value) { return LeadingNumber(value) != 0; };
    if (std::none_of(r.begin(), r.end(), isSet))
        return {};
    QString report = spaces(9) + QLatin1Char('[') + form.finalDate + QLatin1String("] - ") + tape::LineBreak
        + spaces(9) + QLatin1Char('[') + form.initialDate + QLatin1String("] = ") + tape::LineBreak;
    if (isSet(r[0]))
        //: Tape report line of the date difference, at most 23 columns with the number %1
        report += unitLine(QCoreApplication::translate("DateReport", " years: %1").arg(r[0]));
    if (isSet(r[1]))
        //: Tape report line of the date difference, at most 23 columns with the number %1
        report += unitLine(QCoreApplication::translate("DateReport", " months: %1").arg(r[1]));
    if (isSet(r[2]))
        //: Tape report line of the date difference, at most 23 columns with the number %1
        report += unitLine(QCoreApplication::translate("DateReport", "   weeks: %1").arg(r[2]));
    if (isSet(r[3]))
        //: Tape report line of the date difference, at most 23 columns with the number %1
        report += unitLine(QCoreApplication::translate("DateReport", " days: %1").arg(r[3]));
    return report + tape::Separator + tape::LineBreak;
}

} // namespace numerette::dates
