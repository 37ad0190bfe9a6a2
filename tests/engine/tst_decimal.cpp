// SPDX-License-Identifier: GPL-3.0-or-later
#include <limits>

#include <QtTest>

#include "decimal.h"

using numerette::Decimal;

namespace {

constexpr auto MaxMagnitude = "79228162514264337593543950335"; // 2^96 - 1

Decimal parsed(const QString& text)
{
    const std::optional<Decimal> value = Decimal::fromPlainText(text);
    if (!value)
        qFatal("test data is no number: %s", qPrintable(text));
    return *value;
}

// The result as plain text, or "fail".
QString shown(const std::optional<Decimal>& value) { return value ? value->toPlainText() : QStringLiteral("fail"); }

} // namespace

class TestDecimal : public QObject {
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void rounded_data();
    void rounded();
    void roundingModes_data();
    void roundingModes();
    void plainText_data();
    void plainText();
    void fromDouble15_data();
    void fromDouble15();
    void ordering();
    void parts();
};

void TestDecimal::arithmetic_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QChar>("op");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("expected");
    const QString max = QLatin1String(MaxMagnitude);

    QTest::newRow("sum exact") << "0.1" << QChar(u'+') << "0.2" << "0.3";
    QTest::newRow("sum of negatives") << "-1.25" << QChar(u'+') << "-2.5" << "-3.75";
    QTest::newRow("sum crosses zero") << "1.5" << QChar(u'+') << "-2" << "-0.5";
    QTest::newRow("sum is zero, not negative") << "-1.5" << QChar(u'+') << "1.5" << "0";
    QTest::newRow("sum at the limit") << max << QChar(u'+') << "0" << max;
    QTest::newRow("sum overflows") << max << QChar(u'+') << "1" << "fail";
    QTest::newRow("negative sum overflows") << u'-' + max << QChar(u'-') << "1" << "fail";
    QTest::newRow("sum drops a decimal")
        << "1000000000000000000000000000.5" << QChar(u'+') << "0.06" << "1000000000000000000000000000.6";
    QTest::newRow("sum rounds away the decimals")
        << "79228162514264337593543950334" << QChar(u'+') << "0.5" << "79228162514264337593543950335";
    QTest::newRow("difference of 28 decimals")
        << "1" << QChar(u'-') << "0.0000000000000000000000000001" << "0.9999999999999999999999999999";
    QTest::newRow("difference negative") << "2" << QChar(u'-') << "3.5" << "-1.5";

    QTest::newRow("product exact") << "1.5" << QChar(u'*') << "-0.2" << "-0.3";
    QTest::newRow("product of negatives") << "-4" << QChar(u'*') << "-2.5" << "10";
    QTest::newRow("product of 1e28 by 10 overflows")
        << "10000000000000000000000000000" << QChar(u'*') << "10" << "fail";
    QTest::newRow("product rounds past 28 decimals")
        << "0.00000000000001" << QChar(u'*') << "0.000000000000015" << "0.0000000000000000000000000002";
    QTest::newRow("product underflows to zero")
        << "-0.000000000000001" << QChar(u'*') << "0.00000000000001" << "0";
    QTest::newRow("product keeps 29 digits")
        << "12345678901234.5678901234567" << QChar(u'*') << "1000"
        << "12345678901234567.8901234567";
    QTest::newRow("product rounds to fit 96 bits")
        << "3.3333333333333333333333333333" << QChar(u'*') << "3" << "10";

    QTest::newRow("quotient 10/3") << "10" << QChar(u'/') << "3" << "3.3333333333333333333333333333";
    QTest::newRow("quotient 1/3") << "1" << QChar(u'/') << "3" << "0.3333333333333333333333333333";
    QTest::newRow("quotient 2/3 rounds up") << "2" << QChar(u'/') << "3" << "0.6666666666666666666666666667";
    QTest::newRow("quotient -2/3 rounds away from zero")
        << "-2" << QChar(u'/') << "3" << "-0.6666666666666666666666666667";
    QTest::newRow("quotient exact") << "7.5" << QChar(u'/') << "-0.25" << "-30";
    QTest::newRow("quotient of scaled divisor") << "1" << QChar(u'/') << "0.0004" << "2500";
    QTest::newRow("quotient by zero") << "1" << QChar(u'/') << "0" << "fail";
    QTest::newRow("zero by zero") << "0" << QChar(u'/') << "0.00" << "fail";
    QTest::newRow("quotient overflows") << max << QChar(u'/') << "0.1" << "fail";
    QTest::newRow("quotient of the limit by one") << max << QChar(u'/') << "1" << max;
    QTest::newRow("quotient below 28 decimals") << "1" << QChar(u'/') << max << "0";
    QTest::newRow("quotient tiny") << "0.0000000000000000000000000001" << QChar(u'/') << "2"
                                   << "0.0000000000000000000000000001";
}

