// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>

#include <QTest>

#include "capitalization_terms.h"
#include "interest_calculation.h"
#include "interest_reports.h"
#include "tool_prompts.h"

using namespace numerette;
using namespace numerette::interest;
using namespace Qt::StringLiterals;

namespace {

const NumberLocale Dot;

// Runs a search to its end as the window does, feeding each value found back in.
std::optional<Step> runSearch(double start, const std::function<std::optional<Step>(double value, int stage)>& step)
{
    double value = start;
    int stage = 0;
    for (int i = 0; i < MaxSearchIterations; ++i) {
        const auto found = step(value, stage);
        if (!found || found->last)
            return found;
        value = found->value;
        stage = found->stage;
    }
    return std::nullopt;
}

} // namespace

class TstInterestCalculation : public QObject {
    Q_OBJECT

private slots:
    void numberTexts_data();
    void numberTexts();
    void searches_data();
    void searches();
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
    // initial, count, days, installment, rate
    QTest::newRow("worked example: installment") << u"installment"_s << Terms{1000, 3, 30, 333.33, 2.5} << u"350.13"_s;
    QTest::newRow("rate of the worked example") << u"rate"_s << Terms{1000, 3, 30, 350.13, 15} << u"2.498943"_s;
    QTest::newRow("installments below the value: negative rate")
        << u"rate"_s << Terms{1000, 3, 30, 300, 15} << u"-5.088544"_s;
    QTest::newRow("single installment: one iteration") << u"single"_s << Terms{1000, 1, 30, 1000, 2.5} << u"1,025.00"_s;
    QTest::newRow("single installment after 45 days") << u"single"_s << Terms{1000, 1, 45, 1000, 2} << u"1,030.00"_s;
    QTest::newRow("single installment may exceed the value") << u"rate"_s << Terms{1000, 1, 30, 1100, 15} << u"10"_s;
    QTest::newRow("cash payment: no first interest") << u"installment"_s << Terms{1000, 3, 0, 333.33, 2.5} << u"341.59"_s;
    QTest::newRow("first after 45 days") << u"installment"_s << Terms{1000, 3, 45, 333.33, 2.5} << u"354.40"_s;
    // A cash check of `initial` falling due in `days`: the net amount grows to the check in cents.
    QTest::newRow("cash check in 45 days") << u"net"_s << Terms{1000, 0, 45, 980, 2} << u"970.69"_s;
    QTest::newRow("cash check in 730 days") << u"net"_s << Terms{1000, 0, 730, 980, 2} << u"617.60"_s;
    QTest::newRow("overflowing rate fails") << u"installment"_s << Terms{1000, 250, 30, 4, 1e6} << QString();
    QTest::newRow("cents beyond 15 digits fail") << u"installment"_s << Terms{1e19, 2, 30, 5e18, 50} << QString();
}

void TstInterestCalculation::searches()
{
    QFETCH(QString, sought);
    QFETCH(Terms, terms);
    QFETCH(QString, found);
    const bool single = sought == u"single";
    const auto end = runSearch(sought == u"rate" ? terms.rate : terms.installment, [&](double value, int stage) {
        Terms tried = terms;
        (sought == u"rate" ? tried.rate : tried.installment) = value;
        if (sought == u"net")
            return netAmountStep(terms.initial, terms.rate, terms.days, value, stage);
        return sought == u"rate" ? rateStep(tried, stage) : installmentStep(tried, single, stage);
    });
    QCOMPARE(end.has_value(), !found.isEmpty());
    if (end)
        QCOMPARE(sought == u"rate" ? *numberText(end->value, u'.') : amountText(end->value, Dot), found);
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
