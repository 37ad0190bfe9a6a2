// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup_import.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include "archived_calculation.h"
#include "tape_archive.h"

namespace numerette::history {

QList<BackupRecord> backupRecords(const QString& text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), tape::LineBreak);
    // The closing separator, the blank line, the stamp, the blank line and the final separator.
    static const QRegularExpression stamp(QStringLiteral(" ={25}\\r\\n\\r\\n {8}BKP = (\\d{2}:\\d{2}:\\d{2}) hs\\.\\r\\n"
                                                         "\\r\\n ={25}\\r\\n"));
    QList<BackupRecord> records;
    qsizetype start = 0;
    for (auto it = stamp.globalMatch(normalized); it.hasNext();) {
        const auto match = it.next();
        records.append({normalized.mid(start, match.capturedStart() - start),
                        QTime::fromString(match.captured(1), QStringLiteral("HH:mm:ss"))});
        start = match.capturedEnd();
    }
    return records;
}

QString backupText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

ImportResult importBackup(TapeArchive& archive, const QString& text, const NumberLocale& fallbackLocale,
                          tape::DateOrder fallbackOrder)
{
    ImportResult result;
    QList<ArchivedCalculation> all;
    for (const BackupRecord& record : backupRecords(text)) {
        TapeReading reading;
        reading.locale = separatorsOfTape(record.list, fallbackLocale);
        reading.dateOrder = dateOrderOfTape(record.list, fallbackOrder);
        QList<ArchivedCalculation> blocks = closedBlocks(record.list, reading);
        // A block with no date header above it has no day to be kept under.
        blocks.removeIf([](const ArchivedCalculation& block) { return !block.day.isValid(); });
        for (ArchivedCalculation& block : blocks)
            block.closedAt = QDateTime(block.day, record.time.isValid() ? record.time : QTime(0, 0));
        all += blocks;
    }
    // One transaction: the file is in the archive whole or not at all.
    const std::optional<int> added = archive.merge(all, &result.error);
    if (!added)
        return result;
    result.added = *added;
    result.alreadyThere = int(all.size()) - *added;
    return result;
}

} // namespace numerette::history
