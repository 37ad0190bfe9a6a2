// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule_time.h"

#include <array>

#include <QDate>
#include <QLocale>
#include <QString>

namespace numerette {

namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

QTime wholeSeconds(QTime time)
{
    return QTime(time.hour(), time.minute(), time.second());
}

std::optional<QTime> readTime(const QString& text, const QLocale& locale)
{
    static constexpr std::array<const char*, 8> Patterns{"H:mm:ss", "H:mm",    "h:mm:ss AP", "h:mm AP",
                                                         "h:mm:ssAP", "h:mmAP", "h AP",       "hAP"};
    for (const char* pattern : Patterns) {
        const QTime time = QTime::fromString(text, QLatin1String(pattern));
        if (time.isValid())
            return wholeSeconds(time);
    }
    for (const QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QTime time = locale.toTime(text, format);
        if (time.isValid())
            return wholeSeconds(time);
    }
    return std::nullopt;
}

bool isDate(const QString& text, const QLocale& locale)
{
    const bool dayFirst = locale.toString(QDate(2000, 12, 31), QLocale::ShortFormat).startsWith(u"31");
    const std::array<QString, 4> patterns{dayFirst ? QStringLiteral("d/M/yyyy") : QStringLiteral("M/d/yyyy"),
                                          dayFirst ? QStringLiteral("d.M.yyyy") : QStringLiteral("M.d.yyyy"),
                                          dayFirst ? QStringLiteral("d-M-yyyy") : QStringLiteral("M-d-yyyy"),
                                          QStringLiteral("yyyy-M-d")};
    for (const QString& pattern : patterns) {
        if (QDate::fromString(text, pattern).isValid())
            return true;
    }
    return locale.toDate(text, QLocale::ShortFormat).isValid() || locale.toDate(text, QLocale::LongFormat).isValid();
}

} // namespace

std::optional<ScheduleTime> readScheduleTime(const QString& text, const QLocale& locale)
{
    const QString typed = text.simplified();
    if (typed.isEmpty())
        return std::nullopt;
    if (const std::optional<QTime> time = readTime(typed, locale))
        return ScheduleTime{*time, false};
    if (isDate(typed, locale))
        return ScheduleTime{QTime(0, 0), true};
    // A date with a time after it or before it; the date part is a single word.
    const qsizetype firstBlank = typed.indexOf(u' ');
    const qsizetype lastBlank = typed.lastIndexOf(u' ');
    if (firstBlank < 0)
        return std::nullopt;
    if (isDate(typed.left(firstBlank), locale)) {
        if (const std::optional<QTime> time = readTime(typed.mid(firstBlank + 1), locale))
            return ScheduleTime{*time, true};
    }
    if (isDate(typed.mid(lastBlank + 1), locale)) {
        if (const std::optional<QTime> time = readTime(typed.left(lastBlank), locale))
            return ScheduleTime{*time, true};
    }
    return std::nullopt;
}

int secondsPast(QTime at, QTime now)
{
    return ((at.secsTo(now) % SecondsPerDay) + SecondsPerDay) % SecondsPerDay;
}

QString scheduleCaptionTime(const ScheduleTime& time)
{
    return time.timeOfDay.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace numerette
