// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "schedule.h"
#include "tray_blink.h"

using numerette::Schedule;
using numerette::ScheduleTime;
using numerette::TrayBlink;

namespace {

ScheduleTime at(int hour, int minute, int second = 0)
{
    return ScheduleTime{QTime(hour, minute, second), false};
}

} // namespace

class TstSchedule : public QObject {
    Q_OBJECT

private slots:
    void alarmRingsWithinItsWindow_data();
    void alarmRingsWithinItsWindow();
    void ringingAlarmOpensOneMessage();
    void settingAddsEntryBelow();
    void twoAlarmsBeepPerSetEntry();
    void closingOrCancellingUnsets();
    void shutdownCountdownAndPowerOff_data();
    void shutdownCountdownAndPowerOff();
    void cancellingShutdownStopsCountdown();
    void blinkLastsFourteenTicks();
    void blinkGoesOnWhileAttentionNeeded();
};

void TstSchedule::alarmRingsWithinItsWindow_data()
{
    QTest::addColumn<ScheduleTime>("alarm");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("rings");

    QTest::newRow("at its second: not yet") << at(14, 30) << QTime(14, 30) << false;
    QTest::newRow("one second after") << at(14, 30) << QTime(14, 30, 1) << true;
    QTest::newRow("four seconds after") << at(14, 30) << QTime(14, 30, 4) << true;
    QTest::newRow("five seconds after: missed") << at(14, 30) << QTime(14, 30, 5) << false;
    QTest::newRow("before") << at(14, 30) << QTime(14, 29, 59) << false;
    QTest::newRow("passed long ago: waits for tomorrow") << at(9, 0) << QTime(14, 30) << false;
    QTest::newRow("last second of the day comes round") << at(23, 59, 59) << QTime(0, 0, 1) << true;
    QTest::newRow("with a date: never") << ScheduleTime{QTime(14, 30), true} << QTime(14, 30, 1) << false;
}

void TstSchedule::alarmRingsWithinItsWindow()
{
    QFETCH(ScheduleTime, alarm);
    QFETCH(QTime, now);
    QFETCH(bool, rings);

    Schedule schedule;
    schedule.setAlarm(0, alarm, QStringLiteral("meeting"));
    QCOMPARE(schedule.checkTime(now), rings ? QList<qsizetype>{0} : QList<qsizetype>{});
    QCOMPARE(schedule.needsAttention(), rings);
}

void TstSchedule::ringingAlarmOpensOneMessage()
{
    Schedule schedule;
    schedule.setAlarm(0, at(14, 30), QStringLiteral("call"));
    QCOMPARE(schedule.checkTime(QTime(14, 30, 1)), QList<qsizetype>{0});
    QCOMPARE(schedule.checkTime(QTime(14, 30, 2)), QList<qsizetype>{});
    QVERIFY(schedule.alarm(0).set);
    QCOMPARE(schedule.alarm(0).reason, QStringLiteral("CALL"));
}

void TstSchedule::settingAddsEntryBelow()
{
    Schedule schedule;
    QCOMPARE(schedule.alarmCount(), 1);
    schedule.setAlarm(0, at(8, 0), QStringLiteral("a"));
    QCOMPARE(schedule.alarmCount(), 2);
    // Setting the first entry again adds nothing; setting the last one does.
    schedule.cancelAlarm(0);
    schedule.setAlarm(0, at(8, 0), QStringLiteral("a"));
    QCOMPARE(schedule.alarmCount(), 2);
    schedule.setAlarm(1, at(9, 0), QStringLiteral("b"));
    QCOMPARE(schedule.alarmCount(), 3);
    schedule.setAlarm(7, at(9, 0), QStringLiteral("no such entry"));
    QCOMPARE(schedule.alarmCount(), 3);
}

void TstSchedule::twoAlarmsBeepPerSetEntry()
{
    Schedule schedule;
    schedule.setAlarm(0, at(14, 30), QStringLiteral("first"));
    schedule.setAlarm(1, at(15, 0), QStringLiteral("second"));
    QCOMPARE(schedule.trayTick(QTime(14, 29)).beeps, 0);
    QCOMPARE(schedule.checkTime(QTime(14, 30, 1)), QList<qsizetype>{0});
    QCOMPARE(schedule.trayTick(QTime(14, 30, 1)).beeps, 2);
    QVERIFY(schedule.alarmClosed(0));
    QCOMPARE(schedule.trayTick(QTime(14, 30, 2)).beeps, 0);
    QCOMPARE(schedule.checkTime(QTime(15, 0, 2)), QList<qsizetype>{1});
    QCOMPARE(schedule.trayTick(QTime(15, 0, 2)).beeps, 1);
}

