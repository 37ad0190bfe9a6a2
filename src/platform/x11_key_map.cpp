// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11_key_map.h"

#include <algorithm>

#include <X11/keysym.h>

namespace numerette::x11 {

namespace {

bool isKeypadKeysym(std::uint32_t keysym)
{
    return keysym >= XK_KP_Space && keysym <= XK_KP_Equal;
}

// Whether the key whose keysyms start at `first` produces one of `wanted` without Shift.
bool produces(const std::uint32_t* first, int perKeycode, const std::vector<std::uint32_t>& wanted)
{
    for (int index = 0; index < perKeycode; ++index) {
        const std::uint32_t keysym = first[index];
        const bool firstLevel = index % 2 == 0;
        if ((firstLevel || isKeypadKeysym(keysym))
            && std::find(wanted.begin(), wanted.end(), keysym) != wanted.end())
            return true;
    }
    return false;
}

} // namespace

std::vector<std::uint8_t> keycodesProducing(const KeyboardMapping& mapping, const std::vector<std::uint32_t>& keysyms)
{
    std::vector<std::uint8_t> keycodes;
    if (mapping.perKeycode <= 0)
        return keycodes;
    const std::size_t count = mapping.keysyms.size() / std::size_t(mapping.perKeycode);
    for (std::size_t key = 0; key < count && mapping.firstKeycode + key <= 255; ++key) {
        if (produces(mapping.keysyms.data() + key * std::size_t(mapping.perKeycode), mapping.perKeycode, keysyms))
            keycodes.push_back(std::uint8_t(mapping.firstKeycode + key));
    }
    return keycodes;
}

std::uint16_t modifierMaskOf(const KeyboardMapping& mapping, const std::vector<std::uint8_t>& modifierKeycodes,
                             int keycodesPerModifier, std::uint32_t keysym)
{
    const std::vector<std::uint8_t> keys = keycodesProducing(mapping, {keysym});
    for (std::size_t i = 0; i < modifierKeycodes.size(); ++i) {
        const std::uint8_t keycode = modifierKeycodes[i];
        const std::size_t modifier = keycodesPerModifier > 0 ? i / std::size_t(keycodesPerModifier) : 8;
        if (keycode != 0 && modifier < 8 && std::find(keys.begin(), keys.end(), keycode) != keys.end())
            return std::uint16_t(1U << modifier);
    }
    return 0;
}

} // namespace numerette::x11
