// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDate>
#include <QString>

#include "date_calculation.h"
#include "message_ids.h"
#include "number_text.h"

namespace numerette {
class InputPrompts;
}

// What the saving account and the cash check ask in their input boxes.
namespace numerette::interest {

struct CapitalizationQuestions {
    Message title;        // the title of every input box
    Message amountPrompt; // the amount asked first
    int maxDays;
};
inline constexpr CapitalizationQuestions SavingAccountQuestions{Message::CapitalizeTitle,
                                                                Message::InitialValuePrompt, 1500};
inline constexpr CapitalizationQuestions CashCheckQuestions{Message::CashCheckTitle, Message::CheckValuePrompt,
                                                            730};

// The answers, as texts in the locale's decimal separator.
struct CapitalizationTerms {
    QString amount;  // a currency value: at most four decimals, no grouping ("1000", "2.5")
    QString rate;    // percent a month, a currency value too
    QDate initialDate;
    QString days;    // from 1 to the questions' maximum
};

// Asks the amount, the monthly rate, the initial date and then the final date or the number of
// days. Nothing as soon as an answer is cancelled or invalid: an amount or rate that is not a
// positive currency value, an initial date that is none, a final date before the initial one,
// or a number of days beyond the maximum.
std::optional<CapitalizationTerms> askCapitalizationTerms(InputPrompts& prompts,
                                                         const CapitalizationQuestions& questions,
                                                         const dates::DateStyle& style, QDate today,
                                                         const NumberLocale& locale);

} // namespace numerette::interest
