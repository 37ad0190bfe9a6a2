// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QTime>

#include "calculation_list.h"
#include "number_text.h"

namespace numerette::history {

class TapeArchive;

// One record of the backup file: a cleared list and the time it was backed up.
struct BackupRecord {
    QString list;
    QTime time;  // invalid when the stamp line does not read as a time
};

// The records of a backup file's text, first to last. Line ends are read as CR LF whatever
// they became in an editor; text after the last stamp line (a record being written, or
// typed by hand) is no record.
QList<BackupRecord> backupRecords(const QString& text);

// The backup file's bytes as text: UTF-8, or Windows-1252's Latin-1 part for a file of older
// versions that is not valid UTF-8.
QString backupText(const QByteArray& bytes);

struct ImportResult {
    int added = 0;
    int alreadyThere = 0;
    QString error;  // why nothing could be added
};

// Adds the calculations of every record to the archive, each list read with the separators
// and date order it was written with (the fallbacks when it does not say), in one
// transaction. Calculations already in the archive (archived when they closed, or imported
// before) are not added again.
ImportResult importBackup(TapeArchive& archive, const QString& text, const NumberLocale& fallbackLocale,
                          tape::DateOrder fallbackOrder);

} // namespace numerette::history