void TestDecimal::arithmetic()
{
    QFETCH(QString, a);
    QFETCH(QChar, op);
    QFETCH(QString, b);
    QFETCH(QString, expected);
    const Decimal x = parsed(a);
    const Decimal y = parsed(b);
    const std::optional<Decimal> result = op == u'+' ? x.plus(y)
                                        : op == u'-' ? x.minus(y)
                                        : op == u'*' ? x.times(y)
                                                     : x.dividedBy(y);
    QCOMPARE(shown(result), expected);
}

void TestDecimal::rounded_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("floored");

    QTest::newRow("half up") << "2.5" << 0 << "3" << "2";
    QTest::newRow("negative half away from zero") << "-2.5" << 0 << "-3" << "-3";
    QTest::newRow("below half") << "2.4999" << 0 << "2" << "2";
    QTest::newRow("1.005 to cents") << "1.005" << 2 << "1.01" << "1";
    QTest::newRow("-1.005 to cents") << "-1.005" << 2 << "-1.01" << "-2";
    QTest::newRow("carry through nines") << "9.995" << 2 << "10" << "9";
    QTest::newRow("more places than scale") << "1.5" << 4 << "1.5" << "1";
    QTest::newRow("negative rounds to zero") << "-0.4" << 0 << "0" << "-1";
    QTest::newRow("whole negative") << "-7" << 0 << "-7" << "-7";
    QTest::newRow("max magnitude at 28 decimals")
        << "7.9228162514264337593543950335" << 27 << "7.922816251426433759354395034" << "7";
}

void TestDecimal::rounded()
{
    QFETCH(QString, value);
    QFETCH(int, places);
    QFETCH(QString, expected);
    QFETCH(QString, floored);
    const Decimal d = parsed(value);
    QCOMPARE(d.rounded(places).toPlainText(), expected);
    QCOMPARE(d.floored().toPlainText(), floored);
}

void TestDecimal::roundingModes_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("halfUp");
    QTest::addColumn<QString>("halfEven");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");

    QTest::newRow("2.5 tie") << "2.5" << 0 << "3" << "2" << "3" << "2";
    QTest::newRow("3.5 tie") << "3.5" << 0 << "4" << "4" << "4" << "3";
    QTest::newRow("-2.5 tie") << "-2.5" << 0 << "-3" << "-2" << "-3" << "-2";
    QTest::newRow("-3.5 tie") << "-3.5" << 0 << "-4" << "-4" << "-4" << "-3";
    QTest::newRow("0.125 at two decimals") << "0.125" << 2 << "0.13" << "0.12" << "0.13" << "0.12";
    QTest::newRow("0.135 at two decimals") << "0.135" << 2 << "0.14" << "0.14" << "0.14" << "0.13";
    QTest::newRow("-0.125 at two decimals") << "-0.125" << 2 << "-0.13" << "-0.12" << "-0.13" << "-0.12";
    QTest::newRow("just above a tie") << "0.1250000001" << 2 << "0.13" << "0.13" << "0.13" << "0.12";
    QTest::newRow("just below a tie") << "0.1249999999" << 2 << "0.12" << "0.12" << "0.13" << "0.12";
    QTest::newRow("tie behind zeros") << "2.50000" << 0 << "3" << "2" << "3" << "2";
    QTest::newRow("a far digit rounds up") << "2.0000000001" << 0 << "2" << "2" << "3" << "2";
    QTest::newRow("-2.99 cut") << "-2.99" << 0 << "-3" << "-3" << "-3" << "-2";
    QTest::newRow("exact stays") << "1.25" << 2 << "1.25" << "1.25" << "1.25" << "1.25";
    QTest::newRow("carry through nines") << "9.9951" << 2 << "10" << "10" << "10" << "9.99";
    QTest::newRow("one decimal") << "0.45" << 1 << "0.5" << "0.4" << "0.5" << "0.4";
    QTest::newRow("eight decimals") << "1.000000015" << 8 << "1.00000002" << "1.00000002" << "1.00000002"
                                    << "1.00000001";
    QTest::newRow("ten decimals tie") << "0.00000000005" << 10 << "0.0000000001" << "0" << "0.0000000001"
                                      << "0";
    QTest::newRow("small negative up") << "-0.001" << 2 << "0" << "0" << "-0.01" << "0";
    QTest::newRow("28 decimals to 27")
        << "7.9228162514264337593543950335" << 27 << "7.922816251426433759354395034"
        << "7.922816251426433759354395034" << "7.922816251426433759354395034" << "7.922816251426433759354395033";
}

