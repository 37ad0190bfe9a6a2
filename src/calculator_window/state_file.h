// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDate>
#include <QString>

#include "calculation_list.h"
#include "grand_total.h"
#include "number_text.h"
#include "operators.h"

namespace numerette {

// What the calculator keeps across a restart: the day it was closed and the texts of the
// list, the running total, the pending operator, the entry, the display and the counter.
struct CalculatorStateRecord {
    QDate date;  // invalid when the stored date does not read as one
    QString list;
    QString total;
    Operator pendingOperator = Operator::None;
    QString entry;
    QString display;
    QString counter;
    GrandTotalRegister grandTotal{};

    bool operator==(const CalculatorStateRecord&) const = default;
};

// How a record is read back: the calculator's separators and date order now, and today.
struct StateFileReader {
    NumberLocale locale;
    tape::DateOrder dateOrder = tape::DateOrder::DayMonthYear;
    QDate today;
};

// Files larger than this are not the calculator's state; they are never read.
constexpr qint64 MaxStateFileBytes = 16 * 1024 * 1024;

// The state file of the calculator of host tag 1 (main) or 2 (secondary):
// numeret<tag>.fita in the per-user data folder, which this creates when missing.
QString stateFilePath(int hostTag);

// What reading the state file found.
struct StateFileContents {
    // The record, its numbers in the reader's separators. When only the list could be
    // trusted (damaged with listOnly), the record holds the list and today's date alone.
    std::optional<CalculatorStateRecord> record;
    // Something was there that is not the calculator's record; it has been moved to keptAs,
    // or stayed where it was when it could not be moved (keptAs empty).
    bool damaged = false;
    bool listOnly = false;
    QString keptAs;
};

// The record in the file, UTF-8: fields in double quotes separated by commas, ended by CR
// LF; a double quote inside a field is doubled. Eight fields: the date as yyyy-MM-dd, the
// list, the total, the pending operator, the entry, the display, the counter, and the
// decimal separator the numbers were written with ("." or ","), so that neither a change
// of the locale's date order nor of its separators misreads the file. A ninth field holds
// the grand total while it holds any total: the number of totals, a blank and the sum as
// plain text with "." ("3 1234.5"); without it the grand total is empty.
// Files of seven fields, from earlier versions, keep loading: their date is the locale's
// short date, taken for today when it reads as today in either order; their numbers are
// read with whichever separators they were plainly written with.
// A missing file gives nothing and changes nothing. A file that is no such record
// (truncated, binary, oversized, another number of fields, unreadable, or no regular file
// at all: a FIFO or a device is never waited on) is damaged; so is a record whose date,
// numbers, operator or counter are not what the calculator writes, but then its list is
// still given (listOnly) as today's, since nothing proves it another day's. A damaged file
// is renamed to "<path>.damaged", or "<path>.damaged.2", ".3" and so on when that name is
// taken, so that neither the next write nor a later damaged file destroys it before anyone
// has looked at it.
StateFileContents loadStateFile(const QString& path, const StateFileReader& reader);
// The record alone, when the whole of it could be read.
std::optional<CalculatorStateRecord> readStateFile(const QString& path, const StateFileReader& reader);

// Writes the record, its numbers written with the given separators, through a new file
// and a rename; the old file stays whole when this fails, and error (when given) says why.
// A new file is readable by its owner only.
bool writeStateFile(const QString& path, const CalculatorStateRecord& record, const NumberLocale& locale,
                    QString* error = nullptr);

} // namespace numerette
