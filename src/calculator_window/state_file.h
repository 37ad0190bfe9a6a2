// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDate>
#include <QString>

#include "calculation_list.h"

namespace numerette {

// What the calculator keeps across a restart: the day it was closed and the texts of the
// list, the running total, the pending operator, the entry, the display and the counter.
struct CalculatorStateRecord {
    QDate date;  // invalid when the stored date does not read as one
    QString list;
    QString total;
    QString pendingOperator;
    QString entry;
    QString display;
    QString counter;

    bool operator==(const CalculatorStateRecord&) const = default;
};

// Files larger than this are not the calculator's state; they are never read.
constexpr qint64 MaxStateFileBytes = 16 * 1024 * 1024;

// The state file of the calculator of host tag 1 (main) or 2 (secondary):
// numeret<tag>.fita in the per-user data folder, which this creates when missing.
QString stateFilePath(int hostTag);

// What reading the state file found.
struct StateFileContents {
    std::optional<CalculatorStateRecord> record;
    // Something was there that is no record; it has been moved to keptAs, or stayed where it
    // was when it could not be moved (keptAs empty).
    bool damaged = false;
    QString keptAs;
};

// The record in the file, UTF-8: seven fields in double quotes separated by commas, ended
// by CR LF; a double quote inside a field is doubled. The date is the short date of the
// given order (dd/MM/yyyy or MM/dd/yyyy).
// A missing file gives nothing and changes nothing. Anything else that is no such record
// (truncated, binary, oversized, another number of fields, unreadable, or no regular file
// at all: a FIFO or a device is never waited on) is damaged: it is renamed to
// "<path>.damaged", or "<path>.damaged.2", ".3" and so on when that name is taken, so
// that neither the next write nor a later damaged file destroys it before anyone has
// looked at it.
StateFileContents loadStateFile(const QString& path, tape::DateOrder order);
// The record alone.
std::optional<CalculatorStateRecord> readStateFile(const QString& path, tape::DateOrder order);

// Writes the record through a new file and a rename; the old file stays whole when this
// fails, and error (when given) says why. A new file is readable by its owner only.
bool writeStateFile(const QString& path, const CalculatorStateRecord& record, tape::DateOrder order,
                    QString* error = nullptr);

} // namespace numerette
