// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_sys_tray.h"

#include <utility>

#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>

#include "app_picture.h"
#include "command_word.h"
#include "desktop_notifications.h"
#include "hosted_calculator.h"
#include "instance_channel.h"
#include "menu_entry.h"
#include "message_catalogue.h"
#include "pressed_key.h"
#include "power_off.h"
#include "schedule_commands.h"
#include "schedule_dialogs.h"
#include "tool_launchers.h"
#include "tray_menu.h"

using numerette::HandOverCommand;
using numerette::InstanceMessage;
using numerette::StartupRoute;

namespace {

constexpr int TrayIntervalMs = 200;
constexpr int SecondaryHostTag = 2;
const QString DonationPage = QStringLiteral(
    "https://www.paypal.com/cgi-bin/webscr?cmd=_xclick&business=support%40numerette.org"
    "&item_name=Make%20a%20donation%20to%20Numerette%20--%20Help%20keep%20Numerette%20FREE!&no_shipping=1");

QIcon blankIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return QIcon(pixmap);
}

} // namespace

frmSysTray::frmSysTray(const QString& commandWord, numerette::InstanceChannel& channel,
                       numerette::SettingsStore& settings, QWidget* parent)
    : QWidget(parent)
    , m_channel(channel)
    , m_settings(settings)
    , m_services(systemHostServices(this))
{
    setObjectName(QStringLiteral("frmSysTray"));
    m_values.CommandWord = commandWord;
    connect(&m_channel, &numerette::InstanceChannel::received, this, &frmSysTray::lblDDE1_Change);
}

frmSysTray::~frmSysTray() = default;

void frmSysTray::setServices(HostServices services)
{
    if (!m_loaded)
        m_services = std::move(services);
}

void frmSysTray::establishValues()
{
    m_values = numerette::establishProcessValues(m_values.CommandWord, QCoreApplication::applicationFilePath(),
                                                 QLocale::system());
}

// Building the calculator takes tens of milliseconds; done here, the window shows as soon as
// the splash's second is up. Only the role is claimed early: a hand-over or a close request
// still goes out at load(), when the user expects it.
void frmSysTray::prepare()
{
    if (m_loaded || m_calculator || m_unloading || !numerette::firstInstanceOpensCalculator(m_values.CommandWord)
        || m_channel.claim() != numerette::InstanceChannel::Role::First)
        return;
    establishValues();
    const QString commandWord = m_values.CommandWord;
    loadCalculator();
    // Kept for load(), which takes the start-up route of the word.
    m_values.CommandWord = commandWord;
    m_calculator->calculator().setKeysAccepted(false);
    // Its window on the display too, still unmapped: showing it then only maps it.
    m_calculator->window().winId();
}

void frmSysTray::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (std::exchange(m_splashUnloadDue, false))
        unloadSplash();
    const bool prepared = bool(m_calculator);
    if (!prepared)
        establishValues();

    const StartupRoute route = numerette::routeStartup(
        m_values.CommandWord, numerette::timeOfDayText(QTime::currentTime(), QLocale::system()), m_channel,
        m_pressedKey);
    // The prepared calculator has taken the word (the route is that of a first instance).
    if (prepared)
        m_values.CommandWord.clear();
    switch (route.kind) {
    case StartupRoute::Kind::FirstInstance:
        // The calculator first: it is what the user waits for.
        if (route.showCalculator)
            mnuSystray_Click();
        addTrayIcon();
        if (!route.showCalculator && !trayAvailable())
            showWithoutTray();
        startTrayBlink();
        break;
    case StartupRoute::Kind::SecondaryCalculator:
        m_hostTag = SecondaryHostTag;
        mnuSystray_Click();
        if (route.timeMode)
            m_calculator->calculator().mnuTempo_Click();
        break;
    case StartupRoute::Kind::HandedOver:
    case StartupRoute::Kind::Ended:
        unloadHost();
        break;
    }
    // The key of this start goes to the calculator it has just shown.
    if (route.kind == StartupRoute::Kind::FirstInstance && !m_pressedKey.isEmpty())
        runPressedKey(m_pressedKey);
    for (const InstanceMessage& message : std::exchange(m_earlyMessages, {})) {
        if (message.kind == InstanceMessage::Kind::PressKey)
            runPressedKey(message.text);
        else
            runHandOver(message.text);
    }
}

