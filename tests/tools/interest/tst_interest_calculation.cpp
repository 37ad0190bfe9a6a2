// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <functional>
#include <span>

#include <QRandomGenerator>
#include <QTest>

#include "capitalization_terms.h"
#include "interest_calculation.h"
#include "interest_reports.h"
#include "interest_search.h"
#include "tool_prompts.h"

using namespace numerette;
using namespace numerette::interest;
using namespace Qt::StringLiterals;

namespace {

const NumberLocale Dot;

Decimal decimal(const char16_t* text)
{
    return *Decimal::fromPlainText(QStringView(text));
}

// One row of a search's table: while the stage is at most `maxStage` and the balance is
// positive (`whenPositive`) or negative, the value moves by `step` and the stage becomes `stage`.
struct Row {
    int maxStage;
    bool whenPositive;
    const char16_t* step;
    int stage;
};

// The rate table: rows 1 to 7, then row 8 (stop at a balance not negative) and row 9.
const Row RateRows[] = {{0, true, u"-10", 0},    {1, false, u"1", 1},      {2, true, u"-0.1", 2},
                        {3, false, u"0.01", 3},  {4, true, u"-0.001", 4},  {5, false, u"0.0001", 5},
                        {6, true, u"-0.00001", 6}};
// The installment table: rows 1 to 5, then row 6 (stop) and row 7.
const Row InstallmentRows[] = {
    {0, true, u"1000", 0}, {1, false, u"-100", 1}, {2, true, u"10", 2}, {3, false, u"-1", 3}, {4, true, u"0.1", 4}};

// A ladder taken as its table reads, one iteration at a time: the reference the searches are
// held to. `steps` counts the iterations; nothing when a balance fails or after `most` of them.
std::optional<Found> stepByStep(std::span<const Row> rows, const char16_t* finest, int finestStage, Decimal value,
                                const std::function<std::optional<double>(const Decimal&)>& balanceAt, qint64 most,
                                qint64& steps, bool& finished)
{
    int stage = 0;
    finished = true;
    for (steps = 0; steps < most; ++steps) {
        const std::optional<double> balance = balanceAt(value);
        if (!balance)
            return std::nullopt;
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
            return stage <= r.maxStage && (r.whenPositive ? *balance > 0 : *balance < 0);
        });
        if (row == rows.end() && *balance >= 0)
            return Found{value, *balance};
        value = *value.plus(decimal(row == rows.end() ? finest : row->step));
        stage = row == rows.end() ? finestStage : row->stage;
    }
    finished = false;
    return std::nullopt;
}

// A random amount in cents from 0.01 to `most`, spread over its orders of magnitude.
Decimal randomAmount(QRandomGenerator& random, double most, int decimals = 2)
{
    const double magnitude = std::pow(10.0, random.bounded(std::log10(most) + decimals) - decimals);
    const double scale = std::pow(10.0, decimals);
    const auto units = std::max<qint64>(1, qint64(magnitude * scale));
    return *Decimal(units).dividedBy(Decimal(qint64(scale)));
}

} // namespace

class TstInterestCalculation : public QObject {
    Q_OBJECT

private slots:
    void numberTexts_data();
    void numberTexts();
    void searches_data();
    void searches();
    void searchesMatchTheLadder_data();
    void searchesMatchTheLadder();
    void installmentReport_data();
    void installmentReport();
    void capitalization_data();
    void capitalization();
    void capitalizationReportExample();
    void capitalizationTerms_data();
    void capitalizationTerms();
};

void TstInterestCalculation::numberTexts_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("rate") << 2.5 << u"2.5"_s;
    QTest::newRow("binary noise rounds away") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("negative rate") << -5.0885440000000001 << u"-5.088544"_s;
    QTest::newRow("small, no exponent") << 1.5e-7 << u"0.00000015"_s;
    QTest::newRow("large, no exponent") << 1.2345678901234567e20 << u"123456789012346000000"_s;
    QTest::newRow("zero") << -0.0 << u"0"_s;
}

void TstInterestCalculation::numberTexts()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(numberText(number, u'.'), text);
    QCOMPARE(numberText(number, u','), QString(text).replace(u'.', u','));
}

