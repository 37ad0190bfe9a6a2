// SPDX-License-Identifier: GPL-3.0-or-later
#include "state_file.h"

#include <algorithm>
#include <array>

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

#include "private_files.h"

namespace numerette {

namespace {

constexpr qsizetype FieldCount = 7;
// Past this many damaged copies side by side, a new damaged file stays where it is.
constexpr int MaxDamagedCopies = 999;

QString dateFormat(tape::DateOrder order)
{
    return order == tape::DateOrder::DayMonthYear ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy");
}

QString quoted(const QString& field)
{
    return QLatin1Char('"') + QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

// Seven quoted fields separated by commas; after the last one only CR LF or nothing.
std::optional<QStringList> parseRecord(QStringView text)
{
    QStringList fields;
    qsizetype at = 0;
    while (fields.size() < FieldCount) {
        if (!fields.isEmpty() && (at >= text.size() || text[at++] != u','))
            return std::nullopt;
        if (at >= text.size() || text[at++] != u'"')
            return std::nullopt;
        QString field;
        for (;;) {
            const qsizetype quote = text.indexOf(u'"', at);
            if (quote < 0)
                return std::nullopt;
            field += text.sliced(at, quote - at);
            at = quote + 1;
            if (at < text.size() && text[at] == u'"') {
                field += u'"';
                ++at;
            } else {
                break;
            }
        }
        fields.append(field);
    }
    const QStringView rest = text.sliced(at);
    if (!rest.isEmpty() && rest != u"\r\n")
        return std::nullopt;
    return fields;
}

std::optional<CalculatorStateRecord> parseFile(QFile& file, tape::DateOrder order)
{
    if (!files::openRegularFile(file) || file.size() > MaxStateFileBytes)
        return std::nullopt;
    // One byte more than the file holds shows a file that grew past the limit meanwhile;
    // asking for no more than that keeps a small file from costing a buffer of the limit's size.
    const QByteArray bytes = file.read(std::min<qint64>(file.size(), MaxStateFileBytes) + 1);
    if (bytes.size() > MaxStateFileBytes)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    const std::optional<QStringList> fields = parseRecord(text);
    if (!fields)
        return std::nullopt;
    const QStringList& f = *fields;
    return CalculatorStateRecord{QDate::fromString(f[0], dateFormat(order)), f[1], f[2], f[3], f[4], f[5], f[6]};
}

} // namespace

QString stateFilePath(int hostTag)
{
    return files::dataFilePath(QStringLiteral("numeret") + QString::number(hostTag) + QStringLiteral(".fita"));
}

// The rename refuses to replace a file that exists, so no earlier copy is ever lost.
QString keepAside(const QString& path)
{
    for (int copy = 1; copy <= MaxDamagedCopies; ++copy) {
        const QString aside = path + QStringLiteral(".damaged")
            + (copy == 1 ? QString() : QLatin1Char('.') + QString::number(copy));
        if (QFile::rename(path, aside))
            return aside;
        if (!QFileInfo::exists(aside) && !QFileInfo(aside).isSymLink())
            return {};
    }
    return {};
}

StateFileContents loadStateFile(const QString& path, tape::DateOrder order)
{
    // A dangling link is something there too, not a missing file.
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {};
    QFile file(path);
    std::optional<CalculatorStateRecord> record = parseFile(file, order);
    file.close();
    if (record)
        return {std::move(record), false, QString()};
    return {std::nullopt, true, keepAside(path)};
}

std::optional<CalculatorStateRecord> readStateFile(const QString& path, tape::DateOrder order)
{
    return loadStateFile(path, order).record;
}

bool writeStateFile(const QString& path, const CalculatorStateRecord& record, tape::DateOrder order, QString* error)
{
    const std::array fields{record.date.toString(dateFormat(order)), record.list, record.total,
                            record.pendingOperator, record.entry, record.display, record.counter};
    QStringList quotedFields;
    for (const QString& field : fields)
        quotedFields.append(quoted(field));
    return files::replaceFile(path, (quotedFields.join(QLatin1Char(',')) + QStringLiteral("\r\n")).toUtf8(), error);
}

} // namespace numerette
