// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QTime>

class QLocale;
class QString;

namespace numerette {

// A time the user typed for an alarm or the shutdown.
struct ScheduleTime {
    // Whole seconds.
    QTime timeOfDay;
    // Typed together with a date: a valid entry that never comes round, since only times of
    // day are compared.
    bool withDate = false;
};

// A time text read the ways the user's locale and common usage write it: "14:30", "14:30:05",
// "2:30 PM", the locale's own time formats, and any of these after or before a date. Nothing for
// a text that is no time (or an empty one).
std::optional<ScheduleTime> readScheduleTime(const QString& text, const QLocale& locale);

// How many seconds now is past at, going forward around the clock: 0 to 86399.
int secondsPast(QTime at, QTime now);

// The time of day as the messages and captions show it, "hh:mm:ss" on the 24-hour clock.
QString scheduleCaptionTime(const ScheduleTime& time);

} // namespace numerette
