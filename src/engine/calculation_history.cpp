// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation_history.h"

#include "calculation_list.h"

namespace numerette {
namespace {

constexpr int RedoEntryColumns = 24;

void keep(QList<Operator>& operators, Operator op)
{
    if (op != Operator::None)
        operators.append(op);
}

void dropLast(QList<Operator>& operators)
{
    if (!operators.isEmpty())
        operators.removeLast();
}

} // namespace

void CalculationHistory::clear()
{
    m_undoTotals.clear();
    m_undoOperators.clear();
    m_redoEntries.clear();
    m_redoOperators.clear();
    m_undoEnabled = false;
    m_redoEnabled = false;
}

void CalculationHistory::counterChanged(const QString& total, Operator pendingOperator, bool keepTotal,
                                        bool counterIsZero)
{
    if (!m_undoInProgress && keepTotal) {
        m_undoTotals.append(total);
        keep(m_undoOperators, pendingOperator);
    }
    if (!m_redoEntries.isEmpty() && !m_undoInProgress) {
        m_redoEntries.removeLast();
        dropLast(m_redoOperators);
        m_redoEnabled = !m_redoEntries.isEmpty();
    }
    m_undoEnabled = !counterIsZero && !m_undoTotals.isEmpty();
}

void CalculationHistory::beginUndo(const QString& lastLine, Operator pendingOperator)
{
    m_undoInProgress = true;
    m_redoEntries.append(lastLine.left(RedoEntryColumns));
    keep(m_redoOperators, pendingOperator);
    m_redoEnabled = true;
}

std::optional<CalculationHistory::UndoStep> CalculationHistory::takeUndo()
{
    if (m_undoTotals.isEmpty())
        return std::nullopt;
    UndoStep step{m_undoTotals.takeLast().trimmed(),
                  m_undoOperators.isEmpty() ? Operator::None : m_undoOperators.takeLast()};
    return step;
}

void CalculationHistory::endUndo()
{
    m_undoInProgress = false;
    if (m_undoTotals.isEmpty())
        m_undoEnabled = false;
}

std::optional<CalculationHistory::RedoStep> CalculationHistory::redoStep(bool labelled) const
{
    if (!m_redoEnabled || m_redoEntries.isEmpty())
        return std::nullopt;
    RedoStep step;
    step.value = m_redoEntries.last().right(RedoEntryColumns - 1);
    if (labelled) {
        step.label = step.value.left(tape::LabelColumns);
        step.value = step.value.right(11);
    }
    if (!m_redoOperators.isEmpty())
        step.pendingOperator = m_redoOperators.back();
    return step;
}

} // namespace numerette
