// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

#include <QRegularExpression>

#include "time_text.h"

namespace numerette {
namespace {

constexpr int RedoEntryColumns = 24;

bool readsAsTime(const QString& text)
{
    static const QRegularExpression time(QStringLiteral("^-?\\d+:\\d{2}:\\d{2}$"));
    return time.match(text).hasMatch();
}

} // namespace

// Runs whenever the item counter changes: the total before each counted item is kept
// for undo, and any change of the counter outside an undo uses up one redo entry.
void Calculator::recordHistory()
{
    if (!m_undoInProgress && m_windowVisible) {
        m_undoTotals.append(m_total);
        m_undoOperators += m_pendingOperator;
    }
    if (!m_redoEntries.isEmpty() && !m_undoInProgress) {
        m_redoEntries.removeLast();
        m_redoOperators.chop(1);
        m_redoEnabled = !m_redoEntries.isEmpty();
    }
    m_undoEnabled = !isZero(counter()) && !m_undoTotals.isEmpty();
    emit viewChanged();
}

void Calculator::mnuUndo_Click()
{
    if (!m_undoEnabled || m_list.size() < tape::LineLength)
        return;
    m_undoInProgress = true;
    m_redoEntries.append(m_list.right(tape::LineLength).left(RedoEntryColumns));
    m_redoOperators += m_pendingOperator;
    m_redoEnabled = true;
    if (const auto count = valueOf(counter()))
        if (const auto less = count->minus(Decimal(1)))
            setVisor(1, format(*less, u"000"));
    setEntryText(QString());
    if (const auto shorter = tape::withoutLastLine(m_list))
        setList(*shorter);
    if (!m_undoTotals.isEmpty()) {
        setTotal(m_undoTotals.takeLast().trimmed());
        m_pendingOperator = m_undoOperators.right(1);
        m_undoOperators.chop(1);
    }
    setVisor(0, m_total.left(tape::MaxValueLength));
    if (m_timeMode) {
        if (const auto clock = ConvertTime(m_total, m_locale))
            setVisor(2, *clock);
    }
    m_undoInProgress = false;
    if (m_undoTotals.isEmpty())
        m_undoEnabled = false;
    emit viewChanged();
}

void Calculator::mnuRedo_Click()
{
    if (!m_redoEnabled || m_redoEntries.isEmpty())
        return;
    QString s = m_redoEntries.last().right(RedoEntryColumns - 1);
    QString label;
    if (m_insertText) {
        label = s.left(tape::LabelColumns);
        s = s.right(11);
    }
    if (valueOf(s)) {
        m_entry.setMaxLength(int(s.size()));
        setEntryText(s);
    } else {
        setEntryText(TimeDigits(s.trimmed()));
    }
    int code = 0;
    switch (m_redoOperators.isEmpty() ? 0 : m_redoOperators.back().unicode()) {
    case '+': code = m_addMode ? 13 : '+'; break;
    case '-': code = '-'; break;
    case '/': code = '/'; break;
    case '*': code = '*'; break;
    default: break;
    }
    if (code != 0)
        Form_KeyPress(code);
    if (m_insertText) {
        if (const auto labelled = tape::withLastLineLabel(m_list, label))
            setList(*labelled);
    }
}

void Calculator::reenterFromList(const QString& word, int selectionStart)
{
    if (editMode())
        return;
    QString s = word.left(word.size() - 1);
    if (readsAsTime(s) && !m_timeMode)
        mnuTempo_Click();
    if (m_timeMode) {
        if (valueOf(s))
            return;
        s = TimeDigits(s);
    }
    if (isZero(s))
        return;
    m_reselectPos = selectionStart;
    m_entry.setMaxLength(tape::MaxValueLength);
    setEntryText(formatText(s, m_numberFormat).left(tape::MaxValueLength));
    int code = m_addMode ? 13 : '+';
    Form_KeyPress(code);
    setPressed(Button::Mais, false);
}

} // namespace numerette