void TstInterestCalculation::searches_data()
{
    QTest::addColumn<QString>("sought");
    QTest::addColumn<Terms>("terms");
    QTest::addColumn<QString>("found");  // empty: the search fails
    // initial (or check), count, days, installment, rate
    QTest::newRow("worked example: installment") << u"installment"_s << Terms{1000, 3, 30, 333.33, 2.5} << u"350.13"_s;
    QTest::newRow("rate of the worked example") << u"rate"_s << Terms{1000, 3, 30, 350.13, 15} << u"2.498943"_s;
    QTest::newRow("installments below the value: negative rate")
        << u"rate"_s << Terms{1000, 3, 30, 300, 15} << u"-5.088544"_s;
    QTest::newRow("single installment: one iteration") << u"single"_s << Terms{1000, 1, 30, 1000, 2.5} << u"1025"_s;
    QTest::newRow("single installment after 45 days") << u"single"_s << Terms{1000, 1, 45, 1000, 2} << u"1030"_s;
    QTest::newRow("single installment may exceed the value") << u"rate"_s << Terms{1000, 1, 30, 1100, 15} << u"10"_s;
    QTest::newRow("cash payment: no first interest") << u"installment"_s << Terms{1000, 3, 0, 333.33, 2.5} << u"341.59"_s;
    QTest::newRow("first after 45 days") << u"installment"_s << Terms{1000, 3, 45, 333.33, 2.5} << u"354.4"_s;
    QTest::newRow("ten billion in 12 at 2 %")
        << u"installment"_s << Terms{1e10, 12, 30, 833333333.33, 2} << u"945595966.22"_s;
    QTest::newRow("900 billion in 2 at 50 %: balance exactly 0")
        << u"installment"_s << Terms{9e11, 2, 30, 4.5e11, 50} << u"810000000000"_s;
    QTest::newRow("installment beyond the largest amount fails")
        << u"installment"_s << Terms{1e19, 2, 30, 5e18, 50} << QString();
    QTest::newRow("overflowing rate fails") << u"installment"_s << Terms{1000, 250, 30, 4, 1e6} << QString();
    QTest::newRow("rate far above the first guess") << u"rate"_s << Terms{1000, 2, 0, 999.99, 15}
                                                    << u"9999800.00001"_s;
    QTest::newRow("one installment paid in cash: no rate") << u"rate"_s << Terms{1000, 1, 0, 900, 15} << QString();
    QTest::newRow("rate below -100 % with no end") << u"rate"_s << Terms{1000, 2, 30, 1, 15} << QString();
    // A cash check of `initial` falling due in `days` at `rate`.
    QTest::newRow("cash check in 45 days") << u"net"_s << Terms{1000, 0, 45, 0, 2} << u"970.69"_s;
    QTest::newRow("cash check in 730 days") << u"net"_s << Terms{1000, 0, 730, 0, 2} << u"617.6"_s;
    QTest::newRow("cash check at 1000 %: first guess below nothing") << u"net"_s << Terms{1000, 0, 45, 0, 1000}
                                                                     << u"15.15"_s;
    QTest::newRow("largest check at 1000 %") << u"net"_s << Terms{9e14, 0, 45, 0, 1000} << u"13636363636363.6"_s;
    QTest::newRow("cash check of 100 million over 730 days at 1 %")
        << u"net"_s << Terms{1e8, 0, 730, 0, 1} << u"78494962.87"_s;
}

