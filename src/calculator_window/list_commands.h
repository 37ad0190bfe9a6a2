// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class Calculator;
class SettingsStore;
}
class QAction;
class QWidget;

// The commands of "Calculation &List" that keep the list: "Save in &File" (`mnuSalvar`),
// "&Backup When Clean" (`mnuBackup`, a check the clear-list command reads) and
// "Show Bac&kup" (`mnuMostraBack`). Clearing itself is the calculator's `mnuLimpar`, which
// comes here for its backup step.
class ListCommands : public QObject {
    Q_OBJECT

public:
    ListCommands(QWidget& window, numerette::Calculator& calculator, numerette::SettingsStore& settings);

    QAction* mnuSalvar() const { return m_save; }
    QAction* mnuBackup() const { return m_backup; }
    QAction* mnuMostraBack() const { return m_showBackup; }

    bool backupWhenClearing() const;
    void setBackupWhenClearing(bool on);

    // The backup step of clearing the list: when "Backup When Clean" is checked, appends
    // the list to the backup file; a file grown too large is shown to the user (only while
    // the window is visible).
    // True when the list may go: backed up, or no backup wanted; false (and told) when the
    // backup failed, and the list must stay.
    bool backUpList(const QString& list);
    // Keeps a list about to be lost whatever "Backup When Clean" says: in the backup file
    // when it is checked, otherwise in numeret-kept.txt beside it. The file it went to, or
    // nothing when it could not be written.
    QString keepList(const QString& list);
    // The erase of a full list: kept as above, and the user told where; false (and told so)
    // when it could not be kept, and the list must then stay.
    bool keepErasedList(const QString& list);

    void mnuSalvar_Click();
    // The save once a path is chosen: writes the list, then remembers the path for the next
    // save. Message 30 when the file could not be written. Returns whether it was.
    bool saveListAs(const QString& path);
    void mnuMostraBack_Click();

private:
    QWidget& m_window;
    numerette::Calculator& m_calculator;
    numerette::SettingsStore& m_settings;
    QAction* m_save;
    QAction* m_backup;
    QAction* m_showBackup;
};
