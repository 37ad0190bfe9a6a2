// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation_list.h"

#include <algorithm>

namespace numerette::tape {
namespace {

// The character n positions from the end (1 = the last one), or a null character when
// the text is shorter.
QChar fromEnd(const QString& text, int n)
{
    return n <= text.size() ? text.at(text.size() - n) : QChar();
}

std::optional<QString> spaces(qsizetype count)
{
    if (count < 0)
        return std::nullopt;
    return QString(count, QLatin1Char(' '));
}

} // namespace

std::optional<TailEdit> withItemLine(const QString& list, const QString& value, const QString& marker)
{
    const auto padding = spaces(ValueColumns - value.size());
    if (!padding)
        return std::nullopt;
    return appended(list, *padding + value + marker + LineBreak);
}

std::optional<TailEdit> withLastMarker(const QString& list, const QString& marker)
{
    if (list.size() < 4)
        return std::nullopt;
    return TailEdit{list.size() - 4, marker + LineBreak};
}

std::optional<TailEdit> withoutLastLine(const QString& list)
{
    if (list.size() < LineLength)
        return std::nullopt;
    return TailEdit{list.size() - LineLength, QString()};
}

std::optional<TailEdit> withLastLineLabel(const QString& list, const QString& label)
{
    const auto padding = spaces(LabelColumns - label.size());
    if (!padding || list.size() < 27)
        return std::nullopt;
    // Character by character, so the label keeps its width: QString::toUpper() turns "ß"
    // into "SS", which would push the line past the tape's columns.
    QString upper = label;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](QChar c) { return c.toUpper(); });
    return TailEdit{list.size() - 27, upper + *padding + list.right(15)};
}

TailEdit withSeparator(const QString& list)
{
    return appended(list, Separator + LineBreak);
}

TailEdit appended(const QString& list, const QString& text)
{
    return {list.size(), text};
}

qsizetype restoredTailStart(const QString& list)
{
    if (list.size() <= CapacityChars)
        return 0;
    // The line break before the first line that may start the tail belongs to the search.
    const qsizetype from = list.size() - CapacityChars;
    const qsizetype searchFrom = std::max<qsizetype>(0, from - LineBreak.size());
    const QString closedCalculation = LineBreak + Separator + LineBreak;
    const qsizetype separator = list.indexOf(closedCalculation, searchFrom);
    if (separator >= 0 && separator + closedCalculation.size() < list.size())
        return separator + closedCalculation.size();
    const qsizetype lineBreak = list.indexOf(LineBreak, searchFrom);
    return lineBreak >= 0 && lineBreak + LineBreak.size() < list.size() ? lineBreak + LineBreak.size() : from;
}

QString countLine(const QString& counter)
{
    return QLatin1Char(' ') + counter + QString(22, QLatin1Char(' '));
}

QString totalLine(const QString& total)
{
    const QString shown = total.left(MaxValueLength);
    const QString mark = total.size() < MaxValueLength ? QStringLiteral(" T") : QStringLiteral(" E");
    return QString(ValueColumns - shown.size(), QLatin1Char(' ')) + shown + mark;
}

QString figureLine(const QString& value, const QString& marker)
{
    const QString shown = value.left(MaxValueLength);
    return QString(ValueColumns - shown.size(), QLatin1Char(' ')) + shown + marker;
}

QString formatDate(QDate date, DateOrder order)
{
    return date.toString(order == DateOrder::DayMonthYear ? QStringLiteral("dd/MM/yyyy")
                                                         : QStringLiteral("MM/dd/yyyy"));
}

QString dateHeader(QDate date, DateOrder order, const QString& weekdayName)
{
    return QLatin1Char(' ') + formatDate(date, order) + QLatin1Char(' ') + weekdayName.left(3)
        + QString(11, QLatin1Char(' '));
}

bool isClosed(const QString& list)
{
    return fromEnd(list, 4) == QLatin1Char('T')
        || (fromEnd(list, 5) == QLatin1Char('=') && fromEnd(list, 4) == QLatin1Char('='));
}

bool endsWithSeparator(const QString& list)
{
    return list.size() >= 8 && QStringView(list).sliced(list.size() - 8, 6) == u"======";
}

bool isEditable(const QString& list)
{
    return list.endsWith(QStringLiteral("==\r\n"));
}

bool lastMarkerIsEquals(const QString& list)
{
    return fromEnd(list, 3) == QLatin1Char('=');
}

bool isTotalMarked(const QString& list)
{
    return fromEnd(list, 4) == QLatin1Char('T') || fromEnd(list, 4) == QLatin1Char('E');
}

bool isToolClosed(const QString& list)
{
    return fromEnd(list, 4) == QLatin1Char('=');
}

} // namespace numerette::tape
