// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDate>
#include <QString>

namespace numerette {

// The calculation list is one text of 26-column lines, each ended by CR LF: a value
// right-aligned in 24 columns and a two-character marker. These functions build and
// test it; every writer appends whole lines, so the tail tests read fixed positions.
namespace tape {

constexpr int TapeColumns = 26;
constexpr int ValueColumns = 24;
constexpr int LineLength = TapeColumns + 2;  // with CR LF
constexpr int MaxValueLength = 22;
constexpr int LabelColumns = 12;
constexpr int CapacityChars = 21000;

inline const QString LineBreak = QStringLiteral("\r\n");
inline const QString Separator = QStringLiteral(" =========================");
inline const QString Divider = QStringLiteral("              ------------");

namespace marker {
inline const QString Plus = QStringLiteral(" +");
inline const QString Minus = QStringLiteral(" -");
inline const QString Times = QStringLiteral(" \u00D7");
inline const QString Divide = QStringLiteral(" \u00F7");
inline const QString Percent = QStringLiteral(" %");
inline const QString Equals = QStringLiteral(" =");
// The lines of the business keys: a grand total, the net amount, tax and gross amount of
// the tax keys, and the cost, margin, selling price and profit of the margin key.
inline const QString GrandTotal = QStringLiteral(" G");
inline const QString Net = QStringLiteral(" N");
inline const QString Tax = QStringLiteral(" X");
inline const QString Gross = QStringLiteral(" B");
inline const QString Cost = QStringLiteral(" C");
inline const QString Margin = QStringLiteral(" M");
inline const QString Sell = QStringLiteral(" S");
inline const QString Profit = QStringLiteral(" P");
} // namespace marker

enum class DateOrder { DayMonthYear, MonthDayYear };

// A write at the end of the list: the text from `from` on becomes `text`. Writers only touch
// the last lines, so a write costs the length of its tail, never that of the whole list.
struct TailEdit {
    qsizetype from;
    QString text;
};

// Operations on the list text. Each returns the write that makes it, or nothing when the
// operation cannot be done (a negative count of spaces, a list too short), in which case
// the caller leaves the list as it is.
std::optional<TailEdit> withItemLine(const QString& list, const QString& value, const QString& marker);
std::optional<TailEdit> withLastMarker(const QString& list, const QString& marker);
std::optional<TailEdit> withoutLastLine(const QString& list);
std::optional<TailEdit> withLastLineLabel(const QString& list, const QString& label);
TailEdit withSeparator(const QString& list);
TailEdit appended(const QString& list, const QString& text);

// The lines of a total block and of a cleared list, each without its CR LF.
QString countLine(const QString& counter);
QString totalLine(const QString& total);
// A line of a business key: the value right-aligned in 24 columns, cut to 22 characters, and
// its marker.
QString figureLine(const QString& value, const QString& marker);
QString dateHeader(QDate date, DateOrder order, const QString& weekdayName);
QString formatDate(QDate date, DateOrder order);

// Where a restored list too long for its capacity is cut so that what follows fits: after
// the first separator line that leaves no more than CapacityChars, else at the first line
// start that does; 0 when the list fits.
qsizetype restoredTailStart(const QString& list);

// Tail tests, positions counted from the end of the text.
bool isClosed(const QString& list);
bool endsWithSeparator(const QString& list);
bool isEditable(const QString& list);
bool lastMarkerIsEquals(const QString& list);
bool isTotalMarked(const QString& list);
bool isToolClosed(const QString& list);

} // namespace tape
} // namespace numerette
