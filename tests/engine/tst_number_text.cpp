// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "number_text.h"

using numerette::Decimal;
using numerette::NumberLocale;

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void formatPicture_data();
    void formatPicture();
    void valueOf_data();
    void valueOf();
    void valueOfByThousands_data();
    void valueOfByThousands();
    void textThatIsNoNumber();
    void formatAmount();
};

void TestNumberText::formatPicture_data()
{
    QTest::addColumn<QString>("value"); // plain text
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QString>("expected");
    const QChar point = u'.';
    const QChar comma = u',';

    QTest::newRow("grouped, point") << "1234567.891" << "#,##0.00" << point << "1,234,567.89";
    QTest::newRow("grouped, comma") << "1234567.891" << "#,##0.00" << comma << "1.234.567,89";
    QTest::newRow("grouped whole") << "1234567.5" << "#,##0" << point << "1,234,568";
    QTest::newRow("grouped whole negative") << "-1234567.5" << "#,##0" << comma << "-1.234.568";
    QTest::newRow("three digits not grouped") << "999" << "#,##0" << point << "999";
    QTest::newRow("cents round half up") << "1.005" << "#,##0.00" << point << "1.01";
    QTest::newRow("cents of zero") << "0" << "#,##0.00" << point << "0.00";
    QTest::newRow("small negative keeps sign") << "-0.001" << "#,##0.00" << point << "-0.00";
    QTest::newRow("minus zero") << "-0" << "#,##0.00" << point << "0.00";
    QTest::newRow("plain cents not grouped") << "1234567.891" << "0.00" << comma << "1234567,89";
    QTest::newRow("optional decimals dropped") << "2.5" << "#,##0.00####" << point << "2.50";
    QTest::newRow("optional decimals kept") << "1234.123456" << "#,##0.00####" << point << "1,234.123456";
    QTest::newRow("optional decimals rounded") << "0.1234565" << "#,##0.00####" << comma << "0,123457";
    QTest::newRow("trailing separator") << "12" << "#,##0.##########" << point << "12.";
    QTest::newRow("trailing separator of zero") << "0" << "#,##0.##########" << comma << "0,";
    QTest::newRow("ten optional decimals")
        << "-1234.00000000005" << "#,##0.##########" << point << "-1,234.0000000001";
    QTest::newRow("one decimal") << "1234.56" << "#,##0.0" << point << "1,234.6";
    QTest::newRow("eight decimals") << "1.23" << "#,##0.00000000" << comma << "1,23000000";
    QTest::newRow("28 decimals to 8")
        << "0.3333333333333333333333333333" << "#,##0.00000000" << point << "0.33333333";
    QTest::newRow("largest value grouped")
        << "79228162514264337593543950335" << "#,##0" << point << "79,228,162,514,264,337,593,543,950,335";
    QTest::newRow("three digits padded") << "7" << "000" << point << "007";
    QTest::newRow("two digits padded") << "7.5" << "00" << point << "08";
    QTest::newRow("longer than padding") << "1234" << "#000" << point << "1234";
    QTest::newRow("padded negative") << "-4" << "000" << point << "-004";
    QTest::newRow("time 5400") << "5400" << "#00:00:00" << point << "00:54:00";
    QTest::newRow("time 90000") << "90000" << "#00:00:00" << point << "09:00:00";
    QTest::newRow("time long") << "1234567" << "#00:00:00" << point << "123:45:67";
    QTest::newRow("time rounded") << "59.5" << "#00:00:00" << comma << "00:00:60";
    QTest::newRow("time zero") << "0" << "#00:00:00" << point << "00:00:00";
}

void TestNumberText::formatPicture()
{
    QFETCH(QString, value);
    QFETCH(QString, picture);
    QFETCH(QChar, decimal);
    QFETCH(QString, expected);
    const std::optional<Decimal> number = Decimal::fromPlainText(value);
    QVERIFY(number);
    QCOMPARE(numerette::FormatPicture(*number, picture, NumberLocale::withDecimal(decimal)), expected);
}