void TstInterestCalculation::searches()
{
    QFETCH(QString, sought);
    QFETCH(Terms, terms);
    QFETCH(QString, found);
    std::optional<Found> end;
    if (sought == u"rate")
        end = findRate(terms);
    else if (sought == u"net")
        end = findNetAmount(*Decimal::fromDouble15(terms.initial), *Decimal::fromDouble15(terms.rate), terms.days);
    else
        end = findInstallment(terms, *Decimal::fromDouble15(terms.installment), sought == u"single");
    QCOMPARE(end ? end->value.toPlainText() : QString(), found);

    // The same end as the ladder taken one iteration at a time, where that ends soon enough.
    qint64 steps = 0;
    bool finished = false;
    std::optional<Found> expected;
    if (sought == u"rate") {
        expected = stepByStep(RateRows, u"0.000001", 7, Decimal(15), [&](const Decimal& rate) {
            return ResidualBalance(terms.initial, terms.count, terms.days, rate.toDouble(), terms.installment);
        }, 300'000, steps, finished);
    } else if (sought == u"net") {
        const Decimal check = *Decimal::fromDouble15(terms.initial);
        const Decimal rate = *Decimal::fromDouble15(terms.rate);
        expected = stepByStep(InstallmentRows, u"-0.01", 5, *firstNetAmount(check, rate), [&](const Decimal& net) {
            return checkBalance(terms.initial, terms.rate, terms.days, net);
        }, 300'000, steps, finished);
    } else if (sought == u"installment") {
        expected = stepByStep(InstallmentRows, u"-0.01", 5, *Decimal::fromDouble15(terms.installment),
                              [&](const Decimal& installment) {
                                  return ResidualBalance(terms.initial, terms.count, terms.days, terms.rate,
                                                         installment.toDouble());
                              }, 300'000, steps, finished);
    }
    if (finished)
        QCOMPARE(expected ? expected->value.toPlainText() : QString(), found);
}

void TstInterestCalculation::searchesMatchTheLadder_data()
{
    QTest::addColumn<QString>("sought");
    QTest::newRow("rate") << u"rate"_s;
    QTest::newRow("installment") << u"installment"_s;
    QTest::newRow("net amount") << u"net"_s;
}

// Random terms small enough for the ladder to be taken one iteration at a time: the search
// must end where the ladder does, with the same balance, or fail where it fails.
void TstInterestCalculation::searchesMatchTheLadder()
{
    QFETCH(QString, sought);
    constexpr int Cases = 2000;
    constexpr qint64 MostIterations = 200'000;
    QRandomGenerator random(20261210);
    int tried = 0;
    int compared = 0;
    int failing = 0;
    int endless = 0;
    int endlessAnswered = 0;
    Decimal largest;
    qint64 longest = 0;
    for (int i = 0; i < Cases; ++i) {
        const Decimal value = randomAmount(random, sought == u"installment" ? 1e7 : 1e6, sought == u"net" ? 4 : 2);
        Terms terms{value.toDouble(), 1 + int(random.bounded(i % 4 == 0 ? 250 : 24)), double(random.bounded(100)), 0,
                    0};
        std::optional<Found> expected;
        std::optional<Found> actual;
        qint64 steps = 0;
        bool finished = true;
        if (sought == u"rate") {
            // Below the value for more installments than one, anything up to twice it for one.
            // One in three far below the value, where the ladder passes rates of -100 % and less.
            const double share = (i % 3 == 0 ? std::pow(10.0, -random.bounded(6.0)) : (1 + random.bounded(999'999)) / 1e6)
                * (terms.count == 1 ? 2 : 1);
            terms.installment = value.times(*Decimal::fromDouble15(share))->rounded(2).toDouble();
            if (terms.installment <= 0 || (terms.count > 1 && terms.installment >= terms.initial))
                continue;
            expected = stepByStep(RateRows, u"0.000001", 7, Decimal(15), [&](const Decimal& rate) {
                return ResidualBalance(terms.initial, terms.count, terms.days, rate.toDouble(), terms.installment);
            }, MostIterations, steps, finished);
            actual = findRate(terms);
        } else if (sought == u"installment") {
            // Rates from 0.01 % to 30 % a month, and one in five from -99 % to 0 %.
            terms.rate = i % 5 == 0 ? random.bounded(9900) / 100.0 - 99 : (1 + random.bounded(3000)) / 100.0;
            const Decimal start = value.dividedBy(Decimal(terms.count))->rounded(2);
            expected = stepByStep(InstallmentRows, u"-0.01", 5, start, [&](const Decimal& installment) {
                return ResidualBalance(terms.initial, terms.count, terms.days, terms.rate, installment.toDouble());
            }, MostIterations, steps, finished);
            actual = findInstallment(terms, start, false);
        } else {
            const Decimal rate = randomAmount(random, 30, 4);
            terms.days = 1 + random.bounded(730);
            expected = stepByStep(InstallmentRows, u"-0.01", 5, *firstNetAmount(value, rate), [&](const Decimal& net) {
                return checkBalance(value.toDouble(), rate.toDouble(), terms.days, net);
            }, MostIterations, steps, finished);
            actual = findNetAmount(value, rate, terms.days);
        }
        ++tried;
        if (!finished) {
            // Too long to take one iteration at a time, or a ladder that never ends.
            ++endless;
            endlessAnswered += actual ? 1 : 0;
            continue;
        }
        ++compared;
        failing += expected ? 0 : 1;
        largest = std::max(largest, value);
        longest = std::max(longest, steps);
        QVERIFY2(expected.has_value() == actual.has_value() && (!expected || (expected->value == actual->value
                                                                             && expected->balance == actual->balance)),
                 qPrintable(u"%1: value %2, %3 installments, %4 days, installment %5, rate %6: ladder %7, search %8"_s
                                .arg(sought, value.toPlainText(), QString::number(terms.count),
                                     QString::number(terms.days), QString::number(terms.installment, 'g', 15),
                                     QString::number(terms.rate, 'g', 15),
                                     expected ? expected->value.toPlainText() : u"none"_s,
                                     actual ? actual->value.toPlainText() : u"none"_s)));
    }
    qInfo("%s: %d random terms, %d compared with the ladder (%d without an answer), largest value %s, longest "
          "ladder %lld iterations; %d ladders past %lld iterations (%d of them answered by the search)",
          qPrintable(sought), tried, compared, failing, qPrintable(largest.toPlainText()), longest, endless,
          MostIterations, endlessAnswered);
    QVERIFY(compared > tried * 9 / 10);
}

void TstInterestCalculation::installmentReport_data()
{
    QTest::addColumn<InstallmentReportTexts>("texts");
    QTest::addColumn<QStringList>("calculation");  // the lines between the two rules of the report

    QTest::newRow("worked example")
        << InstallmentReportTexts{u"1,000.00"_s, u"3"_s, u"30"_s, u"350.13"_s, u"2.5"_s, u"50.39"_s, u"1,050.39"_s}
        << QStringList{u"                1,000.00 +"_s, u"          30 days (2.5%) ="_s, u"                1,025.00 -"_s,
                       u" 001ª             350.13 ="_s, u"                  674.87 +"_s, u"          30 days (2.5%) ="_s,
                       u"                  691.74 -"_s, u" 002ª             350.13 ="_s, u"                  341.61 +"_s,
                       u"          30 days (2.5%) ="_s, u"                  350.15 -"_s, u" 003ª             350.13 ="_s,
                       u"                    0.02 T"_s};
    QTest::newRow("cash payment and 45 days label their first period")
        << InstallmentReportTexts{u"1,000.00"_s, u"2"_s, u"00"_s, u"500.00"_s, u"3"_s, u"0.00"_s, u"1,000.00"_s}
        << QStringList{u"                1,000.00 +"_s, u"            in cash (0%) ="_s, u"                1,000.00 -"_s,
                       u" 001ª             500.00 ="_s, u"                  500.00 +"_s, u"            30 days (3%) ="_s,
                       u"                  515.00 -"_s, u" 002ª             500.00 ="_s, u"                   15.00 T"_s};
    QTest::newRow("45 days")
        << InstallmentReportTexts{u"1,000.00"_s, u"1"_s, u"45"_s, u"1,030.00"_s, u"2"_s, u"30.00"_s, u"1,030.00"_s}
        << QStringList{u"                1,000.00 +"_s, u"            45 days (3%) ="_s, u"                1,030.00 -"_s,
                       u" 001ª           1,030.00 ="_s, u"                    0.00 T"_s};
}

void TstInterestCalculation::installmentReport()
{
    QFETCH(InstallmentReportTexts, texts);
    QFETCH(QStringList, calculation);
    const auto right = [](const QString& text, int width) { return text.rightJustified(width); };
    QStringList expected;
    expected << u" ========================="_s << u"            INITIAL VALUE "_s << u"                 1,000.00 "_s
             << u"   NUMBER OF INSTALLMENTS "_s << right(texts.count, 23) + u" x "_s << u"        INSTALLMENT VALUE "_s
             << right(texts.installment + u' ', 26) << u"    MONTHLY INTEREST RATE "_s
             << right(texts.rate, 23) + u" % "_s << u" =========== CALCULATION ="_s << u"                1,000.00 T"_s;
    expected << calculation;
    expected << u""_s << u"    TOTAL INTEREST AMOUNT "_s << right(texts.totalInterest + u' ', 26) << u""_s
             << u"             FINAL AMOUNT "_s << right(texts.finalAmount + u' ', 26);
    QCOMPARE(interest::installmentReport(texts, Dot).split(u"\r\n"_s), expected);
}

void TstInterestCalculation::capitalization_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("amount");
    QTest::newRow("45 days: a month and half a month") << u"45"_s << u"1,030.20"_s;
    QTest::newRow("one month") << u"30"_s << u"1,020.00"_s;
    QTest::newRow("days with decimals") << u"15.5"_s << u"1,010.33"_s;
    QTest::newRow("beyond any question") << u"1501"_s << QString();
}

void TstInterestCalculation::capitalization()
{
    QFETCH(QString, days);
    QFETCH(QString, amount);
    QCOMPARE(CapitalizeAmount(u"1000"_s, u"2"_s, days, Dot).value_or(QString()), amount);
}

void TstInterestCalculation::capitalizationReportExample()
{
    const QString report = capitalizationReport({u"1,000.00"_s, u"2"_s, u"45"_s, u"1,030.20"_s, QDate(2006, 3, 1)},
                                                {tape::DateOrder::DayMonthYear, u'/'}, Dot);
    QCOMPARE(report.split(u"\r\n"_s),
             (QStringList{u" ========================="_s, u"            INITIAL VALUE "_s, u"                 1,000.00 "_s,
                          u"           NUMBER OF DAYS "_s, u"                       45 "_s, u"             FINAL AMOUNT "_s,
                          u"                 1,030.20 "_s, u"    MONTHLY INTEREST RATE "_s, u"                      2 % "_s,
                          u" =========== CALCULATION ="_s, u" 01/03/06       1,000.00 +"_s, u"            30 days (2%) ="_s,
                          u"                1,020.00 +"_s, u"            15 days (1%) ="_s, u" 15/04/06       1,030.20 T"_s,
                          u""_s, u"    TOTAL INTEREST AMOUNT "_s, u"                    30.20 "_s}));
}

void TstInterestCalculation::capitalizationTerms_data()
{
    QTest::addColumn<bool>("cashCheck");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("days");  // empty: refused
    const QStringList terms{u"1000"_s, u"2"_s, u"01/03/2006"_s};
    QTest::newRow("saving: 1500 days") << false << terms + QStringList{u"1500"_s} << u"1500"_s;
    QTest::newRow("saving: 1501 days") << false << terms + QStringList{u"1501"_s} << QString();
    QTest::newRow("cash check: 730 days") << true << terms + QStringList{u"730"_s} << u"730"_s;
    QTest::newRow("cash check: 731 days") << true << terms + QStringList{u"731"_s} << QString();
    QTest::newRow("final date") << false << terms + QStringList{u"15/04/2006"_s} << u"45"_s;
    QTest::newRow("final date before the initial") << false << terms + QStringList{u"15/02/2006"_s} << QString();
    QTest::newRow("days neither number nor date") << false << terms + QStringList{u"soon"_s} << QString();
    QTest::newRow("no amount") << false << QStringList{u"0"_s} << QString();
    QTest::newRow("negative rate") << true << QStringList{u"1000"_s, u"-2"_s} << QString();
    QTest::newRow("initial date no date") << false << QStringList{u"1000"_s, u"2"_s, u"32/01/2006"_s} << QString();
    QTest::newRow("cancelled") << false << QStringList{u"1000"_s} << QString();
}

void TstInterestCalculation::capitalizationTerms()
{
    QFETCH(bool, cashCheck);
    QFETCH(QStringList, answers);
    QFETCH(QString, days);
    FakeToolPrompts prompts;
    for (const QString& answer : answers)
        prompts.typed.append(answer);
    const auto questions = cashCheck ? CashCheckQuestions : SavingAccountQuestions;
    const auto terms = askCapitalizationTerms(prompts, questions, {tape::DateOrder::DayMonthYear, u'/'},
                                              QDate(2006, 3, 1), Dot);
    QCOMPARE(terms ? terms->days : QString(), days);
    QCOMPARE(prompts.inputs.first().title, cashCheck ? u" Cash Check"_s : u" Capitalize Interest Rate"_s);
    if (answers.size() == 4) {
        QCOMPARE(prompts.inputs.at(2).defaultText, u"01/03/2006"_s);
        QVERIFY(prompts.inputs.at(3).prompt.contains(cashCheck ? u"(1 to 730 days)"_s : u"(1 to 1500 days)"_s));
    }
}

QTEST_GUILESS_MAIN(TstInterestCalculation)
#include "tst_interest_calculation.moc"
