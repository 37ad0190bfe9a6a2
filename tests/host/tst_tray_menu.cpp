// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "calculator.h"
#include "desktop_notifications.h"
#include "fake_calculator_platform.h"
#include "fake_instance_channel.h"
#include "frm_calcula.h"
#include "frm_sys_tray.h"
#include "menu_listing.h"
#include "message_catalogue.h"
#include "power_off.h"
#include "schedule_commands.h"
#include "schedule_dialogs.h"
#include "settings_store.h"
#include "tray_menu.h"

using namespace Qt::StringLiterals;

namespace {

// Answers the boxes from a script and records what was shown.
class ScriptedDialogs : public ScheduleDialogs {
public:
    QList<std::optional<QString>> answers;
    bool yes = true;
    QStringList prompts;
    QStringList questions;
    int canceled = 0;
    QStringList alarms;
    QList<std::function<void()>> openAlarms;

    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString&) override
    {
        prompts << title + u'|' + prompt;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    bool askYesNo(const QString& question) override
    {
        questions << question;
        return yes;
    }
    void scheduleCanceled() override { ++canceled; }
    void showAlarm(const QString& text, std::function<void()> closed) override
    {
        alarms << text;
        openAlarms << std::move(closed);
    }
};

struct Process {
    numerette::FakeInstanceChannel channel;
    numerette::SettingsStore settings;
    frmSysTray host;
    QSignalSpy unloaded{&host, &frmSysTray::unloaded};
    QTime now{14, 0};
    int beeps = 0;
    ScriptedDialogs* dialogs;
    numerette::FakeDesktopNotifications* notifications;
    numerette::FakePowerOff* powerOff;
    bool trayPresent = true;

    Process(const QString& commandWord, const QString& settingsFile)
        : settings(settingsFile)
        , host(commandWord, channel, settings)
    {
        HostServices services;
        services.clock = [this] { return now; };
        services.beep = [this] { ++beeps; };
        auto ownDialogs = std::make_unique<ScriptedDialogs>();
        dialogs = ownDialogs.get();
        services.dialogs = std::move(ownDialogs);
        auto ownNotifications = std::make_unique<numerette::FakeDesktopNotifications>();
        notifications = ownNotifications.get();
        services.notifications = std::move(ownNotifications);
        auto ownPowerOff = std::make_unique<numerette::FakePowerOff>();
        powerOff = ownPowerOff.get();
        services.powerOff = std::move(ownPowerOff);
        services.calculatorPlatform = fakeCalculatorPlatform;
        services.trayPresent = [this] { return trayPresent; };
        host.setServices(std::move(services));
        host.load();
    }

    TrayMenu& menu() { return *host.trayMenu(); }
    ScheduleCommands& schedule() { return *host.scheduleCommands(); }
    QTimer* tmrTray() { return host.findChild<QTimer*>(u"tmrTray"_s); }
};

QStringList captions(const QMenu* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? u"-"_s : action->text());
    return items;
}

} // namespace

class TstTrayMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void menuItemsInOrder();
    void alarmSetRingsAndComesBack();
    void badAlarmInputCancels_data();
    void badAlarmInputCancels();
    void setAlarmClickedCancels();
    void shutdownCountsDownAndPowersOff_data();
    void shutdownCountsDownAndPowersOff();
    void shutdownNotConfirmedChangesNothing();
    void startBlinksThenStops();
    void exitEndsEverything();
    void stayInTrayItemRemovesIcon();
    void armedScheduleKeepsProcess();
    void closingParksOrEnds_data();
    void closingParksOrEnds();
    void shortcutWritesMenuEntry();

private:
    std::unique_ptr<Process> start(const QString& commandWord = u"systray"_s);
    QTemporaryDir m_home;
};

void TstTrayMenu::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(u".local/share"_s)));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(u".config"_s)));
    QCoreApplication::setOrganizationName(u"Numeret"_s);
    QCoreApplication::setApplicationName(u"Numeret"_s);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TstTrayMenu::cleanup()
{
    QDir(m_home.filePath(u".local/share"_s)).removeRecursively();
    QFile::remove(m_home.filePath(u"numeret.ini"_s));
}

std::unique_ptr<Process> TstTrayMenu::start(const QString& commandWord)
{
    return std::make_unique<Process>(commandWord, m_home.filePath(u"numeret.ini"_s));
}

