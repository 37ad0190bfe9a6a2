// SPDX-License-Identifier: GPL-3.0-or-later
#include "capitalization_totals.h"

#include <utility>

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

// A report label line in each language the program speaks, different forms only: a tape
// may hold reports written in any of them.
QStringList labelLines(Message label)
{
    QStringList lines;
    for (const QString& form : messageInEachLanguage(label)) {
        if (!lines.contains(form + LineBreak))
            lines.append(form + LineBreak);
    }
    return lines;
}

// Where the first of `labels` found from `from` starts, and its length; -1 when none is there.
std::pair<qsizetype, qsizetype> firstOf(const QString& list, const QStringList& labels, qsizetype from)
{
    std::pair<qsizetype, qsizetype> first{-1, 0};
    for (const QString& label : labels) {
        const qsizetype at = list.indexOf(label, from);
        if (at >= 0 && (first.first < 0 || at < first.first))
            first = {at, label.size()};
    }
    return first;
}

// The amount on the 26 columns after the next label line from `from`, added to `sum`.
bool addAmountAfter(const QString& list, qsizetype from, const QStringList& labels, const NumberLocale& locale,
                    Decimal& sum)
{
    const auto [at, length] = firstOf(list, labels, from);
    if (at < 0)
        return false;
    const auto amount = ValueOf(QStringView(list).mid(at + length, AmountColumns), locale);
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
    const QStringList initial = labelLines(Message::ReportInitialValue);
    const QStringList interest = labelLines(Message::ReportTotalInterest);
    const QStringList finalAmount = labelLines(Message::ReportFinalAmount);
    CapitalizationTotals totals;
    for (qsizetype at = firstOf(list, initial, 0).first; at >= 0; at = firstOf(list, initial, at + 1).first) {
        if (!addAmountAfter(list, at, initial, locale, totals.initial)
            || !addAmountAfter(list, at, interest, locale, totals.interest)
            || !addAmountAfter(list, at, finalAmount, locale, totals.finalAmount))
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
