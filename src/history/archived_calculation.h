// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include "calculation_list.h"
#include "decimal.h"
#include "number_text.h"

namespace numerette::history {

// One item of a calculation: the number typed, the operator key after it ("+", "-", "×",
// "÷", "%", "=") and the label typed in insert-text mode.
struct ArchivedItem {
    std::optional<Decimal> amount;  // nothing for a duration or a value that reads as no number
    QString valueText;              // as the tape shows it
    QChar op;
    QString label;
};

// One closed block of the tape as the archive keeps it: the lines from the line after a
// separator to the next separator, that separator included, exactly as they were printed.
// A calculation has a total line; a block of free text or of a tool's report has none and
// is kept for its notes.
struct ArchivedCalculation {
    qint64 id = 0;          // given by the archive
    QDate day;              // the date header above the block, else the day it closed
    QDateTime closedAt;
    int calculator = 1;     // 1 the main calculator, 2 the second one
    QString numberFormat;   // the picture the numbers were shown with; empty when not known
    QChar decimal = u'.';   // the decimal separator the numbers were written with
    qsizetype position = 0; // where the block starts in its tape
    QString text;           // its lines, each ended by CR LF
    std::optional<Decimal> total;
    QString totalText;      // as the tape shows it; empty for a block without total
    int itemCount = 0;
    QString labels;         // the items' labels, one blank between them
    QString notes;          // the free-text and report lines, one line break between them
    QList<ArchivedItem> items;

    // The same block of the same tape always gives the same fingerprint, whether it reached
    // the archive when it closed or from the backup file later: its day, its place in the
    // tape and its text.
    QString fingerprint() const;
};

// How blocks of a tape are read: with the separators and the date order the tape was written
// with, the number format then in use, on which calculator, and the day and time to give a
// block with no date header above it.
struct TapeReading {
    NumberLocale locale;
    tape::DateOrder dateOrder = tape::DateOrder::DayMonthYear;
    QString numberFormat;
    int calculator = 1;
    QDateTime closedAt;
};

// The closed blocks of the list that start at `from` or later, first to last. Blocks of
// nothing but date headers and separators are no calculation and give nothing.
QList<ArchivedCalculation> closedBlocks(const QString& list, const TapeReading& reading, qsizetype from = 0);

// The separators a tape was written with, read from its numbers: the last separator of a
// number is its decimal separator unless three digits follow it. The fallback when no
// number says.
NumberLocale separatorsOfTape(const QString& list, const NumberLocale& fallback);
// The date order of a tape's date headers: a day above 12 tells which field it is in. The
// fallback when no header says.
tape::DateOrder dateOrderOfTape(const QString& list, tape::DateOrder fallback);

} // namespace numerette::history
