// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <QTime>

#include "calculator_platform.h"

class QWidget;
class ScheduleDialogs;

namespace numerette {
class DesktopNotifications;
class PowerOff;
}

// What the host reaches outside the program through: the clock, the beep, the boxes of the
// alarm and shutdown commands, desktop notifications, the power-off, the notification area,
// and the services of each calculator it loads. Tests give fakes.
struct HostServices {
    std::function<QTime()> clock;
    std::function<void()> beep;
    std::unique_ptr<ScheduleDialogs> dialogs;
    std::unique_ptr<numerette::DesktopNotifications> notifications;
    std::unique_ptr<numerette::PowerOff> powerOff;
    // Whether the desktop has a notification area for the icon, asked at each use: one may
    // start after the program.
    std::function<bool()> trayPresent;
    // Called for every calculator the host loads.
    std::function<CalculatorPlatform()> calculatorPlatform;

    HostServices();
    HostServices(HostServices&&) noexcept;
    HostServices& operator=(HostServices&&) noexcept;
    ~HostServices();
};

// The real ones; alarm messages belong to owner.
HostServices systemHostServices(QWidget* owner);

// The time of day now, in whole seconds.
QTime timeOfDayNow();
