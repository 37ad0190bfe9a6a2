// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "calculation_list.h"
#include "entry_box.h"
#include "operators.h"

namespace numerette {

struct NumberLocale;

enum class LabelColour { Blue, Red };

// What the calculator shows, to be read only: the face of the window's parts that draw the
// displays, write the caption, print or export the list, or ask whether keys reach the
// engine. The parts that type keys or run commands hold the Calculator itself.
class CalculatorState {
public:
    // The separators and the date order the calculator writes its numbers and dates with.
    virtual const NumberLocale& numberLocale() const = 0;
    virtual tape::DateOrder dateOrder() const = 0;
    // False while the calculator is parked, exiting, or built behind the splash.
    virtual bool keysAccepted() const = 0;

    // The display row's three texts and the colours of the two that can turn red.
    virtual const QString& display() const = 0;
    virtual const QString& counter() const = 0;
    virtual const QString& timeDisplay() const = 0;
    virtual LabelColour displayColour() const = 0;
    virtual LabelColour timeDisplayColour() const = 0;
    virtual bool timeMode() const = 0;

    // The running calculation: the number being typed, the total so far, the operator that
    // waits for the next number.
    virtual const EntryBox& entry() const = 0;
    virtual const QString& total() const = 0;
    virtual Operator PendingOperator() const = 0;

    // The calculation list, and the part of it the user has selected.
    virtual const QString& list() const = 0;
    virtual int listSelectionStart() const = 0;
    virtual int listSelectionLength() const = 0;

protected:
    ~CalculatorState() = default;
};

} // namespace numerette
