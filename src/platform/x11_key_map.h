// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace numerette::x11 {

// The core keyboard map as the X server reports it: for each key code from `firstKeycode`
// on, `perKeycode` keysyms in the order group 1 level 1, group 1 level 2, group 2 level 1, ...
struct KeyboardMapping {
    std::uint8_t firstKeycode = 8;
    int perKeycode = 0;
    std::vector<std::uint32_t> keysyms;
};

// Every key code on which one of `keysyms` is produced without Shift: on the first level of
// any group, or on the second level of a keypad key, which NumLock selects. A keyboard can
// have several such keys (the keypad "." and the Brazilian keypad comma both give
// KP_Decimal), and the user may press any of them.
std::vector<std::uint8_t> keycodesProducing(const KeyboardMapping& mapping,
                                            const std::vector<std::uint32_t>& keysyms);

// The core modifier mask (Shift = 1, Lock = 2, Control = 4, Mod1 = 8, ...) of the modifier
// that the key producing `keysym` is bound to, or 0. `modifierKeycodes` holds
// `keycodesPerModifier` key codes for each of the eight modifiers, 0 for none.
std::uint16_t modifierMaskOf(const KeyboardMapping& mapping, const std::vector<std::uint8_t>& modifierKeycodes,
                             int keycodesPerModifier, std::uint32_t keysym);

} // namespace numerette::x11
