// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// The calculator's key handlers work with the classic PC virtual key codes (digits 48-57,
// letters 65-90, numeric keypad 96-111, Enter 13, Delete 46, NumLock 144, ...) and with
// the character a key types.
namespace numerette::keys {

// The virtual key code of a pressed or released key; 0 for a key without one.
// Punctuation gets the code of its key on a US keyboard.
int virtualKeyOf(const QKeyEvent& event);

// The character code the key types: Enter 13, Backspace 8, Esc 27, a printable character
// its code; 0 when the key types none.
int characterCodeOf(const QKeyEvent& event);

} // namespace numerette::keys