// Every mode on the same value, each exact over all the digits it drops.
void TestDecimal::roundingModes()
{
    QFETCH(QString, value);
    QFETCH(int, places);
    QFETCH(QString, halfUp);
    QFETCH(QString, halfEven);
    QFETCH(QString, up);
    QFETCH(QString, down);
    const Decimal d = parsed(value);
    QCOMPARE(d.rounded(places, numerette::RoundingMode::HalfUp).toPlainText(), halfUp);
    QCOMPARE(d.rounded(places, numerette::RoundingMode::HalfEven).toPlainText(), halfEven);
    QCOMPARE(d.rounded(places, numerette::RoundingMode::Up).toPlainText(), up);
    QCOMPARE(d.rounded(places, numerette::RoundingMode::Down).toPlainText(), down);
}

void TestDecimal::plainText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << "100" << "100";
    QTest::newRow("trailing zeros trimmed") << "12.500" << "12.5";
    QTest::newRow("blanks around") << "  -0.001 " << "-0.001";
    QTest::newRow("minus zero") << "-0.000" << "0";
    QTest::newRow("leading zeros") << "007" << "7";
    QTest::newRow("point at the end") << "5." << "5";
    QTest::newRow("point at the start") << ".5" << "0.5";
    QTest::newRow("29 decimals rounded") << "0.00000000000000000000000000015" << "0.0000000000000000000000000002";
    QTest::newRow("many decimals rounded") << "1.99999999999999999999999999999999999" << "2";
    QTest::newRow("limit") << MaxMagnitude << MaxMagnitude;
    QTest::newRow("limit negative") << "-79228162514264337593543950335" << "-79228162514264337593543950335";
    QTest::newRow("limit with a half") << "79228162514264337593543950335.5" << "fail";
    QTest::newRow("above the limit") << "79228162514264337593543950336" << "fail";
    QTest::newRow("far above the limit") << "1000000000000000000000000000000000000000" << "fail";
    QTest::newRow("integer part keeps its decimals") << "1234567890123456789012345678.123"
                                                     << "1234567890123456789012345678.1";
    QTest::newRow("empty") << "" << "fail";
    QTest::newRow("only minus") << "-" << "fail";
    QTest::newRow("only point") << "." << "fail";
    QTest::newRow("plus sign") << "+1" << "fail";
    QTest::newRow("two points") << "1.2.3" << "fail";
    QTest::newRow("blank after minus") << "- 1" << "fail";
    QTest::newRow("exponent") << "1e5" << "fail";
    QTest::newRow("comma") << "1,5" << "fail";
}

void TestDecimal::plainText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(shown(Decimal::fromPlainText(text)), expected);
}

void TestDecimal::fromDouble15_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("sum of tenths in double") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("small") << 1e-05 << "0.00001";
    QTest::newRow("large") << 1.5e+20 << "150000000000000000000";
    QTest::newRow("fifteen digits") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("minus zero") << -0.0 << "0";
    QTest::newRow("below 28 decimals") << 1e-30 << "0";
    QTest::newRow("too large") << 1e29 << "fail";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "fail";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "fail";
}

void TestDecimal::fromDouble15()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(shown(Decimal::fromDouble15(value)), expected);
}

void TestDecimal::ordering()
{
    QVERIFY(parsed(u"1.50"_qs) == parsed(u"1.5"_qs));
    QVERIFY(parsed(u"-0"_qs) == Decimal(0));
    QVERIFY(parsed(u"-2"_qs) < parsed(u"-1.5"_qs));
    QVERIFY(parsed(u"-0.1"_qs) < Decimal(0));
    QVERIFY(parsed(u"0.0000000000000000000000000001"_qs) > Decimal(0));
    QVERIFY(Decimal(std::numeric_limits<std::int64_t>::min()) < Decimal(-1));
    QCOMPARE(Decimal(std::numeric_limits<std::int64_t>::min()).toPlainText(), u"-9223372036854775808"_qs);
    QVERIFY(!Decimal(0).negated().isNegative());
}

void TestDecimal::parts()
{
    const Decimal d = parsed(u"-123.0450"_qs);
    QCOMPARE(d.integerDigits(), u"123"_qs);
    QCOMPARE(d.fractionDigits(), u"0450"_qs);
    QCOMPARE(parsed(u"0.05"_qs).integerDigits(), u"0"_qs);
    QCOMPARE(parsed(u"0.05"_qs).fractionDigits(), u"05"_qs);
    QCOMPARE(parsed(u"-12.5"_qs).toDouble(), -12.5);
}

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
