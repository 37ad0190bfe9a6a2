// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "desktop_notifications.h"
#include "power_off.h"

using namespace Qt::StringLiterals;

namespace {

// The fakes run on the private session bus that dbus-run-session gives this test; the test
// never reaches the system bus, so nothing can be powered off.
QDBusConnection privateBus()
{
    return QDBusConnection::sessionBus();
}

// The names of the methods a dbusmock object was called with.
QStringList mockCalls(const QString& service, const QString& path)
{
    const QDBusMessage reply = privateBus().call(
        QDBusMessage::createMethodCall(service, path, u"org.freedesktop.DBus.Mock"_s, u"GetCalls"_s));
    QStringList names;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return names;
    const QDBusArgument calls = reply.arguments().constFirst().value<QDBusArgument>();
    calls.beginArray();
    while (!calls.atEnd()) {
        quint64 time = 0;
        QString name;
        calls.beginStructure();
        // The call's arguments, the rest of the structure, are not needed here.
        calls >> time >> name;
        calls.endStructure();
        names << name;
    }
    calls.endArray();
    return names;
}

} // namespace

class TstPowerOff : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void noServiceFails();
    void noBusFails();
    void powerOffReachesLogind();
    void alarmNotificationReachesDesktop();

private:
    bool startMock(const QString& templateName, const QString& busName);

    QProcess m_mock;
};

void TstPowerOff::initTestCase()
{
    if (qgetenv("NUMERETTE_PRIVATE_BUS") != "1")
        QSKIP("runs only on a private bus (ctest starts it inside dbus-run-session)");
    if (!QFile::exists(u"/usr/bin/python3"_s))
        QSKIP("no /usr/bin/python3 for python3-dbusmock");
    QVERIFY(privateBus().isConnected());
}

void TstPowerOff::cleanup()
{
    if (m_mock.state() != QProcess::NotRunning) {
        m_mock.terminate();
        m_mock.waitForFinished(5000);
    }
}

bool TstPowerOff::startMock(const QString& templateName, const QString& busName)
{
    m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_mock.start(u"/usr/bin/python3"_s, {u"-m"_s, u"dbusmock"_s, u"--session"_s, u"-t"_s, templateName});
    if (!m_mock.waitForStarted(5000))
        return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (privateBus().interface()->isServiceRegistered(busName))
            return true;
        if (m_mock.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(100);
    }
    return false;
}

void TstPowerOff::noServiceFails()
{
    numerette::LogindPowerOff logind(privateBus());
    const numerette::PowerOffResult result = logind.powerOff();
    QVERIFY(!result.accepted);
    QVERIFY2(result.error.contains(u"ServiceUnknown"_s), qPrintable(result.error));
}

void TstPowerOff::noBusFails()
{
    numerette::LogindPowerOff logind(QDBusConnection(u"never connected"_s));
    const numerette::PowerOffResult result = logind.powerOff();
    QVERIFY(!result.accepted);
    QVERIFY(!result.error.isEmpty());
}

void TstPowerOff::powerOffReachesLogind()
{
    if (!startMock(u"logind"_s, u"org.freedesktop.login1"_s))
        QSKIP("python3-dbusmock could not start a fake logind");
    numerette::LogindPowerOff logind(privateBus());
    const numerette::PowerOffResult result = logind.powerOff();
    QVERIFY2(result.accepted, qPrintable(result.error));
    QCOMPARE(mockCalls(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s), QStringList{u"PowerOff"_s});
}

void TstPowerOff::alarmNotificationReachesDesktop()
{
    if (!startMock(u"notification_daemon"_s, u"org.freedesktop.Notifications"_s))
        QSKIP("python3-dbusmock could not start a fake notification service");
    numerette::FreedesktopNotifications notifications(privateBus());
    notifications.notify(u"Set Alarm (Scheduling)"_s, u"Alarm Scheduled Time:\n14:30:00 hs.\n\nCALL"_s);
    QTRY_COMPARE(mockCalls(u"org.freedesktop.Notifications"_s, u"/org/freedesktop/Notifications"_s),
                 QStringList{u"Notify"_s});
}

QTEST_GUILESS_MAIN(TstPowerOff)
#include "tst_power_off.moc"
