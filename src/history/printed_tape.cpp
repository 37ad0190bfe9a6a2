// SPDX-License-Identifier: GPL-3.0-or-later
#include "printed_tape.h"

#include "tape_lines.h"

namespace numerette::history {

PrintedTape printedTape(const QList<ArchivedCalculation>& calculations, tape::DateOrder order,
                        const std::function<QString(QDate)>& weekdayName)
{
    PrintedTape printed;
    QDate day;
    for (const ArchivedCalculation& calculation : calculations) {
        if (calculation.day != day || printed.text.isEmpty()) {
            day = calculation.day;
            printed.text += tape::dateHeader(day, order, weekdayName(day)) + tape::LineBreak + tape::Separator
                + tape::LineBreak;
        }
        printed.starts.append(printed.text.size());
        printed.text += calculation.text;
    }
    return printed;
}

std::optional<Decimal> lineAmount(QStringView line, QChar decimal)
{
    const NumberLocale locale = NumberLocale::withDecimal(decimal).withThousandsGrouping();
    if (const auto parts = tape::itemParts(line))
        return ValueOf(parts->value, locale);
    if (line.size() == tape::TapeColumns && (line.endsWith(u" T") || line.endsWith(u" E")))
        return ValueOf(line.left(tape::ValueColumns), locale);
    return std::nullopt;
}

} // namespace numerette::history
