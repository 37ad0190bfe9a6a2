// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "calculator.h"
#include "item_correction.h"
#include "key_script.h"
#include "tape_csv.h"
#include "tape_text.h"
#include "typed_calculations.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

const QString Heading = u"date,kind,value,operator,label"_s;

class DayPort : public CalculatorPort {
public:
    QDate today() const override { return QDate(2026, 12, 9); }
};

// A tape with a line of every kind: the date header, a labelled and a plain item, a
// divider, the count and the total, free text holding a comma, a tool report, a corrected
// calculation under its correction line, and a running calculation at the end.
QString tapeOfEveryKind()
{
    DayPort port;
    Calculator calc(port);
    TypedCalculations history(calc);
    calc.chooseNumberFormat(20);
    calc.setInsertText(true);
    calc.setInteractive(true);
    calc.clearList();
    QString error;
    bool closed = false;
    const auto type = [&](const QString& keys) { runTapeSteps(calc, *parseTapeKeys(keys, error), closed); };
    type(u"1234.5+rent3*2="_s);
    calc.mnuEditar_Click();
    calc.editList(int(calc.list().size()), 0, u"paid, in cash"_s);
    calc.listEnterKey();
    calc.editList(int(calc.list().size()), 0, u"=1+1"_s);
    calc.listLostFocus();
    calc.appendToolReport(u"CAPITAL"_s.leftJustified(14) + u"1,000.00 ="_s.rightJustified(12));
    correctItem(calc, history, 3 * tape::LineLength, 1, TypedItem{u"4"_s, '*'});
    type(u"7+"_s);
    return calc.list();
}

QStringList rowsOf(const QString& csv)
{
    QStringList rows = csv.split(u"\r\n"_s);
    if (rows.constLast().isEmpty())
        rows.removeLast();
    return rows;
}

} // namespace

class TestTapeCsv : public QObject {
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void everyKind();
    void selection_data();
    void selection();
};

void TestTapeCsv::lines_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QString>("rows");

    QTest::newRow("grouped value loses its grouping")
        << "1,234.50 +|2 =|002|1,236.50 T" << QChar(u'.')
        << ",item,1234.50,+,|,item,2,=,|,count,2,,|,total,1236.50,T,";
    QTest::newRow("comma decimals become points")
        << "1.234,5 ×|2 ÷|4 =|003|617,25 T" << QChar(u',')
        << ",item,1234.5,*,|,item,2,/,|,item,4,=,|,count,3,,|,total,617.25,T,";
    QTest::newRow("standard format's dangling separator dropped")
        << "12. -|5 %|002|11.4 T" << QChar(u'.') << ",item,12,-,|,item,5,%,|,count,2,,|,total,11.4,T,";
    QTest::newRow("durations stay hh:mm:ss")
        << "01:30:00 +|00:45:00 =|002|02:15:00 T" << QChar(u'.')
        << ",item,01:30:00,+,|,item,00:45:00,=,|,count,2,,|,total,02:15:00,T,";
    QTest::newRow("total cut to 22 characters")
        << "99,999,999,999,999 ×|1,000,000 =|002|99,999,999,999,999,000 E|===" << QChar(u'.')
        << ",item,99999999999999,*,|,item,1000000,=,|,count,2,,|,total,99999999999999000,E,";
    QTest::newRow("date header dates the lines below, month first")
        << "12/09/2026 Wed|===|5 +|3 =|002|8 T|===" << QChar(u'.')
        << "2026-12-09,header,,,12/09/2026 Wed|2026-12-09,item,5,+,|2026-12-09,item,3,=,|"
           "2026-12-09,count,2,,|2026-12-09,total,8,T,";
    QTest::newRow("item-shaped report lines outside a calculation")
        << "5 =|===" << QChar(u'.') << ",report,,,5 =";
    QTest::newRow("empty list") << "" << QChar(u'.') << "";

    // Nothing but plain numbers goes into the value column: free text shaped like a total
    // or an item line is a text row, its label neutralised as every label is.
    QTest::newRow("formula shaped like a total line")
        << "5 +|3 =|002|=1+1 T|===" << QChar(u'.') << ",item,5,+,|,item,3,=,|,count,2,,|,text,,, =1+1 T";
    QTest::newRow("function shaped like a total line")
        << "5 =|001|@SUM(A1) T" << QChar(u'.') << ",item,5,=,|,count,1,,|,text,,, @SUM(A1) T";
    QTest::newRow("command shaped like a cut total")
        << "5 =|001|+cmd E" << QChar(u'.') << ",item,5,=,|,count,1,,|,text,,, +cmd E";
    QTest::newRow("item whose value is no number")
        << "-1,2,3.4.5 +|7 =|002|8 T" << QChar(u'.')
        << ",text,,,\" -1,2,3.4.5 +\"|,item,7,=,|,count,2,,|,total,8,T,";
    QTest::newRow("two decimal separators in a total")
        << "1 =|001|1,2,3 T" << QChar(u',') << ",item,1,=,|,count,1,,|,text,,,\"1,2,3 T\"";
    QTest::newRow("labels that read like formulas")
        << u' ' + u"=SUM(A1)"_s.leftJustified(12) + u"5 +"_s.rightJustified(13) + u'|' + u' '
               + u"-2+3"_s.leftJustified(12) + u"3 ="_s.rightJustified(13) + u"|002|8 T"_s
        << QChar(u'.') << ",item,5,+, =SUM(A1)|,item,3,=, -2+3|,count,2,,|,total,8,T,";
    // The figures of the business keys, the grand total below the count of its totals.
    QTest::newRow("grand total")
        << "8 T|===|002|1,018.00 G|===" << QChar(u'.') << ",report,,,8 T|,count,2,,|,figure,1018.00,G,";
    QTest::newRow("tax added")
        << "100,05 N|19,01 X|119,06 B|===" << QChar(u',') << ",figure,100.05,N,|,figure,19.01,X,|,figure,119.06,B,";
    QTest::newRow("margin")
        << "100 C|25 M|133.33 S|33.33 P|===" << QChar(u'.')
        << ",figure,100,C,|,figure,25,M,|,figure,133.33,S,|,figure,33.33,P,";
    QTest::newRow("a count above no grand total is a report") << "002|18 N|===" << QChar(u'.') << ",report,,,002|,figure,18,N,";
    QTest::newRow("a figure marker after words is a report")
        << "CAPITAL          1,000 G|===" << QChar(u'.') << ",report,,,\"CAPITAL          1,000 G\"";
    QTest::newRow("count of forty digits")
        << u"5 =|1"_s + QString(39, u'0') + u"|5 T"_s << QChar(u'.')
        << u",item,5,=,|,count,1"_s + QString(39, u'0') + u",,|,total,5,T,"_s;
}

