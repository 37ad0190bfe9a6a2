// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPalette;
class QWidget;

namespace numerette {

// The menus' own look: flat menus with an icon column and a framed highlight, light or dark
// after the application's palette, and following a change of it. Applies to a menu bar and
// every menu it holds.
void applyMenuLook(QWidget& menuBar);

// Whether a palette is a dark one: its window is darker than the window's text.
bool paletteIsDark(const QPalette& palette);

} // namespace numerette
