// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_csv.h"

namespace numerette {
namespace {

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

} // namespace

QString tapeCsv(const QString& list, tape::DateOrder order, const NumberLocale& locale, qsizetype from, qsizetype to)
{
    QString csv = QStringLiteral("date,kind,value,operator,label\r\n");
    for (const TapeRow& row : tapeRows(list, order, locale, from, to)) {
        const QString date = row.date.isValid() ? row.date.toString(Qt::ISODate) : QString();
        csv += date + u',' + kindName(row.kind) + u',' + row.value + u',' + row.op + u',' + field(inertText(row.label))
            + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace numerette
