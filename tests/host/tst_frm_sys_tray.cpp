// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>
#include <utility>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "calculator.h"
#include "desktop_notifications.h"
#include "fake_calculator_platform.h"
#include "fake_instance_channel.h"
#include "frm_calcula.h"
#include "frm_sys_tray.h"
#include "settings_store.h"

using namespace Qt::StringLiterals;
using numerette::FakeInstanceChannel;
using numerette::InstanceMessage;

namespace {

constexpr Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

// One process of the program: the host over a fake channel to the other processes.
struct Process {
    FakeInstanceChannel channel;
    numerette::SettingsStore settings;
    frmSysTray host;
    QSignalSpy unloaded{&host, &frmSysTray::unloaded};
    // The hot keys of every calculator the host loaded, in order.
    QList<QPointer<numerette::FakeGlobalHotKeys>> calculatorHotKeys;
    // The desktop's notification area, there unless a test takes it away.
    bool trayPresent = true;
    numerette::FakeDesktopNotifications* notifications;

    Process(const QString& commandWord, const QString& settingsFile)
        : settings(settingsFile)
        , host(commandWord, channel, settings)
    {
        HostServices services = systemHostServices(&host);
        services.calculatorPlatform = [this] {
            CalculatorPlatform platform = fakeCalculatorPlatform();
            calculatorHotKeys.append(static_cast<numerette::FakeGlobalHotKeys*>(platform.hotKeys.get()));
            return platform;
        };
        services.trayPresent = [this] { return trayPresent; };
        auto ownNotifications = std::make_unique<numerette::FakeDesktopNotifications>();
        notifications = ownNotifications.get();
        services.notifications = std::move(ownNotifications);
        host.setServices(std::move(services));
    }
};

// What reached the running instance, as "close" or "hand-over:<text>".
QStringList delivered(const FakeInstanceChannel& channel)
{
    QStringList messages;
    for (const InstanceMessage& message : channel.deliveredMessages())
        messages << (message.kind == InstanceMessage::Kind::Close ? u"close"_s : u"hand-over:"_s + message.text);
    return messages;
}

// A tool window opens modally: notes which, and closes it.
struct ToolCloser {
    ToolCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                openedTool = modal->objectName();
                modal->close();
            }
        });
        timer.start(10);
    }
    QString openedTool;
    QTimer timer;
};

} // namespace

class TstFrmSysTray : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void startRoutes_data();
    void startRoutes();
    void calculatorBuiltDuringSplashWaitsForTheSecond();
    void secondaryCalculatorInTimeMode();
    void commandWordServesFirstCalculatorOnly();
    void handOverReceived_data();
    void handOverReceived();
    void startWordOpensItsTool_data();
    void startWordOpensItsTool();
    void handOverRestoresMinimizedCalculator();
    void keysPressedFromOutside();
    void pressedKeyOfAFirstStart();
    void closeRequestEndsProcess();
    void parkedCalculatorComesBackFresh();
    void closingCalculatorWithoutTrayEnds();
    void closingSecondaryOrMiniEnds_data();
    void closingSecondaryOrMiniEnds();
    void closingToAMissingTrayMinimizes();
    void trayHostAppearingLaterIsTold();
    void systrayStartWithoutTray_data();
    void systrayStartWithoutTray();

private:
    std::unique_ptr<Process> start(const QString& commandWord, bool otherRunning = false);

    QTemporaryDir m_home;
};

void TstFrmSysTray::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(u".local/share"_s)));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(u".config"_s)));
    QCoreApplication::setOrganizationName(u"Numeret"_s);
    QCoreApplication::setApplicationName(u"Numeret"_s);
}

void TstFrmSysTray::cleanup()
{
    // Every test starts without the state a calculator left behind.
    QDir(m_home.filePath(u".local/share"_s)).removeRecursively();
    QFile::remove(m_home.filePath(u"numeret.ini"_s));
}

std::unique_ptr<Process> TstFrmSysTray::start(const QString& commandWord, bool otherRunning)
{
    auto process = std::make_unique<Process>(commandWord, m_home.filePath(u"numeret.ini"_s));
    process->channel.setOtherInstanceRunning(otherRunning);
    return process;
}

