// SPDX-License-Identifier: GPL-3.0-or-later
#include "interest_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace numerette::interest {

namespace {

constexpr double DaysInMonth = 30;
constexpr int StartingRate = 15;

constexpr Rung RateRungs[] = {
    {0, true, u"-10", 0},     {1, false, u"1", 1},       {2, true, u"-0.1", 2},     {3, false, u"0.01", 3},
    {4, true, u"-0.001", 4},  {5, false, u"0.0001", 5},  {6, true, u"-0.00001", 6},
};
constexpr Rung InstallmentRungs[] = {
    {0, true, u"1000", 0}, {1, false, u"-100", 1}, {2, true, u"10", 2}, {3, false, u"-1", 3}, {4, true, u"0.1", 4},
};
constexpr Ladder RateLadder{RateRungs, u"0.000001", 7};
constexpr Ladder InstallmentLadder{InstallmentRungs, u"-0.01", 5};

// How the balance of the installments depends on the rate r, through the monthly factor
// t = 1 + r / 100 (the first period's factor is 1 + (t - 1) * days / 30).
class RateShape {
public:
    explicit RateShape(const Terms& terms)
        : m_single(terms.count == 1)
    {
        const double share = terms.days / DaysInMonth;
        // Every period's factor is positive above -100 % a month, the first one's above
        // -3000 / days % (always for a payment in cash).
        m_positiveAbove = terms.count > 1 ? -100 : -std::numeric_limits<double>::infinity();
        if (share > 0)
            m_positiveAbove = std::max(m_positiveAbove, -100 / share);
        m_noRootBeyond = 2 * rootBound(terms, share) + 1;
    }

    // With one installment the balance follows the rate in a straight line. With more, where
    // every factor is positive the balance is their product times the initial value less the
    // installments, each divided by the factors up to its period; that difference only grows
    // (or only falls) with the rate, so on the way up from there the sign changes once.
    bool signChangesOnce(const Decimal& from, const Decimal& step) const
    {
        return m_single || (!step.isNegative() && from.toDouble() > m_positiveAbove);
    }

    // Far beyond every root of the balance (a polynomial in t) its sign stays as it is.
    bool neverEnds(const Decimal& at, const Decimal& step) const
    {
        const double t = 1 + at.toDouble() / 100;
        return step.isNegative() ? t < -m_noRootBeyond : t > m_noRootBeyond;
    }

private:
    // Cauchy's bound on the roots of the balance as a polynomial in t: the initial value times
    // share * t^n + (1 - share) * t^(n-1), less the installment times t^(n-1) + ... + t + 1.
    static double rootBound(const Terms& terms, double share)
    {
        const double v = terms.initial;
        const double p = std::abs(terms.installment);
        const double top = std::abs(v * share);
        const double next = std::abs(v * (1 - share) - terms.installment);
        const double rest = terms.count > 1 ? p : 0;
        if (top > 0)
            return 1 + std::max(next, rest) / top;
        if (next > 0)
            return 1 + rest / next;
        return 2;
    }

    bool m_single;
    double m_positiveAbove;
    double m_noRootBeyond;
};

Climb climbOn(std::function<std::optional<double>(const Decimal&)> balanceAt)
{
    return {std::move(balanceAt), [](const Decimal&, const Decimal&) { return true; },
            [](const Decimal&, const Decimal&) { return false; }, largestAmount()};
}

} // namespace

Decimal largestAmount()
{
    return Decimal::fromPlainText(u"922337203685477.5807").value_or(Decimal());
}

std::optional<Found> findRate(const Terms& terms)
{
    const RateShape shape(terms);
    Climb climb = climbOn([terms](const Decimal& rate) {
        return ResidualBalance(terms.initial, terms.count, terms.days, rate.toDouble(), terms.installment);
    });
    climb.signChangesOnce = [shape](const Decimal& from, const Decimal& step) {
        return shape.signChangesOnce(from, step);
    };
    climb.neverEnds = [shape](const Decimal& at, const Decimal& step) { return shape.neverEnds(at, step); };
    return climbLadder(RateLadder, climb, Decimal(StartingRate));
}

// The balance falls as the installment grows: its sign changes once along any walk.
std::optional<Found> findInstallment(const Terms& terms, const Decimal& start, bool single)
{
    const auto balanceAt = [terms](const Decimal& installment) {
        return ResidualBalance(terms.initial, terms.count, terms.days, terms.rate, installment.toDouble());
    };
    if (!single)
        return climbLadder(InstallmentLadder, climbOn(balanceAt), start);
    const std::optional<double> balance = balanceAt(start);
    const auto installment = balance ? Decimal::fromDouble15(significant15(start.toDouble() + *balance))
                                     : std::nullopt;
    if (!installment || installment->abs() > largestAmount())
        return std::nullopt;
    return Found{*installment, *balance};
}

std::optional<Decimal> firstNetAmount(const Decimal& check, const Decimal& rate)
{
    const auto interest = check.times(rate);
    const auto monthly = interest ? interest->dividedBy(Decimal(100)) : std::nullopt;
    const auto net = monthly ? check.minus(*monthly) : std::nullopt;
    return net ? Decimal::fromDouble15(net->toDouble()) : std::nullopt;
}

std::optional<double> checkBalance(double check, double rate, double days, const Decimal& net)
{
    const std::optional<Decimal> amount = capitalizedAmount(net.toDouble(), rate, days);
    if (!amount)
        return std::nullopt;
    const double left = significant15(check - amount->rounded(2).toDouble());
    return std::isfinite(left) ? std::optional(left) : std::nullopt;
}

// A larger net amount capitalizes to a larger amount: the sign changes once along any walk.
std::optional<Found> findNetAmount(const Decimal& check, const Decimal& rate, double days)
{
    const std::optional<Decimal> start = firstNetAmount(check, rate);
    if (!start)
        return std::nullopt;
    const double checkValue = check.toDouble();
    const double rateValue = rate.toDouble();
    Climb climb = climbOn([=](const Decimal& net) { return checkBalance(checkValue, rateValue, days, net); });
    // A rate above 100 % a month puts the first guess below nothing; the walk may start
    // there, the answer may not.
    climb.limit = std::max(climb.limit, start->abs());
    const std::optional<Found> found = climbLadder(InstallmentLadder, climb, *start);
    if (!found || found->value.abs() > largestAmount())
        return std::nullopt;
    return found;
}

} // namespace numerette::interest
