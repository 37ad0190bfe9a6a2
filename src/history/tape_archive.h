// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <utility>

#include <QDate>
#include <QList>
#include <QString>

#include "archived_calculation.h"

namespace numerette::history {

// A day of the history: how many calculations closed on it and the sum of their totals.
struct ArchivedDay {
    QDate day;
    int calculations = 0;
    double totalSum = 0;
};

// What to look for. Every part given must match: an amount (an item or the total) in
// [amountFrom, amountTo] (one of them alone is an exact amount), words of the labels and
// notes (each word, or the start of one), days in [from, to] (an invalid date leaves that
// end open).
struct ArchiveQuery {
    std::optional<Decimal> amountFrom;
    std::optional<Decimal> amountTo;
    QString words;
    QDate from;
    QDate to;
    int limit = 500;

    bool isEmpty() const;
};

// Every closed calculation, kept in a SQLite database (one file, readable by its owner
// only). Each write is one transaction, so a calculation is in the archive whole or not at
// all, and two calculators can write to the same file at once: the one that finds it busy
// waits for the other.
class TapeArchive {
public:
    struct Opening {
        bool opened = false;
        // The file was no archive (truncated, overwritten, damaged); it is kept at keptAs and
        // a new archive was started in its place. keptAs is empty when it could not be moved.
        bool damaged = false;
        QString keptAs;
        QString error;  // why the archive could not be opened, when it could not
    };

    // Whether open reads the whole file for damaged pages, which takes a noticeable time once
    // it holds a year of calculations; Skip is for a file check() has just found sound.
    enum class Check { Whole, Skip };

    TapeArchive();
    ~TapeArchive();
    TapeArchive(const TapeArchive&) = delete;
    TapeArchive& operator=(const TapeArchive&) = delete;

    // Opens the file, or creates it user-only. Anything at the path that is no regular file
    // (a FIFO, a device, a link to one) is refused.
    Opening open(const QString& path, Check check = Check::Whole);
    // Does on any thread, over a connection of its own, what open(path) does to the file (the
    // whole check, a damaged file kept aside and a new one started), and closes it again.
    static Opening check(const QString& path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }

    // Adds the blocks, and sets the facts, in one transaction: the number added, or nothing
    // when the write failed (error then says why) and the archive is as it was. The same
    // block may be there more than once: the same calculation typed again on a new tape.
    std::optional<int> add(const QList<ArchivedCalculation>& blocks, QString* error = nullptr,
                           const QList<std::pair<QString, QString>>& facts = {});
    // Adds what the archive lacks of blocks taken from elsewhere (the backup file), in one
    // transaction: a block that is there n times is added for its occurrences past the n-th.
    std::optional<int> merge(const QList<ArchivedCalculation>& blocks, QString* error = nullptr,
                             const QList<std::pair<QString, QString>>& facts = {});

    QList<ArchivedDay> days() const;  // newest first
    QList<ArchivedCalculation> dayCalculations(QDate day) const;  // in the order they closed
    // Newest first, at most query.limit of them.
    QList<ArchivedCalculation> search(const ArchiveQuery& query) const;
    int calculationCount() const;

    bool remove(qint64 id);
    bool removeDay(QDate day);
    // Removes the days before `first`; the number of calculations removed, or nothing on failure.
    std::optional<int> removeBefore(QDate first);

    // Small facts the program keeps with the archive (such as whether the backup file was imported).
    QString fact(const QString& name) const;
    bool setFact(const QString& name, const QString& value);

private:
    std::optional<int> write(const QList<ArchivedCalculation>& blocks, bool onlyMissing,
                             const QList<std::pair<QString, QString>>& facts, QString* error);

    QString m_connection;
    QString m_path;
};

} // namespace numerette::history
