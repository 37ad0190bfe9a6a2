// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QDialog>

#include "archived_calculation.h"
#include "backup_import.h"
#include "printed_tape.h"

namespace numerette {
class Calculator;
class PagePrinter;
class SettingsStore;
namespace history {
class TapeArchive;
}
}
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// What the history window works with.
struct HistoryWindowServices {
    numerette::history::TapeArchive& archive;
    // Its separators and date order read the amounts typed and print the tapes; a value
    // re-entered goes into its entry.
    numerette::Calculator& calculator;
    numerette::SettingsStore& settings;
    numerette::PagePrinter& printer;
    std::function<numerette::history::ImportResult()> importBackup;
};

// "Tape History" (`frmHistorico`): the days of the archive newest first, with their count of
// calculations and the sum of their totals; the tape of the day chosen, as it was printed;
// a search by amount (exact, or a range from the first amount to the second), by words of
// the labels and notes and by days, whose results show as one tape and jump to their
// calculation. From the tape shown: a value re-entered into the calculator (double-click or
// Enter), lines copied, the tape exported or printed, a calculation or a day deleted after
// a confirmation. Every action has its key.
class HistoryWindow : public QDialog {
    Q_OBJECT

public:
    HistoryWindow(HistoryWindowServices services, QWidget* parent = nullptr);

    // Reads the archive again (after a write or a deletion).
    void refresh();
    // Shown in the status line: what went wrong with the archive, when something did.
    void tell(const QString& text);

    // The commands of the buttons, for keys and tests.
    void showDay(QDate day);
    void search();
    bool reenterValue();
    void copyLines();
    void exportShown();
    void printShown();
    void deleteCalculation();
    void deleteDay();
    void importBackup();

    // The tape shown, and the calculation the caret is in (-1 when none).
    const QString& shownTape() const { return m_tape.text; }
    int currentCalculation() const;
    void moveToCalculation(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showCalculations(const QList<numerette::history::ArchivedCalculation>& calculations);
    std::optional<numerette::Decimal> typedAmount(QLineEdit* field, bool* bad) const;
    QString currentLine() const;
    bool confirm(const QString& question);

    HistoryWindowServices m_services;
    QLineEdit* m_amountFrom = nullptr;
    QLineEdit* m_amountTo = nullptr;
    QLineEdit* m_words = nullptr;
    QCheckBox* m_fromOn = nullptr;
    QDateEdit* m_from = nullptr;
    QCheckBox* m_toOn = nullptr;
    QDateEdit* m_to = nullptr;
    QListWidget* m_days = nullptr;
    QListWidget* m_results = nullptr;
    QPlainTextEdit* m_view = nullptr;
    QLabel* m_status = nullptr;
    QList<numerette::history::ArchivedCalculation> m_shown;
    numerette::history::PrintedTape m_tape;
    QList<int> m_viewStarts;  // where each calculation starts in the view
};
