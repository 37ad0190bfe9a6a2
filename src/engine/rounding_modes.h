// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "decimal.h"

namespace numerette {

// The rounding modes the user can choose for the arithmetic, in menu order: the word that
// names each in the settings and on numerette-tape's command line (never translated) and its
// menu caption (translated in the context "RoundingMode").
struct RoundingModeChoice {
    RoundingMode mode;
    const char* word;
    const char* caption;
};
extern const std::array<RoundingModeChoice, 4> RoundingModes;

} // namespace numerette
