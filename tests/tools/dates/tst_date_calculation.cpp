// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTest>

#include "date_calculation.h"
#include "table_translator.h"

using namespace numerette::dates;
using namespace Qt::StringLiterals;
using numerette::tape::DateOrder;

Q_DECLARE_METATYPE(numerette::dates::Button)
Q_DECLARE_METATYPE(numerette::dates::Outcome)

namespace {

const DateStyle DayFirst{DateOrder::DayMonthYear, QLatin1Char('/')};
const DateStyle MonthFirst{DateOrder::MonthDayYear, QLatin1Char('/')};

std::array<bool, UnitCount> ticks(const QString& pattern)
{
    std::array<bool, UnitCount> ticked{};
    for (int i = 0; i < UnitCount; ++i)
        ticked[i] = pattern.at(i) == QLatin1Char('x');
    return ticked;
}

} // namespace

class TestDateCalculation : public QObject {
    Q_OBJECT

private slots:
    void readsDates_data();
    void readsDates();
    void validatesFields_data();
    void validatesFields();
    void countsLeapDays_data();
    void countsLeapDays();
    void monthsDivisor_data();
    void monthsDivisor();
    void calculates_data();
    void calculates();
    void reports_data();
    void reports();
    void translatedReportKeepsItsColumns();
};

void TestDateCalculation::readsDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("day first") << u"15/03/2006"_s << true << QDate(2006, 3, 15);
    QTest::newRow("month first") << u"03/15/2006"_s << false << QDate(2006, 3, 15);
    QTest::newRow("month first refuses day first") << u"15/03/2006"_s << false << QDate();
    QTest::newRow("single digits") << u"1/2/2004"_s << true << QDate(2004, 2, 1);
    QTest::newRow("two-digit year before 30") << u"01/01/29"_s << true << QDate(2029, 1, 1);
    QTest::newRow("two-digit year from 30") << u"01/01/30"_s << true << QDate(1930, 1, 1);
    QTest::newRow("other separators") << u"29-02.2004"_s << true << QDate(2004, 2, 29);
    QTest::newRow("29 February of a common year") << u"29/02/2005"_s << true << QDate();
    QTest::newRow("no year") << u"15/03/    "_s << true << QDate();
    QTest::newRow("mask") << u"__/__/____"_s << true << QDate();
    QTest::newRow("three-digit year") << u"01/01/200"_s << true << QDate();
    QTest::newRow("letters") << u"aa/bb/cccc"_s << true << QDate();
    QTest::newRow("before year 100") << u"01/01/0099"_s << true << QDate();
}

void TestDateCalculation::readsDates()
{
    QFETCH(QString, text);
    QFETCH(bool, dayFirst);
    QFETCH(QDate, expected);
    const auto date = DateOf(text, dayFirst ? DayFirst : MonthFirst);
    QCOMPARE(date.value_or(QDate()), expected);
    if (date)
        QCOMPARE(DateOf(formatDate(*date, dayFirst ? DayFirst : MonthFirst), dayFirst ? DayFirst : MonthFirst), date);
}

void TestDateCalculation::validatesFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("expected");

    QTest::newRow("date rewritten") << u"1/3/06"_s << QChar(u'/') << true << u"01/03/2006"_s;
    QTest::newRow("empty mask stays") << u"__/__/____"_s << QChar(u'/') << true << u"__/__/____"_s;
    QTest::newRow("dotted mask stays") << u"__.__.____"_s << QChar(u'.') << true << u"__.__.____"_s;
    QTest::newRow("dotted date") << u"15.03.2006"_s << QChar(u'.') << true << u"15.03.2006"_s;
    QTest::newRow("partly typed") << u"15/03/____"_s << QChar(u'/') << false << QString();
    QTest::newRow("impossible day") << u"32/01/2006"_s << QChar(u'/') << false << QString();
    QTest::newRow("short year typed") << u"15/03/06__"_s << QChar(u'/') << true << u"15/03/2006"_s;
}

