// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "weight_bands.h"

using namespace numerette;
using namespace numerette::weight;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(numerette::weight::Sex)
Q_DECLARE_METATYPE(numerette::weight::WeightClass)

class TstWeightBands : public QObject {
    Q_OBJECT

private slots:
    void limitsAndClass_data();
    void limitsAndClass();
    void ranges_data();
    void ranges();
    void arrowStaysOnTheScale_data();
    void arrowStaysOnTheScale();
    void womanReport();
    void manReport();
    void thinReport();
    void commaSeparator();
};

void TstWeightBands::limitsAndClass_data()
{
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QStringList>("limits");
    QTest::addColumn<WeightClass>("weightClass");
    QTest::addColumn<QString>("advice");

    const QStringList woman165{u"50.37"_s, u"59.21"_s, u"68.06"_s, u"73.51"_s, u"87.12"_s};
    const QStringList man180{u"67.07"_s, u"76.30"_s, u"85.54"_s, u"90.07"_s, u"100.76"_s};
    QTest::newRow("woman 1.65 m 60 kg") << Sex::Woman << u"1.65"_s << u"60"_s << woman165 << WeightClass::Normal
                                        << u"\rYou are in your NORMAL Weight"_s;
    QTest::newRow("man 1.80 m 95 kg") << Sex::Man << u"1.80"_s << u"95"_s << man180 << WeightClass::Fat
                                      << u"\rLose\r9.46 Kg\rto enter in normal weight"_s;
    QTest::newRow("centimetres") << Sex::Man << u"180"_s << u"95"_s << man180 << WeightClass::Fat
                                 << u"\rLose\r9.46 Kg\rto enter in normal weight"_s;
    QTest::newRow("on the overweight limit") << Sex::Woman << u"1.65"_s << u"68.06"_s << woman165
                                             << WeightClass::Normal << u"\rYou are in your NORMAL Weight"_s;
    QTest::newRow("just above the overweight limit") << Sex::Woman << u"1.65"_s << u"68.07"_s << woman165
                                                     << WeightClass::Overweight
                                                     << u"\rLose\r0.01 Kg\rto enter in normal weight"_s;
    QTest::newRow("on the thin limit") << Sex::Woman << u"1.65"_s << u"50.37"_s << woman165 << WeightClass::Normal
                                       << u"\rYou are in your NORMAL Weight"_s;
    QTest::newRow("just below the thin limit") << Sex::Woman << u"1.65"_s << u"50.36"_s << woman165
                                               << WeightClass::Thin << u"\rGain\r0.01 Kg\rto enter in normal weight"_s;
    QTest::newRow("above the obese limit") << Sex::Man << u"1.80"_s << u"101"_s << man180 << WeightClass::Obese
                                           << u"\rLose\r15.46 Kg\rto enter in normal weight"_s;
}

void TstWeightBands::limitsAndClass()
{
    QFETCH(Sex, sex);
    QFETCH(QString, height);
    QFETCH(QString, weight);
    QFETCH(QStringList, limits);
    QFETCH(WeightClass, weightClass);
    QFETCH(QString, advice);

    const Weighing result = weigh(height, weight, sex, NumberLocale());
    QVERIFY(!result.invalid);
    QCOMPARE((QStringList{result.limits.thin, result.limits.medium, result.limits.overweight, result.limits.fat,
                          result.limits.obese}),
             limits);
    QCOMPARE(result.weightClass, weightClass);
    QCOMPARE(result.advice, advice);
}

void TstWeightBands::ranges_data()
{
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<int>("invalid"); // 0 valid, 1 height, 2 weight
    QTest::addColumn<QString>("heightText");

    QTest::newRow("175 cm becomes 1.75 m") << u"175"_s << u"70"_s << 0 << u"1.75"_s;
    QTest::newRow("1 m") << u"1"_s << u"70"_s << 0 << u"1"_s;
    QTest::newRow("3 m") << u"3"_s << u"70"_s << 0 << u"3"_s;
    QTest::newRow("0.9 m") << u"0.9"_s << u"70"_s << 1 << u"0.9"_s;
    QTest::newRow("3.1 m") << u"3.1"_s << u"70"_s << 1 << u"3.1"_s;
    QTest::newRow("350 cm converted, then too tall") << u"350"_s << u"70"_s << 1 << u"3.5"_s;
    QTest::newRow("height no number") << u"abc"_s << u"70"_s << 1 << u"abc"_s;
    QTest::newRow("20 kg") << u"1.7"_s << u"20"_s << 0 << u"1.7"_s;
    QTest::newRow("300 kg") << u"1.7"_s << u"300"_s << 0 << u"1.7"_s;
    QTest::newRow("19.99 kg") << u"1.7"_s << u"19.99"_s << 2 << u"1.7"_s;
    QTest::newRow("300.01 kg") << u"1.7"_s << u"300.01"_s << 2 << u"1.7"_s;
    QTest::newRow("weight empty") << u"1.7"_s << QString() << 2 << u"1.7"_s;
}