void frmSysTray::mnuSystray_Click()
{
    if (m_unloading)
        return;
    frmCalcula& window = shownCalculator();
    window.show();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

frmCalcula& frmSysTray::shownCalculator()
{
    if (m_calculatorParked || !m_calculator)
        loadCalculator();
    // A calculator built during the splash takes keys from now on.
    m_calculator->calculator().setKeysAccepted(true);
    return m_calculator->window();
}

// A start for the notification area, or a close to it, on a desktop that has none (GNOME as
// installed): the icon alone would leave a process nobody can reach. The calculator waits
// minimized instead, where the taskbar or the overview finds it, and the user is told once how
// to get the icon.
void frmSysTray::showWithoutTray()
{
    shownCalculator().showMinimized();
    if (std::exchange(m_noTrayTold, true))
        return;
    watchForNotificationArea();
    m_services.notifications->notify(
        //: Summary of the desktop notification at a start for the notification area when the
        //: desktop has none.
        tr("Numerette is minimized"),
        tr("This desktop has no notification area for Numerette's icon, so the calculator waits "
           "minimized instead.\nOn GNOME the AppIndicator extension (package "
           "gnome-shell-extension-appindicator) adds one; Numerette shows its icon there from its next start.")
            + u'\n'
            + tr("Closing the window minimizes it too, while \"Stay on System Tray when Exit\" is checked in "
                 "the Settings menu; uncheck it to end Numerette by closing its window."));
}

// A calculator that parks blinks the tray icon; the exit under way, a secondary calculator and
// the mini window end the process instead, and so does a close that nothing keeps resident.
// An armed alarm or shutdown keeps the process even without a notification area to show it in:
// it still goes off, and a second start brings the calculator back. "Stay on System Tray when
// Exit" without one parks all the same, and the calculator comes back minimized.
void frmSysTray::calculatorClosing(const CalculatorLaunch& launch, bool stayInTray)
{
    if (launch.isSecondary() || launch.isMini()) {
        unloadHost();
        return;
    }
    const bool keptResident = alarmArmed() || shutdownArmed() || (stayInTray && trayAvailable());
    if (m_calculatorParked || !(keptResident || stayInTray)) {
        unloadHost();
        return;
    }
    setCalculatorParked(true);
    if (keptResident)
        startTrayBlink();
    else
        parkedWithoutTray();
}

// The calculator closed with "Stay on System Tray when Exit" checked where there is no
// notification area to park in, and has parked all the same: it comes back minimized, so that
// no process is left that nobody can reach. Runs once the close has run its course, so that
// the window shown is not the one closing.
void frmSysTray::parkedWithoutTray()
{
    QTimer::singleShot(0, this, [this] {
        if (m_calculatorParked && !m_unloading)
            showWithoutTray();
    });
}

// A notification area that starts later is looked for again: an X11 one takes the icon at once,
// and the next close parks the calculator there. Qt settles on the StatusNotifierItem protocol
// only at the start of a process, so an area of that kind (the AppIndicator extension switched
// on, a panel started) gets the icon from the next start, which the user is told.
void frmSysTray::watchForNotificationArea()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto* watcher = new QDBusServiceWatcher(QStringLiteral("org.kde.StatusNotifierWatcher"), bus,
                                            QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this, watcher] {
        watcher->deleteLater();
        if (trayAvailable())
            return;
        m_services.notifications->notify(
            //: Summary of the desktop notification when a notification area appears after the
            //: calculator was minimized for want of one.
            tr("A notification area has appeared"),
            tr("Numerette shows its icon there from its next start. Until then the calculator keeps "
               "waiting minimized when it is closed."));
    });
}

// A calculator closed to the notification area is gone for good: the show command loads a
// fresh one, which restores what the old one saved when it closed.
void frmSysTray::loadCalculator()
{
    if (m_calculator)
        m_calculator.release()->deleteLater();
    // Cleared first: a calculator that loads while parked would unload itself at once.
    setCalculatorParked(false);
    // The command word is for the first calculator only; a later one starts plain.
    const CalculatorLaunch launch{std::exchange(m_values.CommandWord, QString()), m_hostTag};
    m_calculator = std::make_unique<HostedCalculator>(m_values, m_settings, launch, *this,
                                                      m_services.calculatorPlatform());
    frmCalcula& window = m_calculator->window();
    // The calculator's stay-in-tray item takes the icon away and brings it back.
    connect(&window, &frmCalcula::stayInTrayToggled, this, &frmSysTray::setTrayIconShown);
    connect(&window, &frmCalcula::savedStateRead, this, &frmSysTray::unloadSplash);
    connect(&window, &frmCalcula::activated, this, &QWidget::hide);
    connect(&window, &frmCalcula::toolsMenuRequested, this, &frmSysTray::AbrirUtil);
    connect(&window, &frmCalcula::closing, this,
            [this, launch](bool stayInTray) { calculatorClosing(launch, stayInTray); });
    m_calculator->load();
}

