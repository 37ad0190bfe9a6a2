// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_positions.h"

#include <algorithm>

namespace numerette {
namespace {

constexpr QStringView LineBreak = u"\r\n";

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

int viewLength(QStringView list)
{
    return int(list.size() - list.count(LineBreak));
}

int viewPosition(QStringView list, int listPosition)
{
    listPosition = std::clamp(listPosition, 0, int(list.size()));
    return viewLength(list.left(listPosition));
}

int viewPositionFrom(QStringView list, int from, int fromView, int listPosition)
{
    listPosition = std::clamp(listPosition, 0, int(list.size()));
    const auto splitsBreak = [list](int at) {
        return at > 0 && at < list.size() && list.at(at - 1) == u'\r' && list.at(at) == u'\n';
    };
    // A CR LF that one end splits is one line break once both halves are passed.
    if (listPosition >= from) {
        const bool passesSplitBreak = splitsBreak(from) && from < listPosition;
        return fromView + viewLength(list.mid(from, listPosition - from)) - (passesSplitBreak ? 1 : 0);
    }
    return fromView - viewLength(list.mid(listPosition, from - listPosition)) + (splitsBreak(listPosition) ? 1 : 0);
}

int listPosition(QStringView list, int viewPosition)
{
    int position = 0;
    for (int shown = 0; shown < viewPosition && position < list.size(); ++shown)
        position += list.mid(position).startsWith(LineBreak) ? 2 : 1;
    return position;
}

std::optional<WordSpan> wordAt(QStringView line, int column)
{
    column = std::clamp(column, 0, int(line.size()));
    if (column == line.size() || isBlank(line.at(column))) {
        if (column == 0 || isBlank(line.at(column - 1)))
            return std::nullopt;
        --column;
    }
    int start = column;
    while (start > 0 && !isBlank(line.at(start - 1)))
        --start;
    int end = column;
    while (end < line.size() && !isBlank(line.at(end)))
        ++end;
    return WordSpan{start, end - start};
}

} // namespace numerette
