// SPDX-License-Identifier: GPL-3.0-or-later
#include "interest_calculation.h"

#include <charconv>
#include <cmath>
#include <span>
#include <string_view>

namespace numerette::interest {

namespace {

constexpr int SignificantDigits = 15;
constexpr double DaysInMonth = 30;
// Days beyond any the window asks for; a longer capitalization is refused rather than run.
constexpr double MaxCapitalizedDays = 1500;

// One rung of a search ladder: while the stage is at most `maxStage` and the balance has
// the sign asked for, the sought value moves by `step` and the search goes on at `stage`.
struct Rung {
    int maxStage;
    bool whenPositive;
    double step;
    int stage;
};

// The rungs in order; when none matches, a balance that is not negative ends the search
// and a negative one moves the value by the finest step.
struct Ladder {
    std::span<const Rung> rungs;
    double finestStep;
    int finestStage;
};

constexpr Rung RateRungs[] = {
    {0, true, -10, 0},   {1, false, 1, 1},     {2, true, -0.1, 2},     {3, false, 0.01, 3},
    {4, true, -0.001, 4}, {5, false, 0.0001, 5}, {6, true, -0.00001, 6},
};
constexpr Rung InstallmentRungs[] = {
    {0, true, 1000, 0}, {1, false, -100, 1}, {2, true, 10, 2}, {3, false, -1, 3}, {4, true, 0.1, 4},
};
constexpr Ladder RateLadder{RateRungs, 0.000001, 7};
constexpr Ladder InstallmentLadder{InstallmentRungs, -0.01, 5};

std::optional<Step> moved(Step step, double by, int stage)
{
    const double next = significant15(step.value + by);
    // A value too large for the step to move it would be tried again for ever.
    if (!std::isfinite(next) || next == step.value)
        return std::nullopt;
    step.value = next;
    step.stage = stage;
    return step;
}

std::optional<Step> climb(const Ladder& ladder, double balance, double value, int stage)
{
    if (!std::isfinite(balance))
        return std::nullopt;
    const Step here{balance, value, stage, false};
    for (const Rung& rung : ladder.rungs) {
        if (stage <= rung.maxStage && (rung.whenPositive ? balance > 0 : balance < 0))
            return moved(here, rung.step, rung.stage);
    }
    if (balance >= 0)
        return Step{balance, value, stage, true};
    return moved(here, ladder.finestStep, ladder.finestStage);
}

std::optional<double> capitalized(double value, double rate, double days)
{
    if (!(days >= 0 && days <= MaxCapitalizedDays))
        return std::nullopt;
    const double months = std::floor(days / DaysInMonth);
    const double rest = days - DaysInMonth * months;
    for (int month = 0; month < months; ++month)
        value = significant15(value + value * rate / 100);
    if (rest != 0)
        value = significant15(value + value * ((rate / DaysInMonth) * rest) / 100);
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

} // namespace

double significant15(double value)
{
    char buffer[40];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::scientific,
                                       SignificantDigits - 1);
    double rounded = value;
    std::from_chars(std::begin(buffer), written.ptr, rounded);
    return rounded;
}

std::optional<QString> numberText(double value, QChar decimal)
{
    if (!std::isfinite(value))
        return std::nullopt;
    char buffer[40];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::scientific,
                                       SignificantDigits - 1);
    std::string_view text(buffer, std::size_t(written.ptr - buffer));  // "-1.23450000000000e+02"
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t e = text.find('e');
    QString digits = QLatin1Char(text.front()) + QLatin1String(text.data() + 2, qsizetype(e - 2));
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    if (digits == u"0")
        return QStringLiteral("0");
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    QString integer;
    QString fraction;
    if (exponent < 0) {
        integer = QStringLiteral("0");
        fraction = QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        integer = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        integer = digits.left(exponent + 1);
        fraction = digits.mid(exponent + 1);
    }
    return (negative ? QStringLiteral("-") : QString()) + integer
        + (fraction.isEmpty() ? QString() : decimal + fraction);
}