void TstWeightBands::ranges()
{
    QFETCH(QString, height);
    QFETCH(QString, weight);
    QFETCH(int, invalid);
    QFETCH(QString, heightText);

    const Weighing result = weigh(height, weight, Sex::Woman, NumberLocale());
    QCOMPARE(result.heightText, heightText);
    const std::optional<Invalid> expected = invalid == 0 ? std::nullopt
        : invalid == 1                                   ? std::optional(Invalid::Height)
                                                         : std::optional(Invalid::Weight);
    QCOMPARE(result.invalid, expected);
}

void TstWeightBands::arrowStaysOnTheScale_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<int>("twips");

    QTest::newRow("medium weight") << u"59.21"_s << 1560;
    QTest::newRow("60 kg") << u"60"_s << 1600;
    QTest::newRow("very low") << u"20"_s << ArrowMinTwips;
    QTest::newRow("very high") << u"300"_s << ArrowMaxTwips;
}

void TstWeightBands::arrowStaysOnTheScale()
{
    QFETCH(QString, weight);
    QFETCH(int, twips);
    QCOMPARE(weigh(u"1.65"_s, weight, Sex::Woman, NumberLocale()).arrowTwips, twips);
}

void TstWeightBands::womanReport()
{
    const Weighing result = weigh(u"1.65"_s, u"60"_s, Sex::Woman, NumberLocale());
    QCOMPARE(weightReport(Sex::Woman, result.heightText, u"60"_s, result.limits, NumberLocale()).split(u"\r\n"_s),
             (QStringList{u" -------------------------"_s, u" WEIGHT CALC. - (Woman)"_s, u" Your Height  = 1.65m"_s,
                          u" Your Weight  = 60Kg"_s, u" -------------------------"_s, u" Min. Weight  = 50.37Kg"_s,
                          u" Max. Weight  = 68.06Kg"_s, u" Result = NORMAL Weight"_s,
                          u" -------------------------"_s, u" Medium Weight = 59.21Kg"_s,
                          u" Optional = Lose 0.79Kg"_s, u" ========================="_s, QString()}));
}

void TstWeightBands::manReport()
{
    const Weighing result = weigh(u"1.80"_s, u"95"_s, Sex::Man, NumberLocale());
    QCOMPARE(weightReport(Sex::Man, result.heightText, u"95"_s, result.limits, NumberLocale()).split(u"\r\n"_s),
             (QStringList{u" -------------------------"_s, u" WEIGHT CALC. - (Man)"_s, u" Your Height  = 1.80m"_s,
                          u" Your Weight  = 95Kg"_s, u" -------------------------"_s, u" Min. Weight  = 67.07Kg"_s,
                          u" Max. Weight  = 85.54Kg"_s, u" Result = Lose 9.46Kg"_s, u" ========================="_s,
                          QString()}));
}

void TstWeightBands::thinReport()
{
    const Weighing result = weigh(u"1.65"_s, u"45"_s, Sex::Woman, NumberLocale());
    QVERIFY(weightReport(Sex::Woman, result.heightText, u"45"_s, result.limits, NumberLocale())
                .contains(u"\r\n Result = Gain 5.37Kg\r\n =========================\r\n"_s));
}

void TstWeightBands::commaSeparator()
{
    const NumberLocale comma = NumberLocale::withDecimal(u',');
    const Weighing result = weigh(u"165"_s, u"60,5"_s, Sex::Woman, comma);
    QVERIFY(!result.invalid);
    QCOMPARE(result.heightText, u"1,65"_s);
    QCOMPARE(result.limits.medium, u"59,21"_s);
    const QString report = weightReport(Sex::Woman, result.heightText, u"60,5"_s, result.limits, comma);
    QVERIFY(report.contains(u" Your Height  = 1,65m\r\n Your Weight  = 60,5Kg\r\n"_s));
    QVERIFY(report.contains(u" Optional = Lose 1,29Kg\r\n"_s));
}

QTEST_GUILESS_MAIN(TstWeightBands)
#include "tst_weight_bands.moc"
