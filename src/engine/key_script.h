// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <variant>
#include <vector>

#include <QString>

#include "calculator.h"

namespace numerette {

// One step of a headless run: a key typed on the keyboard, a keypad button clicked, or
// a menu command.
struct TypedKey {
    int virtualKey;
    bool shift;
    int character;
};
enum class TapeCommand { Time, Undo, Redo, Clear };
using TapeStep = std::variant<TypedKey, Button, TapeCommand>;

// Reads plain characters and braced names ("{Enter}", "{M+}", ...). Nothing, with a sentence
// naming the offending name in `error`, when a braced name is unknown or unterminated.
std::optional<std::vector<TapeStep>> parseTapeKeys(const QString& keys, QString& error);

// Runs the steps until the window is closed (Esc); `windowClosed` tells when. Used by the
// headless tape, the tests and the fuzzer.
void runTapeSteps(Calculator& calculator, const std::vector<TapeStep>& steps, const bool& windowClosed);

} // namespace numerette
