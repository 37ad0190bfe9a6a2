// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive_schema.h"

#include "damaged_copy.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace numerette::history::schema {
namespace {

const QStringList Statements{
    QStringLiteral("CREATE TABLE facts (name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
    // day is the tape's date (yyyy-MM-dd), closed_at the moment the block was archived or
    // backed up; total is NULL for a block without a total or with a duration.
    QStringLiteral("CREATE TABLE calculations ("
                   " id INTEGER PRIMARY KEY, day TEXT NOT NULL, closed_at TEXT NOT NULL,"
                   " calculator INTEGER NOT NULL, number_format TEXT NOT NULL, decimal TEXT NOT NULL,"
                   " position INTEGER NOT NULL, tape_text TEXT NOT NULL, total REAL, total_text TEXT NOT NULL,"
                   " item_count INTEGER NOT NULL, labels TEXT NOT NULL, notes TEXT NOT NULL,"
                   " fingerprint TEXT NOT NULL UNIQUE)"),
    QStringLiteral("CREATE INDEX calculations_day ON calculations (day, closed_at, position)"),
    QStringLiteral("CREATE INDEX calculations_total ON calculations (total)"),
    // What the list of days reads, without going to the table.
    QStringLiteral("CREATE INDEX calculations_days ON calculations (day, total, total_text)"),
    QStringLiteral("CREATE TABLE items ("
                   " calculation INTEGER NOT NULL REFERENCES calculations (id) ON DELETE CASCADE,"
                   " line INTEGER NOT NULL, amount REAL, value_text TEXT NOT NULL, op TEXT NOT NULL,"
                   " label TEXT NOT NULL)"),
    QStringLiteral("CREATE INDEX items_amount ON items (amount)"),
    QStringLiteral("CREATE INDEX items_calculation ON items (calculation)"),
    // Words of the labels and notes, accents folded, kept by triggers beside the table.
    QStringLiteral("CREATE VIRTUAL TABLE calculation_words USING fts5 (labels, notes, content='calculations',"
                   " content_rowid='id', tokenize='unicode61 remove_diacritics 2', prefix='1 2 3')"),
    QStringLiteral("CREATE TRIGGER calculations_added AFTER INSERT ON calculations BEGIN"
                   " INSERT INTO calculation_words (rowid, labels, notes) VALUES (new.id, new.labels, new.notes);"
                   " END"),
    QStringLiteral("CREATE TRIGGER calculations_removed AFTER DELETE ON calculations BEGIN"
                   " INSERT INTO calculation_words (calculation_words, rowid, labels, notes)"
                   " VALUES ('delete', old.id, old.labels, old.notes);"
                   " END"),
    QStringLiteral("INSERT INTO facts (name, value) VALUES ('schema', '%1')").arg(Version),
};

bool run(QSqlDatabase& db, const QString& statement, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace

bool ensure(QSqlDatabase& db, bool wholeCheck, QString* error)
{
    QSqlQuery query(db);
    // The first read of the file: a file that is no database fails here.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    if (query.value(0).toInt() == 0) {
        if (!db.transaction()) {
            *error = db.lastError().text();
            return false;
        }
        for (const QString& statement : Statements) {
            if (!run(db, statement, error)) {
                db.rollback();
                return false;
            }
        }
        if (!db.commit()) {
            *error = db.lastError().text();
            return false;
        }
        return true;
    }
    if (!query.exec(QStringLiteral("SELECT value FROM facts WHERE name = 'schema'")) || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    if (query.value(0).toInt() != Version) {
        *error = QStringLiteral("unknown archive version %1").arg(query.value(0).toString());
        return false;
    }
    // A damaged page shows here rather than in the middle of a later write.
    if (wholeCheck
        && (!query.exec(QStringLiteral("PRAGMA quick_check(1)")) || !query.next()
            || query.value(0).toString() != QLatin1String("ok"))) {
        *error = query.lastError().isValid() ? query.lastError().text() : query.value(0).toString();
        return false;
    }
    return true;
}

QString keepAside(const QString& path)
{
    QString aside = files::keepDamagedCopy(path);
    if (aside.isEmpty())
        return {};
    for (const QString& companion : {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")}) {
        if (QFile::exists(path + companion))
            QFile::rename(path + companion, aside + companion);
    }
    return aside;
}

} // namespace numerette::history::schema