void TestNumberText::valueOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QString>("expected"); // plain text, or "none"
    const QChar point = u'.';
    const QChar comma = u',';

    QTest::newRow("plain") << "12.5" << point << "12.5";
    QTest::newRow("plain, comma") << "12,5" << comma << "12.5";
    QTest::newRow("grouped") << " -1,234,567.25 " << point << "-1234567.25";
    QTest::newRow("grouped, comma") << "1.234.567,25" << comma << "1234567.25";
    QTest::newRow("group anywhere in the integer part") << "12,34" << point << "1234";
    QTest::newRow("point at the end") << "12." << point << "12";
    QTest::newRow("separator first") << ",5" << comma << "0.5";
    QTest::newRow("minus zero") << "-0" << point << "0";
    QTest::newRow("beyond 28 decimals rounds")
        << "0.00000000000000000000000000005" << point << "0.0000000000000000000000000001";
    QTest::newRow("empty") << "" << point << "none";
    QTest::newRow("blank") << " " << point << "none";
    QTest::newRow("only minus") << "-" << point << "none";
    QTest::newRow("only separator") << "." << point << "none";
    QTest::newRow("inner minus") << "1-2" << point << "none";
    QTest::newRow("plus sign") << "+2" << point << "none";
    QTest::newRow("two separators") << "1.2.3" << point << "none";
    QTest::newRow("letters") << "abc" << point << "none";
    QTest::newRow("trailing letter") << "12a" << point << "none";
    QTest::newRow("group after the separator") << "1.234,5" << point << "none";
    QTest::newRow("group after the separator, comma") << "1,234.5" << comma << "none";
    QTest::newRow("group at the start") << ",123" << point << "none";
    QTest::newRow("group at the end") << "123," << point << "none";
    QTest::newRow("doubled group") << "1,,234" << point << "none";
    QTest::newRow("group before separator") << "1,.5" << point << "none";
    QTest::newRow("too large") << "79,228,162,514,264,337,593,543,950,336" << point << "none";
}

void TestNumberText::valueOf()
{
    QFETCH(QString, text);
    QFETCH(QChar, decimal);
    QFETCH(QString, expected);
    const std::optional<Decimal> value = numerette::ValueOf(text, NumberLocale::withDecimal(decimal));
    QCOMPARE(value ? value->toPlainText() : QStringLiteral("none"), expected);
}

void TestNumberText::valueOfByThousands_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QString>("expected"); // plain text, or "none"
    const QChar point = u'.';
    const QChar comma = u',';

    QTest::newRow("comma decimal in a point locale") << "2,5" << point << "none";
    QTest::newRow("point decimal in a comma locale") << "2.5" << comma << "none";
    QTest::newRow("groups of two") << "1,23,4" << point << "none";
    QTest::newRow("group of four") << "1,2345" << point << "none";
    QTest::newRow("first group of four") << "1234,567" << point << "none";
    QTest::newRow("short group before the decimals") << "1,23.5" << point << "none";
    QTest::newRow("whole groups") << "-1,234,567.25" << point << "-1234567.25";
    QTest::newRow("whole groups, comma") << "12.345,5" << comma << "12345.5";
    QTest::newRow("no groups") << "1234567" << point << "1234567";
    QTest::newRow("plain decimals") << "2,5" << comma << "2.5";
}

void TestNumberText::valueOfByThousands()
{
    QFETCH(QString, text);
    QFETCH(QChar, decimal);
    QFETCH(QString, expected);
    const NumberLocale locale = NumberLocale::withDecimal(decimal).withThousandsGrouping();
    const std::optional<Decimal> value = numerette::ValueOf(text, locale);
    QCOMPARE(value ? value->toPlainText() : QStringLiteral("none"), expected);
    // What the locale writes it reads back.
    if (value)
        QCOMPARE(numerette::ValueOf(numerette::FormatPicture(*value, u"#,##0.##", locale), locale), value);
}

void TestNumberText::textThatIsNoNumber()
{
    const NumberLocale comma = NumberLocale::withDecimal(u',');
    QCOMPARE(comma.group, QChar(u'.'));
    QCOMPARE(numerette::FormatPicture(u"1.234,5", u"#,##0.00", comma), u"1.234,50"_qs);
    QCOMPARE(numerette::FormatPicture(u"Error", u"#,##0.00", comma), u"Error"_qs);
}

void TestNumberText::formatAmount()
{
    const NumberLocale point;
    QCOMPARE(numerette::FormatAmount(u"-1234.567", point), u"-1,234.57"_qs);
    QCOMPARE(numerette::FormatAmount(u"abc", point), u"0.00"_qs);
    QCOMPARE(numerette::FormatAmount(u"", NumberLocale::withDecimal(u',')), u"0,00"_qs);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
