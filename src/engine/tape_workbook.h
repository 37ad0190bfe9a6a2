// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "tape_rows.h"

namespace numerette {

// The rows as an Office Open XML workbook (.xlsx) of one sheet, with the CSV's heading row
// and columns: dates are dates shown as yyyy-mm-dd, values are numbers shown with grouping
// and the decimals the tape shows them with (durations as [hh]:mm:ss), the other cells are
// text, never formulas. The file stores numbers and formats without a locale, so the
// spreadsheet shows them with its own separators. Empty when the workbook could not be made;
// error (when given) then says why.
QByteArray tapeWorkbook(const QList<TapeRow>& rows, QString* error = nullptr);

} // namespace numerette
