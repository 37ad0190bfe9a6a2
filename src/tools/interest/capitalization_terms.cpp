// SPDX-License-Identifier: GPL-3.0-or-later
#include "capitalization_terms.h"

#include "message_catalogue.h"
#include "tool_prompts.h"

namespace numerette::interest {

namespace {

constexpr int CurrencyDecimals = 4;

QString plainText(const Decimal& value, const NumberLocale& locale)
{
    return value.toPlainText().replace(u'.', locale.decimal);
}

// A positive currency value: rounded to four decimals, within the currency range.
std::optional<QString> positiveCurrency(const std::optional<QString>& answer, const NumberLocale& locale)
{
    static const Decimal largest = *Decimal::fromPlainText(u"922337203685477.5807");
    const std::optional<Decimal> value = answer ? ValueOf(*answer, locale) : std::nullopt;
    if (!value)
        return std::nullopt;
    const Decimal currency = value->rounded(CurrencyDecimals);
    if (currency <= Decimal() || currency > largest)
        return std::nullopt;
    return plainText(currency, locale);
}

} // namespace

std::optional<CapitalizationTerms> askCapitalizationTerms(InputPrompts& prompts,
                                                         const CapitalizationQuestions& questions,
                                                         const dates::DateStyle& style, QDate today,
                                                         const NumberLocale& locale)
{
    const QString title = LoadMessage(questions.title);
    const QString zero = QStringLiteral("0");
    const auto amount = positiveCurrency(prompts.input(title, LoadMessage(questions.amountPrompt), zero), locale);
    if (!amount)
        return std::nullopt;
    const auto rate = positiveCurrency(prompts.input(title, LoadMessage(Message::MonthlyRatePrompt), zero), locale);
    if (!rate)
        return std::nullopt;
    const auto dateAnswer = prompts.input(title, LoadMessage(Message::InitialDatePrompt), dates::formatDate(today, style));
    const auto initialDate = dateAnswer ? dates::DateOf(*dateAnswer, style) : std::nullopt;
    if (!initialDate)
        return std::nullopt;
    const auto span = prompts.input(title, LoadMessage(Message::FinalDatePrompt, QString::number(questions.maxDays)), QString());
    if (!span)
        return std::nullopt;

    // A number is the number of days, a date the final date; anything else counts as no days.
    Decimal days;
    if (const auto number = ValueOf(*span, locale))
        days = *number;
    else if (const auto finalDate = dates::DateOf(*span, style))
        days = Decimal(initialDate->daysTo(*finalDate));
    if (days <= Decimal() || days > Decimal(questions.maxDays))
        return std::nullopt;
    return CapitalizationTerms{*amount, *rate, *initialDate, plainText(days, locale)};
}

} // namespace numerette::interest
