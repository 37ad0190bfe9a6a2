// SPDX-License-Identifier: GPL-3.0-or-later
#include "minimized_caption.h"

#include "calculator_state.h"
#include "number_text.h"

QString minimizedCaption(const CaptionTexts& texts, const numerette::NumberLocale& locale)
{
    const auto entry = numerette::ValueOf(texts.entry, locale);
    if (!entry)
        return {};
    const bool entryIsTotal = texts.entry == texts.total;
    // A total that is no number counts as zero, as every zero test of the calculator does.
    const auto total = numerette::ValueOf(texts.total, locale);
    const bool totalIsZero = !total || total->isZero();

    const QString prefix = entryIsTotal || entry->isZero() ? QStringLiteral(" = ") : QStringLiteral(" ");
    QString suffix;
    if (entryIsTotal || totalIsZero)
        suffix = QStringLiteral(" T");
    else if (texts.total == texts.display)
        suffix = QStringLiteral("    ") + texts.pendingOperator;
    return prefix + texts.display + suffix;
}

QString minimizedCaption(const numerette::CalculatorState& calculator)
{
    const CaptionTexts texts{calculator.timeMode() ? calculator.timeDisplay() : calculator.display(),
                             calculator.entry().text(), calculator.total(),
                             numerette::operatorText(calculator.PendingOperator())};
    return minimizedCaption(texts, calculator.numberLocale());
}

QString miniCaption(const numerette::CalculatorState& calculator)
{
    return (calculator.display() == calculator.total() ? QStringLiteral(" = ") : QStringLiteral(" "))
        + calculator.display();
}