void TstFrmSysTray::startRoutes_data()
{
    QTest::addColumn<bool>("prepared"); // the calculator built during the splash where it can be
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("otherRunning");
    QTest::addColumn<bool>("otherCloses");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("calculatorShown");
    QTest::addColumn<int>("hostTag");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QStringList>("sent"); // hand-overs by their command word, without the time

    const QStringList none;
    // Building the calculator during the splash changes no route.
    for (const bool prepared : {false, true}) {
        const auto row = [prepared](const char* name) -> QTestData& {
            return QTest::addRow("%s%s", name, prepared ? ", built during the splash" : "") << prepared;
        };
        row("plain, alone") << u""_s << false << true << true << true << 1 << false << none;
        row("systray, alone: icon only") << u"systray"_s << false << true << true << false << 1 << false << none;
        row("outra, alone: an ordinary first start") << u"outra"_s << false << true << true << true << 1 << false << none;
        row("fechar, alone: nothing to close") << u"fechar"_s << false << true << false << false << 1 << true << none;
        row("plain beside a running one") << u""_s << true << true << false << false << 1 << true << QStringList{u"hand-over:"_s};
        row("juro beside a running one") << u"juro"_s << true << true << false << false << 1 << true << QStringList{u"hand-over:juro"_s};
        row("systray beside a running one") << u"systray"_s << true << true << false << false << 1 << true << QStringList{u"hand-over:systray"_s};
        row("outra beside a running one: secondary") << u"outra"_s << true << true << false << true << 2 << false << none;
        row("fechar beside a running one") << u"fechar"_s << true << true << false << false << 1 << true << QStringList{u"close"_s};
        row("atualiza replaces the running one") << u"atualiza"_s << true << true << true << true << 1 << false << QStringList{u"close"_s};
        row("mini replaces the running one") << u"mini"_s << true << true << true << true << 1 << false << QStringList{u"close"_s};
        row("atualiza, running one stays: hand-over") << u"atualiza"_s << true << false << false << false << 1 << true
                                                      << QStringList{u"close"_s, u"hand-over:atualiza"_s};
    }
}

void TstFrmSysTray::startRoutes()
{
    QFETCH(bool, prepared);
    QFETCH(QString, word);
    QFETCH(bool, otherRunning);
    QFETCH(bool, otherCloses);
    QFETCH(bool, first);
    QFETCH(bool, calculatorShown);
    QFETCH(int, hostTag);
    QFETCH(bool, ends);
    QFETCH(QStringList, sent);

    auto process = start(word, otherRunning);
    process->channel.setOtherInstanceCloses(otherCloses);
    if (prepared) {
        process->host.prepare();
        // Nothing goes to a running instance before the second is up.
        QVERIFY(process->channel.deliveredMessages().isEmpty());
    }
    process->host.load();

    QCOMPARE(process->channel.isFirst(), first);
    QCOMPARE(process->host.calculatorWindow() && process->host.calculatorWindow()->isVisible(), calculatorShown);
    QCOMPARE(process->host.hostTag(), hostTag);
    QCOMPARE(process->unloaded.count(), ends ? 1 : 0);
    QStringList words = delivered(process->channel);
    for (QString& message : words) {
        if (message.startsWith(u"hand-over:"))
            message.truncate(u"hand-over:"_s.size() + word.size());
    }
    QCOMPARE(words, sent);
}

// The calculator built while the splash shows stays hidden and deaf until the host loads:
// the splash keeps its second, keys and copies go nowhere, and a start handed over meanwhile
// is served once the window is up. Then the same window shows.
void TstFrmSysTray::calculatorBuiltDuringSplashWaitsForTheSecond()
{
    ToolCloser closer;
    auto process = start(u""_s);
    QWidget splash;
    splash.show();
    process->host.setSplash(&splash);
    process->host.prepare();

    QPointer<frmCalcula> built = process->host.calculatorWindow();
    QVERIFY(built);
    QVERIFY(!built->isVisible());
    QVERIFY(process->channel.isFirst());
    QVERIFY(!process->host.calculator()->keysAccepted());
    QVERIFY(splash.isVisible());
    process->channel.deliver({InstanceMessage::Kind::HandOver, u"juro12:00:00"_s});
    QTest::qWait(20);
    QVERIFY(!built->isVisible());
    QVERIFY(closer.openedTool.isEmpty());

    process->host.load();
    QCOMPARE(process->host.calculatorWindow(), built.data());
    QVERIFY(built->isVisible());
    QVERIFY(!splash.isVisible());
    QVERIFY(process->host.calculator()->keysAccepted());
    QTRY_COMPARE(closer.openedTool, u"frmJuro"_s);
    QCOMPARE(process->unloaded.count(), 0);
}

