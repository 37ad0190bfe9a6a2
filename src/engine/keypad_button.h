// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace numerette {

// The keypad buttons, named after their controls.
enum class Button {
    Num0, Num1, Num2, Num3, Num4, Num5, Num6, Num7, Num8, Num9,
    Virgula, Mais, Menos, Vezes, Dividir, Igual, Percent, Neg, Back, CE,
    MC, MR, Mmais, Mmenos,
    Count
};
constexpr int ButtonCount = int(Button::Count);

constexpr Button digitButton(int digit)
{
    return Button(int(Button::Num0) + digit);
}

} // namespace numerette
