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

// The record in the file, UTF-8: seven fields in double quotes separated by commas, ended
// by CR LF; a double quote inside a field is doubled. The date is the short date of the
// given order (dd/MM/yyyy or MM/dd/yyyy).
// A missing file gives nothing and changes nothing. A file that is no such record
// (truncated, binary, oversized, another number of fields) or cannot be read also gives
// nothing, and is renamed to "<path>.damaged" (replacing an older one) so that the next
// write does not destroy it before anyone has looked at it.
std::optional<CalculatorStateRecord> readStateFile(const QString& path, tape::DateOrder order);

// Writes the record through a new file and a rename; the old file stays whole when this
// fails. A new file is readable by its owner only.
bool writeStateFile(const QString& path, const CalculatorStateRecord& record, tape::DateOrder order);

} // namespace numerette
