// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "number_text.h"
#include "tape_lines.h"

namespace numerette {

// One line of the calculation list as the spreadsheet exports write it.
struct TapeRow {
    QDate date;  // from the date header above the line; invalid above the first one
    tape::LineKind kind = tape::LineKind::Text;
    // A plain number ("-1234.5": digits, an optional leading "-", "." for decimals), a
    // duration ("01:30:00"), or empty. Nothing else: a line whose value is neither is a text.
    QString value;
    QString op;     // + - * / % = for items, T or E for totals, the marker letter for figures
    QString label;  // an item's label, the text of other lines, as the list has it
};

// The rows of the list's lines: header, item, count, total, text, report, figure. Separators and
// dividers only draw the tape and get no row. Numbers are read with `locale`, the separators
// the list was written with. With a range, only the lines that overlap the list positions
// [from, to) get rows; they are read in the context of the whole list, so a selection keeps
// its dates and kinds.
QList<TapeRow> tapeRows(const QString& list, tape::DateOrder order, const NumberLocale& locale, qsizetype from = 0,
                        qsizetype to = -1);

// The kind as the exports name it: "header", "item", "count", "total", "text", "report",
// "figure".
QString kindName(tape::LineKind kind);

// True for a value that is a duration rather than a number.
bool isDurationValue(const QString& value);

} // namespace numerette