void TstFrmSysTray::secondaryCalculatorInTimeMode()
{
    for (const auto& [word, timeMode] : {std::pair{u"outratempo"_s, true}, std::pair{u"outra"_s, false}}) {
        auto process = start(word, true);
        process->host.load();
        QVERIFY(process->host.calculator());
        QCOMPARE(process->host.calculator()->timeMode(), timeMode);
        QVERIFY(process->channel.deliveredMessages().isEmpty());
    }
}

void TstFrmSysTray::commandWordServesFirstCalculatorOnly()
{
    auto process = start(u"tempo"_s);
    process->host.load();
    frmCalcula* first = process->host.calculatorWindow();
    QVERIFY(first);
    // The first activation runs the word.
    QTRY_VERIFY(process->host.calculator()->timeMode());
    process->host.setCalculatorParked(true);
    first->hide();

    process->host.mnuSystray_Click();
    frmCalcula* fresh = process->host.calculatorWindow();
    QVERIFY(fresh && fresh != first);
    QVERIFY(QTest::qWaitForWindowActive(fresh));
    QVERIFY(!process->host.calculator()->timeMode());
}

void TstFrmSysTray::handOverReceived_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("timeMode");
    QTest::addColumn<QString>("toolWindow");

    QTest::newRow("empty: ignored") << u""_s << false << false << QString();
    QTest::newRow("only the time: show") << u"12:00:00"_s << true << false << QString();
    QTest::newRow("tempo: time mode") << u"tempo12:00:00"_s << true << true << QString();
    QTest::newRow("any word beginning with temp") << u"temporada"_s << true << true << QString();
    QTest::newRow("juro: the interest tool") << u"juro12:00:00"_s << true << false << u"frmJuro"_s;
    QTest::newRow("peso: the weight tool") << u"peso12:00:00"_s << true << false << u"frmPeso"_s;
    QTest::newRow("systray: show") << u"systray12:00:00"_s << true << false << QString();
}

void TstFrmSysTray::handOverReceived()
{
    QFETCH(QString, text);
    QFETCH(bool, shown);
    QFETCH(bool, timeMode);
    QFETCH(QString, toolWindow);

    ToolCloser closer;
    auto process = start(u"systray"_s);
    process->host.load();
    QVERIFY(!process->host.calculatorWindow());
    process->channel.deliver({InstanceMessage::Kind::HandOver, text});
    QTest::qWait(20);
    QTRY_COMPARE(closer.openedTool, toolWindow);

    frmCalcula* window = process->host.calculatorWindow();
    QCOMPARE(window && window->isVisible(), shown);
    if (shown)
        QCOMPARE(process->host.calculator()->timeMode(), timeMode);
    QCOMPARE(process->unloaded.count(), 0);
}

void TstFrmSysTray::startWordOpensItsTool_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("toolWindow");
    QTest::newRow("peso: the weight tool") << u"peso"_s << u"frmPeso"_s;
    QTest::newRow("juro: the interest tool") << u"juro"_s << u"frmJuro"_s;
    QTest::newRow("tempo: no tool") << u"tempo"_s << QString();
}

void TstFrmSysTray::startWordOpensItsTool()
{
    QFETCH(QString, word);
    QFETCH(QString, toolWindow);
    ToolCloser closer;
    auto process = start(word);
    process->host.load();
    QVERIFY(process->host.calculatorWindow());
    QTest::qWait(20);
    QTRY_COMPARE(closer.openedTool, toolWindow);
}

void TstFrmSysTray::handOverRestoresMinimizedCalculator()
{
    auto process = start(u""_s);
    process->host.load();
    QPointer<frmCalcula> window = process->host.calculatorWindow();
    QVERIFY(window);
    window->showMinimized();
    process->channel.deliver({InstanceMessage::Kind::HandOver, u"12:00:00"_s});
    QTRY_VERIFY(!window->isMinimized());
    QCOMPARE(process->host.calculatorWindow(), window.data());
    QVERIFY(window->isVisible());
}

