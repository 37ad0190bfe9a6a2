// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette {

class Calculator;

// The clipboard as the monitor reads and writes it. The calculator's totals reach the same
// clipboard through its own port.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    virtual QString clipboardText() const = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual void clearClipboard() = 0;
};

enum class ClipboardReading {
    // Nothing to take: empty, already accounted for, "(...)", or no number in it.
    Ignored,
    // One or more numbers were added (and a copy of several lines totalled).
    Taken,
    // The text was copied from the calculation list itself: the entry takes the focus.
    CopiedFromList,
    // A block of more than two columns, or a second column that is no number: the
    // clipboard was cleared; the window shows message 20.
    InvalidSelection,
    // More than MaxCopiedItems numbers: nothing was added, and the text counts as seen.
    TooLong,
};

// The most numbers one copy adds. A spreadsheet column of thousands of rows is taken whole;
// the list then grows past its capacity for it, and the total asks to clear it.
constexpr qsizetype MaxCopiedItems = 10000;

// Reads a new clipboard text into the calculator, as its monitor does: a single number is
// added as an item and removed from the clipboard; a column is added line by line and
// totalled; two tab-separated columns are multiplied row by row, the products added and
// totalled, and the products (one per line, CR LF after each) left on the clipboard by
// the total. In time mode a copied h:mm:ss is entered as a time. Lines may end with CR LF,
// CR or LF. A copy is taken whole, however far past its capacity the list grows (the total
// then asks to clear the list, as the = key does), or not at all when it holds more than
// MaxCopiedItems numbers.
ClipboardReading readClipboard(Calculator& calculator, ClipboardPort& clipboard, const QString& text);

} // namespace numerette
