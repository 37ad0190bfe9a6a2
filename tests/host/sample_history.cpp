// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_history.h"

#include <QTest>

#include "calculator.h"
#include "key_script.h"

namespace numerette::testing {

SampleHistory::SampleHistory(Calculator& calculator, SettingsStore& settings, QWidget* parent)
{
    QString error;
    const auto steps = parseTapeKeys(QStringLiteral("1234567.89+98765.4+12*3=250-17.5="), error);
    QVERIFY2(steps, qPrintable(error));
    runTapeSteps(calculator, *steps, false);
    QVERIFY(m_archive.open(m_folder.filePath(QStringLiteral("history.sqlite"))).opened);
    history::TapeReading reading;
    reading.closedAt = QDateTime::currentDateTime();
    QVERIFY(m_archive.add(history::closedBlocks(calculator.list(), reading)));
    m_window = std::make_unique<HistoryWindow>(
        HistoryWindowServices{m_archive, calculator, settings, m_printer, [] { return history::ImportResult{}; }},
        parent);
    QVERIFY(!m_archive.days().isEmpty());
    m_window->showDay(m_archive.days().constFirst().day);
}

} // namespace numerette::testing
