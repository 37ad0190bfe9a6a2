// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight_bands.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QCoreApplication>
#include <QStringList>

namespace numerette::weight {

namespace {

constexpr auto AmountPicture = u"#,##0.00";

// Body-mass index at each limit: thin, medium, overweight, fat, obese.
constexpr std::array<const char*, 5> ManFactors{"20.7", "23.55", "26.4", "27.8", "31.1"};
constexpr std::array<const char*, 5> WomanFactors{"18.5", "21.75", "25.0", "27.0", "32.0"};

// A field's value as the window reads it: through "#,##0.00", so that anything that is
// no number is 0 and more than two decimals are rounded.
Decimal fieldValue(const QString& text, const NumberLocale& locale)
{
    return ValueOf(FormatAmount(text, locale), locale).value_or(Decimal());
}

QString amount(const Decimal& value, const NumberLocale& locale)
{
    return FormatPicture(value, AmountPicture, locale);
}

QString difference(const Decimal& a, const Decimal& b, const NumberLocale& locale)
{
    return amount(a.minus(b).value_or(Decimal()), locale);
}

BandLimits bandLimits(const Decimal& height, Sex sex, const NumberLocale& locale)
{
    const auto& factors = sex == Sex::Man ? ManFactors : WomanFactors;
    std::array<QString, 5> limits;
    const Decimal square = height.times(height).value_or(Decimal());
    for (std::size_t i = 0; i < factors.size(); ++i) {
        const auto factor = Decimal::fromPlainText(QString::fromLatin1(factors[i]));
        limits[i] = amount(square.times(*factor).value_or(Decimal()), locale);
    }
    return {limits[0], limits[1], limits[2], limits[3], limits[4]};
}

int arrowPosition(const Decimal& weight, const Decimal& medium)
{
    const double m = medium.toDouble();
    if (m <= 0)
        return ArrowMinTwips;
    const double x = 3000 * weight.toDouble() / m - 1440;
    return int(std::lround(std::clamp(x, double(ArrowMinTwips), double(ArrowMaxTwips))));
}

QString plainText(const Decimal& value, const NumberLocale& locale)
{
    return value.toPlainText().replace(u'.', locale.decimal);
}

} // namespace

QString classWord(WeightClass weightClass)
{
    switch (weightClass) {
    //: Weight class shown after "Result = " in the weight window's frame title, in capitals
    case WeightClass::Thin: return QCoreApplication::translate("WeightClass", "THIN");
    //: Weight class shown after "Result = " in the weight window's frame title, in capitals
    case WeightClass::Normal: return QCoreApplication::translate("WeightClass", "NORMAL");
    //: Weight class shown after "Result = " in the weight window's frame title, in capitals
    case WeightClass::Overweight: return QCoreApplication::translate("WeightClass", "OVERWEIGHT");
    //: Weight class shown after "Result = " in the weight window's frame title, in capitals
    case WeightClass::Fat: return QCoreApplication::translate("WeightClass", "FAT");
    //: Weight class shown after "Result = " in the weight window's frame title, in capitals
    case WeightClass::Obese: return QCoreApplication::translate("WeightClass", "OBESE");
    }
    return {};
}

Weighing weigh(const QString& height, const QString& weight, Sex sex, const NumberLocale& locale)
{
    Weighing result;
    result.heightText = height;
    Decimal h = fieldValue(height, locale);
    if (h > Decimal(100)) {
        h = h.dividedBy(Decimal(100)).value_or(Decimal());
        result.heightText = plainText(h, locale);
    }
    if (h > Decimal(3) || h < Decimal(1)) {
        result.invalid = Invalid::Height;
        return result;
    }
    const Decimal w = fieldValue(weight, locale);
    if (w > Decimal(300) || w < Decimal(20)) {
        result.invalid = Invalid::Weight;
        return result;
    }

    result.limits = bandLimits(h, sex, locale);
    const auto limit = [&](const QString& text) { return fieldValue(text, locale); };
    const Decimal thin = limit(result.limits.thin);
    const Decimal overweight = limit(result.limits.overweight);
    result.arrowTwips = arrowPosition(w, limit(result.limits.medium));

    // The advice starts with a blank line; its lines are separated by CR.
    if (w > overweight) {
        result.weightClass = w > limit(result.limits.obese) ? WeightClass::Obese
            : w > limit(result.limits.fat)                  ? WeightClass::Fat
                                                             : WeightClass::Overweight;
        //: Weight window's advice, three short lines; %1 is the weight to lose
        result.advice = QCoreApplication::translate("WeightAdvice", "Lose\n%1 Kg\nto enter in normal weight")
                            .arg(difference(w, overweight, locale));
    } else if (w < thin) {
        result.weightClass = WeightClass::Thin;
        //: Weight window's advice, three short lines; %1 is the weight to gain
        result.advice = QCoreApplication::translate("WeightAdvice", "Gain\n%1 Kg\nto enter in normal weight")
                            .arg(difference(thin, w, locale));
    } else {
        result.weightClass = WeightClass::Normal;
        //: Weight window's advice when the weight is normal
        result.advice = QCoreApplication::translate("WeightAdvice", "You are in your NORMAL Weight");
    }
    result.advice = u'\r' + result.advice.replace(u'\n', u'\r');
    return result;
}

QString weightReport(Sex sex, const QString& heightText, const QString& weightText, const BandLimits& limits,
                     const NumberLocale& locale)
{
    const auto value = [&](const QString& text) { return fieldValue(text, locale); };
    const Decimal w = value(weightText);
    const Decimal thin = value(limits.thin);
    const Decimal medium = value(limits.medium);
    const Decimal overweight = value(limits.overweight);

    const bool normal = !(w < thin) && !(w > overweight);
    // Every text below is one line of the tape report: at most 26 columns with its number.
    QString result;
    if (w < thin)
        //: Tape report line of the weight tool, at most 26 columns; %1 is the weight to gain
        result = QCoreApplication::translate("WeightReport", " Result = Gain %1Kg").arg(difference(thin, w, locale));
    else if (w > overweight)
        //: Tape report line of the weight tool, at most 26 columns; %1 is the weight to lose
        result = QCoreApplication::translate("WeightReport", " Result = Lose %1Kg")
            .arg(difference(w, overweight, locale));
    else
        //: Tape report line of the weight tool, at most 26 columns
        result = QCoreApplication::translate("WeightReport", " Result = NORMAL Weight");

    QString heading;
    if (sex == Sex::Man)
        //: Tape report line of the weight tool, at most 26 columns
        heading = QCoreApplication::translate("WeightReport", " WEIGHT CALC. - (Man)");
    else
        //: Tape report line of the weight tool, at most 26 columns
        heading = QCoreApplication::translate("WeightReport", " WEIGHT CALC. - (Woman)");

    const QString rule = QStringLiteral(" -------------------------");
    QStringList lines{rule,
                      heading,
                      //: Tape report line of the weight tool, at most 26 columns; %1 is the height in metres
                      QCoreApplication::translate("WeightReport", " Your Height  = %1m").arg(heightText),
                      //: Tape report line of the weight tool, at most 26 columns; %1 is the weight in kilograms
                      QCoreApplication::translate("WeightReport", " Your Weight  = %1Kg").arg(weightText),
                      rule,
                      //: Tape report line of the weight tool, at most 26 columns; %1 is the least normal weight
                      QCoreApplication::translate("WeightReport", " Min. Weight  = %1Kg").arg(limits.thin),
                      //: Tape report line of the weight tool, at most 26 columns; %1 is the greatest normal weight
                      QCoreApplication::translate("WeightReport", " Max. Weight  = %1Kg").arg(limits.overweight),
                      result};
    if (normal) {
        QString optional;
        if (w < medium)
            //: Tape report line of the weight tool, at most 26 columns; %1 is the weight to gain
            optional = QCoreApplication::translate("WeightReport", " Optional = Gain %1Kg")
                .arg(difference(medium, w, locale));
        else
            //: Tape report line of the weight tool, at most 26 columns; %1 is the weight to lose
            optional = QCoreApplication::translate("WeightReport", " Optional = Lose %1Kg")
                .arg(difference(w, medium, locale));
        //: Tape report line of the weight tool, at most 26 columns; %1 is the medium weight
        lines << rule << QCoreApplication::translate("WeightReport", " Medium Weight = %1Kg").arg(limits.medium)
              << optional;
    }
    lines << QStringLiteral(" =========================");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace numerette::weight
