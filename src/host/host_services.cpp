// SPDX-License-Identifier: GPL-3.0-or-later
#include "host_services.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include "desktop_notifications.h"
#include "power_off.h"
#include "schedule_dialogs.h"

HostServices::HostServices() = default;
HostServices::HostServices(HostServices&&) noexcept = default;
HostServices& HostServices::operator=(HostServices&&) noexcept = default;
HostServices::~HostServices() = default;

HostServices systemHostServices(QWidget* owner)
{
    HostServices services;
    services.clock = timeOfDayNow;
    services.beep = [] { QApplication::beep(); };
    services.dialogs = std::make_unique<QtScheduleDialogs>(owner);
    services.notifications = std::make_unique<numerette::FreedesktopNotifications>();
    services.powerOff = std::make_unique<numerette::LogindPowerOff>();
    services.trayPresent = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    services.calculatorPlatform = systemCalculatorPlatform;
    return services;
}

QTime timeOfDayNow()
{
    const QTime now = QTime::currentTime();
    return QTime(now.hour(), now.minute(), now.second());
}
