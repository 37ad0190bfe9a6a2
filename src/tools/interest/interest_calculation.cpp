// SPDX-License-Identifier: GPL-3.0-or-later
#include "interest_calculation.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace numerette::interest {

namespace {

constexpr int SignificantDigits = 15;
constexpr double DaysInMonth = 30;
// Days beyond any the window asks for; a longer capitalization is refused rather than run.
constexpr double MaxCapitalizedDays = 1500;

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

std::optional<QString> CapitalizeAmount(const QString& value, const QString& rate, const QString& days,
                                        const NumberLocale& locale)
{
    const auto start = numberOf(value, locale);
    const auto monthly = numberOf(rate, locale);
    const auto span = numberOf(days, locale);
    if (!start || !monthly || !span)
        return std::nullopt;
    const auto exact = capitalizedAmount(*start, *monthly, *span);
    if (!exact)
        return std::nullopt;
    return FormatPicture(*exact, u"#,##0.00", locale);
}

std::optional<Decimal> capitalizedAmount(double value, double rate, double days)
{
    const auto amount = capitalized(value, rate, days);
    return amount ? Decimal::fromDouble15(*amount) : std::nullopt;
}

QString amountText(double value, const NumberLocale& locale)
{
    const QString text = numberText(value, locale.decimal).value_or(QString());
    const std::optional<Decimal> exact = ValueOf(text, locale);
    return exact ? FormatPicture(*exact, u"#,##0.00", locale) : text;
}

} // namespace numerette::interest
