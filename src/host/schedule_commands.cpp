// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule_commands.h"

#include <QTimer>

#include "desktop_notifications.h"
#include "message_catalogue.h"
#include "process_values.h"
#include "schedule_dialogs.h"
#include "tray_menu.h"

using numerette::LoadMessage;
using numerette::Message;
using numerette::ScheduleTime;

namespace {

constexpr int CheckIntervalMs = 500;

} // namespace

ScheduleCommands::ScheduleCommands(TrayMenu& menu, ScheduleDialogs& dialogs,
                                   numerette::DesktopNotifications& notifications, Clock clock,
                                   const QLocale& locale, QObject* parent)
    : QObject(parent)
    , m_menu(menu)
    , m_dialogs(dialogs)
    , m_notifications(notifications)
    , m_clock(std::move(clock))
    , m_locale(locale)
    , m_tmrTempo(new QTimer(this))
{
    m_tmrTempo->setObjectName(QStringLiteral("tmrTempo"));
    m_tmrTempo->setInterval(CheckIntervalMs);
    connect(m_tmrTempo, &QTimer::timeout, this, &ScheduleCommands::tmrTempo_Timer);
    connect(&m_menu, &TrayMenu::alarmRequested, this, &ScheduleCommands::mnuAlarme_Click);
    connect(&m_menu, &TrayMenu::shutdownRequested, this, &ScheduleCommands::mnuDesligar_Click);
}

void ScheduleCommands::mnuAlarme_Click(qsizetype index)
{
    if (index < 0 || index >= m_schedule.alarmCount())
        return;
    if (m_schedule.alarm(index).set) {
        m_schedule.cancelAlarm(index);
        m_menu.showAlarmEntry(index, false, {});
        cancelled();
        return;
    }
    const QString title = LoadMessage(Message::AlarmTitle);
    const std::optional<QString> typed =
        m_dialogs.inputBox(LoadMessage(Message::EnterTime), title, numerette::timeOfDayText(m_clock(), m_locale));
    const std::optional<ScheduleTime> time = typed ? numerette::readScheduleTime(*typed, m_locale) : std::nullopt;
    if (!time) {
        cancelled();
        return;
    }
    const std::optional<QString> reason = m_dialogs.inputBox(LoadMessage(Message::DescribeReason), title, QString());
    // The entry may have been set meanwhile from the calculator's copy of this menu.
    if (!reason || reason->trimmed().isEmpty() || m_schedule.alarm(index).set) {
        cancelled();
        return;
    }
    m_schedule.setAlarm(index, *time, *reason);
    while (m_menu.alarmEntryCount() < m_schedule.alarmCount())
        m_menu.addAlarmEntry();
    m_menu.showAlarmEntry(index, true, numerette::scheduleCaptionTime(*time));
    m_tmrTempo->start();
}

void ScheduleCommands::mnuDesligar_Click()
{
    if (m_schedule.shutdownSet()) {
        m_schedule.cancelShutdown();
        m_menu.showShutdown(false, {});
        cancelled();
        return;
    }
    const std::optional<QString> typed = m_dialogs.inputBox(LoadMessage(Message::ShutdownPrompt), LoadMessage(Message::ShutdownTitle),
                                                            numerette::timeOfDayText(m_clock(), m_locale));
    const std::optional<ScheduleTime> time = typed ? numerette::readScheduleTime(*typed, m_locale) : std::nullopt;
    if (!time) {
        cancelled();
        return;
    }
    if (!m_dialogs.askYesNo(LoadMessage(Message::ConfirmShutdown, typed->trimmed())) || m_schedule.shutdownSet())
        return;
    m_schedule.setShutdown(*time);
    m_menu.showShutdown(true, numerette::scheduleCaptionTime(*time));
    m_tmrTempo->start();
}

void ScheduleCommands::tmrTempo_Timer()
{
    const QList<qsizetype> ringing = m_schedule.checkTime(m_clock());
    if (m_schedule.needsAttention())
        emit attentionNeeded();
    for (const qsizetype index : ringing)
        ringAlarm(index);
}

void ScheduleCommands::stop()
{
    m_tmrTempo->stop();
}

void ScheduleCommands::ringAlarm(qsizetype index)
{
    const numerette::Schedule::Alarm& alarm = m_schedule.alarm(index);
    const QString text = LoadMessage(Message::AlarmMessage, numerette::scheduleCaptionTime(alarm.time), alarm.reason);
    // Also in the desktop's notification area, where a message box hidden behind other
    // windows would be missed.
    m_notifications.notify(LoadMessage(Message::AlarmTitle).trimmed(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_dialogs.showAlarm(text, [this, index] {
        if (m_schedule.alarmClosed(index))
            m_menu.showAlarmEntry(index, false, {});
    });
}

void ScheduleCommands::cancelled()
{
    m_dialogs.scheduleCanceled();
}
