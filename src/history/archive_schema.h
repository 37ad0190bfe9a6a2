// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSqlDatabase;

// The archive's tables, for tape_archive.cpp and archive_search.cpp.
namespace numerette::history::schema {

constexpr int Version = 1;

// The columns of a calculation as every read selects them, in this order.
inline const QString CalculationColumns = QStringLiteral(
    "c.id, c.day, c.closed_at, c.calculator, c.number_format, c.decimal, c.position, c.tape_text, "
    "c.total, c.total_text, c.item_count, c.labels, c.notes");

// Creates the tables, indexes and the text index in a new archive; checks an existing one is
// this program's, and with wholeCheck that none of its pages is damaged. False when the file
// is no archive of this program (error says why).
bool ensure(QSqlDatabase& db, bool wholeCheck, QString* error);

// Moves a damaged file (and what SQLite kept beside it) to "<path>.damaged", or ".damaged.2",
// ".3" and so on when that name is taken; where it went, or empty when it could not be moved.
QString keepAside(const QString& path);

} // namespace numerette::history::schema