void TstTrayMenu::menuItemsInOrder()
{
    auto process = start();
    const QMenu* mnu0 = process->menu().mnu0();
    QCOMPARE(process->host.trayIcon()->contextMenu(), mnu0);
    QCOMPARE(numerette::testing::menuListing(*mnu0), (QStringList{
                                                         u"mnuSystray | Show Numerette    Ctrl+Shift+C"_s,
                                                         u"-"_s,
                                                         u"mnuReg | Make a Donation -- Help Too!"_s,
                                                         u"mnuUtilItem > mnuUtil | Tool&s"_s,
                                                         u"  mnuAlarme | Set Alarm (Scheduling) |  | checkable"_s,
                                                         u"  mnuDesligar | Set Time to Turn Off the Computer |  | checkable"_s,
                                                         u"  -"_s,
                                                         u"  mnuAtalho | Create Shortcut under Start Menu"_s,
                                                         u"-"_s,
                                                         u"mnuSair | Exit"_s,
                                                     }));
    QCOMPARE(mnu0->defaultAction()->objectName(), u"mnuSystray"_s);
    QVERIFY(mnu0->defaultAction()->font().bold());
    QCOMPARE(mnu0->actions().at(3)->menu(), process->menu().mnuUtil());
}

void TstTrayMenu::alarmSetRingsAndComesBack()
{
    auto process = start();
    ScriptedDialogs& dialogs = *process->dialogs;
    dialogs.answers = {u"14:30"_s, u"call the bank"_s};
    process->menu().mnuAlarme(0)->trigger();

    QCOMPARE(dialogs.prompts, (QStringList{u" Set Alarm (Scheduling)|Enter time:"_s,
                                           u" Set Alarm (Scheduling)|Describe Reason:"_s}));
    QCOMPARE(dialogs.canceled, 0);
    QVERIFY(process->menu().mnuAlarme(0)->isChecked());
    QCOMPARE(process->menu().mnuAlarme(0)->text(), u"Sound Alarm at 14:30:00 hs."_s);
    QCOMPARE(captions(process->menu().mnuUtil()).mid(0, 3),
             (QStringList{u"Sound Alarm at 14:30:00 hs."_s, u"Set Alarm (Scheduling)"_s,
                          u"Set Time to Turn Off the Computer"_s}));
    QVERIFY(process->host.alarmArmed());

    process->now = QTime(14, 30);
    process->schedule().tmrTempo_Timer();
    QVERIFY(dialogs.alarms.isEmpty());
    process->now = QTime(14, 30, 1);
    process->schedule().tmrTempo_Timer();
    process->now = QTime(14, 30, 2);
    process->schedule().tmrTempo_Timer();
    const QString message = numerette::LoadMessage(numerette::Message::AlarmMessage, u"14:30:00"_s, u"CALL THE BANK"_s);
    QCOMPARE(dialogs.alarms, QStringList{message});
    QCOMPARE(process->notifications->sent().size(), 1);
    QVERIFY(process->notifications->sent().at(0).body.contains(u"CALL THE BANK"_s));

    // Beeps and blinks while the message is open, past the blink's usual end.
    QVERIFY(process->tmrTray()->isActive());
    QTRY_VERIFY(process->beeps >= 16);
    QVERIFY(process->tmrTray()->isActive());

    dialogs.openAlarms.takeFirst()();
    QVERIFY(!process->menu().mnuAlarme(0)->isChecked());
    QCOMPARE(process->menu().mnuAlarme(0)->text(), u"Set Alarm (Scheduling)"_s);
    QCOMPARE(process->menu().alarmEntryCount(), 2);
    QTRY_VERIFY(!process->tmrTray()->isActive());
    const int beeps = process->beeps;
    QTest::qWait(250);
    QCOMPARE(process->beeps, beeps);
}

void TstTrayMenu::badAlarmInputCancels_data()
{
    QTest::addColumn<QList<std::optional<QString>>>("answers");

    using Answers = QList<std::optional<QString>>;
    QTest::newRow("time box cancelled") << Answers{std::nullopt};
    QTest::newRow("time empty") << Answers{u""_s};
    QTest::newRow("time garbage") << Answers{u"half past two"_s};
    QTest::newRow("time out of range") << Answers{u"24:00"_s};
    QTest::newRow("reason box cancelled") << Answers{u"14:30"_s, std::nullopt};
    QTest::newRow("reason empty") << Answers{u"14:30"_s, u""_s};
    QTest::newRow("reason blanks") << Answers{u"14:30"_s, u"   "_s};
}

void TstTrayMenu::badAlarmInputCancels()
{
    QFETCH(QList<std::optional<QString>>, answers);
    auto process = start();
    process->dialogs->answers = answers;
    process->menu().mnuAlarme(0)->trigger();
    QCOMPARE(process->dialogs->canceled, 1);
    QVERIFY(!process->menu().mnuAlarme(0)->isChecked());
    QCOMPARE(process->menu().mnuAlarme(0)->text(), u"Set Alarm (Scheduling)"_s);
    QCOMPARE(process->menu().alarmEntryCount(), 1);
    QVERIFY(!process->host.alarmArmed());
}

