// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_archive.h"

#include <algorithm>
#include <atomic>

#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "archive_schema.h"
#include "archive_search.h"

namespace numerette::history {
namespace {

constexpr auto UserOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// How long a write waits for the other calculator's write to end.
constexpr int BusyTimeoutMs = 3000;

QString newConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("numerette-history-%1").arg(++next);
}

// A missing file is created user-only before SQLite sees it, so that it is never readable by
// others, not even for a moment; SQLite gives its journal files the same permissions.
bool prepareFile(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("%1 is no regular file").arg(path);
        return false;
    }
    if (!info.exists()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            *error = file.errorString();
            return false;
        }
    }
    QFile::setPermissions(path, UserOnly);
    return true;
}

QSqlDatabase connectionTo(const QString& name, const QString& path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    return db;
}

bool configure(QSqlDatabase& db)
{
    QSqlQuery query(db);
    // Write-ahead logging lets one calculator read while the other writes, and makes a commit
    // one append; NORMAL loses at most the last commit at a power cut, never the file.
    return query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) && query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))
        && query.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
}

// Qt binds a null string as NULL; the archive's texts are never NULL, at most empty.
QString notNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QVariant amountValue(const std::optional<Decimal>& amount)
{
    return amount ? QVariant(amount->toDouble()) : QVariant(QMetaType(QMetaType::Double));
}

// How many times the block is there, and the highest occurrence number it has; nothing
// when the read failed. Rows are "<fingerprint>#<occurrence>".
std::optional<std::pair<int, int>> occurrencesOf(QSqlDatabase& db, const QString& fingerprint)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT fingerprint FROM calculations WHERE fingerprint > ? AND fingerprint < ?"));
    query.bindValue(0, QString(fingerprint + QLatin1Char('#')));
    query.bindValue(1, QString(fingerprint + QLatin1Char('$')));
    if (!query.exec())
        return std::nullopt;
    std::pair<int, int> found{0, 0};
    while (query.next()) {
        found.first += 1;
        found.second = std::max(found.second, query.value(0).toString().section(QLatin1Char('#'), 1).toInt());
    }
    return found;
}

bool insertBlock(QSqlQuery& calculation, QSqlQuery& item, const ArchivedCalculation& block, int occurrence)
{
    calculation.bindValue(0, block.day.toString(Qt::ISODate));
    calculation.bindValue(1, block.closedAt.toString(Qt::ISODate));
    calculation.bindValue(2, block.calculator);
    calculation.bindValue(3, notNull(block.numberFormat));
    calculation.bindValue(4, QString(block.decimal));
    calculation.bindValue(5, block.position);
    calculation.bindValue(6, notNull(block.text));
    calculation.bindValue(7, amountValue(block.total));
    calculation.bindValue(8, notNull(block.totalText));
    calculation.bindValue(9, block.itemCount);
    calculation.bindValue(10, notNull(block.labels));
    calculation.bindValue(11, notNull(block.notes));
    calculation.bindValue(12, QString(block.fingerprint() + QLatin1Char('#') + QString::number(occurrence)));
    if (!calculation.exec())
        return false;
    const qint64 id = calculation.lastInsertId().toLongLong();
    for (qsizetype line = 0; line < block.items.size(); ++line) {
        const ArchivedItem& entry = block.items[line];
        item.bindValue(0, id);
        item.bindValue(1, line);
        item.bindValue(2, amountValue(entry.amount));
        item.bindValue(3, notNull(entry.valueText));
        item.bindValue(4, QString(entry.op));
        item.bindValue(5, notNull(entry.label));
        if (!item.exec())
            return false;
    }
    return true;
}

// Opens the file over the named connection, left open when the opening succeeds.
TapeArchive::Opening openOn(const QString& connection, const QString& path, TapeArchive::Check check)
{
    TapeArchive::Opening opening;
    if (!prepareFile(path, &opening.error))
        return opening;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlDatabase db = connectionTo(connection, path);
        QString error;
        if (!db.open()) {
            error = db.lastError().text();
        } else if (configure(db) && schema::ensure(db, check == TapeArchive::Check::Whole, &error)) {
            opening.opened = true;
            return opening;
        } else if (error.isEmpty()) {
            error = db.lastError().text();
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
        if (attempt > 0 || opening.damaged) {
            opening.error = error;
            return opening;
        }
        // Whatever is there is no archive this program can use: kept for whoever wants to
        // look at it, and a new one started.
        opening.damaged = true;
        opening.keptAs = schema::keepAside(path);
        if (opening.keptAs.isEmpty() || !prepareFile(path, &opening.error)) {
            opening.error = error;
            return opening;
        }
    }
    return opening;
}

} // namespace

bool ArchiveQuery::isEmpty() const
{
    return !amountFrom && !amountTo && words.trimmed().isEmpty() && !from.isValid() && !to.isValid();
}

TapeArchive::TapeArchive()
    : m_connection(newConnectionName())
{
}

TapeArchive::~TapeArchive()
{
    close();
}

