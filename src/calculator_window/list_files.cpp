// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "message_catalogue.h"
#include "private_files.h"

namespace numerette {

QString backupFilePath()
{
    return files::dataFilePath(QStringLiteral("numeret.txt"));
}

BackupResult backUpList(const QString& list, QTime time, const QString& path)
{
    if (list.size() < MinimumBackupListLength)
        return {};
    // Every line of the list ends with CR LF; text edited by hand may lack the last one.
    const QString ending = list.endsWith(tape::LineBreak) ? QString() : tape::LineBreak;
    const QString stamp = ending + tape::Separator + tape::LineBreak + tape::LineBreak + QString(8, u' ')
        //: Heading of a list appended to the backup file, after 8 spaces; %1 is the time as 8 characters
        //: (hh:mm:ss). BKP abbreviates "backup", "hs." "hours". At most 18 columns with the time filled in.
        + QCoreApplication::translate("BackupRecord", "BKP = %1 hs.").arg(time.toString(QStringLiteral("HH:mm:ss")))
        + tape::LineBreak + tape::LineBreak + tape::Separator + tape::LineBreak;
    // The list is encoded as it is, not first joined with the stamp: a long list is then held
    // once as text and once as bytes, never twice as text.
    QByteArray record = list.toUtf8();
    record += stamp.toUtf8();
    BackupResult result;
    result.appended = files::appendToFile(path, record, &result.error);
    result.tooLarge = result.appended && QFileInfo(path).size() >= BackupWarningBytes;
    return result;
}

ShowBackupResult showBackup(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return ShowBackupResult::NoBackup;
    if (!file.isFile() || !file.isReadable() || OpenDocument(path) < 3)
        return ShowBackupResult::CannotOpen;
    return ShowBackupResult::Opened;
}

bool saveListToFile(const QString& path, const QString& list, QString* error)
{
    return files::replaceFile(path, (list + tape::LineBreak).toUtf8(), error);
}

QString saveDialogStartPath(const QString& ultimoArq, const QString& ultimoPath)
{
    const QFileInfo last(ultimoArq);
    const QString name = last.fileName().isEmpty() ? QStringLiteral("Numeret.txt") : last.fileName();
    const QStringList folders{ultimoPath, last.isAbsolute() ? last.absolutePath() : QString(),
                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return QDir(folder).filePath(name);
    }
    return QDir::home().filePath(name);
}

QString folderOfSavedFile(const QString& path)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('/');
}

} // namespace numerette
