// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QObject>
#include <QPointer>

#include "backup_import.h"
#include "tape_archive.h"

namespace numerette {
class Calculator;
class PagePrinter;
class SettingsStore;
namespace history {
class ArchiveCheck;
class CalculationArchiver;
}
}
class HistoryWindow;
class QAction;
class QMenu;
class QWidget;

// The tape history around the calculator window: the archive beside the state file, which
// every closed calculation goes into; "Tape &History..." (`mnuHistorico`, Ctrl+H, in
// "Calculation &List"), which opens the history window; and "Keep Tape &History" in
// "&Settings": forever (the default), a number of days, or not at all. The first time the
// main calculator opens a new archive, the backup file is imported into it. A damaged archive
// (kept aside) and a failed write are told once; the tape and the backup file go on working
// without the archive. The archive opens once the window is up, and closes when the window goes.
// Its file is checked whole on a thread of its own; what closes meanwhile is written once the
// check ends (into a new archive, when the check found the file damaged), at the latest when
// the window goes, and the history window asked for meanwhile shows then.
class HistoryCommand : public QObject {
    Q_OBJECT

public:
    HistoryCommand(QWidget& window, numerette::Calculator& calculator, numerette::SettingsStore& settings,
                   numerette::PagePrinter& printer, int hostTag);
    ~HistoryCommand() override;

    QAction* mnuHistorico() const { return m_open; }
    QMenu* mnuGuardarHistorico() const { return m_keep; }
    QAction* mnuHistoricoSempre() const { return m_forever; }
    QAction* mnuHistoricoDias() const { return m_days; }
    QAction* mnuHistoricoNao() const { return m_none; }

    void mnuHistorico_Click();
    HistoryWindow* historyWindow() const;
    // The archive, opened first (waiting for its check) if its opening is still due.
    numerette::history::TapeArchive& archive();
    numerette::history::ImportResult importBackup();

    // The three retention items; a shorter time that would delete days asks first.
    void keepForever();
    void keepDays(int days);
    void keepNone();
    void mnuHistoricoDias_Click();

private:
    void openIfDue();
    bool listHoldsCalculations() const;
    void openArchive();
    void openArchiveNow();
    void archiveChecked(const numerette::history::TapeArchive::Opening& checked);
    void removeExpired();
    void tell(const QString& text);
    void checkRetention();

    QWidget& m_window;
    numerette::Calculator& m_calculator;
    numerette::SettingsStore& m_settings;
    numerette::PagePrinter& m_printer;
    int m_hostTag;
    std::unique_ptr<numerette::history::TapeArchive> m_archive;
    numerette::history::ArchiveCheck* m_check;
    numerette::history::CalculationArchiver* m_archiver = nullptr;
    QPointer<HistoryWindow> m_historyWindow;
    QAction* m_open = nullptr;
    QMenu* m_keep = nullptr;
    QAction* m_forever = nullptr;
    QAction* m_days = nullptr;
    QAction* m_none = nullptr;
    // The archive is to open once the window has been painted, or when first needed before.
    bool m_openingDue = false;
    // Ctrl+H during the check: the history window shows once the archive is open.
    bool m_windowAsked = false;
    bool m_leaving = false;
};
