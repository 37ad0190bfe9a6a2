// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <QTest>
#include <QTime>

#include "process_values.h"

using namespace Qt::StringLiterals;

class TstProcessValues : public QObject {
    Q_OBJECT

private slots:
    void dateFormat_data();
    void dateFormat();
    void decimalSeparatorOfLocale_data();
    void decimalSeparatorOfLocale();
    void decimalSeparatorWhenSeparatorsClash_data();
    void decimalSeparatorWhenSeparatorsClash();
    void timeOfDay_data();
    void timeOfDay();
    void programPath_data();
    void programPath();
};

void TstProcessValues::dateFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Brazil, day first") << u"pt_BR"_s << u"dd/mm/yyyy"_s;
    QTest::newRow("Switzerland, dotted two-digit year") << u"de_CH"_s << u"dd/mm/yyyy"_s;
    QTest::newRow("Britain") << u"en_GB"_s << u"dd/mm/yyyy"_s;
    QTest::newRow("United States, month first") << u"en_US"_s << u"mm/dd/yyyy"_s;
    QTest::newRow("Sweden, year first") << u"sv_SE"_s << u"mm/dd/yyyy"_s;
    QTest::newRow("China, year first") << u"zh_CN"_s << u"mm/dd/yyyy"_s;
    QTest::newRow("Korea, two-digit year first") << u"ko_KR"_s << u"mm/dd/yyyy"_s;
    QTest::newRow("Egypt, day first in its own digits") << u"ar_EG"_s << u"dd/mm/yyyy"_s;
    QTest::newRow("Bulgaria, literal after the date") << u"bg_BG"_s << u"dd/mm/yyyy"_s;
}

void TstProcessValues::dateFormat()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(numerette::dateFormatOf(QLocale(locale)), expected);
}

void TstProcessValues::decimalSeparatorOfLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QChar>("expected");

    QTest::newRow("Brazil, comma") << u"pt_BR"_s << QChar(u',');
    QTest::newRow("Switzerland, point with apostrophe groups") << u"de_CH"_s << QChar(u'.');
    QTest::newRow("United States, point") << u"en_US"_s << QChar(u'.');
    QTest::newRow("France, comma with narrow-space groups") << u"fr_FR"_s << QChar(u',');
    QTest::newRow("Egypt, Arabic decimal reads as point") << u"ar_EG"_s << QChar(u'.');
}

void TstProcessValues::decimalSeparatorOfLocale()
{
    QFETCH(QString, locale);
    QFETCH(QChar, expected);
    QCOMPARE(numerette::decimalSeparatorOf(QLocale(locale)), expected);
}

// No locale Qt ships has equal separators, but a user's own settings can.
void TstProcessValues::decimalSeparatorWhenSeparatorsClash_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QChar>("expected");

    QTest::newRow("point for both becomes comma") << u"."_s << u"."_s << QChar(u',');
    QTest::newRow("comma for both becomes point") << u","_s << u","_s << QChar(u'.');
    QTest::newRow("blank for both becomes point") << u" "_s << u" "_s << QChar(u'.');
    QTest::newRow("comma with point groups stays") << u","_s << u"."_s << QChar(u',');
}

void TstProcessValues::decimalSeparatorWhenSeparatorsClash()
{
    QFETCH(QString, decimal);
    QFETCH(QString, group);
    QFETCH(QChar, expected);
    QCOMPARE(numerette::decimalSeparatorFor(decimal, group), expected);
}

void TstProcessValues::timeOfDay_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Brazil") << u"pt_BR"_s << u"14:30:05"_s;
    QTest::newRow("United States, twelve hours") << u"en_US"_s << u"2:30:05 PM"_s;
    QTest::newRow("China, zone in front") << u"zh_CN"_s << u"14:30:05"_s;
    QTest::newRow("Iran, zone in brackets") << u"fa_IR"_s << u"۱۴:۳۰:۰۵"_s;
    QTest::newRow("Bulgaria, quoted letters stay") << u"bg_BG"_s << u"14:30:05 ч."_s;
}

void TstProcessValues::timeOfDay()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(numerette::timeOfDayText(QTime(14, 30, 5), QLocale(locale)), expected);
}

void TstProcessValues::programPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("appDir");
    QTest::addColumn<QString>("exeFileName");

    QTest::newRow("installed") << u"/usr/bin/numerette"_s << u"/usr/bin/"_s << u"numerette"_s;
    QTest::newRow("in the root folder") << u"/numerette"_s << u"/"_s << u"numerette"_s;
    QTest::newRow("name with a dot") << u"/opt/x/numerette.AppImage"_s << u"/opt/x/"_s << u"numerette.AppImage"_s;
}

void TstProcessValues::programPath()
{
    QFETCH(QString, path);
    QFETCH(QString, appDir);
    QFETCH(QString, exeFileName);
    const numerette::ProcessValues values = numerette::establishProcessValues(u"juro"_s, path, QLocale(u"pt_BR"_s));
    QCOMPARE(values.AppDir, appDir);
    QCOMPARE(values.ExeFileName, exeFileName);
    // Started again from these two, the program is the one running now.
    QCOMPARE(values.AppDir + values.ExeFileName, path);
    QCOMPARE(values.CommandWord, u"juro"_s);
    QCOMPARE(values.DateFormat, u"dd/mm/yyyy"_s);
    QCOMPARE(values.DecimalSeparator, QChar(u','));
}

QTEST_GUILESS_MAIN(TstProcessValues)
#include "tst_process_values.moc"
