// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace numerette {

// The menu image list: a small picture per index, drawn at the device pixel ratio of the menu
// that shows it, with a check badge in its checked state. An index with no picture gives a
// null icon.
QIcon menuImage(int index);

} // namespace numerette
