// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QMenu;
class QMenuBar;

namespace numerette::testing {

// A menu as text, one line per entry in menu order, the entries of a submenu indented below
// it: `name | text | shortcut | states` without the empty fields at the end, where the name is
// the item's object name (for a submenu, its entry's then "> " and the submenu's), the
// shortcut is in portable text and the states are those of "checkable", "checked", "disabled"
// and "hidden" that apply; "-" is a separator.
QStringList menuListing(const QMenu& menu, int depth = 0);
// Every menu of the bar, each under a line of its own as a submenu would be.
QStringList menuBarListing(const QMenuBar& bar);

} // namespace numerette::testing
