// SPDX-License-Identifier: GPL-3.0-or-later
#include "capitalization_totals.h"

#include <QStringList>

#include "calculation_list.h"
#include "message_catalogue.h"

namespace numerette::tape {
namespace {

constexpr int AmountColumns = TapeColumns;
constexpr int CurrencyDecimals = 4;
constexpr int BlockValueColumns = 25;

// The sums are 64-bit currency values: four decimals, at most this much either way. The
// bound also keeps every value line of the block within its 26 columns.
const Decimal& currencyLimit()
{
    static const Decimal limit = *Decimal::fromPlainText(u"922337203685477.5807");
    return limit;
}

// The amount on the 26 columns after the next `label` line from `from`, added to `sum`.
bool addAmountAfter(const QString& list, qsizetype from, Message labelMessage, const NumberLocale& locale,
                    Decimal& sum)
{
    const QString label = LoadMessage(labelMessage) + LineBreak;
    const qsizetype at = list.indexOf(label, from);
    if (at < 0)
        return false;
    const auto amount = ValueOf(QStringView(list).mid(at + label.size(), AmountColumns), locale);
    if (!amount)
        return false;
    const auto total = sum.plus(amount->rounded(CurrencyDecimals));
    if (!total || total->abs() > currencyLimit())
        return false;
    sum = *total;
    return true;
}

QString valueLine(const Decimal& sum, const NumberLocale& locale)
{
    const QString amount = FormatPicture(sum, u"#,##0.00", locale);
    return QString(BlockValueColumns - amount.size(), u' ') + amount + u' ';
}

} // namespace

std::optional<CapitalizationTotals> capitalizationTotals(const QString& list, const NumberLocale& locale)
{
    if (list.size() > MaxGroupedListLength)
        return std::nullopt;
    const QString initialLabel = LoadMessage(Message::ReportInitialValue) + LineBreak;
    CapitalizationTotals totals;
    for (qsizetype at = list.indexOf(initialLabel); at >= 0; at = list.indexOf(initialLabel, at + 1)) {
        if (!addAmountAfter(list, at, Message::ReportInitialValue, locale, totals.initial)
            || !addAmountAfter(list, at, Message::ReportTotalInterest, locale, totals.interest)
            || !addAmountAfter(list, at, Message::ReportFinalAmount, locale, totals.finalAmount))
            return std::nullopt;
    }
    return totals;
}

QString capitalizationTotalBlock(const CapitalizationTotals& totals, const NumberLocale& locale)
{
    const QStringList lines{
        LoadMessage(Message::CapitalizationTotalHeading),
        u' ' + QString(25, u'-'),
        QString(12, u' ') + LoadMessage(Message::TotalsInitialValueLabel),
        valueLine(totals.initial, locale),
        QString(11, u' ') + LoadMessage(Message::TotalsInterestLabel),
        valueLine(totals.interest, locale),
        QString(13, u' ') + LoadMessage(Message::TotalsFinalAmountLabel),
        valueLine(totals.finalAmount, locale),
        Separator,
    };
    return lines.join(LineBreak) + LineBreak;
}

} // namespace numerette::tape
