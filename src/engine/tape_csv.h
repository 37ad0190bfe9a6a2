// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "tape_rows.h"

namespace numerette {

// The calculation list as comma-separated values (RFC 4180: CR LF row ends, fields quoted
// when they hold a comma, a quote or a line break): a heading row, then the rows of
// tapeRows as date (ISO), kind, value, operator and label. A label that starts like a
// spreadsheet formula keeps a leading blank so that it opens as text; the value column
// holds only plain numbers and durations, so nothing in the file opens as a formula.
QString tapeCsv(const QString& list, tape::DateOrder order, const NumberLocale& locale, qsizetype from = 0,
                qsizetype to = -1);

} // namespace numerette
