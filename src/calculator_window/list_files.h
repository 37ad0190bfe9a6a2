// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>

#include "calculation_list.h"

// The files the calculation list goes to: the backup file, appended to whenever the list
// is cleared with backup on, and text files the user saves it in.
namespace numerette {

// A list holds more than its date header and separator (two lines of 28 characters with
// their CR LF) from this length on; a shorter one is not worth a backup record.
constexpr qsizetype MinimumBackupListLength = 2 * tape::LineLength + 1;
// From this size on the backup file is too large and the user is asked to trim it.
constexpr qint64 BackupWarningBytes = 3'200'001;

// numeret.txt in the per-user data folder, which this creates when missing.
QString backupFilePath();

struct BackupResult {
    bool appended = false;  // a record was written
    bool tooLarge = false;  // message 173 is due (when the window is visible)
    QString error;          // why a record that was due could not be written
};

// The backup step of clearing the list, for a list worth keeping (MinimumBackupListLength
// characters or more): appends the list, a separator, a stamp line with the time and a
// closing separator to the file in UTF-8, creating it user-only when missing. A shorter
// list writes nothing. Only a regular file is appended to: anything else at the path (a
// FIFO, a device) is refused at once, never waited on.
BackupResult backUpList(const QString& list, QTime time, const QString& path);

// Show backup: the number of the message due, or Opened when the editor has the file.
enum class ShowBackupResult { Opened = 0, NoBackup = 171, CannotOpen = 172 };
ShowBackupResult showBackup(const QString& path);

// Writes the list and CR LF to path in UTF-8 through a new file and a rename, so a failed
// save leaves an older file whole. A new file is readable by its owner only. False when
// anything failed (message 30), and error (when given) says why.
bool saveListToFile(const QString& path, const QString& list, QString* error = nullptr);

// Where the save dialog starts, from the settings UltimoArq and UltimoPath: the last file
// name in the last folder; a folder that no longer exists gives way to the documents folder.
QString saveDialogStartPath(const QString& ultimoArq, const QString& ultimoPath);

// What UltimoPath stores after a save to path: its folder, ending in "/".
QString folderOfSavedFile(const QString& path);

} // namespace numerette
