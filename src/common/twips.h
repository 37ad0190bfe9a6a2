// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace numerette {

// Window measures are designed, and stored in the settings, in twips: 15 to a pixel.
constexpr int TwipsPerPixel = 15;

constexpr int twipsOf(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline int pixelsOf(int twips)
{
    return int(std::lround(double(twips) / TwipsPerPixel));
}

} // namespace numerette
