// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule.h"

#include <algorithm>

namespace numerette {

namespace {

// An alarm or the shutdown is due while its time is this many seconds past at most, and more
// than none; the half-second check cannot miss it.
constexpr int DueWindowSeconds = 5;
constexpr int CountdownSeconds = 20;
constexpr int SecondsPerDay = 24 * 60 * 60;

// Times of day compare around midnight, so that an alarm at 23:59:59 still comes round.
bool due(const ScheduleTime& time, QTime now)
{
    if (time.withDate)
        return false;
    const int past = secondsPast(time.timeOfDay, now);
    return past > 0 && past < DueWindowSeconds;
}

bool inCountdown(const ScheduleTime& time, QTime now)
{
    if (time.withDate)
        return false;
    const int past = secondsPast(time.timeOfDay, now);
    return past < DueWindowSeconds || past > SecondsPerDay - CountdownSeconds;
}

} // namespace

bool Schedule::anyAlarmSet() const
{
    return std::any_of(m_alarms.cbegin(), m_alarms.cend(), [](const Alarm& alarm) { return alarm.set; });
}

void Schedule::setAlarm(qsizetype index, const ScheduleTime& time, const QString& reason)
{
    if (index < 0 || index >= m_alarms.size())
        return;
    m_alarms[index] = Alarm{true, false, time, reason.toUpper()};
    if (index == m_alarms.size() - 1)
        m_alarms.append(Alarm{});
}

void Schedule::cancelAlarm(qsizetype index)
{
    if (index >= 0 && index < m_alarms.size())
        m_alarms[index].set = m_alarms[index].ringing = false;
}

void Schedule::setShutdown(const ScheduleTime& time)
{
    m_shutdown = time;
    m_shutdownSet = true;
}

void Schedule::cancelShutdown()
{
    m_shutdownSet = false;
    m_countdown = false;
}

QList<qsizetype> Schedule::checkTime(QTime now)
{
    QList<qsizetype> ringing;
    for (qsizetype i = 0; i < m_alarms.size(); ++i) {
        Alarm& alarm = m_alarms[i];
        if (alarm.set && !alarm.ringing && due(alarm.time, now)) {
            alarm.ringing = true;
            ringing.append(i);
        }
    }
    m_countdown = m_shutdownSet && inCountdown(m_shutdown, now);
    return ringing;
}

bool Schedule::alarmClosed(qsizetype index)
{
    if (index < 0 || index >= m_alarms.size() || !m_alarms.at(index).ringing)
        return false;
    cancelAlarm(index);
    return true;
}

Schedule::TrayStep Schedule::trayTick(QTime now) const
{
    if (!needsAttention())
        return {};
    TrayStep step;
    if (m_shutdownSet) {
        ++step.beeps;
        step.powerOff = m_countdown && due(m_shutdown, now);
    }
    step.beeps += std::count_if(m_alarms.cbegin(), m_alarms.cend(), [](const Alarm& alarm) { return alarm.set; });
    return step;
}

qsizetype Schedule::ringingCount() const
{
    return std::count_if(m_alarms.cbegin(), m_alarms.cend(), [](const Alarm& alarm) { return alarm.ringing; });
}

} // namespace numerette