// As hot keys: a minimized calculator stays minimized, one in the notification area comes
// back to take the key, and a name this version does not know does nothing.
void TstFrmSysTray::keysPressedFromOutside()
{
    auto process = start(u"systray"_s);
    process->host.load();
    QVERIFY(!process->host.calculatorWindow());
    for (const QString& key : {u"5"_s, u"+"_s, u"{Esc}"_s, u"3"_s, u"="_s})
        process->channel.deliver({InstanceMessage::Kind::PressKey, key});
    QTRY_VERIFY(process->host.calculator() && process->host.calculator()->list().contains(u"8 T"_s));
    QPointer<frmCalcula> window = process->host.calculatorWindow();
    QVERIFY(window->isVisible());

    window->showMinimized();
    process->channel.deliver({InstanceMessage::Kind::PressKey, u"7"_s});
    QTRY_COMPARE(process->host.calculator()->display(), u"7"_s);
    QVERIFY(window->isMinimized());
    QCOMPARE(process->host.calculatorWindow(), window.data());
    QCOMPARE(process->unloaded.count(), 0);
}

// Without a running calculator the start opens one, and the key goes to it.
void TstFrmSysTray::pressedKeyOfAFirstStart()
{
    auto process = start(u""_s);
    process->host.setPressedKey(u"9"_s);
    process->host.load();
    QVERIFY(process->host.calculatorWindow());
    QCOMPARE(process->host.calculator()->display(), u"9"_s);
    QVERIFY(process->channel.deliveredMessages().isEmpty());
}

void TstFrmSysTray::closeRequestEndsProcess()
{
    auto process = start(u""_s);
    process->host.load();
    QPointer<frmCalcula> window = process->host.calculatorWindow();
    QVERIFY(window);

    process->channel.deliver({InstanceMessage::Kind::Close, {}});
    // Within the delivery: the role is free for the start that asked.
    QVERIFY(!process->channel.isFirst());
    QCOMPARE(process->unloaded.count(), 1);
    QVERIFY(process->host.calculatorParked());
    QVERIFY(!window->isVisible());

    process->host.unloadHost();
    QCOMPARE(process->unloaded.count(), 1);
}

void TstFrmSysTray::parkedCalculatorComesBackFresh()
{
    auto process = start(u""_s);
    process->host.load();
    QPointer<frmCalcula> parked = process->host.calculatorWindow();
    QVERIFY(parked);
    QCOMPARE(process->calculatorHotKeys.size(), 1);
    const QPointer<numerette::FakeGlobalHotKeys> parkedKeys = process->calculatorHotKeys.first();
    QVERIFY(parkedKeys->isRegistered(Qt::Key_C, CtrlShift));
    // What closing to the notification area leaves behind.
    process->host.setCalculatorParked(true);
    parked->hide();
    QVERIFY(!process->host.calculatorWindow());

    process->host.mnuSystray_Click();
    frmCalcula* fresh = process->host.calculatorWindow();
    QVERIFY(fresh && fresh != parked);
    QVERIFY(fresh->isVisible());
    QVERIFY(!process->host.calculatorParked());
    QVERIFY(process->host.calculator()->keysAccepted());
    QTRY_VERIFY(!parked);
    // The fresh calculator works through services of its own; the parked one's went with it.
    QCOMPARE(process->calculatorHotKeys.size(), 2);
    QVERIFY(!parkedKeys);
    QVERIFY(process->calculatorHotKeys.last()->isRegistered(Qt::Key_C, CtrlShift));
}

void TstFrmSysTray::closingCalculatorWithoutTrayEnds()
{
    auto process = start(u""_s);
    process->settings.setMnuSystray(false);
    process->trayPresent = false;
    process->host.load();
    QVERIFY(!process->host.trayAvailable());
    process->host.calculatorWindow()->close();
    QCOMPARE(process->unloaded.count(), 1);
    QVERIFY(!process->channel.isFirst());
}