TapeArchive::Opening TapeArchive::open(const QString& path, Check check)
{
    close();
    Opening opening = openOn(m_connection, path, check);
    if (opening.opened)
        m_path = path;
    return opening;
}

TapeArchive::Opening TapeArchive::check(const QString& path)
{
    const QString connection = newConnectionName();
    Opening opening = openOn(connection, path, Check::Whole);
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
    return opening;
}

void TapeArchive::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_path.clear();
}

bool TapeArchive::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen();
}

std::optional<int> TapeArchive::add(const QList<ArchivedCalculation>& blocks, QString* error,
                                    const QList<std::pair<QString, QString>>& facts)
{
    return write(blocks, false, facts, error);
}

std::optional<int> TapeArchive::merge(const QList<ArchivedCalculation>& blocks, QString* error,
                                      const QList<std::pair<QString, QString>>& facts)
{
    return write(blocks, true, facts, error);
}

std::optional<int> TapeArchive::write(const QList<ArchivedCalculation>& blocks, bool onlyMissing,
                                      const QList<std::pair<QString, QString>>& facts, QString* error)
{
    const auto failed = [error](const QString& why) -> std::optional<int> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!isOpen())
        return failed(QStringLiteral("The history is not open."));
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return failed(db.lastError().text());
    int added = 0;
    QString why;
    {
        QSqlQuery calculation(db);
        QSqlQuery item(db);
        calculation.prepare(QStringLiteral(
            "INSERT INTO calculations (day, closed_at, calculator, number_format, decimal, position,"
            " tape_text, total, total_text, item_count, labels, notes, fingerprint)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        item.prepare(QStringLiteral(
            "INSERT INTO items (calculation, line, amount, value_text, op, label) VALUES (?, ?, ?, ?, ?, ?)"));
        // How often each block came in this write, for merging.
        QHash<QString, int> offered;
        for (const ArchivedCalculation& block : blocks) {
            const QString fingerprint = block.fingerprint();
            const auto there = occurrencesOf(db, fingerprint);
            if (!there) {
                why = db.lastError().text();
                break;
            }
            if (onlyMissing && ++offered[fingerprint] <= there->first)
                continue;
            if (!insertBlock(calculation, item, block, there->second + 1)) {
                why = calculation.lastError().isValid() ? calculation.lastError().text() : item.lastError().text();
                break;
            }
            ++added;
        }
        QSqlQuery fact(db);
        fact.prepare(QStringLiteral("INSERT OR REPLACE INTO facts (name, value) VALUES (?, ?)"));
        for (const auto& [name, value] : facts) {
            if (!why.isEmpty())
                break;
            fact.bindValue(0, name);
            fact.bindValue(1, value);
            if (!fact.exec())
                why = fact.lastError().text();
        }
    }
    if (why.isEmpty() && db.commit())
        return added;
    if (why.isEmpty())
        why = db.lastError().text();
    db.rollback();
    return failed(why.isEmpty() ? QStringLiteral("The history could not be written.") : why);
}

QList<ArchivedDay> TapeArchive::days() const
{
    QList<ArchivedDay> days;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT day, count(total_text <> '' OR NULL), total(total) FROM calculations"
                                   " GROUP BY day ORDER BY day DESC")))
        return days;
    while (query.next())
        days.append({QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toInt(),
                     query.value(2).toDouble()});
    return days;
}

QList<ArchivedCalculation> TapeArchive::dayCalculations(QDate day) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ") + schema::CalculationColumns
                  + QStringLiteral(" FROM calculations c WHERE c.day = ? ORDER BY c.closed_at, c.position, c.id"));
    query.bindValue(0, day.toString(Qt::ISODate));
    return search::calculationsOf(query);
}

QList<ArchivedCalculation> TapeArchive::search(const ArchiveQuery& archiveQuery) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!search::prepare(query, archiveQuery))
        return {};
    return search::calculationsOf(query);
}

int TapeArchive::calculationCount() const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    return query.exec(QStringLiteral("SELECT count(*) FROM calculations")) && query.next() ? query.value(0).toInt() : 0;
}

bool TapeArchive::remove(qint64 id)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM calculations WHERE id = ?"));
    query.bindValue(0, id);
    return query.exec() && query.numRowsAffected() == 1;
}

bool TapeArchive::removeDay(QDate day)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM calculations WHERE day = ?"));
    query.bindValue(0, day.toString(Qt::ISODate));
    return query.exec() && query.numRowsAffected() > 0;
}

std::optional<int> TapeArchive::removeBefore(QDate first)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM calculations WHERE day < ?"));
    query.bindValue(0, first.toString(Qt::ISODate));
    if (!query.exec())
        return std::nullopt;
    return query.numRowsAffected();
}

QString TapeArchive::fact(const QString& name) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT value FROM facts WHERE name = ?"));
    query.bindValue(0, name);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

bool TapeArchive::setFact(const QString& name, const QString& value)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO facts (name, value) VALUES (?, ?)"));
    query.bindValue(0, name);
    query.bindValue(1, value);
    return query.exec();
}

} // namespace numerette::history
