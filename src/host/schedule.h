// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QTime>

#include "schedule_time.h"

namespace numerette {

// The alarms and the timed shutdown, and what the host's two timers do with them at a given
// time of day. Held in memory only. The caller passes the current time of day in whole
// seconds, so the checks run without a clock of their own.
class Schedule {
public:
    struct Alarm {
        bool set = false;
        // Its message is open: it beeps, and does not open a second message.
        bool ringing = false;
        ScheduleTime time;
        // Upper case.
        QString reason;
    };

    struct TrayStep {
        int beeps = 0;
        // The shutdown time has come: power the computer off and end the program.
        bool powerOff = false;
    };

    // Alarm entry 0 exists from the start; setting the last entry adds an unset one below it.
    qsizetype alarmCount() const { return m_alarms.size(); }
    const Alarm& alarm(qsizetype index) const { return m_alarms.at(index); }
    bool anyAlarmSet() const;
    void setAlarm(qsizetype index, const ScheduleTime& time, const QString& reason);
    void cancelAlarm(qsizetype index);

    bool shutdownSet() const { return m_shutdownSet; }
    const ScheduleTime& shutdownTime() const { return m_shutdown; }
    void setShutdown(const ScheduleTime& time);
    // Also stops a running countdown.
    void cancelShutdown();

    // The half-second check: the alarms whose time has just come (from one to four seconds
    // ago) start ringing and are returned; the shutdown countdown runs from twenty seconds
    // before its time.
    QList<qsizetype> checkTime(QTime now);
    // The user closed the message of a ringing alarm: the entry is unset again. False when it
    // no longer rang (cancelled meanwhile, and perhaps set anew).
    bool alarmClosed(qsizetype index);

    // An alarm rings or the shutdown countdown runs: the icon keeps blinking and beeping goes on.
    bool needsAttention() const { return m_countdown || ringingCount() > 0; }
    bool countdownRunning() const { return m_countdown; }

    // The 200 ms tick: one beep for the countdown and one per set alarm while anything needs
    // attention, and whether the shutdown is due.
    TrayStep trayTick(QTime now) const;

private:
    qsizetype ringingCount() const;

    QList<Alarm> m_alarms{Alarm{}};
    bool m_shutdownSet = false;
    bool m_countdown = false;
    ScheduleTime m_shutdown;
};

} // namespace numerette
