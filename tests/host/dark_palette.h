// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

namespace numerette::testing {

// A dark palette as a dark desktop colour scheme gives it (qt6ct's "darker").
QPalette darkPalette();

} // namespace numerette::testing