void TstSchedule::closingOrCancellingUnsets()
{
    Schedule schedule;
    schedule.setAlarm(0, at(14, 30), QStringLiteral("x"));
    schedule.checkTime(QTime(14, 30, 1));
    // Cancelled while its message is open, then set anew: closing the old message leaves the
    // new setting alone.
    schedule.cancelAlarm(0);
    QVERIFY(!schedule.needsAttention());
    schedule.setAlarm(0, at(16, 0), QStringLiteral("y"));
    QVERIFY(!schedule.alarmClosed(0));
    QVERIFY(schedule.alarm(0).set);
    QVERIFY(schedule.anyAlarmSet());
}

void TstSchedule::shutdownCountdownAndPowerOff_data()
{
    QTest::addColumn<ScheduleTime>("shutdown");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("countdown");
    QTest::addColumn<bool>("powerOff");

    QTest::newRow("21 seconds before: quiet") << at(22, 0) << QTime(21, 59, 39) << false << false;
    QTest::newRow("20 seconds before: quiet") << at(22, 0) << QTime(21, 59, 40) << false << false;
    QTest::newRow("19 seconds before: beeps") << at(22, 0) << QTime(21, 59, 41) << true << false;
    QTest::newRow("at its second: beeps") << at(22, 0) << QTime(22, 0) << true << false;
    QTest::newRow("one second after: off") << at(22, 0) << QTime(22, 0, 1) << true << true;
    QTest::newRow("four seconds after: off") << at(22, 0) << QTime(22, 0, 4) << true << true;
    QTest::newRow("five seconds after: too late") << at(22, 0) << QTime(22, 0, 5) << false << false;
    QTest::newRow("countdown across midnight") << at(0, 0, 10) << QTime(23, 59, 55) << true << false;
    QTest::newRow("with a date: never") << ScheduleTime{QTime(22, 0), true} << QTime(22, 0, 1) << false << false;
}

void TstSchedule::shutdownCountdownAndPowerOff()
{
    QFETCH(ScheduleTime, shutdown);
    QFETCH(QTime, now);
    QFETCH(bool, countdown);
    QFETCH(bool, powerOff);

    Schedule schedule;
    schedule.setShutdown(shutdown);
    QVERIFY(schedule.checkTime(now).isEmpty());
    QCOMPARE(schedule.countdownRunning(), countdown);
    const Schedule::TrayStep step = schedule.trayTick(now);
    QCOMPARE(step.beeps, countdown ? 1 : 0);
    QCOMPARE(step.powerOff, powerOff);
}

void TstSchedule::cancellingShutdownStopsCountdown()
{
    Schedule schedule;
    schedule.setShutdown(at(22, 0));
    schedule.checkTime(QTime(21, 59, 50));
    QVERIFY(schedule.needsAttention());
    schedule.cancelShutdown();
    QVERIFY(!schedule.needsAttention());
    const Schedule::TrayStep step = schedule.trayTick(QTime(22, 0, 1));
    QCOMPARE(step.beeps, 0);
    QVERIFY(!step.powerOff);
}

void TstSchedule::blinkLastsFourteenTicks()
{
    TrayBlink blink;
    QString images;
    for (int round = 0; round < 2; ++round) {
        images.clear();
        TrayBlink::Step step;
        int ticks = 0;
        do {
            step = blink.tick(false);
            images += step.image == TrayBlink::Image::Picture ? u'P' : u'-';
            ++ticks;
        } while (!step.finished && ticks < 100);
        // Alternating from the picture, the fourteenth tick ends the blink on the picture;
        // a second blink is the same.
        QCOMPARE(ticks, 14);
        QCOMPARE(images, QStringLiteral("P-P-P-P-P-P-PP"));
    }
}

void TstSchedule::blinkGoesOnWhileAttentionNeeded()
{
    TrayBlink blink;
    for (int tick = 0; tick < 50; ++tick)
        QVERIFY(!blink.tick(true).finished);
    const TrayBlink::Step last = blink.tick(false);
    QVERIFY(last.finished);
    QCOMPARE(last.image, TrayBlink::Image::Picture);
}

QTEST_GUILESS_MAIN(TstSchedule)
#include "tst_schedule.moc"
