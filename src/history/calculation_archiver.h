// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QDateTime>
#include <QList>
#include <QObject>

#include "archived_calculation.h"

namespace numerette {
class Calculator;
}

namespace numerette::history {

class TapeArchive;

// Puts every block the calculator closes into the archive, the moment it closes (a total, a
// report, free text, a correction): nothing waits for the list to be cleared. The blocks
// since the last one archived are written in one transaction, with how far the list was
// archived, so that a restart on the same list writes nothing twice; a list whose story is
// not known (the first run) only adds the blocks the archive lacks.
class CalculationArchiver : public QObject {
    Q_OBJECT

public:
    // calculator is 1 for the main calculator, 2 for the second one.
    CalculationArchiver(Calculator& calculator, TapeArchive& archive, int calculatorNumber, QObject* parent = nullptr);

    // The clock that stamps the blocks; the system's by default.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // Writes what closed since the last write; false when the write failed.
    bool archiveClosedBlocks();
    // While held (the archive is still being checked), each list as it was when a calculation
    // closed is kept, with the moment, and written on release in the order they came.
    void hold() { m_holding = true; }
    bool release();

signals:
    // Blocks were added: the history shown is out of date.
    void archived();
    // A write failed (a full disk, a read-only folder); told once until a write succeeds again.
    void archiveFailed(const QString& error);

private:
    // The list at one moment, and how to read it.
    struct ListAt {
        QString list;
        TapeReading reading;
    };

    ListAt listNow() const;
    bool write(const ListAt& at);

    Calculator& m_calculator;
    TapeArchive& m_archive;
    int m_calculatorNumber;
    std::function<QDateTime()> m_clock;
    QString progressFact() const;
    void restoreProgress(const QString& list);

    // The start of the list that is archived, up to the end of its last block archived.
    QString m_archivedPrefix;
    bool m_progressKnown = false;
    bool m_failureTold = false;
    bool m_holding = false;
    QList<ListAt> m_held;
};

} // namespace numerette::history
