// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_commands.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QTime>
#include <QTimer>

#include "calculator.h"
#include "list_files.h"
#include "menu_item.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "private_files.h"
#include "settings_store.h"

using numerette::Calculator;
using numerette::LoadMessage;
using numerette::Message;
using numerette::SettingsStore;
namespace message_boxes = numerette::message_boxes;

namespace {

// The clear key as the keyboard has it (Delete).
constexpr int ClearKey = 46;

// Message 172 names the backup file; the catalogue's text carries a placeholder path
// after its first paragraph, replaced here by the file that could not be opened.
QString cannotOpenMessage(const QString& path)
{
    const QString text = LoadMessage(Message::BackupOpenError);
    return text.left(text.indexOf(numerette::DoubleBreak)) + numerette::DoubleBreak + QDir::toNativeSeparators(path);
}

} // namespace

ListCommands::ListCommands(QWidget& window, Calculator& calculator, SettingsStore& settings)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_settings(settings)
    , m_save(newMenuItem(this, QStringLiteral("mnuSalvar"), tr("Save in &File"), Qt::CTRL | Qt::Key_S))
    , m_backup(newCheckItem(this, QStringLiteral("mnuBackup"), tr("&Backup When Clean")))
    , m_showBackup(newMenuItem(this, QStringLiteral("mnuMostraBack"), tr("Show Bac&kup"), Qt::CTRL | Qt::Key_K))
{
    connect(m_save, &QAction::triggered, this, &ListCommands::mnuSalvar_Click);
    m_backup->setChecked(true);
    connect(m_showBackup, &QAction::triggered, this, &ListCommands::mnuMostraBack_Click);
}

bool ListCommands::backupWhenClearing() const
{
    return m_backup->isChecked();
}

void ListCommands::setBackupWhenClearing(bool on)
{
    m_backup->setChecked(on);
}

bool ListCommands::backUpList(const QString& list)
{
    if (!m_backup->isChecked())
        return true;
    const QString path = numerette::backupFilePath();
    const numerette::BackupResult result = numerette::backUpList(list, QTime::currentTime(), path);
    if (!result.error.isEmpty()) {
        // A clear at start-up runs before the window is up: the message waits for it.
        const QString text = cannotOpenMessage(path) + numerette::DoubleBreak + result.error + numerette::DoubleBreak
            + tr("The list was not cleared, so nothing of it is lost.");
        if (m_window.isVisible())
            message_boxes::show(&m_window, QMessageBox::Critical, text);
        else
            QTimer::singleShot(0, &m_window,
                               [this, text] { message_boxes::show(&m_window, QMessageBox::Critical, text); });
        return false;
    }
    if (!result.tooLarge || !m_window.isVisible())
        return true;
    message_boxes::show(&m_window, QMessageBox::Warning, LoadMessage(Message::BackupTooLarge));
    // The message box took the clear key's key-up; released before Show backup minimizes
    // the window, which passes no key-up to the calculator while minimized (or maximized).
    if (!m_window.isMinimized() && !m_window.isMaximized())
        m_calculator.Form_KeyUp(ClearKey);
    mnuMostraBack_Click();
    return true;
}

QString ListCommands::keepList(const QString& list)
{
    const QString path = m_backup->isChecked() ? numerette::backupFilePath()
                                               : numerette::files::dataFilePath(QStringLiteral("numeret-kept.txt"));
    return numerette::backUpList(list, QTime::currentTime(), path).appended ? path : QString();
}

bool ListCommands::keepErasedList(const QString& list)
{
    const QString keptIn = keepList(list);
    if (keptIn.isEmpty()) {
        message_boxes::show(&m_window, QMessageBox::Warning,
                            tr("The calculations could not be kept in a file, so the list was not erased."));
        return false;
    }
    message_boxes::show(&m_window, QMessageBox::Information,
                        tr("The erased calculations were kept in the file:") + QStringLiteral("\r\n")
                            + QDir::toNativeSeparators(keptIn));
    return true;
}

void ListCommands::mnuSalvar_Click()
{
    QFileDialog dialog(&m_window, QLatin1Char(' ') + LoadMessage(Message::SaveInFile));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    //: File type in the save dialog; keep the pattern in parentheses as it is.
    dialog.setNameFilter(tr("Text Document (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(numerette::saveDialogStartPath(m_settings.UltimoArq(), m_settings.UltimoPath()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) {
        message_boxes::show(&m_window, QMessageBox::Critical, LoadMessage(Message::InvalidData));
        return;
    }
    saveListAs(chosen.constFirst());
}

bool ListCommands::saveListAs(const QString& path)
{
    QString error;
    if (!numerette::saveListToFile(path, m_calculator.list(), &error)) {
        message_boxes::show(&m_window, QMessageBox::Critical,
                            LoadMessage(Message::InvalidData) + numerette::DoubleBreak
                                + QDir::toNativeSeparators(path) + numerette::DoubleBreak + error);
        return false;
    }
    m_settings.setUltimoArq(path);
    m_settings.setUltimoPath(numerette::folderOfSavedFile(path));
    return true;
}

void ListCommands::mnuMostraBack_Click()
{
    const QString path = numerette::backupFilePath();
    switch (numerette::showBackup(path)) {
    case numerette::ShowBackupResult::Opened:
        m_window.showMinimized();
        break;
    case numerette::ShowBackupResult::NoBackup:
        message_boxes::show(&m_window, QMessageBox::Information, LoadMessage(Message::NoBackup));
        break;
    case numerette::ShowBackupResult::CannotOpen:
        message_boxes::show(&m_window, QMessageBox::Critical, cannotOpenMessage(path));
        break;
    }
}
