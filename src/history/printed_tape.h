// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QDate>
#include <QList>
#include <QString>

#include "archived_calculation.h"

namespace numerette::history {

// Archived calculations printed as one tape again: a date header and a separator whenever
// the day changes, then each calculation's lines as they were.
struct PrintedTape {
    QString text;
    QList<qsizetype> starts;  // where each calculation starts in text, in the order given
};
PrintedTape printedTape(const QList<ArchivedCalculation>& calculations, tape::DateOrder order,
                        const std::function<QString(QDate)>& weekdayName);

// The number of an item or total line of a tape written with this decimal separator;
// nothing for any other line.
std::optional<Decimal> lineAmount(QStringView line, QChar decimal);

} // namespace numerette::history