void TstTrayMenu::setAlarmClickedCancels()
{
    auto process = start();
    process->dialogs->answers = {u"2030-12-31 9:00 AM"_s, u"new year"_s};
    process->menu().mnuAlarme(0)->trigger();
    // A date with a time is taken; its caption shows the time part.
    QCOMPARE(process->menu().mnuAlarme(0)->text(), u"Sound Alarm at 09:00:00 hs."_s);
    process->menu().mnuAlarme(0)->trigger();
    QCOMPARE(process->dialogs->canceled, 1);
    QCOMPARE(process->menu().mnuAlarme(0)->text(), u"Set Alarm (Scheduling)"_s);
    QVERIFY(!process->host.alarmArmed());
    QCOMPARE(process->menu().alarmEntryCount(), 2);
}

void TstTrayMenu::shutdownCountsDownAndPowersOff_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::newRow("power-off accepted") << true;
    QTest::newRow("power-off refused: ends all the same") << false;
}

void TstTrayMenu::shutdownCountsDownAndPowersOff()
{
    QFETCH(bool, accepted);
    auto process = start(QString());
    process->powerOff->setResult({accepted, accepted ? QString() : u"org.freedesktop.DBus.Error.AccessDenied"_s});
    process->dialogs->answers = {u"22:00"_s};
    process->menu().mnuUtil()->findChild<QAction*>(u"mnuDesligar"_s)->trigger();
    QCOMPARE(process->dialogs->questions, QStringList{numerette::LoadMessage(numerette::Message::ConfirmShutdown, u"22:00"_s)});
    QAction* item = process->menu().mnuUtil()->findChild<QAction*>(u"mnuDesligar"_s);
    QVERIFY(item->isChecked());
    QCOMPARE(item->text(), u"Turn off the Computer at 22:00:00 hs. "_s);

    process->now = QTime(21, 59, 41);
    process->schedule().tmrTempo_Timer();
    QTRY_VERIFY(process->beeps >= 2);
    QCOMPARE(process->powerOff->requests(), 0);
    QCOMPARE(process->unloaded.count(), 0);

    process->now = QTime(22, 0, 1);
    process->schedule().tmrTempo_Timer();
    QTRY_COMPARE(process->unloaded.count(), 1);
    QCOMPARE(process->powerOff->requests(), 1);
    QVERIFY(process->host.calculatorParked());
    QVERIFY(!process->host.trayIcon()->isVisible());
}

void TstTrayMenu::shutdownNotConfirmedChangesNothing()
{
    auto process = start();
    process->dialogs->answers = {u"22:00"_s};
    process->dialogs->yes = false;
    QAction* item = process->menu().mnuUtil()->findChild<QAction*>(u"mnuDesligar"_s);
    item->trigger();
    QVERIFY(!item->isChecked());
    QCOMPARE(item->text(), u"Set Time to Turn Off the Computer"_s);
    QCOMPARE(process->dialogs->canceled, 0);
    QVERIFY(!process->host.shutdownArmed());

    process->dialogs->answers = {u"not a time"_s};
    item->trigger();
    QCOMPARE(process->dialogs->canceled, 1);
    QCOMPARE(process->dialogs->questions.size(), 1);
}

void TstTrayMenu::startBlinksThenStops()
{
    auto process = start();
    QSystemTrayIcon* icon = process->host.trayIcon();
    QVERIFY(process->tmrTray()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!process->tmrTray()->isActive(), 10000);
    // Ends on the picture, not on the transparent image.
    const QImage shown = icon->icon().pixmap(16, 16).toImage();
    bool anyVisiblePixel = false;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            anyVisiblePixel = anyVisiblePixel || shown.pixelColor(x, y).alpha() > 0;
    }
    QVERIFY(anyVisiblePixel);
    QCOMPARE(process->beeps, 0);
}