void TstFrmSysTray::closingSecondaryOrMiniEnds_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("otherRunning");
    QTest::newRow("a secondary calculator") << u"outra"_s << true;
    QTest::newRow("the mini window") << u"mini"_s << false;
}

// Whatever "Stay on System Tray when Exit" says: neither parks.
void TstFrmSysTray::closingSecondaryOrMiniEnds()
{
    QFETCH(QString, word);
    QFETCH(bool, otherRunning);
    auto process = start(word, otherRunning);
    process->settings.setMnuSystray(true);
    process->host.load();
    QVERIFY(process->host.calculatorWindow());
    process->host.calculatorWindow()->close();
    QCOMPARE(process->unloaded.count(), 1);
    QVERIFY(process->host.calculatorParked());
}

// "Stay on System Tray when Exit" without a notification area: each close brings the calculator
// back minimized, told once; a notification area there by the next close takes it.
void TstFrmSysTray::closingToAMissingTrayMinimizes()
{
    auto process = start(u""_s);
    process->settings.setMnuSystray(true);
    process->trayPresent = false;
    process->host.load();
    for (int close = 0; close < 2; ++close) {
        process->host.calculatorWindow()->close();
        QTRY_VERIFY(process->host.calculatorWindow() && process->host.calculatorWindow()->isVisible());
        QVERIFY(process->host.calculatorWindow()->isMinimized());
        QVERIFY(process->host.calculator()->keysAccepted());
        QCOMPARE(process->unloaded.count(), 0);
        QCOMPARE(process->notifications->sent().size(), 1);
    }

    process->trayPresent = true;
    process->host.calculatorWindow()->close();
    QTest::qWait(50);
    QVERIFY(process->host.calculatorParked());
    QVERIFY(!process->host.calculatorWindow());
    QCOMPARE(process->unloaded.count(), 0);
    QCOMPARE(process->notifications->sent().size(), 1);
}

// A StatusNotifierItem host that registers later can have the icon only from the next start
// (Qt settles on the protocol once per process): the user waiting for it is told so.
void TstFrmSysTray::trayHostAppearingLaterIsTold()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        QSKIP("no session bus");
    const QString watcher = u"org.kde.StatusNotifierWatcher"_s;
    if (bus.interface()->isServiceRegistered(watcher))
        QSKIP("a StatusNotifierItem watcher already runs on this session bus");
    auto process = start(u"systray"_s);
    process->trayPresent = false;
    process->host.load();
    QCOMPARE(process->notifications->sent().size(), 1);

    QVERIFY(bus.registerService(watcher));
    QTRY_COMPARE(process->notifications->sent().size(), 2);
    QVERIFY(process->notifications->sent().last().body.contains(u"next start"_s));
    bus.unregisterService(watcher);
}

void TstFrmSysTray::systrayStartWithoutTray_data()
{
    QTest::addColumn<bool>("trayPresent");
    QTest::addColumn<bool>("calculatorShown");
    QTest::newRow("with a notification area: icon only") << true << false;
    QTest::newRow("without one: the calculator minimized, and a word how to get the icon") << false << true;
}

// A start for the notification area never leaves a process nobody can reach.
void TstFrmSysTray::systrayStartWithoutTray()
{
    QFETCH(bool, trayPresent);
    QFETCH(bool, calculatorShown);
    auto process = start(u"systray"_s);
    process->trayPresent = trayPresent;
    process->host.load();

    QCOMPARE(process->unloaded.count(), 0);
    frmCalcula* window = process->host.calculatorWindow();
    QCOMPARE(window && window->isVisible(), calculatorShown);
    QCOMPARE(process->notifications->sent().size(), calculatorShown ? 1 : 0);
    if (!calculatorShown)
        return;
    QVERIFY(window->isMinimized());
    QVERIFY(process->notifications->sent().first().body.contains(u"gnome-shell-extension-appindicator"_s));
    // It is a calculator like any other: the tray's show command restores it.
    process->host.mnuSystray_Click();
    QCOMPARE(process->host.calculatorWindow(), window);
    QVERIFY(!window->isMinimized());
    QVERIFY(process->host.calculator()->keysAccepted());
}

QTEST_MAIN(TstFrmSysTray)
#include "tst_frm_sys_tray.moc"
