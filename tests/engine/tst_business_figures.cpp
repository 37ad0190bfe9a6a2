// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "business_figures.h"

using namespace numerette;
using namespace Qt::StringLiterals;

class TestBusinessFigures : public QObject {
    Q_OBJECT

private slots:
    void quotientTies_data();
    void quotientTies();
    void pictureDecimals_data();
    void pictureDecimals();
};

namespace {

Decimal number(const QString& text) { return *Decimal::fromPlainText(text); }

} // namespace

// Quotients that land on a tie or just beside one, in each mode: the rounding looks at the
// exact remainder, not at a quotient already rounded to 28 digits.
void TestBusinessFigures::quotientTies_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("d");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("halfUp");
    QTest::addColumn<QString>("halfEven");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");

    QTest::newRow("2.5") << u"5"_s << u"2"_s << 0 << u"3"_s << u"2"_s << u"3"_s << u"2"_s;
    QTest::newRow("3.5") << u"7"_s << u"2"_s << 0 << u"4"_s << u"4"_s << u"4"_s << u"3"_s;
    QTest::newRow("-2.5") << u"-5"_s << u"2"_s << 0 << u"-3"_s << u"-2"_s << u"-3"_s << u"-2"_s;
    QTest::newRow("0.125 at two decimals") << u"1"_s << u"8"_s << 2 << u"0.13"_s << u"0.12"_s << u"0.13"_s << u"0.12"_s;
    QTest::newRow("-0.125 at two decimals")
        << u"1"_s << u"-8"_s << 2 << u"-0.13"_s << u"-0.12"_s << u"-0.13"_s << u"-0.12"_s;
    QTest::newRow("0.135 at two decimals") << u"0.27"_s << u"2"_s << 2 << u"0.14"_s << u"0.14"_s << u"0.14"_s << u"0.13"_s;
    QTest::newRow("one third") << u"1"_s << u"3"_s << 2 << u"0.33"_s << u"0.33"_s << u"0.34"_s << u"0.33"_s;
    QTest::newRow("two thirds") << u"2"_s << u"3"_s << 2 << u"0.67"_s << u"0.67"_s << u"0.67"_s << u"0.66"_s;
    QTest::newRow("exact stays") << u"10"_s << u"4"_s << 2 << u"2.5"_s << u"2.5"_s << u"2.5"_s << u"2.5"_s;
    // A large quotient keeps two decimals: 1.25e26 + 0.4966... would read as ...000.50, a tie.
    QTest::newRow("just under a tie, large")
        << u"375000000000000000000000001.49"_s << u"3"_s << 0 << u"125000000000000000000000000"_s
        << u"125000000000000000000000000"_s << u"125000000000000000000000001"_s << u"125000000000000000000000000"_s;
    QTest::newRow("ten decimals") << u"1"_s << u"16"_s << 3 << u"0.063"_s << u"0.062"_s << u"0.063"_s << u"0.062"_s;
}

void TestBusinessFigures::quotientTies()
{
    QFETCH(QString, n);
    QFETCH(QString, d);
    QFETCH(int, places);
    const std::array modes{RoundingMode::HalfUp, RoundingMode::HalfEven, RoundingMode::Up, RoundingMode::Down};
    QStringList got;
    for (const RoundingMode mode : modes) {
        const auto q = roundedQuotient(number(n), number(d), places, mode);
        got.append(q ? q->toPlainText() : u"fail"_s);
    }
    QFETCH(QString, halfUp);
    QFETCH(QString, halfEven);
    QFETCH(QString, up);
    QFETCH(QString, down);
    QCOMPARE(got, (QStringList{halfUp, halfEven, up, down}));
}

void TestBusinessFigures::pictureDecimals_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("places");
    QTest::newRow("standard") << u"#,##0.##########"_s << 10;
    QTest::newRow("currency") << u"#,##0.00####"_s << 6;
    QTest::newRow("two") << u"#,##0.00"_s << 2;
    QTest::newRow("whole") << u"#,##0"_s << 0;
}

void TestBusinessFigures::pictureDecimals()
{
    QFETCH(QString, picture);
    QFETCH(int, places);
    QCOMPARE(numerette::pictureDecimals(picture), places);
}

QTEST_APPLESS_MAIN(TestBusinessFigures)
#include "tst_business_figures.moc"
