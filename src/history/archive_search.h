// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include "archived_calculation.h"

class QSqlQuery;

namespace numerette::history {
struct ArchiveQuery;
}

// The archive's searches as SQL, for tape_archive.cpp.
namespace numerette::history::search {

// The words as a full-text query: each one a quoted prefix, so that no character the user
// types is read as query syntax. Empty when there are no words.
QString wordsQuery(const QString& words);

// Prepares the query's search with its values bound; false when it could not be prepared.
bool prepare(QSqlQuery& query, const ArchiveQuery& archiveQuery);

// Runs a prepared query that selects schema::CalculationColumns; the calculations it gives,
// without their items.
QList<ArchivedCalculation> calculationsOf(QSqlQuery& query);

} // namespace numerette::history::search
