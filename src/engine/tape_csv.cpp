// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_csv.h"

#include "tape_lines.h"

namespace numerette {
namespace {

using tape::LineKind;

QString kindName(LineKind kind)
{
    switch (kind) {
    case LineKind::Header: return QStringLiteral("header");
    case LineKind::Item: return QStringLiteral("item");
    case LineKind::Count: return QStringLiteral("count");
    case LineKind::Total: return QStringLiteral("total");
    case LineKind::Report: return QStringLiteral("report");
    default: return QStringLiteral("text");
    }
}

// A text a spreadsheet would take for a formula (=, +, -, @ first) keeps a leading blank,
// as the tape shows it, so that it stays text when the file is opened.
QString inertText(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@");
    return !text.isEmpty() && formulaStarts.contains(text.front()) ? u' ' + text : text;
}

QString field(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

// The value as a spreadsheet reads it without being told the locale: no grouping, "." for
// decimals, no dangling separator. A duration stays hh:mm:ss; anything else is kept as shown.
QString plainValue(const QString& shown, const NumberLocale& locale)
{
    if (shown.contains(u':') || !ValueOf(shown, locale))
        return shown;
    QString plain = QString(shown).remove(locale.group);
    plain.replace(locale.decimal, u'.');
    if (plain.endsWith(u'.'))
        plain.chop(1);
    return plain;
}

QString operatorText(QChar op)
{
    if (op == QChar(0x00D7))
        return QStringLiteral("*");
    if (op == QChar(0x00F7))
        return QStringLiteral("/");
    return QString(op);
}

} // namespace

QString tapeCsv(const QString& list, tape::DateOrder order, const NumberLocale& locale, qsizetype from, qsizetype to)
{
    if (to < 0)
        to = list.size();
    QString csv = QStringLiteral("date,kind,value,operator,label\r\n");
    for (const tape::TapeLine& line : tape::readLines(list, order)) {
        if (line.kind == LineKind::Separator || line.kind == LineKind::Divider)
            continue;
        if (line.position >= to || line.position + line.text.size() + tape::LineBreak.size() <= from)
            continue;
        QString value, op, label;
        switch (line.kind) {
        case LineKind::Item:
            if (const auto parts = tape::itemParts(line.text)) {
                value = plainValue(parts->value, locale);
                op = operatorText(parts->op);
                label = inertText(parts->label);
            }
            break;
        case LineKind::Count:
            value = QString::number(line.text.trimmed().toLongLong());
            break;
        case LineKind::Total:
            value = plainValue(line.text.left(tape::ValueColumns).trimmed(), locale);
            op = line.text.right(1);
            break;
        default:
            label = inertText(line.text.trimmed());
            break;
        }
        const QString date = line.date.isValid() ? line.date.toString(Qt::ISODate) : QString();
        csv += field(date) + u',' + kindName(line.kind) + u',' + field(value) + u',' + field(op) + u','
            + field(label) + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace numerette