void TestDateCalculation::validatesFields()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(bool, valid);
    QFETCH(QString, expected);
    const auto result = validatedDateText(text, DateStyle{DateOrder::DayMonthYear, separator});
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, expected);
}

void TestDateCalculation::countsLeapDays_data()
{
    QTest::addColumn<QDate>("initial");
    QTest::addColumn<QDate>("final");
    QTest::addColumn<int>("count");

    QTest::newRow("2000 to 2006") << QDate(2000, 1, 1) << QDate(2006, 3, 15) << 2;
    QTest::newRow("2004 to 2006") << QDate(2004, 1, 1) << QDate(2006, 1, 1) << 1;
    QTest::newRow("ends on 29 February") << QDate(2003, 3, 1) << QDate(2004, 2, 29) << 1;
    QTest::newRow("ends the day before") << QDate(2003, 3, 1) << QDate(2004, 2, 28) << 0;
    QTest::newRow("starts on 29 February") << QDate(2004, 2, 29) << QDate(2005, 3, 1) << 0;
    QTest::newRow("starts on 28 February") << QDate(2004, 2, 28) << QDate(2005, 3, 1) << 1;
    QTest::newRow("1900 is no leap year") << QDate(1899, 1, 1) << QDate(1905, 1, 1) << 1;
    QTest::newRow("2000 is one") << QDate(1999, 1, 1) << QDate(2001, 1, 1) << 1;
}

void TestDateCalculation::countsLeapDays()
{
    QFETCH(QDate, initial);
    QFETCH(QDate, final);
    QFETCH(int, count);
    QCOMPARE(leapDaysBetween(initial, final), count);
}

void TestDateCalculation::monthsDivisor_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("months");

    QTest::newRow("359 days") << 359 << 11;
    QTest::newRow("360 days") << 360 << 11;
    QTest::newRow("364 days") << 364 << 11;
    QTest::newRow("365 days") << 365 << 12;
    QTest::newRow("29 days") << 29 << 0;
}

void TestDateCalculation::monthsDivisor()
{
    QFETCH(int, days);
    QFETCH(int, months);
    QCOMPARE(monthsIn(days), months);
}

