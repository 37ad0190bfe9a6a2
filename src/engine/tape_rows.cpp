// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_rows.h"

#include <optional>

#include <QRegularExpression>

namespace numerette {
namespace {

using tape::LineKind;

// The value as a spreadsheet reads it without being told the locale: no grouping, "." for
// decimals, no dangling separator; a duration stays hh:mm:ss. Nothing for a text that is
// neither, such as free text shaped like an item or a total line.
std::optional<QString> plainValue(const QString& shown, const NumberLocale& locale)
{
    static const QRegularExpression duration(QStringLiteral("^-?\\d{2,}:\\d{2}:\\d{2}$"));
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    if (duration.match(shown).hasMatch())
        return shown;
    if (!ValueOf(shown, locale))
        return std::nullopt;
    QString plain = QString(shown).remove(locale.group);
    plain.replace(locale.decimal, u'.');
    if (plain.endsWith(u'.'))
        plain.chop(1);
    return number.match(plain).hasMatch() ? std::optional(plain) : std::nullopt;
}

QString operatorText(QChar op)
{
    if (op == QChar(0x00D7))
        return QStringLiteral("*");
    if (op == QChar(0x00F7))
        return QStringLiteral("/");
    return QString(op);
}

// A count line's digits without their leading zeros, however many there are.
QString countValue(const QString& line)
{
    QString digits = line.trimmed();
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    return digits;
}

TapeRow rowOf(const tape::TapeLine& line, const NumberLocale& locale)
{
    TapeRow row{line.date, line.kind, {}, {}, {}};
    std::optional<QString> value;
    switch (line.kind) {
    case LineKind::Item:
        if (const auto parts = tape::itemParts(line.text)) {
            value = plainValue(parts->value, locale);
            row.op = operatorText(parts->op);
            row.label = parts->label;
        }
        break;
    case LineKind::Count:
        value = countValue(line.text);
        break;
    case LineKind::Total:
        value = plainValue(line.text.left(tape::ValueColumns).trimmed(), locale);
        row.op = line.text.right(1);
        break;
    case LineKind::Figure:
        if (const auto parts = tape::figureParts(line.text)) {
            value = plainValue(parts->value, locale);
            row.op = parts->mark;
        }
        break;
    default:
        row.label = line.text.trimmed();
        return row;
    }
    if (value) {
        row.value = *value;
        return row;
    }
    return TapeRow{line.date, LineKind::Text, {}, {}, line.text.trimmed()};
}

} // namespace

QList<TapeRow> tapeRows(const QString& list, tape::DateOrder order, const NumberLocale& locale, qsizetype from,
                        qsizetype to)
{
    if (to < 0)
        to = list.size();
    QList<TapeRow> rows;
    for (const tape::TapeLine& line : tape::readLines(list, order)) {
        if (line.kind == LineKind::Separator || line.kind == LineKind::Divider)
            continue;
        if (line.position >= to || line.position + line.text.size() + tape::LineBreak.size() <= from)
            continue;
        rows.append(rowOf(line, locale));
    }
    return rows;
}

QString kindName(LineKind kind)
{
    switch (kind) {
    case LineKind::Header: return QStringLiteral("header");
    case LineKind::Item: return QStringLiteral("item");
    case LineKind::Count: return QStringLiteral("count");
    case LineKind::Total: return QStringLiteral("total");
    case LineKind::Report: return QStringLiteral("report");
    case LineKind::Figure: return QStringLiteral("figure");
    default: return QStringLiteral("text");
    }
}

bool isDurationValue(const QString& value)
{
    return value.contains(u':');
}

} // namespace numerette
