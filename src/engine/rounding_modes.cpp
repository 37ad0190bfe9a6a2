// SPDX-License-Identifier: GPL-3.0-or-later
#include "rounding_modes.h"

#include <QtGlobal>

namespace numerette {

const std::array<RoundingModeChoice, 4> RoundingModes{{
    //: Rounding of each step of the arithmetic: a half goes away from zero (2.5 to 3).
    {RoundingMode::HalfUp, "half-up", QT_TRANSLATE_NOOP("RoundingMode", "Round &Half Up (Standard)")},
    //: Rounding of each step: a half goes to the even neighbour (2.5 to 2, 3.5 to 4).
    {RoundingMode::HalfEven, "half-even", QT_TRANSLATE_NOOP("RoundingMode", "Round Half to &Even")},
    //: Rounding of each step: any dropped fraction goes away from zero (2.01 to 3).
    {RoundingMode::Up, "up", QT_TRANSLATE_NOOP("RoundingMode", "Round &Up")},
    //: Rounding of each step: dropped decimals are cut (2.99 to 2).
    {RoundingMode::Down, "down", QT_TRANSLATE_NOOP("RoundingMode", "Round &Down (Cut)")},
}};

} // namespace numerette
