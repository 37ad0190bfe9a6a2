// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive_search.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include "archive_schema.h"
#include "tape_archive.h"

namespace numerette::history::search {

QString wordsQuery(const QString& words)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList terms;
    for (QString word : words.split(blanks, Qt::SkipEmptyParts))
        terms.append(QLatin1Char('"') + word.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QStringLiteral("\"*"));
    return terms.join(QLatin1Char(' '));
}

bool prepare(QSqlQuery& query, const ArchiveQuery& archiveQuery)
{
    QStringList conditions;
    QVariantList values;
    const QString words = wordsQuery(archiveQuery.words);
    if (!words.isEmpty()) {
        conditions.append(QStringLiteral("c.id IN (SELECT rowid FROM calculation_words WHERE calculation_words MATCH ?)"));
        values << words;
    }
    if (archiveQuery.amountFrom || archiveQuery.amountTo) {
        double low = (archiveQuery.amountFrom ? *archiveQuery.amountFrom : *archiveQuery.amountTo).toDouble();
        double high = (archiveQuery.amountTo ? *archiveQuery.amountTo : *archiveQuery.amountFrom).toDouble();
        if (low > high)
            std::swap(low, high);
        // Words narrow the search most: the amounts are then checked calculation by
        // calculation. Alone, the amounts are looked up in their two indexes.
        if (!words.isEmpty())
            conditions.append(QStringLiteral("(c.total BETWEEN ? AND ? OR EXISTS (SELECT 1 FROM items i"
                                             " WHERE i.calculation = c.id AND i.amount BETWEEN ? AND ?))"));
        else
            conditions.append(QStringLiteral("c.id IN (SELECT id FROM calculations WHERE total BETWEEN ? AND ?"
                                             " UNION SELECT calculation FROM items WHERE amount BETWEEN ? AND ?)"));
        values << low << high << low << high;
    }
    if (archiveQuery.from.isValid()) {
        conditions.append(QStringLiteral("c.day >= ?"));
        values << archiveQuery.from.toString(Qt::ISODate);
    }
    if (archiveQuery.to.isValid()) {
        conditions.append(QStringLiteral("c.day <= ?"));
        values << archiveQuery.to.toString(Qt::ISODate);
    }
    if (conditions.isEmpty())
        return false;
    // With words, the calculations are read newest first along the day index until enough
    // are found: a common word then costs no sort of all its matches, a rare one at most one
    // pass over the index.
    const QString from = words.isEmpty() ? QStringLiteral(" FROM calculations c WHERE ")
                                         : QStringLiteral(" FROM calculations c INDEXED BY calculations_day WHERE ");
    const QString sql = QStringLiteral("SELECT ") + schema::CalculationColumns + from
        + conditions.join(QStringLiteral(" AND "))
        + QStringLiteral(" ORDER BY c.day DESC, c.closed_at DESC, c.position DESC LIMIT %1").arg(std::max(1, archiveQuery.limit));
    if (!query.prepare(sql))
        return false;
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    return true;
}

QList<ArchivedCalculation> calculationsOf(QSqlQuery& query)
{
    QList<ArchivedCalculation> found;
    if (!query.exec())
        return found;
    while (query.next()) {
        ArchivedCalculation c;
        c.id = query.value(0).toLongLong();
        c.day = QDate::fromString(query.value(1).toString(), Qt::ISODate);
        c.closedAt = QDateTime::fromString(query.value(2).toString(), Qt::ISODate);
        c.calculator = query.value(3).toInt();
        c.numberFormat = query.value(4).toString();
        const QString decimal = query.value(5).toString();
        c.decimal = decimal.isEmpty() ? QLatin1Char('.') : decimal.front();
        c.position = query.value(6).toLongLong();
        c.text = query.value(7).toString();
        c.totalText = query.value(9).toString();
        if (!query.value(8).isNull())
            c.total = ValueOf(c.totalText, NumberLocale::withDecimal(c.decimal));
        c.itemCount = query.value(10).toInt();
        c.labels = query.value(11).toString();
        c.notes = query.value(12).toString();
        found.append(std::move(c));
    }
    return found;
}

} // namespace numerette::history::search
