// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_calculations.h"

#include <algorithm>

#include "calculator.h"
#include "tape_lines.h"

namespace numerette {
namespace {

QStringList linesOf(QStringView text)
{
    QStringList lines;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = text.indexOf(tape::LineBreak, at);
        if (end < 0)
            end = text.size();
        lines.append(text.mid(at, end - at).toString());
        at = end + tape::LineBreak.size();
    }
    return lines;
}

// The percentage key reads the operator key pressed before it: + (or Enter) adds the
// percentage, - takes it off, / takes its share, any other key takes the percentage alone.
// An undo leaves that key as it was, so it can be the key of an item no longer there.
int percentageRule(int key)
{
    switch (key) {
    case 2:
    case '+': return '+';
    case '-':
    case '/': return key;
    default: return 0;
    }
}

qsizetype lengthWithBreak(const QString& line)
{
    return line.size() + tape::LineBreak.size();
}

} // namespace

TypedCalculations::TypedCalculations(Calculator& calculator, QObject* parent)
    : QObject(parent)
    , m_calculator(calculator)
    , m_text(calculator.list())
{
    connect(&calculator, &Calculator::listEdited, this, [this](int position, int, const QString&) {
        listEdited(position);
    });
}

void TypedCalculations::listEdited(int position)
{
    const QString old = m_text;
    m_text = m_calculator.list();
    const qsizetype lineStart = tape::lineStartAt(old, position);
    if (!m_calculator.listLocked()) {
        // Free text: what it touched no longer reads as typed, and what follows moved.
        const qsizetype moved = m_text.size() - old.size();
        for (TypedCalculation& calculation : m_calculations) {
            if (calculation.end > lineStart && calculation.refusal == ReplayRefusal::None)
                calculation.refusal = ReplayRefusal::EditedText;
            if (calculation.start > lineStart) {
                calculation.start += moved;
                calculation.end += moved;
            }
        }
        return;
    }
    if (lineStart == 0 && !old.isEmpty()) {
        m_calculations.clear();
        return;
    }
    const QStringList oldLines = linesOf(QStringView(old).mid(lineStart));
    const QStringList newLines = linesOf(QStringView(m_text).mid(lineStart));
    if (oldLines.isEmpty()) {
        appended(newLines, lineStart);
    } else if (oldLines.size() == 1) {
        rewroteLastLine(oldLines.constFirst(), newLines, lineStart);
    } else {
        for (TypedCalculation& calculation : m_calculations) {
            if (calculation.end > lineStart && calculation.refusal == ReplayRefusal::None)
                calculation.refusal = ReplayRefusal::EditedText;
        }
    }
    std::erase_if(m_calculations, [this](const TypedCalculation& c) { return c.start >= m_text.size(); });
}

// An operator key writes one item line, with a number in the entry; a total appends its
// block, with the item line of the = key before it when a number was typed.
void TypedCalculations::appended(const QStringList& lines, qsizetype at)
{
    if (lines.isEmpty())
        return;
    const QString& entry = m_calculator.entry().text();
    const auto item = tape::itemParts(lines.constFirst());
    const auto entryValue = ValueOf(entry, m_calculator.numberLocale());
    if (!item || !entryValue || entryValue->isZero()) {
        closeWith(lines, 0, at);
        return;
    }
    TypedCalculation* calculation = running();
    // The counter is zero before the first item of a calculation is counted.
    const bool first = ValueOf(m_calculator.counter(), m_calculator.numberLocale()).value_or(Decimal(1)).isZero();
    if (first || !calculation || calculation->end != at) {
        if (calculation)
            calculation->refusal = ReplayRefusal::Cut;
        TypedCalculation started;
        started.formatIndex = m_calculator.numberFormatIndex();
        started.addMode = m_calculator.addMode();
        started.insertText = m_calculator.insertText();
        started.timeMode = m_calculator.timeMode();
        started.locale = m_calculator.numberLocale();
        started.start = at;
        started.end = at;
        // A counter that is not zero, or one the hidden window does not advance, means
        // earlier items this history never saw.
        if (!first || !m_calculator.interactive())
            started.refusal = ReplayRefusal::NotKnown;
        m_calculations.push_back(started);
        calculation = &m_calculations.back();
    } else if (!sameModes(*calculation) && calculation->refusal == ReplayRefusal::None) {
        calculation->refusal = ReplayRefusal::ModeChanged;
    }
    if (item->op == u'%' && !calculation->items.empty() && calculation->refusal == ReplayRefusal::None
        && percentageRule(m_calculator.LastOperatorKey()) != percentageRule(calculation->items.back().key))
        calculation->refusal = ReplayRefusal::UndoneOperator;
    calculation->items.push_back({entry, tape::operatorKeyOf(item->op, calculation->addMode)});
    calculation->end = at + lengthWithBreak(lines.constFirst());
    closeWith(lines, 1, calculation->end);
}