void TestTapeCsv::lines()
{
    QFETCH(QString, tape);
    QFETCH(QChar, decimal);
    QFETCH(QString, rows);
    const QString csv = tapeCsv(tapeText(tape), tape::DateOrder::MonthDayYear, NumberLocale::withDecimal(decimal));
    QStringList expected{Heading};
    if (!rows.isEmpty())
        expected += rows.split(u'|');
    QCOMPARE(rowsOf(csv), expected);
    QVERIFY(csv.endsWith(u"\r\n"_s));
}

void TestTapeCsv::everyKind()
{
    const QString csv = tapeCsv(tapeOfEveryKind(), tape::DateOrder::DayMonthYear, NumberLocale{});
    const QStringList expected{
        Heading,
        u"2026-12-09,header,,,09/12/2026 Wed"_s,
        u"2026-12-09,item,1234.50,+,RENT"_s,
        u"2026-12-09,item,3.00,*,"_s,
        u"2026-12-09,item,2.00,=,"_s,
        u"2026-12-09,count,3,,"_s,
        u"2026-12-09,total,2475.00,T,"_s,
        u"2026-12-09,text,,,\"paid, in cash\""_s,
        u"2026-12-09,text,,, =1+1"_s,
        u"2026-12-09,report,,,\"CAPITAL         1,000.00 =\""_s,
        u"2026-12-09,header,,,CORRECTED ITEM 002 OF 003"_s,
        u"2026-12-09,item,1234.50,+,RENT"_s,
        u"2026-12-09,item,4.00,*,"_s,
        u"2026-12-09,item,2.00,=,"_s,
        u"2026-12-09,count,3,,"_s,
        u"2026-12-09,total,2477.00,T,"_s,
        u"2026-12-09,item,7.00,+,"_s,
    };
    QCOMPARE(rowsOf(csv), expected);
}

void TestTapeCsv::selection_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("rows");

    const int line = 28;
    QTest::newRow("one item keeps the date above it") << 2 * line + 5 << 2 * line + 6 << "2026-12-09,item,5,+,";
    QTest::newRow("from inside an item to inside the total")
        << 3 * line + 20 << 5 * line + 1 << "2026-12-09,item,3,=,|2026-12-09,count,2,,|2026-12-09,total,8,T,";
    QTest::newRow("separator alone gives no row") << 6 * line << 7 * line << "";
    QTest::newRow("caret at a line's end takes no row") << 3 * line << 3 * line << "";
}

void TestTapeCsv::selection()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, rows);
    const QString list = tapeText(u"09/12/2026 Wed|===|5 +|3 =|002|8 T|==="_s);
    QStringList expected{Heading};
    if (!rows.isEmpty())
        expected += rows.split(u'|');
    QCOMPARE(rowsOf(tapeCsv(list, tape::DateOrder::DayMonthYear, NumberLocale{}, from, to)), expected);
}

QTEST_GUILESS_MAIN(TestTapeCsv)
#include "tst_tape_csv.moc"
