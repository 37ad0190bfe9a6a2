// SPDX-License-Identifier: GPL-3.0-or-later
#include "business_figures.h"

#include <QString>

namespace numerette {
namespace {

const Decimal Hundred(100);

Decimal unitAt(int places)
{
    if (places == 0)
        return Decimal(1);
    const QString text = QStringLiteral("0.") + QString(places - 1, u'0') + u'1';
    return *Decimal::fromPlainText(text);
}

// The digit `places` decimals in, of a number already cut to that many decimals.
bool lastDigitOdd(const Decimal& value, int places)
{
    if (value.scale() < places)
        return false;
    const QString digits = places == 0 ? value.integerDigits() : value.fractionDigits();
    return !digits.isEmpty() && (digits.back().digitValue() % 2) == 1;
}

} // namespace

int pictureDecimals(QStringView picture)
{
    const qsizetype point = picture.indexOf(u'.');
    return point < 0 ? 0 : int(picture.size() - point - 1);
}

std::optional<Decimal> roundedQuotient(const Decimal& n, const Decimal& d, int places, RoundingMode mode)
{
    if (d.isZero())
        return std::nullopt;
    const Decimal a = n.abs();
    const Decimal b = d.abs();
    const auto approximate = a.dividedBy(b);
    const Decimal unit = unitAt(places);
    const auto step = b.times(unit);
    if (!approximate || !step)
        return std::nullopt;
    // The approximate quotient is itself rounded; the remainder puts the cut right.
    Decimal cut = approximate->rounded(places, RoundingMode::Down);
    for (int pass = 0; pass < 2; ++pass) {
        const auto product = cut.times(b);
        const auto remainder = product ? a.minus(*product) : std::nullopt;
        if (!remainder)
            return std::nullopt;
        if (remainder->isNegative())
            cut = *cut.minus(unit);
        else if (*remainder >= *step)
            cut = *cut.plus(unit);
        else
            break;
    }
    const auto product = cut.times(b);
    const auto remainder = product ? a.minus(*product) : std::nullopt;
    const auto twice = remainder ? remainder->plus(*remainder) : std::nullopt;
    if (!twice)
        return std::nullopt;
    bool up = false;
    switch (mode) {
    case RoundingMode::Down: break;
    case RoundingMode::Up: up = !remainder->isZero(); break;
    case RoundingMode::HalfUp: up = *twice >= *step; break;
    case RoundingMode::HalfEven: up = *twice > *step || (*twice == *step && lastDigitOdd(cut, places)); break;
    }
    const auto magnitude = up ? cut.plus(unit) : std::optional(cut);
    if (!magnitude)
        return std::nullopt;
    return n.isNegative() != d.isNegative() ? magnitude->negated() : *magnitude;
}

std::optional<TaxFigures> taxAdded(const Decimal& net, const Decimal& ratePercent, int places, RoundingMode mode)
{
    const auto product = net.times(ratePercent);
    const auto tax = product ? roundedQuotient(*product, Hundred, places, mode) : std::nullopt;
    const auto gross = tax ? net.plus(*tax) : std::nullopt;
    if (!gross)
        return std::nullopt;
    return TaxFigures{net, *tax, *gross};
}

std::optional<TaxFigures> taxTakenOut(const Decimal& gross, const Decimal& ratePercent, int places,
                                      RoundingMode mode)
{
    const auto hundredfold = gross.times(Hundred);
    const auto divisor = Hundred.plus(ratePercent);
    const auto net = hundredfold && divisor ? roundedQuotient(*hundredfold, *divisor, places, mode) : std::nullopt;
    const auto tax = net ? gross.minus(*net) : std::nullopt;
    if (!tax)
        return std::nullopt;
    return TaxFigures{*net, *tax, gross};
}

std::optional<MarginFigures> sellingPrice(const Decimal& cost, const Decimal& marginPercent, int places,
                                          RoundingMode mode)
{
    if (marginPercent >= Hundred)
        return std::nullopt;
    const auto hundredfold = cost.times(Hundred);
    const auto divisor = Hundred.minus(marginPercent);
    const auto sell = hundredfold && divisor ? roundedQuotient(*hundredfold, *divisor, places, mode) : std::nullopt;
    const auto profit = sell ? sell->minus(cost) : std::nullopt;
    if (!profit)
        return std::nullopt;
    return MarginFigures{*sell, *profit};
}

} // namespace numerette