// The last line changed: an undo took it away, an operator key pressed with nothing typed
// changed its marker (with a total block after it for =), or a label went into it.
void TypedCalculations::rewroteLastLine(const QString& oldLine, const QStringList& lines, qsizetype at)
{
    TypedCalculation* calculation = running();
    if (!calculation || calculation->end != at + lengthWithBreak(oldLine)) {
        closeWith(lines, 0, at);
        return;
    }
    if (lines.isEmpty()) {
        calculation->items.pop_back();
        calculation->end = at;
        if (calculation->items.empty())
            m_calculations.pop_back();
        else
            seen(*calculation);
        return;
    }
    const auto before = tape::itemParts(oldLine);
    const auto after = tape::itemParts(lines.constFirst());
    if (!before || !after || before->value != after->value) {
        calculation->refusal = ReplayRefusal::Cut;
        return;
    }
    calculation->items.back().key = tape::operatorKeyOf(after->op, calculation->addMode);
    calculation->end = at + lengthWithBreak(lines.constFirst());
    closeWith(lines, 1, calculation->end);
}

// Lines from `from` on, starting at list position `at`: a total block closes the running
// calculation; anything else written after its items cuts it short.
void TypedCalculations::closeWith(const QStringList& lines, int from, qsizetype at)
{
    TypedCalculation* calculation = running();
    if (!calculation || calculation->end != at)
        return;
    if (from >= lines.size()) {
        seen(*calculation);
        return;
    }
    const tape::LineKind kind = tape::lineShape(lines.at(from), tape::DateOrder::DayMonthYear);
    const bool total = kind == tape::LineKind::Divider || kind == tape::LineKind::Count;
    if (!total) {
        calculation->refusal = ReplayRefusal::Cut;
        return;
    }
    for (qsizetype i = from; i < lines.size(); ++i)
        calculation->end += lengthWithBreak(lines.at(i));
    calculation->closed = true;
    seen(*calculation);
}

TypedCalculation* TypedCalculations::running()
{
    if (m_calculations.empty())
        return nullptr;
    TypedCalculation& last = m_calculations.back();
    return last.closed || last.refusal == ReplayRefusal::Cut ? nullptr : &last;
}

void TypedCalculations::seen(TypedCalculation& calculation)
{
    calculation.lines = m_text.mid(calculation.start, calculation.end - calculation.start);
}

bool TypedCalculations::sameModes(const TypedCalculation& calculation) const
{
    return calculation.formatIndex == m_calculator.numberFormatIndex()
        && calculation.addMode == m_calculator.addMode() && calculation.insertText == m_calculator.insertText()
        && calculation.timeMode == m_calculator.timeMode();
}

TypedCalculations::Found TypedCalculations::at(qsizetype listPosition) const
{
    const QString& list = m_calculator.list();
    const qsizetype lineStart = tape::lineStartAt(list, listPosition);
    for (auto it = m_calculations.rbegin(); it != m_calculations.rend(); ++it) {
        if (lineStart < it->start || lineStart >= it->end)
            continue;
        Found found;
        found.calculation = &*it;
        const qsizetype lastItem = qsizetype(it->items.size()) - 1;
        found.item = int(std::min((lineStart - it->start) / tape::LineLength, lastItem));
        if (QStringView(list).mid(it->start, it->end - it->start) != it->lines)
            found.refusal = ReplayRefusal::EditedText;
        else if (it->refusal != ReplayRefusal::None)
            found.refusal = it->refusal;
        else if (it->timeMode)
            found.refusal = ReplayRefusal::TimeMode;
        else
            found.refusal = ReplayRefusal::None;
        return found;
    }
    Found none;
    QStringView line = QStringView(list).mid(lineStart, tape::nextLineStart(list, lineStart) - lineStart);
    if (line.endsWith(tape::LineBreak))
        line.chop(tape::LineBreak.size());
    if (tape::itemParts(line))
        none.refusal = ReplayRefusal::NotKnown;
    return none;
}

bool TypedCalculations::adopt(TypedCalculation calculation)
{
    if (calculation.start < 0 || calculation.end <= calculation.start || calculation.items.empty()
        || QStringView(m_text).mid(calculation.start, calculation.end - calculation.start) != calculation.lines)
        return false;
    const auto overlaps = [&calculation](const TypedCalculation& c) {
        return c.start < calculation.end && calculation.start < c.end;
    };
    if (std::any_of(m_calculations.begin(), m_calculations.end(), overlaps))
        return false;
    // Kept in list order: the running calculation is always the last one.
    const auto after = std::find_if(m_calculations.begin(), m_calculations.end(),
                                    [&calculation](const TypedCalculation& c) { return c.start > calculation.start; });
    m_calculations.insert(after, std::move(calculation));
    return true;
}

} // namespace numerette
