// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QLocale>
#include <QObject>
#include <QTime>

#include "schedule.h"

class QTimer;
class ScheduleDialogs;
class TrayMenu;

namespace numerette {
class DesktopNotifications;
}

// The alarm entries and the shutdown item of the Tools submenu: the dialogs that set and cancel
// them, and the half-second check `tmrTempo` that rings the alarms and starts the shutdown
// countdown. The clock gives the current time of day; tests set it.
class ScheduleCommands : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QTime()>;

    ScheduleCommands(TrayMenu& menu, ScheduleDialogs& dialogs, numerette::DesktopNotifications& notifications,
                     Clock clock, const QLocale& locale, QObject* parent = nullptr);

    void mnuAlarme_Click(qsizetype index);
    void mnuDesligar_Click();
    void tmrTempo_Timer();
    // The program is ending: no more checks.
    void stop();

    const numerette::Schedule& schedule() const { return m_schedule; }
    // The part of the tray timer's tick that belongs to the schedule.
    numerette::Schedule::TrayStep trayTick() const { return m_schedule.trayTick(m_clock()); }

signals:
    // An alarm rings or the countdown runs: the icon blinks until it ends, and the tray
    // timer beeps.
    void attentionNeeded();

private:
    void ringAlarm(qsizetype index);
    void cancelled();

    TrayMenu& m_menu;
    ScheduleDialogs& m_dialogs;
    numerette::DesktopNotifications& m_notifications;
    Clock m_clock;
    QLocale m_locale;
    numerette::Schedule m_schedule;
    QTimer* m_tmrTempo;
};
