// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

#include "keypad_button.h"

namespace numerette {

// One keypad key pressed from outside the window (numerette --press), named as numerette-tape
// names keys. The keys that have a hot key act exactly as it does; the others as a click on
// their keypad button.
struct PressedKey {
    enum class Road { HotKey, Button };
    Button button;
    Road road;

    friend bool operator==(const PressedKey&, const PressedKey&) = default;
};

// No value for a name that is no keypad key.
std::optional<PressedKey> pressedKeyNamed(const QString& name);

// Every name pressedKeyNamed() knows, blank-separated, for help and error texts.
QString pressedKeyNames();

} // namespace numerette
