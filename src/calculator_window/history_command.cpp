// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_command.h"

#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QDate>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "archive_check.h"
#include "archived_calculation.h"
#include "calculation_archiver.h"
#include "calculator.h"
#include "first_paint.h"
#include "history_window.h"
#include "list_files.h"
#include "menu_item.h"
#include "message_boxes.h"
#include "private_files.h"
#include "settings_store.h"
#include "tape_archive.h"

using numerette::SettingsStore;

namespace {

// Larger files are no backup this program wrote (it warns from 3.2 MB on).
constexpr qint64 MaxImportedBackupBytes = 256LL * 1024 * 1024;
const QString BackupImportedFact = QStringLiteral("backup-imported");

QString archivePath()
{
    return numerette::files::dataFilePath(QStringLiteral("numeret-history.sqlite"));
}

} // namespace

HistoryCommand::HistoryCommand(QWidget& window, numerette::Calculator& calculator, SettingsStore& settings,
                               numerette::PagePrinter& printer, int hostTag)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_settings(settings)
    , m_printer(printer)
    , m_hostTag(hostTag)
    , m_archive(std::make_unique<numerette::history::TapeArchive>())
    , m_check(new numerette::history::ArchiveCheck(this))
{
    connect(m_check, &numerette::history::ArchiveCheck::checked, this, &HistoryCommand::archiveChecked);
    m_open = newMenuItem(this, QStringLiteral("mnuHistorico"), tr("Tape &History..."), Qt::CTRL | Qt::Key_H);
    connect(m_open, &QAction::triggered, this, &HistoryCommand::mnuHistorico_Click);

    m_keep = newSubmenu(&window, QStringLiteral("mnuGuardarHistorico"), tr("&Keep Tape History"));
    auto* group = new QActionGroup(this);
    m_forever = newCheckItem(this, QStringLiteral("mnuHistoricoSempre"), tr("&Forever"));
    m_days = newCheckItem(this, QStringLiteral("mnuHistoricoDias"), tr("For a Number of &Days..."));
    m_none = newCheckItem(this, QStringLiteral("mnuHistoricoNao"), tr("&Not at All"));
    for (QAction* item : {m_forever, m_days, m_none})
        group->addAction(item);
    connect(m_forever, &QAction::triggered, this, &HistoryCommand::keepForever);
    connect(m_days, &QAction::triggered, this, &HistoryCommand::mnuHistoricoDias_Click);
    connect(m_none, &QAction::triggered, this, &HistoryCommand::keepNone);
    checkRetention();
    // Opening checks the whole file, which takes a noticeable time once it holds a year of
    // calculations: it waits until the window has been shown and painted, unless a
    // calculation closes, or a command needs the history, before.
    m_openingDue = m_settings.Historico() != 0;
    if (m_openingDue) {
        whenFirstPainted(m_window, this, [this] { openIfDue(); });
        connect(&m_calculator, &numerette::Calculator::calculationClosed, this, [this] {
            if (m_openingDue && listHoldsCalculations())
                openIfDue();
        });
    }
}

void HistoryCommand::openIfDue()
{
    if (!m_openingDue)
        return;
    m_openingDue = false;
    openArchive();
}

// A list cleared as the window loads (a list of another day) holds nothing to archive yet:
// the opening need not wait on it.
bool HistoryCommand::listHoldsCalculations() const
{
    numerette::history::TapeReading reading;
    reading.locale = m_calculator.numberLocale();
    reading.dateOrder = m_calculator.dateOrder();
    return !numerette::history::closedBlocks(m_calculator.list(), reading).isEmpty();
}

numerette::history::TapeArchive& HistoryCommand::archive()
{
    if (m_openingDue || m_check->isRunning())
        openArchiveNow();
    return *m_archive;
}

// Closing during the check: it is waited for, and what closed meanwhile is written, with
// nothing told any more.
HistoryCommand::~HistoryCommand()
{
    m_leaving = true;
    if (m_archiver)
        disconnect(m_archiver, nullptr, this, nullptr);
    m_check->finish();
}

HistoryWindow* HistoryCommand::historyWindow() const
{
    return m_historyWindow;
}

void HistoryCommand::checkRetention()
{
    const int days = m_settings.Historico();
    m_forever->setChecked(days == SettingsStore::KeepHistoryForever);
    m_none->setChecked(days == 0);
    m_days->setChecked(days > 0);
    m_days->setText(days > 0 ? tr("For &Days: %1...").arg(days) : tr("For a Number of &Days..."));
}

// Starts the check of the file; the archiver keeps what closes meanwhile, starting with what
// the list holds already (restored from the last run).
void HistoryCommand::openArchive()
{
    m_openingDue = false;
    if (m_archive->isOpen() || m_check->isRunning())
        return;
    const QString path = archivePath();
    if (path.isEmpty())
        return;
    m_archiver = new numerette::history::CalculationArchiver(m_calculator, *m_archive, m_hostTag, this);
    connect(m_archiver, &numerette::history::CalculationArchiver::archiveFailed, this, [this](const QString& error) {
        tell(tr("The calculation could not be kept in the tape history: %1\n\nThe calculation list and its backup "
                "work as before.")
                 .arg(error));
    });
    connect(m_archiver, &numerette::history::CalculationArchiver::archived, this, [this] {
        if (m_historyWindow)
            m_historyWindow->refresh();
    });
    m_archiver->hold();
    m_archiver->archiveClosedBlocks();
    m_check->start(path);
}

// For the commands that need the archive at once: waits for the check.
void HistoryCommand::openArchiveNow()
{
    openArchive();
    m_check->finish();
}

