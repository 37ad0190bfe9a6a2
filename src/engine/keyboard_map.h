// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "keypad_button.h"

namespace numerette {

// Character codes the dispatcher acts on besides the typed characters.
namespace keycode {
constexpr int Add = 2; // adds the entry: Enter in Add mode, ";" and "ç"
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Esc = 27;
constexpr int Quote = 34;
// The business keys, sent by their shortcuts and key names; no typed character reaches these
// codes (the private-use area of Unicode).
constexpr int GrandTotal = 0xE000;
constexpr int TaxAdded = 0xE001;
constexpr int TaxTakenOut = 0xE002;
constexpr int Margin = 0xE003;
} // namespace keycode

// The business keys: the code each sends to the dispatcher, the letter that types it with
// Ctrl+Shift (a combination no menu, hot key or typed character uses), its braced name in
// numerette-tape, and the line the hot-key help gives it (translated in "HotKeyHelp").
struct BusinessKey {
    int code;
    char letter;
    const char* name;
    const char* help;
};
extern const std::array<BusinessKey, 4> BusinessKeys;

// What a key going down does before its character reaches the dispatcher.
enum class KeyDownAction {
    None,
    PressButton, // a Shift shortcut of a keypad key
    Clear,       // Delete: the clear key
    Total,       // NumLock in Add mode
};
struct KeyDown {
    KeyDownAction action = KeyDownAction::None;
    Button button = Button::Count;
};

// How the keyboard reaches the calculator: Shift + A, D, R, C, P for M+, M-, MR, MC and the sign
// key, Delete as the clear key, NumLock as a total in Add mode (unless the program pressed it
// itself), the letters of a laptop's embedded keypad as its digits, and Enter, ";" and "ç" as
// the operators they stand for.
class KeyboardMap {
public:
    // NumLock kept on: the laptop-keypad letters stay letters.
    void setNumLockAlways(bool on) { m_numLockAlways = on; }
    bool numLockAlways() const { return m_numLockAlways; }
    // Set just before the program presses NumLock itself; that press is no total. The next
    // NumLock press uses the mark up.
    void setSyntheticNumLock(bool on) { m_syntheticNumLock = on; }

    KeyDown keyDown(int virtualKey, bool shift, bool addMode);
    // The character the dispatcher acts on: a laptop-keypad letter becomes its digit unless
    // NumLock is kept on or typed letters are labels.
    int character(int code, bool lettersAreLabels) const;
    // Enter totals, or adds in Add mode; ";" and "ç" add. Any other code stays as it is.
    static int operatorCode(int code, bool addMode);

private:
    bool m_numLockAlways = false;
    bool m_syntheticNumLock = false;
};

} // namespace numerette
