// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_text.h"

#include <algorithm>

#include <QStringList>

QString tapeText(const QString& compact, const QString& lineEnd)
{
    if (compact.isEmpty())
        return {};
    QString text;
    for (const QString& token : compact.split(u'|')) {
        const bool digitsOnly
            = !token.isEmpty() && std::all_of(token.cbegin(), token.cend(), [](QChar c) { return c.isDigit(); });
        if (digitsOnly)
            text += u' ' + token + QString(22, u' ');
        else if (token.count(u'=') == token.size())
            text += u' ' + QString(25, u'=');
        else if (token.contains(u'/'))
            text += u' ' + token + QString(11, u' ');
        else
            text += token.rightJustified(26);
        text += lineEnd;
    }
    return text;
}

QString interestReport(const QStringList& labelsAndAmounts)
{
    const QString lineBreak = QStringLiteral("\r\n");
    const QString separator = u' ' + QString(25, u'=') + lineBreak;
    QString text = separator;
    for (qsizetype i = 0; i + 1 < labelsAndAmounts.size(); i += 2)
        text += labelsAndAmounts[i].rightJustified(26) + lineBreak + labelsAndAmounts[i + 1].rightJustified(25) + u' '
            + lineBreak;
    return text + separator;
}
