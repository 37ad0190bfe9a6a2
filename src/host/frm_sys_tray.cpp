#include "frm_sys_tray.h"

#include <utility>

#include <QApplication>
#include <QLocale>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>

#include "app_picture.h"
#include "command_word.h"
#include "hosted_calculator.h"
#include "instance_channel.h"

using numerette::HandOverCommand;
using numerette::InstanceMessage;
using numerette::StartupRoute;

namespace {

constexpr int BlinkIntervalMs = 200;
// The blink alternates the picture and nothing, and ends on the picture.
constexpr int BlinkTicks = 14;
constexpr int SecondaryHostTag = 2;

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
{
    setObjectName(QStringLiteral("frmSysTray"));
    m_values.CommandWord = commandWord;
    connect(&m_channel, &numerette::InstanceChannel::received, this, &frmSysTray::lblDDE1_Change);
}

frmSysTray::~frmSysTray() = default;

void frmSysTray::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const QLocale locale = QLocale::system();
    m_values = numerette::establishProcessValues(m_values.CommandWord, QCoreApplication::applicationFilePath(),
                                                 locale);

    const StartupRoute route = numerette::routeStartup(
        m_values.CommandWord, numerette::timeOfDayText(QTime::currentTime(), locale), m_channel);
    switch (route.kind) {
    case StartupRoute::Kind::FirstInstance:
        addTrayIcon();
        startTrayBlink();
        if (route.showCalculator)
            mnuSystray_Click();
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
}

void frmSysTray::mnuSystray_Click()
{
    if (m_unloading)
        return;
    if (m_calculatorParked || !m_calculator)
        loadCalculator();
    frmCalcula& window = m_calculator->window();
    window.show();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
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
    CalculatorLaunch launch{std::exchange(m_values.CommandWord, QString()), m_hostTag};
    m_calculator = std::make_unique<HostedCalculator>(m_values, m_settings, std::move(launch), *this);
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
        m_calculator->calculator().setCalculatorParked(parked);
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
    QTimer::singleShot(0, this, [this, text = message.text] { runHandOver(text); });
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
    case HandOverCommand::Interest: // the tools open from here once they exist
    case HandOverCommand::Weight:
    case HandOverCommand::ShowOnly:
        break;
    }
}

void frmSysTray::addTrayIcon()
{
    m_trayPicture = appIcon();
    m_trayBlank = blankIcon();
    m_trayIcon = new QSystemTrayIcon(m_trayPicture, this);
    m_trayIcon->setToolTip(QStringLiteral(" Numerette"));
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            mnuSystray_Click();
    });
    // Shown even without a notification area: one that starts later (a session that starts
    // the program before its panel) takes the icon in.
    m_trayIcon->show();

    m_tmrTray = new QTimer(this);
    m_tmrTray->setObjectName(QStringLiteral("tmrTray"));
    m_tmrTray->setInterval(BlinkIntervalMs);
    connect(m_tmrTray, &QTimer::timeout, this, &frmSysTray::tmrTray_Timer);
}

bool frmSysTray::trayAvailable() const
{
    return m_trayIcon && QSystemTrayIcon::isSystemTrayAvailable();
}

void frmSysTray::startTrayBlink()
{
    if (!m_tmrTray)
        return;
    m_blinkCount = 0;
    m_tmrTray->start();
}

void frmSysTray::tmrTray_Timer()
{
    ++m_blinkCount;
    if (m_blinkCount >= BlinkTicks) {
        m_tmrTray->stop();
        m_trayIcon->setIcon(m_trayPicture);
        return;
    }
    m_trayIcon->setIcon(m_blinkCount % 2 == 1 ? m_trayPicture : m_trayBlank);
}

void frmSysTray::unloadHost()
{
    if (m_unloading)
        return;
    m_unloading = true;
    // From here the calculator's close lets it go instead of parking it.
    setCalculatorParked(true);
    if (m_tmrTray)
        m_tmrTray->stop();
    if (m_trayIcon)
        m_trayIcon->hide();
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
    if (m_splash)
        m_splash->close();
}

void frmSysTray::hideHost()
{
    hide();
}