void TestDateCalculation::calculates_data()
{
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("final");
    QTest::addColumn<QStringList>("typed");     // years, months, weeks, days as typed
    QTest::addColumn<QString>("ticked");        // "x" ticked, "-" not
    QTest::addColumn<Button>("button");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("expectedFinal");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("leapDays");

    const QStringList none{{}, {}, {}, {}};
    const QString mask = u"__/__/____"_s;
    QTest::newRow("2000 to 2006 from years")
        << true << u"01/01/2000"_s << u"15/03/2006"_s << none << u"xxxx"_s << Button::Years << Outcome::Done
        << u"15/03/2006"_s << QStringList{u"6"_s, u"2"_s, u"1"_s, u"6"_s} << u"2"_s;
    QTest::newRow("2000 to 2006 month first")
        << false << u"01/01/2000"_s << u"03/15/2006"_s << none << u"xxxx"_s << Button::Years << Outcome::Done
        << u"03/15/2006"_s << QStringList{u"6"_s, u"2"_s, u"1"_s, u"6"_s} << u"2"_s;
    QTest::newRow("2000 to 2006 in days")
        << true << u"01/01/2000"_s << u"15/03/2006"_s << none << u"xxxx"_s << Button::Days << Outcome::Done
        << u"15/03/2006"_s << QStringList{u"0"_s, u"0"_s, u"0"_s, u"2265"_s} << u"0"_s;
    QTest::newRow("2000 to 2006 from weeks")
        << true << u"01/01/2000"_s << u"15/03/2006"_s << none << u"xxxx"_s << Button::Weeks << Outcome::Done
        << u"15/03/2006"_s << QStringList{u"0"_s, u"0"_s, u"323"_s, u"4"_s} << u"0"_s;
    QTest::newRow("two years with a leap day")
        << true << u"01/01/2004"_s << u"01/01/2006"_s << none << u"xxxx"_s << Button::Years << Outcome::Done
        << u"01/01/2006"_s << QStringList{u"2"_s, u"0"_s, u"0"_s, u"0"_s} << u"1"_s;
    QTest::newRow("final date from 2 years")
        << true << u"01/01/2004"_s << mask << QStringList{u"2"_s, {}, {}, {}} << u"xxxx"_s << Button::FinalDate
        << Outcome::Done << u"01/01/2006"_s << QStringList{u"2"_s, u"0"_s, u"0"_s, u"0"_s} << u"1"_s;
    QTest::newRow("final date from 2 years month first")
        << false << u"01/01/2004"_s << mask << QStringList{u"2"_s, {}, {}, {}} << u"xxxx"_s << Button::FinalDate
        << Outcome::Done << u"01/01/2006"_s << QStringList{u"2"_s, u"0"_s, u"0"_s, u"0"_s} << u"1"_s;
    // The walk over the years restarts after the period is stretched; it must not carry the
    // first count into the second walk and skip the leap year 2004.
    QTest::newRow("2 years from 28 February")
        << true << u"28/02/2003"_s << mask << QStringList{u"2"_s, {}, {}, {}} << u"xxxx"_s << Button::FinalDate
        << Outcome::Done << u"28/02/2005"_s << QStringList{u"2"_s, u"0"_s, u"0"_s, u"0"_s} << u"1"_s;
    QTest::newRow("364 days in months")
        << true << u"01/01/2001"_s << u"31/12/2001"_s << none << u"xxxx"_s << Button::Months << Outcome::Done
        << u"31/12/2001"_s << QStringList{u"0"_s, u"11"_s, u"4"_s, u"6"_s} << u"0"_s;
    QTest::newRow("364 days, only months ticked")
        << true << u"01/01/2001"_s << u"31/12/2001"_s << none << u"xx--"_s << Button::Months << Outcome::Done
        << u"31/12/2001"_s << QStringList{u"0"_s, u"11"_s, u"0"_s, u"0"_s} << u"0"_s;
    QTest::newRow("364 days, days ticked without weeks")
        << true << u"01/01/2001"_s << u"31/12/2001"_s << none << u"xx-x"_s << Button::Months << Outcome::Done
        << u"31/12/2001"_s << QStringList{u"0"_s, u"11"_s, u"0"_s, u"34"_s} << u"0"_s;
    QTest::newRow("359 days in months")
        << true << u"01/01/2001"_s << u"26/12/2001"_s << none << u"xxxx"_s << Button::Months << Outcome::Done
        << u"26/12/2001"_s << QStringList{u"0"_s, u"11"_s, u"4"_s, u"1"_s} << u"0"_s;
    QTest::newRow("360 days from years")
        << true << u"01/01/2001"_s << u"27/12/2001"_s << none << u"xx-x"_s << Button::Years << Outcome::Done
        << u"27/12/2001"_s << QStringList{u"0"_s, u"11"_s, u"0"_s, u"30"_s} << u"0"_s;
    QTest::newRow("final before initial")
        << true << u"15/03/2006"_s << u"01/01/2000"_s << none << u"xxxx"_s << Button::Years
        << Outcome::FinalBeforeInitial << u"01/01/2000"_s << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s}
        << QString();
    QTest::newRow("no final date and no period")
        << true << u"01/01/2000"_s << mask << none << u"xxxx"_s << Button::FinalDate
        << Outcome::MissingInformation << mask << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s} << QString();
    QTest::newRow("period beyond the calendar")
        << true << u"01/01/9990"_s << mask << QStringList{u"999"_s, {}, {}, {}} << u"xxxx"_s
        << Button::FinalDate << Outcome::MissingInformation << mask
        << QStringList{u"999"_s, u"0"_s, u"0"_s, u"0"_s} << QString();
    QTest::newRow("a typed period yields to a final date")
        << true << u"01/01/2004"_s << u"01/01/2006"_s << QStringList{u"5"_s, {}, {}, {}} << u"xxxx"_s
        << Button::Days << Outcome::Done << u"01/01/2006"_s << QStringList{u"0"_s, u"0"_s, u"0"_s, u"731"_s}
        << u"0"_s;
}