std::optional<double> numberOf(QStringView text, const NumberLocale& locale)
{
    const std::optional<Decimal> value = ValueOf(text, locale);
    return value ? std::optional(value->toDouble()) : std::nullopt;
}

std::optional<Terms> readTerms(const TermTexts& texts, const NumberLocale& locale)
{
    const auto initial = numberOf(texts.initial, locale);
    const auto count = numberOf(texts.count, locale);
    const auto days = numberOf(texts.days, locale);
    const auto installment = numberOf(texts.installment, locale);
    const auto rate = numberOf(texts.rate, locale);
    if (!initial || !count || !days || !installment || !rate)
        return std::nullopt;
    if (*count != std::floor(*count) || *count < 0 || *count > 255)
        return std::nullopt;
    return Terms{*initial, int(*count), *days, *installment, *rate};
}

double periodRate(double monthlyRate, double days, int period)
{
    if (period == 1 && days != DaysInMonth)
        return significant15(monthlyRate / DaysInMonth * days);
    return monthlyRate;
}

std::optional<double> ResidualBalance(double initial, int count, double days, double rate, double installment)
{
    double balance = initial;
    for (int period = 1; period <= count; ++period)
        balance = significant15((periodRate(rate, days, period) / 100 + 1) * balance - installment);
    return std::isfinite(balance) ? std::optional(balance) : std::nullopt;
}

std::optional<Step> rateStep(const Terms& terms, int stage)
{
    const auto balance = ResidualBalance(terms.initial, terms.count, terms.days, terms.rate, terms.installment);
    if (!balance)
        return std::nullopt;
    return climb(RateLadder, *balance, terms.rate, stage);
}

std::optional<Step> installmentStep(const Terms& terms, bool single, int stage)
{
    const auto balance = ResidualBalance(terms.initial, terms.count, terms.days, terms.rate, terms.installment);
    if (!balance)
        return std::nullopt;
    if (!single)
        return climb(InstallmentLadder, *balance, terms.installment, stage);
    const double installment = significant15(terms.installment + *balance);
    if (!std::isfinite(installment))
        return std::nullopt;
    return Step{*balance, installment, stage, true};
}

std::optional<Step> netAmountStep(double check, double rate, double days, double net, int stage)
{
    const NumberLocale plain;
    const auto netText = numberText(net, plain.decimal);
    const auto rateText = numberText(rate, plain.decimal);
    const auto daysText = numberText(days, plain.decimal);
    if (!netText || !rateText || !daysText)
        return std::nullopt;
    // The capitalized value in cents, as the account would show it.
    const auto amount = CapitalizeAmount(*netText, *rateText, *daysText, plain);
    const auto value = amount ? numberOf(*amount, plain) : std::nullopt;
    if (!value)
        return std::nullopt;
    return climb(InstallmentLadder, significant15(check - *value), net, stage);
}

std::optional<QString> CapitalizeAmount(const QString& value, const QString& rate, const QString& days,
                                        const NumberLocale& locale)
{
    const auto start = numberOf(value, locale);
    const auto monthly = numberOf(rate, locale);
    const auto span = numberOf(days, locale);
    if (!start || !monthly || !span)
        return std::nullopt;
    const auto amount = capitalized(*start, *monthly, *span);
    const auto text = amount ? numberText(*amount, locale.decimal) : std::nullopt;
    const auto exact = text ? ValueOf(*text, locale) : std::nullopt;
    if (!exact)
        return std::nullopt;
    return FormatPicture(*exact, u"#,##0.00", locale);
}

QString amountText(double value, const NumberLocale& locale)
{
    const QString text = numberText(value, locale.decimal).value_or(QString());
    const std::optional<Decimal> exact = ValueOf(text, locale);
    return exact ? FormatPicture(*exact, u"#,##0.00", locale) : text;
}

} // namespace numerette::interest
