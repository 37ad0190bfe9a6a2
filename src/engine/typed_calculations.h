// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include <QObject>
#include <QString>

#include "number_text.h"

namespace numerette {

class Calculator;

// One item as it was typed: the entry text when its operator key was pressed, and that key
// (2 for Enter in Add mode, 43 +, 45 -, 42 *, 47 /, 37 %, 61 =).
struct TypedItem {
    QString entry;
    int key = 0;
};

// Why a calculation cannot be replayed as it was typed.
enum class ReplayRefusal {
    None,
    NotAnItem,      // the position is on no calculation's line
    NotKnown,       // typed before this run of the program, or while the window was hidden
    TimeMode,       // typed in time mode
    ModeChanged,    // the number format or the ENTER key function changed while it ran
    EditedText,     // its lines were changed by free-text editing
    Cut,            // the calculator was reset before it was totalled
    UndoneOperator, // its percentage took the operator of an item undone before it
};

// A calculation of the list with the keys, the number format and the modes it was typed
// with, and where its lines are: from its first item line to the end of its separator, or
// to the end of its last item while it runs.
struct TypedCalculation {
    std::vector<TypedItem> items;
    int formatIndex = 0;
    bool addMode = false;
    bool insertText = false;
    bool timeMode = false;
    NumberLocale locale;
    qsizetype start = 0;
    qsizetype end = 0;
    // The list's text from start to end as last seen: a change of it means free text.
    QString lines;
    bool closed = false;
    ReplayRefusal refusal = ReplayRefusal::None;
};

// Keeps, beside the calculator, the keys each calculation still on the list was typed with,
// by following every change of the list. Whatever it cannot follow (a whole new list, free
// text, a reset before the total) it records as a reason to refuse a replay.
class TypedCalculations : public QObject {
    Q_OBJECT

public:
    explicit TypedCalculations(Calculator& calculator, QObject* parent = nullptr);

    struct Found {
        const TypedCalculation* calculation = nullptr;  // null when refused as NotAnItem
        int item = 0;  // the item on that line; the last item for its count, total and separator
        ReplayRefusal refusal = ReplayRefusal::NotAnItem;
    };
    // The calculation that holds the line at a list position, checked against the list as it
    // is now.
    Found at(qsizetype listPosition) const;

    // A calculation known from elsewhere (a correction the program wrote, the history kept
    // from the last run) becomes replayable, provided the list holds its lines where it says.
    bool adopt(TypedCalculation calculation);
    const std::vector<TypedCalculation>& calculations() const { return m_calculations; }

private:
    void listEdited(int position);
    void appended(const QStringList& lines, qsizetype at);
    void rewroteLastLine(const QString& oldLine, const QStringList& lines, qsizetype at);
    void closeWith(const QStringList& lines, int from, qsizetype at);
    TypedCalculation* running();
    void seen(TypedCalculation& calculation);
    bool sameModes(const TypedCalculation& calculation) const;

    Calculator& m_calculator;
    QString m_text;
    std::vector<TypedCalculation> m_calculations;
};

} // namespace numerette
