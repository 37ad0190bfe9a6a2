// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

// Every visible text of a window measured with its font against the room it is given:
// labels, buttons, check and option boxes, fields, group titles, the menu bar's and the
// menus' items and the tape's lines. Returns one description per text that does not fit
// (or that shows a literal mnemonic ampersand); empty when everything shows whole.
// A widget that elides a text on purpose shows the shortened text, which then fits.
QStringList cutTexts(QWidget& window);

// The same for a menu and its submenus, each laid out as it pops up.
QStringList cutMenuTexts(QWidget& menu);
