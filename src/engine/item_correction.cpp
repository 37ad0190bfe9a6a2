// SPDX-License-Identifier: GPL-3.0-or-later
#include "item_correction.h"

#include <algorithm>

#include "calculator.h"

namespace numerette {
namespace {

constexpr int EqualsKey = '=';

// The replay's world: a clipboard of its own, and no settings, questions or window.
class ReplayPort final : public CalculatorPort {
public:
    QString clipboardText() const override { return m_clipboard; }
    void setClipboardText(const QString& text) override { m_clipboard = text; }
    void clearClipboard() override { m_clipboard.clear(); }

private:
    QString m_clipboard;
};

qsizetype itemLineCount(const QString& list)
{
    const QList<tape::TapeLine> lines = tape::readLines(list, tape::DateOrder::DayMonthYear);
    return std::count_if(lines.begin(), lines.end(),
                         [](const tape::TapeLine& line) { return line.kind == tape::LineKind::Item; });
}

// The calculator's entry as it stands after one typed character, or why it did not take it.
EntryRefusal typeOne(Calculator& keypad, QChar c)
{
    // A refused character leaves the entry as it was, its caret too ("0" typed over a
    // selected "0" changes only the caret).
    const EntryBox before = keypad.entry();
    keypad.typeKey(0, false, c.unicode());
    const EntryBox& after = keypad.entry();
    if (after.text() != before.text() || after.selectionStart() != before.selectionStart()
        || after.selectionLength() != before.selectionLength())
        return EntryRefusal::None;
    if (c == u'.' || c == u',')
        return EntryRefusal::NotANumber;
    return before.text().contains(keypad.DecimalSeparator()) ? EntryRefusal::TooManyDecimals
                                                             : EntryRefusal::TooManyDigits;
}

// The same entry in other separators: the decimal and grouping characters trade places.
QString inSeparators(const QString& entry, const NumberLocale& from, const NumberLocale& to)
{
    QString converted = entry;
    for (QChar& c : converted) {
        if (c == from.decimal)
            c = to.decimal;
        else if (c == from.group)
            c = to.group;
    }
    return converted;
}

// The total of a calculation while the grand total holds it: no grand total has been written
// below it since, and it is an amount written whole. Empty otherwise.
QString totalInGrandTotal(const Calculator& calculator, const TypedCalculation& calculation)
{
    if (calculator.grandTotal().count == 0 || calculation.timeMode)
        return {};
    std::optional<QString> total;
    for (const tape::TapeLine& line : tape::readLines(calculator.list(), calculator.dateOrder())) {
        if (line.position < calculation.start)
            continue;
        if (!total) {
            if (line.kind == tape::LineKind::Total)
                total = line.text.endsWith(u'T') ? line.text.left(tape::ValueColumns).trimmed() : QString();
        } else if (line.kind == tape::LineKind::Figure && line.text.back() == tape::marker::GrandTotal.back()) {
            return {};
        }
    }
    return total.value_or(QString());
}

} // namespace

KeypadEntry keypadEntry(QStringView characters, int formatIndex, const NumberLocale& locale)
{
    ReplayPort port;
    Calculator keypad(port);
    keypad.setNumberLocale(locale);
    keypad.chooseNumberFormat(formatIndex);
    keypad.setInteractive(true);
    keypad.SelectEntry();
    KeypadEntry result;
    const QString& picture = keypad.NumberFormat();
    result.decimals = int(picture.size() - picture.indexOf(u'.') - 1);

    QStringView typed = characters.trimmed();
    const bool negative = typed.startsWith(u'-');
    if (negative)
        typed = typed.sliced(1);
    for (const QChar c : typed) {
        if ((c < u'0' || c > u'9') && c != u'.' && c != u',')
            result.refusal = EntryRefusal::NotANumber;
        else
            result.refusal = typeOne(keypad, c);
        if (result.refusal != EntryRefusal::None)
            return result;
    }
    if (negative)
        keypad.pressButton(Button::Neg);
    result.entry = keypad.entry().text();
    const auto value = ValueOf(result.entry, locale);
    if (typed.isEmpty() || !value || value->isZero())
        result.refusal = EntryRefusal::Zero;
    return result;
}

QList<tape::ItemParts> shownItems(const QString& list, const TypedCalculation& calculation)
{
    QList<tape::ItemParts> items;
    for (std::size_t i = 0; i < calculation.items.size(); ++i) {
        const qsizetype start = calculation.start + qsizetype(i) * tape::LineLength;
        const QStringView line = QStringView(list).mid(start, tape::TapeColumns);
        items.append(tape::itemParts(line).value_or(tape::ItemParts{}));
    }
    return items;
}

std::optional<ReplayedCalculation> replayCorrected(const TypedCalculation& calculation, const QStringList& labels,
                                                   int index, const TypedItem& replacement)
{
    ReplayPort port;
    Calculator replay(port);
    // Set up while hidden, so that nothing is stored as a setting and no note is shown.
    replay.setNumberLocale(calculation.locale);
    replay.chooseNumberFormat(calculation.formatIndex);
    if (calculation.addMode)
        replay.mnuEnter_Click();
    replay.setInsertText(calculation.insertText);
    replay.setInteractive(true);

    const int count = int(calculation.items.size());
    for (int i = 0; i < count; ++i) {
        const TypedItem& item = i == index ? replacement : calculation.items[std::size_t(i)];
        replay.enterNumber(item.entry);
        int code = item.key;
        replay.Form_KeyPress(code);
    }
    if (!tape::isClosed(replay.list()) || itemLineCount(replay.list()) != count)
        return std::nullopt;
    // Labels take no part in the arithmetic, and the one of the last item was typed before
    // its = replaced the marker: they go back into the item lines afterwards. A label goes
    // back only where it does not cover the number: a corrected value longer than the room
    // a label leaves stays unlabelled.
    QString lines = replay.list();
    for (int i = 0; i < count; ++i) {
        const QString label = labels.value(i).left(tape::LabelColumns);
        const qsizetype at = qsizetype(i) * tape::LineLength + 1;
        if (!label.isEmpty() && QStringView(lines).mid(at, tape::LabelColumns).trimmed().isEmpty())
            lines.replace(at, tape::LabelColumns, label.leftJustified(tape::LabelColumns));
    }
    return ReplayedCalculation{lines, port.clipboardText()};
}

bool adoptReplayable(TypedCalculations& history, const QString& list, const TypedCalculation& calculation)
{
    if (calculation.items.empty() || calculation.start < 0
        || QStringView(list).mid(calculation.start, calculation.end - calculation.start) != calculation.lines)
        return false;
    QStringList labels;
    for (const tape::ItemParts& item : shownItems(list, calculation))
        labels.append(item.label);
    const auto replayed = replayCorrected(calculation, labels, 0, calculation.items.front());
    return replayed && replayed->lines == calculation.lines && history.adopt(calculation);
}

std::optional<ToCorrect> toCorrect(const Calculator& calculator, const TypedCalculations& history,
                                   qsizetype listPosition)
{
    const TypedCalculations::Found found = history.at(listPosition);
    if (found.refusal != ReplayRefusal::None)
        return std::nullopt;
    ToCorrect target{*found.calculation, shownItems(calculator.list(), *found.calculation),
                     found.calculation->locale, found.item};
    // Kept from a run under the other separators: typed again as the calculator types now,
    // so that its total, display and clipboard read right in what follows.
    const NumberLocale& now = calculator.numberLocale();
    if (target.calculation.locale.decimal != now.decimal) {
        for (TypedItem& item : target.calculation.items)
            item.entry = inSeparators(item.entry, target.calculation.locale, now);
        target.calculation.locale = now;
    }
    if (target.calculation.closed)
        return target;
    // The = key ends it: a typed number becomes its last item, else the last marker turns =.
    const QString& entry = calculator.entry().text();
    const auto typed = ValueOf(entry, calculator.numberLocale());
    if (typed && !typed->isZero()) {
        target.calculation.items.push_back({entry, EqualsKey});
        target.items.append(tape::ItemParts{calculator.display(), u'=', QString()});
    } else {
        target.calculation.items.back().key = EqualsKey;
        target.items.back().op = u'=';
    }
    return target;
}

CorrectionResult correctItem(Calculator& calculator, TypedCalculations& history, qsizetype listPosition, int index,
                             const TypedItem& replacement)
{
    auto target = toCorrect(calculator, history, listPosition);
    if (!target || index < 0 || index >= int(target->calculation.items.size()))
        return CorrectionResult::Refused;
    TypedCalculation& corrected = target->calculation;
    QStringList labels;
    for (const tape::ItemParts& item : std::as_const(target->items))
        labels.append(item.label);
    const auto replayed = replayCorrected(corrected, labels, index, replacement);
    if (!replayed)
        return CorrectionResult::DoesNotClose;
    // Whichever calculation runs, it is totalled first, as the = key totals it: the
    // correction is a calculation of its own after it.
    if (!tape::isClosed(calculator.list())) {
        int code = EqualsKey;
        calculator.Form_KeyPress(code);
        calculator.releaseButton(Button::Igual);
    }
    const QString replacedTotal = totalInGrandTotal(calculator, corrected);
    const QString header = tape::correctionHeader(index + 1, int(corrected.items.size())) + tape::LineBreak;
    corrected.items[std::size_t(index)] = replacement;
    corrected.start = calculator.list().size() + header.size();
    corrected.end = corrected.start + replayed->lines.size();
    corrected.closed = true;
    corrected.lines = replayed->lines;
    calculator.appendCorrection(header + replayed->lines, replayed->total, replacedTotal);
    history.adopt(std::move(corrected));
    return CorrectionResult::Done;
}

} // namespace numerette
