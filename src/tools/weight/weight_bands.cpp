// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight_bands.h"

#include <algorithm>
#include <array>
#include <cmath>

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
    case WeightClass::Thin: return QStringLiteral("THIN");
    case WeightClass::Normal: return QStringLiteral("NORMAL");
    case WeightClass::Overweight: return QStringLiteral("OVERWEIGHT");
    case WeightClass::Fat: return QStringLiteral("FAT");
    case WeightClass::Obese: return QStringLiteral("OBESE");
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

    const QString cr = QStringLiteral("\r");
    if (w > overweight) {
        result.weightClass = w > limit(result.limits.obese) ? WeightClass::Obese
            : w > limit(result.limits.fat)                  ? WeightClass::Fat
                                                             : WeightClass::Overweight;
        result.advice = cr % u"Lose" % cr % difference(w, overweight, locale) % u" Kg" % cr
            % u"to enter in normal weight";
    } else if (w < thin) {
        result.weightClass = WeightClass::Thin;
        result.advice = cr % u"Gain" % cr % difference(thin, w, locale) % u" Kg" % cr
            % u"to enter in normal weight";
    } else {
        result.weightClass = WeightClass::Normal;
        result.advice = cr % u"You are in your NORMAL Weight";
    }
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
    const QString result = w < thin ? u"Gain " % difference(thin, w, locale) % u"Kg"
        : w > overweight            ? u"Lose " % difference(w, overweight, locale) % u"Kg"
                                    : QStringLiteral("NORMAL Weight");

    const QString rule = QStringLiteral(" -------------------------");
    QStringList lines{rule,
                      u" WEIGHT CALC. - " % QLatin1String(sex == Sex::Man ? "(Man)" : "(Woman)"),
                      u" Your Height  = " % heightText % u"m",
                      u" Your Weight  = " % weightText % u"Kg",
                      rule,
                      u" Min. Weight  = " % limits.thin % u"Kg",
                      u" Max. Weight  = " % limits.overweight % u"Kg",
                      u" Result = " % result};
    if (normal) {
        const QString optional = w < medium ? u"Gain " % difference(medium, w, locale) % u"Kg"
                                            : u"Lose " % difference(w, medium, locale) % u"Kg";
        lines << rule << (u" Medium Weight = " % limits.medium % u"Kg") << (u" Optional = " % optional);
    }
    lines << QStringLiteral(" =========================");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace numerette::weight
