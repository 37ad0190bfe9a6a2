// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

class QWidget;

namespace numerette {

// The menus' own look: flat light menus with an icon column and a framed highlight.
// Applies to a menu bar and every menu it holds.
void applyMenuLook(QWidget& menuBar);

// The menu image list: a small picture per index. An index with no picture gives a null icon.
QIcon menuImage(int index);

} // namespace numerette
