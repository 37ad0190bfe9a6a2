// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

#include "operators.h"

namespace numerette {

// Undo, redo and re-entry of the running calculation. Undo keeps the total before each
// counted item with the operator then pending; redo keeps columns 1 to 24 of each line an
// undo removed, with the operator pending at the undo. Where no operator was pending, none
// is kept: the operators are a list of their own, and a step takes the last one kept, if
// any. Re-entry keeps where the selection of a number taken back up from the list starts,
// to select its line again after the commit.
class CalculationHistory {
public:
    // The total and the pending operator an undo goes back to.
    struct UndoStep {
        QString total;
        Operator pendingOperator;
    };
    // What a redo types again: the value, the label when the line had one, and the operator
    // whose key it presses (None for none).
    struct RedoStep {
        QString value;
        QString label;
        Operator pendingOperator = Operator::None;
    };

    bool undoEnabled() const { return m_undoEnabled; }
    bool redoEnabled() const { return m_redoEnabled; }

    // A new calculation: both histories emptied.
    void clear();
    // The item counter changed. Outside an undo, the total before the item is kept (when
    // `keepTotal`, the calculator being shown) and one redo entry is used up. Undo stays
    // possible while the counter is not zero and a total is kept.
    void counterChanged(const QString& total, Operator pendingOperator, bool keepTotal, bool counterIsZero);

    // An undo of the list's last line: from `beginUndo` to `endUndo`, counter changes are no
    // new history. The line goes to the redo history.
    void beginUndo(const QString& lastLine, Operator pendingOperator);
    // The kept total and operator to go back to, if any.
    std::optional<UndoStep> takeUndo();
    void endUndo();

    // The redo entry to type again, when there is one. With `labelled` lines the value is the
    // line's last 11 columns and the label the columns before them.
    std::optional<RedoStep> redoStep(bool labelled) const;

    // Where the selection of a re-entered number starts; 0 for none.
    void setReentryStart(int position) { m_reentryStart = position; }
    int reentryStart() const { return m_reentryStart; }

private:
    QStringList m_undoTotals;
    QList<Operator> m_undoOperators;
    QStringList m_redoEntries;
    QList<Operator> m_redoOperators;
    bool m_undoInProgress = false;
    bool m_undoEnabled = false;
    bool m_redoEnabled = false;
    int m_reentryStart = 0;
};

} // namespace numerette
