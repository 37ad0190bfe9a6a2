// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDate>
#include <QList>
#include <QString>

#include "calculation_list.h"

// Reading the calculation list back line by line: what each line is, for the export and
// for corrections. The list keeps no marks of its own, so a line's kind comes from its
// shape and from the lines around it.
namespace numerette::tape {

// Figure: a line of the business keys, a value and a marker letter (grand total G, net N,
// tax X, gross B, cost C, margin M, selling price S, profit P).
enum class LineKind { Header, Item, Count, Total, Separator, Divider, Text, Report, Figure };

// An item line taken apart: its value text as shown, the operator character of its marker
// ("+", "-", "×", "÷", "%", "=") and the label typed in insert-text mode, if any.
struct ItemParts {
    QString value;
    QChar op;
    QString label;
};
std::optional<ItemParts> itemParts(QStringView line);

// The operator key code that writes an item with this marker character: 2 for "+" in Add
// mode (Enter), 43 otherwise; 0 for a character that is no item marker.
// The kind a line has by its shape alone; readLines confirms items, counts and totals by
// the block they stand in.
LineKind lineShape(QStringView line, DateOrder order);

// A figure line taken apart: its value text as shown and its marker letter.
struct FigureParts {
    QString value;
    QChar mark;
};
std::optional<FigureParts> figureParts(QStringView line);

int operatorKeyOf(QChar op, bool addMode);
QChar operatorOf(int key);

struct TapeLine {
    LineKind kind = LineKind::Text;
    QString text;   // without its CR LF
    qsizetype position = 0;  // where it starts in the list
    QDate date;     // the date of the last date header above it, if any
};
QList<TapeLine> readLines(const QString& list, DateOrder order);

// The first line of a corrected calculation: which item of how many was corrected.
QString correctionHeader(int item, int itemCount);

// The start of the line that holds `position`, and the start of the next line.
qsizetype lineStartAt(const QString& list, qsizetype position);
qsizetype nextLineStart(const QString& list, qsizetype position);

} // namespace numerette::tape