void TestDateCalculation::calculates()
{
    QFETCH(bool, dayFirst);
    QFETCH(QString, initial);
    QFETCH(QString, final);
    QFETCH(QStringList, typed);
    QFETCH(QString, ticked);
    QFETCH(Button, button);
    QFETCH(QStringList, results);

    DateForm form;
    form.initialDate = initial;
    form.finalDate = final;
    for (int i = 0; i < UnitCount; ++i)
        form.results[i] = typed[i];
    form.ticked = ticks(ticked);
    QTEST(calculate(form, button, dayFirst ? DayFirst : MonthFirst), "outcome");
    QTEST(form.finalDate, "expectedFinal");
    QCOMPARE(QStringList(form.results.begin(), form.results.end()), results);
    QTEST(form.leapDays, "leapDays");
}

void TestDateCalculation::reports_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("final");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("report");

    QTest::newRow("2000 to 2006")
        << u"01/01/2000"_s << u"15/03/2006"_s << QStringList{u"6"_s, u"2"_s, u"1"_s, u"6"_s}
        << u"         [15/03/2006] - \r\n"
           "         [01/01/2000] = \r\n"
           "               years: 6 \r\n"
           "              months: 2 \r\n"
           "               weeks: 1 \r\n"
           "                days: 6 \r\n"
           " =========================\r\n"_s;
    QTest::newRow("zero units left out, long values")
        << u"01/01/2000"_s << u"15/03/2006"_s << QStringList{u"0"_s, u"0"_s, u"0"_s, u"2265"_s}
        << u"         [15/03/2006] - \r\n"
           "         [01/01/2000] = \r\n"
           "             days: 2265 \r\n"
           " =========================\r\n"_s;
    QTest::newRow("all zero") << u"01/01/2000"_s << u"15/03/2006"_s
                              << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s} << QString();
    QTest::newRow("equal dates") << u"01/01/2000"_s << u"01/01/2000"_s
                                 << QStringList{u"1"_s, u"0"_s, u"0"_s, u"0"_s} << QString();
    QTest::newRow("no final date") << u"01/01/2000"_s << u"__/__/____"_s
                                   << QStringList{u"1"_s, u"0"_s, u"0"_s, u"0"_s} << QString();
}

void TestDateCalculation::reports()
{
    QFETCH(QString, initial);
    QFETCH(QString, final);
    QFETCH(QStringList, results);
    DateForm form;
    form.initialDate = initial;
    form.finalDate = final;
    for (int i = 0; i < UnitCount; ++i)
        form.results[i] = results[i];
    QTEST(dateReport(form, DayFirst), "report");
}

// The unit lines stay right-aligned to column 23 whatever the length of their words; a
// translation too long for that is written whole.
void TestDateCalculation::translatedReportKeepsItsColumns()
{
    TableTranslator translator;
    translator.add("DateReport", u" years: %1"_s, u" anos: %1"_s);
    translator.add("DateReport", u" days: %1"_s, u" dias corridos no total: %1"_s);
    QVERIFY(QCoreApplication::installTranslator(&translator));
    DateForm form;
    form.initialDate = u"01/01/2000"_s;
    form.finalDate = u"15/03/2006"_s;
    form.results = {u"6"_s, u"2"_s, u"0"_s, u"6"_s};
    const QString report = dateReport(form, DayFirst);
    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(report,
             u"         [15/03/2006] - \r\n"
             "         [01/01/2000] = \r\n"
             "                anos: 6 \r\n"
             "              months: 2 \r\n"
             " dias corridos no total: 6 \r\n"
             " =========================\r\n"_s);
}

QTEST_GUILESS_MAIN(TestDateCalculation)
#include "tst_date_calculation.moc"
