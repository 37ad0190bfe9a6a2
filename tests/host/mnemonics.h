// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

// Alt letters that lead to more than one place: among the window's visible buttons, labels
// with a buddy and group boxes, along its menu bar, and within each of its menus. With two
// owners a letter only moves between them. One description per clash; empty when none.
QStringList clashingMnemonics(QWidget& window);
