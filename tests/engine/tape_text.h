// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Expected calculation lists written compactly, one line per "|"-separated token, so a
// table row reads like the paper tape:
//   "5.00 +", "8 T", "------------"   right-aligned in the 26 columns
//   "003"                              a count line: " ", the digits, 22 blanks
//   "==="                              (only "=") the separator
//   "09/12/2026 Wed"                   (holds "/") a date header: " ", the text, 11 blanks
// Every line gets `lineEnd`; an empty text stands for no lines.
QString tapeText(const QString& compact, const QString& lineEnd = QStringLiteral("\r\n"));

// A report of the interest tool as it stands in the list, between two separators: each label
// right-aligned in 26 columns, its amount on the next line right-aligned in 25 and followed by
// a blank; lines end with CR LF.
QString interestReport(const QStringList& labelsAndAmounts);
