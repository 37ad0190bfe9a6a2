// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QIcon>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "calculator_owner.h"
#include "instance_message.h"
#include "host_services.h"
#include "process_values.h"
#include "tray_blink.h"

class HostedCalculator;
class QSystemTrayIcon;
class QTimer;
class ScheduleCommands;
class TrayMenu;
class frmCalcula;

namespace numerette {
class Calculator;
class InstanceChannel;
class SettingsStore;
}

// The hidden host of the process. Loading it decides what the process is (the first instance,
// a secondary calculator, or a start that hands its command over and ends); the first instance
// keeps the notification-area icon and answers the later starts. It loads the calculator
// windows and owns them. It alone decides, when a calculator closes, whether the process parks
// in the notification area or ends, and it alone holds whether the calculator is parked. It
// ends the process. It is never shown.
class frmSysTray : public QWidget, public CalculatorOwner {
    Q_OBJECT

public:
    frmSysTray(const QString& commandWord, numerette::InstanceChannel& channel,
               numerette::SettingsStore& settings, QWidget* parent = nullptr);
    ~frmSysTray() override;

    // The splash, which goes away once the calculator has read its state.
    void setSplash(QWidget* splash) { m_splash = splash; }
    // The key of numerette --press, for the running instance or, when none runs, for the
    // calculator this process shows; before load().
    void setPressedKey(const QString& key) { m_pressedKey = key; }
    // Replaces the system's services; before load().
    void setServices(HostServices services);

    // Builds the calculator while the splash shows, when this process is sure to show it: the
    // first instance with a word that opens the calculator. It stays hidden, and ignores keys
    // and copies, until load() shows it; any other start builds its calculator in load().
    void prepare();
    // Establishes the process-wide values and takes the start-up route of the command word.
    void load();

    // Shows the calculator: the open window restored and focused, or a fresh one when the
    // calculator was closed to the notification area (or never opened).
    void mnuSystray_Click();
    // Pops up the Tools submenu at the mouse pointer; the calculator's "Tool&s" item asks for it.
    void AbrirUtil();
    // The notification-area menu of the first instance; none in other processes.
    TrayMenu* trayMenu() const { return m_trayMenu; }
    ScheduleCommands* scheduleCommands() const { return m_schedule; }
    QSystemTrayIcon* trayIcon() const { return m_trayIcon; }

    const numerette::ProcessValues& values() const { return m_values; }
    // 1 for the main calculator, 2 for a secondary calculator process.
    int hostTag() const { return m_hostTag; }
    // The calculator window while one is loaded and not closed to the notification area.
    frmCalcula* calculatorWindow() const;
    numerette::Calculator* calculator() const;

    // Parked: the calculator was closed to the notification area, or the exit has begun. A
    // parked calculator takes no keys; the next show loads a fresh one.
    bool calculatorParked() const override { return m_calculatorParked; }
    void setCalculatorParked(bool parked);
    bool alarmArmed() const;
    bool shutdownArmed() const;
    // A notification area to park in and come back from.
    bool trayAvailable() const;
    void startTrayBlink();
    // Ends the process: closes every window, the calculator last, so that it saves its state
    // before a waiting start may read it.
    void unloadHost();
    void unloadSplash();

signals:
    // The host has unloaded: every window is closed and the process should end.
    void unloaded();

private:
    void lblDDE1_Change(const numerette::InstanceMessage& message);
    void runHandOver(const QString& text);
    void runPressedKey(const QString& name);
    void becomeFirstInstance(bool showCalculator);
    void loadCalculator();
    // A calculator window has closed and saved: park the process or end it.
    void calculatorClosing(const CalculatorLaunch& launch, bool stayInTray);
    void parkedWithoutTray();
    // The calculator window, loaded afresh if it was closed to the notification area, and
    // taking keys.
    frmCalcula& shownCalculator();
    void showWithoutTray();
    void watchForNotificationArea();
    void establishValues();
    void addTrayIcon();
    void setTrayIconShown(bool shown);
    void tmrTray_Timer();
    void mnuReg_Click();
    void mnuAtalho_Click();
    // The shutdown time has come: the program ends as on Exit, then the computer goes off.
    void shutDown();

    numerette::InstanceChannel& m_channel;
    numerette::SettingsStore& m_settings;
    numerette::ProcessValues m_values;
    int m_hostTag = 1;
    bool m_calculatorParked = false;
    bool m_loaded = false;
    // The calculator read its state before load(): the splash goes at load().
    bool m_splashUnloadDue = false;
    QString m_pressedKey;
    // Hand-overs and key presses received before load(), run once the calculator shows.
    QList<numerette::InstanceMessage> m_earlyMessages;
    bool m_unloading = false;
    std::unique_ptr<HostedCalculator> m_calculator;
    QPointer<QWidget> m_splash;
    HostServices m_services;
    QSystemTrayIcon* m_trayIcon = nullptr;
    TrayMenu* m_trayMenu = nullptr;
    ScheduleCommands* m_schedule = nullptr;
    QTimer* m_tmrTray = nullptr;
    QIcon m_trayPicture;
    QIcon m_trayBlank;
    numerette::TrayBlink m_blink;
    // The user was told that the calculator waits minimized for want of a notification area.
    bool m_noTrayTold = false;
};