frmCalcula* frmSysTray::calculatorWindow() const
{
    return m_calculator && !m_calculatorParked ? &m_calculator->window() : nullptr;
}

numerette::Calculator* frmSysTray::calculator() const
{
    return m_calculator && !m_calculatorParked ? &m_calculator->calculator() : nullptr;
}

void frmSysTray::setCalculatorParked(bool parked)
{
    m_calculatorParked = parked;
    if (m_calculator)
        m_calculator->calculator().setKeysAccepted(!parked);
}

void frmSysTray::lblDDE1_Change(const InstanceMessage& message)
{
    if (message.kind == InstanceMessage::Kind::Close) {
        // Within the delivery: the role is free by the time the asking process hears back.
        unloadHost();
        return;
    }
    if (message.text.isEmpty())
        return;
    // Showing the calculator may open windows and dialogs; not inside the channel's delivery.
    QTimer::singleShot(0, this, [this, message] {
        if (m_unloading)
            return;
        // A start that found this process first while its splash still showed.
        if (!m_loaded)
            m_earlyMessages.append(message);
        else if (message.kind == InstanceMessage::Kind::PressKey)
            runPressedKey(message.text);
        else
            runHandOver(message.text);
    });
}

// As a hot key would: the calculator stays where it is (minimized, behind other windows), and
// only one closed to the notification area is shown again to take the key. A name this version
// does not know is ignored.
void frmSysTray::runPressedKey(const QString& name)
{
    const std::optional<numerette::PressedKey> key = numerette::pressedKeyNamed(name);
    if (!key || m_unloading)
        return;
    if (!calculatorWindow())
        mnuSystray_Click();
    m_calculator->window().pressFromOutside(*key);
}

void frmSysTray::runHandOver(const QString& text)
{
    const std::optional<HandOverCommand> command = numerette::handOverCommand(text);
    if (!command || m_unloading)
        return;
    mnuSystray_Click();
    switch (*command) {
    case HandOverCommand::TimeMode:
        m_calculator->calculator().mnuTempo_Click();
        break;
    case HandOverCommand::Weight:
        m_calculator->window().toolLaunchers().open(ToolWindow::Weight);
        break;
    case HandOverCommand::Interest:
        m_calculator->window().toolLaunchers().open(ToolWindow::Interest);
        break;
    case HandOverCommand::ShowOnly:
        break;
    }
}

void frmSysTray::addTrayIcon()
{
    m_trayPicture = appIcon();
    m_trayBlank = blankIcon();
    m_trayMenu = new TrayMenu(this);
    connect(m_trayMenu, &TrayMenu::showCalculatorRequested, this, &frmSysTray::mnuSystray_Click);
    connect(m_trayMenu, &TrayMenu::donationRequested, this, &frmSysTray::mnuReg_Click);
    connect(m_trayMenu, &TrayMenu::menuShortcutRequested, this, &frmSysTray::mnuAtalho_Click);
    connect(m_trayMenu, &TrayMenu::exitRequested, this, &frmSysTray::unloadHost);
    m_schedule = new ScheduleCommands(*m_trayMenu, *m_services.dialogs, *m_services.notifications,
                                      m_services.clock, QLocale::system(), this);
    connect(m_schedule, &ScheduleCommands::attentionNeeded, this, &frmSysTray::startTrayBlink);

    m_trayIcon = new QSystemTrayIcon(m_trayPicture, this);
    //: Tooltip of the notification-area icon: the program's name and its free edition
    //: (free of charge).
    m_trayIcon->setToolTip(tr("Numerette FREE"));
    m_trayIcon->setContextMenu(m_trayMenu->mnu0());
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A double click arrives as a click first; the click has shown the calculator.
        if (reason == QSystemTrayIcon::Trigger)
            mnuSystray_Click();
    });
    // Shown even without a notification area: one that starts later (a session that starts
    // the program before its panel) takes the icon in.
    m_trayIcon->show();

    m_tmrTray = new QTimer(this);
    m_tmrTray->setObjectName(QStringLiteral("tmrTray"));
    m_tmrTray->setInterval(TrayIntervalMs);
    connect(m_tmrTray, &QTimer::timeout, this, &frmSysTray::tmrTray_Timer);
}

