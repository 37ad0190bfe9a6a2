// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "number_text.h"

namespace numerette {

enum class MemoryColour { White, Yellow };

// The memory register of M+, M-, MR and MC: a number kept apart from the calculation, held as
// plain digits with the decimal separator it was stored with, empty while nothing is stored.
class MemoryRegister {
public:
    const QString& text() const { return m_text; }
    // Yellow while the last M+ or M- left a negative value; clearing keeps the colour until the
    // next M+ or M-.
    MemoryColour colour() const { return m_colour; }

    void clear();
    // M+ (or M- when `subtract`): the shown number added to the stored one, or stored as it is
    // (negated for M-) into an empty register. A shown text or a stored text that is no number,
    // or a result beyond the decimal range, leaves the stored text as it was.
    void add(const QString& shown, bool subtract, const NumberLocale& locale);

private:
    QString m_text;
    MemoryColour m_colour = MemoryColour::White;
};

} // namespace numerette
