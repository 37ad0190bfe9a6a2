// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <QTest>

#include "schedule_time.h"

using namespace Qt::StringLiterals;
using numerette::ScheduleTime;

class TstScheduleTime : public QObject {
    Q_OBJECT

private slots:
    void readTypedTime_data();
    void readTypedTime();
    void secondsPastGoesAroundMidnight_data();
    void secondsPastGoesAroundMidnight();
};

void TstScheduleTime::readTypedTime_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("caption"); // the time part as captions show it
    QTest::addColumn<bool>("withDate");

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    const QLocale germany(QLocale::German, QLocale::Germany);

    QTest::newRow("hours and minutes") << us << u"14:30"_s << true << u"14:30:00"_s << false;
    QTest::newRow("with seconds") << us << u"14:30:05"_s << true << u"14:30:05"_s << false;
    QTest::newRow("one-digit hour") << us << u"7:05"_s << true << u"07:05:00"_s << false;
    QTest::newRow("blanks around") << us << u"  22:00:00 "_s << true << u"22:00:00"_s << false;
    QTest::newRow("afternoon on the 12-hour clock") << us << u"2:30 PM"_s << true << u"14:30:00"_s << false;
    QTest::newRow("midnight on the 12-hour clock") << us << u"12:00 AM"_s << true << u"00:00:00"_s << false;
    QTest::newRow("lower-case pm, no blank") << us << u"9:15pm"_s << true << u"21:15:00"_s << false;
    QTest::newRow("hour only with pm") << us << u"3 PM"_s << true << u"15:00:00"_s << false;
    QTest::newRow("last second of the day") << us << u"23:59:59"_s << true << u"23:59:59"_s << false;
    QTest::newRow("Brazilian time") << brazil << u"08:45"_s << true << u"08:45:00"_s << false;
    QTest::newRow("German time") << germany << u"18:00:30"_s << true << u"18:00:30"_s << false;

    QTest::newRow("date and time, month first") << us << u"12/31/2030 14:30"_s << true << u"14:30:00"_s << true;
    QTest::newRow("date and time, day first") << brazil << u"31/12/2030 14:30:10"_s << true << u"14:30:10"_s << true;
    QTest::newRow("time before the date") << brazil << u"14:30 31/12/2030"_s << true << u"14:30:00"_s << true;
    QTest::newRow("ISO date and time") << us << u"2030-12-31 06:00"_s << true << u"06:00:00"_s << true;
    QTest::newRow("date alone: midnight") << us << u"12/31/2030"_s << true << u"00:00:00"_s << true;
    QTest::newRow("German date and time") << germany << u"31.12.2030 07:00"_s << true << u"07:00:00"_s << true;

    QTest::newRow("empty") << us << QString() << false << QString() << false;
    QTest::newRow("blanks only") << us << u"   "_s << false << QString() << false;
    QTest::newRow("garbage") << us << u"soon"_s << false << QString() << false;
    QTest::newRow("plain number") << us << u"14"_s << false << QString() << false;
    QTest::newRow("hour past 23") << us << u"25:00"_s << false << QString() << false;
    QTest::newRow("minute past 59") << us << u"12:60"_s << false << QString() << false;
    QTest::newRow("negative") << us << u"-1:00"_s << false << QString() << false;
    QTest::newRow("13 PM") << us << u"13:00 PM"_s << false << QString() << false;
    QTest::newRow("time then garbage") << us << u"14:30 tomorrow"_s << false << QString() << false;
    QTest::newRow("impossible date") << brazil << u"31/02/2030 10:00"_s << false << QString() << false;
    QTest::newRow("very long text") << us << QString(10000, u'9') << false << QString() << false;
    QTest::newRow("control characters") << us << u"14:30\u0000"_s << false << QString() << false;
}

void TstScheduleTime::readTypedTime()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(QString, caption);
    QFETCH(bool, withDate);

    const std::optional<ScheduleTime> time = numerette::readScheduleTime(typed, locale);
    QCOMPARE(time.has_value(), valid);
    if (!time)
        return;
    QCOMPARE(numerette::scheduleCaptionTime(*time), caption);
    QCOMPARE(time->withDate, withDate);
}

void TstScheduleTime::secondsPastGoesAroundMidnight_data()
{
    QTest::addColumn<QTime>("at");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("seconds");

    QTest::newRow("same time") << QTime(14, 30) << QTime(14, 30) << 0;
    QTest::newRow("one second after") << QTime(14, 30) << QTime(14, 30, 1) << 1;
    QTest::newRow("one second before: nearly a day") << QTime(14, 30) << QTime(14, 29, 59) << 86399;
    QTest::newRow("across midnight") << QTime(23, 59, 59) << QTime(0, 0, 2) << 3;
}

void TstScheduleTime::secondsPastGoesAroundMidnight()
{
    QFETCH(QTime, at);
    QFETCH(QTime, now);
    QFETCH(int, seconds);
    QCOMPARE(numerette::secondsPast(at, now), seconds);
}

QTEST_GUILESS_MAIN(TstScheduleTime)
#include "tst_schedule_time.moc"
