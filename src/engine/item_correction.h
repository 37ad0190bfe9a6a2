// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QList>
#include <QString>

#include "tape_lines.h"
#include "typed_calculations.h"

namespace numerette {

class Calculator;

// Why a text for a corrected item is not what the keypad takes.
enum class EntryRefusal {
    None,
    Zero,             // empty, or a number that is zero
    NotANumber,       // a character the keypad types into no number, or a second separator
    TooManyDecimals,  // more decimals than the number format lets the keypad type
    TooManyDigits,    // more digits than the entry takes
};

struct KeypadEntry {
    QString entry;  // the entry as the keypad leaves it
    EntryRefusal refusal = EntryRefusal::None;
    int decimals = 0;  // the most decimals the format lets the keypad type
};

// What the keypad makes of `characters` typed in a number format and locale, through the
// calculator's own typing: digits, "." or "," as the decimal key, and a leading "-" as the
// sign key pressed after the number. Surrounding blanks are ignored. A character the keypad
// would drop or take for something else is refused rather than dropped.
KeypadEntry keypadEntry(QStringView characters, int formatIndex, const NumberLocale& locale);

// The items of a calculation as its lines show them now, in order.
QList<tape::ItemParts> shownItems(const QString& list, const TypedCalculation& calculation);

struct ReplayedCalculation {
    QString lines;  // the item lines and the total block, each ended by CR LF
    QString total;  // the total text as the clipboard gets it
};

// Types the calculation again on a calculator of its own, with its format and modes, the
// item at `index` replaced, its labels (typed in insert-text mode) written back; nothing when the result does not
// come out as a whole calculation with every item on it (a percentage of a zero total, a
// number the format rounds to zero).
std::optional<ReplayedCalculation> replayCorrected(const TypedCalculation& calculation, const QStringList& labels,
                                                   int index, const TypedItem& replacement);

// A calculation kept from elsewhere (the history of the last run) joins the history only
// when its keys, typed again, give exactly the lines it names, and the list holds them
// there: keys that were edited or damaged would otherwise replay into a wrong correction.
bool adoptReplayable(TypedCalculations& history, const QString& list, const TypedCalculation& calculation);

// What Correct Item offers at a list position: the calculation that holds that line as it
// will be replayed (a running one as the = key will close it, a number typed but not yet
// added becoming its last item; its entries in the calculator's separators, so that the
// correction is written as the calculator writes now), its items as shown, the separators
// they are shown with, and the item on that line. Nothing when that calculation cannot be
// replayed (TypedCalculations::at says why).
struct ToCorrect {
    TypedCalculation calculation;
    QList<tape::ItemParts> items;
    NumberLocale shownLocale;
    int item = 0;
};
std::optional<ToCorrect> toCorrect(const Calculator& calculator, const TypedCalculations& history,
                                   qsizetype listPosition);

enum class CorrectionResult { Done, Refused, DoesNotClose };

// Correct Item: the calculation holding the line at `listPosition`, with its item `index`
// replaced, is appended to the list as a new calculation headed by a correction line; a
// running calculation is totalled first, as the = key does. The new total goes to the
// clipboard. The original lines stay as they are. Nothing changes unless it is Done.
CorrectionResult correctItem(Calculator& calculator, TypedCalculations& history, qsizetype listPosition, int index,
                             const TypedItem& replacement);

} // namespace numerette
