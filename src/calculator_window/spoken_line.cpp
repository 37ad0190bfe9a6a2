// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_line.h"

using numerette::tape::DateOrder;
using numerette::tape::LineKind;

namespace {

// The list's line that ends just before `end` (a line start), without its line break.
QStringView lineBefore(const QString& list, qsizetype end)
{
    qsizetype lineEnd = end;
    while (lineEnd > 0 && (list.at(lineEnd - 1) == u'\n' || list.at(lineEnd - 1) == u'\r'))
        --lineEnd;
    if (lineEnd <= 0)
        return {};
    const qsizetype start = numerette::tape::lineStartAt(list, lineEnd - 1);
    return QStringView(list).mid(start, lineEnd - start);
}

} // namespace

// A line of the business keys: what the figure is, then the figure.
QString SpokenLine::figureWords(const numerette::tape::FigureParts& figure)
{
    namespace marker = numerette::tape::marker;
    const QChar mark = figure.mark;
    QString word;
    if (mark == marker::GrandTotal.back())
        word = tr("Grand total");
    else if (mark == marker::Net.back())
        word = tr("Net");
    else if (mark == marker::Tax.back())
        word = tr("Tax");
    else if (mark == marker::Gross.back())
        word = tr("Gross");
    else if (mark == marker::Cost.back())
        word = tr("Cost");
    else if (mark == marker::Margin.back())
        //: Spoken before the margin in percent of the selling price
        word = tr("Margin percent");
    else if (mark == marker::Sell.back())
        word = tr("Selling price");
    else
        word = tr("Profit");
    return word + QLatin1Char(' ') + figure.value;
}

QString SpokenLine::of(QStringView line, DateOrder order)
{
    switch (numerette::tape::lineShape(line, order)) {
    case LineKind::Item: {
        const auto item = numerette::tape::itemParts(line);
        QString word;
        switch (item->op.unicode()) {
        case u'+':
            word = tr("plus");
            break;
        case u'-':
            word = tr("minus");
            break;
        case 0x00D7:
            word = tr("times");
            break;
        case 0x00F7:
            word = tr("divided by");
            break;
        case u'%':
            word = tr("percent");
            break;
        default:
            word = tr("equals");
            break;
        }
        const QString spoken = item->value + QLatin1Char(' ') + word;
        return item->label.isEmpty() ? spoken : item->label + QLatin1Char(' ') + spoken;
    }
    case LineKind::Total:
        return tr("Total %1").arg(line.left(numerette::tape::ValueColumns).trimmed());
    case LineKind::Count:
        //: The count line of a closed calculation; %1 is its number of items
        return tr("Items: %1").arg(line.trimmed().toInt());
    case LineKind::Figure:
        return figureWords(*numerette::tape::figureParts(line));
    case LineKind::Separator:
        return tr("End of calculation");
    default:
        return line.trimmed().toString();
    }
}

QString SpokenLine::ofListEnd(const QString& list, DateOrder order)
{
    QStringView last = lineBefore(list, list.size());
    if (numerette::tape::lineShape(last, order) == LineKind::Separator) {
        const qsizetype lastStart = last.data() - list.constData();
        const QStringView total = lineBefore(list, lastStart);
        // A separator below anything else (a new day's date) closes no calculation.
        return numerette::tape::lineShape(total, order) == LineKind::Total ? of(total, order) : QString();
    }
    return last.isEmpty() ? QString() : of(last, order);
}