void frmSysTray::setTrayIconShown(bool shown)
{
    if (m_trayIcon && !m_unloading)
        m_trayIcon->setVisible(shown);
}

bool frmSysTray::trayAvailable() const
{
    return m_trayIcon && m_services.trayPresent();
}

// Any set alarm keeps the process, not only the first entry: a later entry would otherwise be
// lost with the calculator's close.
bool frmSysTray::alarmArmed() const
{
    return m_schedule && m_schedule->schedule().anyAlarmSet();
}

bool frmSysTray::shutdownArmed() const
{
    return m_schedule && m_schedule->schedule().shutdownSet();
}

void frmSysTray::startTrayBlink()
{
    if (m_tmrTray && !m_tmrTray->isActive() && !m_unloading)
        m_tmrTray->start();
}

void frmSysTray::tmrTray_Timer()
{
    const numerette::Schedule::TrayStep step = m_schedule->trayTick();
    for (int beep = 0; beep < step.beeps; ++beep)
        m_services.beep();
    if (step.powerOff) {
        shutDown();
        return;
    }
    const numerette::TrayBlink::Step blink = m_blink.tick(m_schedule->schedule().needsAttention());
    m_trayIcon->setIcon(blink.image == numerette::TrayBlink::Image::Picture ? m_trayPicture : m_trayBlank);
    if (blink.finished)
        m_tmrTray->stop();
}

// The calculator saves its state as it closes, before the power-off could end the process.
void frmSysTray::shutDown()
{
    unloadHost();
    const numerette::PowerOffResult result = m_services.powerOff->powerOff();
    if (!result.accepted)
        qWarning("Numerette: the computer could not be turned off: %s", qPrintable(result.error));
}

void frmSysTray::AbrirUtil()
{
    if (m_trayMenu && !m_unloading)
        m_trayMenu->mnuUtil()->popup(QCursor::pos());
}

void frmSysTray::mnuReg_Click()
{
    if (numerette::OpenDocument(DonationPage) > 2)
        return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral(" Numerette"), numerette::LoadMessage(numerette::Message::BrowserError));
    box.exec();
}

// An installed program already has its menu entry, and a user copy would pin this path over it:
// the user is told where to find it instead. Otherwise nothing is reported: without a writable
// applications folder the item simply is not there.
void frmSysTray::mnuAtalho_Click()
{
    const QString program = m_values.AppDir + m_values.ExeFileName;
    if (numerette::installedMenuEntryPath(program).isEmpty()) {
        numerette::writeMenuEntry(program, m_values.AppDir);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral(" Numerette"),
                    //: Answer to the Tools menu's Create Shortcut command when the program is
                    //: installed; the menu names are those the desktops show.
                    tr("Numerette is installed, so its shortcut is already in the applications menu, "
                       "under Utilities (or Accessories).\n\nNo other shortcut is needed."));
    box.exec();
}

void frmSysTray::unloadHost()
{
    if (m_unloading)
        return;
    m_unloading = true;
    // From here the calculator's close lets it go instead of parking it.
    setCalculatorParked(true);
    if (m_trayIcon)
        m_trayIcon->hide();
    if (m_tmrTray)
        m_tmrTray->stop();
    if (m_schedule)
        m_schedule->stop();
    frmCalcula* calculatorWindow = m_calculator ? &m_calculator->window() : nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window != calculatorWindow)
            window->close();
    }
    // The calculator writes its state as it closes; only then may a waiting start take the
    // role and read that state.
    if (calculatorWindow)
        calculatorWindow->close();
    m_channel.release();
    emit unloaded();
}

void frmSysTray::unloadSplash()
{
    // A calculator built during the splash leaves it its second.
    if (!m_loaded) {
        m_splashUnloadDue = true;
        return;
    }
    if (m_splash)
        m_splash->close();
}
