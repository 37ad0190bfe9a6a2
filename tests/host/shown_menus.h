// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QMainWindow;
class QMenu;

namespace numerette::testing {

// Pops up each visible menu of the window's menu bar, and each of their submenus, in turn,
// and hands it to `inspect` while it shows. False when a menu did not show.
bool withEachMenuShown(QMainWindow& window, const std::function<void(QMenu&)>& inspect);

} // namespace numerette::testing