void HistoryCommand::archiveChecked(const numerette::history::TapeArchive::Opening& checked)
{
    const bool windowAsked = std::exchange(m_windowAsked, false);
    const QString path = m_check->path();
    numerette::history::TapeArchive::Opening opening = checked;
    if (checked.opened) {
        // Checked whole just now; what could happen to the file since shows at the schema's read.
        const auto reopening = m_archive->open(path, numerette::history::TapeArchive::Check::Skip);
        opening.opened = reopening.opened;
        opening.error = reopening.error;
        if (reopening.damaged) {
            opening.damaged = true;
            opening.keptAs = reopening.keptAs;
        }
    }
    if (opening.damaged)
        tell(tr("The tape history could not be read; it was kept as %1 and a new one started.")
                 .arg(opening.keptAs.isEmpty() ? path : opening.keptAs));
    if (!opening.opened) {
        tell(tr("The tape history cannot be kept: %1\n\nThe calculation list and its backup work as before.")
                 .arg(opening.error));
        delete m_archiver;
        m_archiver = nullptr;
        return;
    }
    // Once the window has loaded: a list restored from another day has been backed up by
    // then, and comes in with the rest of the file.
    if (m_hostTag == 1 && !m_leaving && m_archive->fact(BackupImportedFact).isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            if (m_archive->isOpen() && m_archive->fact(BackupImportedFact).isEmpty() && importBackup().error.isEmpty()) {
                m_archive->setFact(BackupImportedFact, QDate::currentDate().toString(Qt::ISODate));
                // The history window may have opened the archive, and shown it before this.
                if (m_historyWindow)
                    m_historyWindow->refresh();
            }
        });
    }
    removeExpired();
    m_archiver->release();
    if (windowAsked && !m_leaving)
        mnuHistorico_Click();
}

numerette::history::ImportResult HistoryCommand::importBackup()
{
    numerette::history::ImportResult result;
    QString error;
    const auto bytes = numerette::files::readRegularFile(numerette::backupFilePath(), MaxImportedBackupBytes, &error);
    if (!bytes) {
        result.error = error;
        return result;
    }
    return numerette::history::importBackup(*m_archive, numerette::history::backupText(*bytes),
                                            m_calculator.numberLocale(), m_calculator.dateOrder());
}

void HistoryCommand::removeExpired()
{
    const int days = m_settings.Historico();
    if (days > 0 && m_archive->isOpen())
        m_archive->removeBefore(QDate::currentDate().addDays(1 - days));
}

// Told without waiting and without holding the keys: the calculator goes on while the
// message is up, and a message of the calculator's own (a failed save) stays its own.
void HistoryCommand::tell(const QString& text)
{
    if (m_leaving)
        return;
    if (m_historyWindow)
        m_historyWindow->tell(text);
    auto* box = new QMessageBox(QMessageBox::Warning, QLatin1Char(' ') + tr("Tape History"), text, QMessageBox::Ok,
                                &m_window);
    box->setObjectName(QStringLiteral("msgHistorico"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QTimer::singleShot(0, box, [box] { box->show(); });
}

void HistoryCommand::mnuHistorico_Click()
{
    openIfDue();
    if (m_check->isRunning()) {
        m_windowAsked = true;
        return;
    }
    if (!m_archive->isOpen()) {
        numerette::message_boxes::show(&m_window, QMessageBox::Information,
                                       m_settings.Historico() == 0
                                           ? tr("The tape history is switched off (Settings, Keep Tape History).")
                                           : tr("The tape history could not be opened."));
        return;
    }
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow({*m_archive, m_calculator, m_settings, m_printer, [this] { return importBackup(); }},
                                            &m_window);
        m_historyWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_historyWindow->setWindowFlag(Qt::Window);
    }
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void HistoryCommand::keepForever()
{
    m_settings.setHistorico(SettingsStore::KeepHistoryForever);
    checkRetention();
    openArchiveNow();
}

void HistoryCommand::mnuHistoricoDias_Click()
{
    const int current = m_settings.Historico();
    const QString answer = numerette::message_boxes::inputBox(
        &m_window, QStringLiteral(" Numerette"), tr("Keep the tape history for how many days? (1 to %1)").arg(SettingsStore::MaxHistoryDays),
        QString::number(current > 0 ? current : 365));
    bool ok = false;
    const int days = answer.trimmed().toInt(&ok);
    if (!ok || days < 1 || days > SettingsStore::MaxHistoryDays) {
        checkRetention();
        return;
    }
    keepDays(days);
}

void HistoryCommand::keepDays(int days)
{
    openArchiveNow();
    const QDate first = QDate::currentDate().addDays(1 - days);
    const auto older = m_archive->isOpen() ? m_archive->days() : QList<numerette::history::ArchivedDay>();
    const bool deletes = !older.isEmpty() && older.constLast().day < first;
    if (deletes
        && !numerette::message_boxes::askYesNo(
            &m_window, tr("The calculations from before %1 will be deleted from the tape history. Go on?")
                           .arg(QLocale().toString(first, QLocale::ShortFormat)),
            QMessageBox::Warning, QMessageBox::No)) {
        checkRetention();
        return;
    }
    m_settings.setHistorico(days);
    checkRetention();
    removeExpired();
    if (m_historyWindow)
        m_historyWindow->refresh();
}

// Nothing more is archived; what the history holds stays until the user deletes it.
void HistoryCommand::keepNone()
{
    // What closed while the history was kept is written before it stops.
    m_windowAsked = false;
    m_check->finish();
    m_settings.setHistorico(0);
    m_openingDue = false;
    checkRetention();
    if (m_historyWindow)
        m_historyWindow->close();
    delete m_archiver;
    m_archiver = nullptr;
    m_archive->close();
}