void TstTrayMenu::exitEndsEverything()
{
    auto process = start(QString());
    QPointer<frmCalcula> window = process->host.calculatorWindow();
    QVERIFY(window && window->isVisible());
    process->menu().mnu0()->findChild<QAction*>(u"mnuSair"_s)->trigger();
    QCOMPARE(process->unloaded.count(), 1);
    QVERIFY(process->host.calculatorParked());
    QVERIFY(!process->host.trayIcon()->isVisible());
    QVERIFY(!window->isVisible());
    QVERIFY(!QDir(m_home.filePath(u".local/share"_s)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TstTrayMenu::stayInTrayItemRemovesIcon()
{
    auto process = start(QString());
    QAction* stayInTray = process->host.calculatorWindow()->findChild<QAction*>(u"mnuSystray"_s);
    QVERIFY(stayInTray);
    QVERIFY(process->host.trayIcon()->isVisible());
    stayInTray->trigger();
    QCOMPARE(stayInTray->isChecked(), false);
    QVERIFY(!process->host.trayIcon()->isVisible());
    stayInTray->trigger();
    QVERIFY(process->host.trayIcon()->isVisible());
}

void TstTrayMenu::armedScheduleKeepsProcess()
{
    auto process = start();
    QVERIFY(!process->host.alarmArmed() && !process->host.shutdownArmed());
    // The second entry alone keeps the process too.
    process->dialogs->answers = {u"8:00"_s, u"a"_s, u"9:00"_s, u"b"_s};
    process->menu().mnuAlarme(0)->trigger();
    process->menu().mnuAlarme(1)->trigger();
    process->menu().mnuAlarme(0)->trigger();
    QVERIFY(process->host.alarmArmed());
    process->dialogs->answers = {u"23:00"_s};
    process->menu().mnuUtil()->findChild<QAction*>(u"mnuDesligar"_s)->trigger();
    QVERIFY(process->host.shutdownArmed());
}

void TstTrayMenu::closingParksOrEnds_data()
{
    QTest::addColumn<bool>("stayInTray");
    QTest::addColumn<bool>("alarm");
    QTest::addColumn<bool>("shutdown");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("exiting");
    QTest::addColumn<bool>("parks");
    // Parked where there is no notification area: the calculator comes back minimized.
    QTest::addColumn<bool>("withoutTray");

    QTest::newRow("stay in tray") << true << false << false << true << false << true << false;
    QTest::newRow("stay in tray without a tray") << true << false << false << false << false << true << true;
    QTest::newRow("alarm armed") << false << true << false << true << false << true << false;
    QTest::newRow("shutdown armed") << false << false << true << true << false << true << false;
    QTest::newRow("alarm armed without a tray") << false << true << false << false << false << true << false;
    QTest::newRow("shutdown armed without a tray") << true << false << true << false << false << true << false;
    QTest::newRow("nothing keeps it") << false << false << false << true << false << false << false;
    QTest::newRow("closed by the exit") << true << true << false << true << true << false << false;
}

// The host alone decides, once the calculator has saved: park (the icon blinks, the calculator
// takes no keys) or end the process.
void TstTrayMenu::closingParksOrEnds()
{
    QFETCH(bool, stayInTray);
    QFETCH(bool, alarm);
    QFETCH(bool, shutdown);
    QFETCH(bool, tray);
    QFETCH(bool, exiting);
    QFETCH(bool, parks);
    QFETCH(bool, withoutTray);

    auto process = start(QString());
    if (alarm) {
        process->dialogs->answers = {u"8:00"_s, u"a"_s};
        process->menu().mnuAlarme(0)->trigger();
    }
    if (shutdown) {
        process->dialogs->answers = {u"23:00"_s};
        process->menu().mnuUtil()->findChild<QAction*>(u"mnuDesligar"_s)->trigger();
    }
    process->trayPresent = tray;
    QPointer<frmCalcula> window = process->host.calculatorWindow();
    QVERIFY(window);
    if (window->findChild<QAction*>(u"mnuSystray"_s)->isChecked() != stayInTray)
        window->findChild<QAction*>(u"mnuSystray"_s)->trigger();
    numerette::Calculator* calculator = process->host.calculator();
    process->tmrTray()->stop();
    if (exiting)
        process->host.setCalculatorParked(true);
    window->close();

    QVERIFY(!window->isVisible());
    QCOMPARE(process->unloaded.count(), parks ? 0 : 1);
    // Parked, or parked by the exit that ends the process: no key reaches it either way.
    QVERIFY(process->host.calculatorParked());
    QVERIFY(!calculator->keysAccepted());
    QCOMPARE(process->tmrTray()->isActive(), parks && !withoutTray);
    if (withoutTray) {
        QTRY_VERIFY(process->host.calculatorWindow() && process->host.calculatorWindow()->isVisible());
        QVERIFY(process->host.calculatorWindow()->isMinimized());
        QCOMPARE(process->notifications->sent().size(), 1);
    }
}

void TstTrayMenu::shortcutWritesMenuEntry()
{
    auto process = start();
    process->menu().mnuUtil()->findChild<QAction*>(u"mnuAtalho"_s)->trigger();
    QFile entry(m_home.filePath(u".local/share/applications/numerette.desktop"_s));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY(text.contains(u"\nName=Numerette\n"_s));
    QVERIFY(text.contains(u"\nExec=\"" + QCoreApplication::applicationFilePath() + u"\"\n"));
}

QTEST_MAIN(TstTrayMenu)
#include "tst_tray_menu.moc"
