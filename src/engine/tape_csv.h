// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "calculation_list.h"
#include "number_text.h"

namespace numerette {

// The calculation list as comma-separated values (RFC 4180: CR LF row ends, fields quoted
// when they hold a comma, a quote or a line break), one row per line of the tape after a
// heading row: date (ISO, from the date header above the line), kind (header, item, count,
// total, text, report), value (a plain number with "." decimals, a duration as hh:mm:ss),
// operator (+ - * / % = for items, T or E for totals) and label (an item's label, the text
// of other lines; one that starts like a spreadsheet formula keeps a leading blank so that
// it opens as text). Separators and dividers only draw the tape and get no row. Numbers are
// read with `locale`, the separators the list was written with. With a range, only the
// lines that overlap the list positions [from, to) get rows; they are read in the context of
// the whole list, so a selection keeps its dates and kinds.
QString tapeCsv(const QString& list, tape::DateOrder order, const NumberLocale& locale, qsizetype from = 0,
                qsizetype to = -1);

} // namespace numerette
