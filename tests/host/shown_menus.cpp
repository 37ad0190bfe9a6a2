// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace numerette::testing {

bool withEachMenuShown(QMainWindow& window, const std::function<void(QMenu&)>& inspect)
{
    for (QAction* top : window.menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu || !top->isVisible())
            continue;
        QList<QMenu*> menus{menu};
        for (QAction* item : menu->actions()) {
            if (item->menu())
                menus << item->menu();
        }
        for (QMenu* shown : menus) {
            shown->popup(window.mapToGlobal(QPoint(0, 0)));
            if (!QTest::qWaitForWindowExposed(shown))
                return false;
            inspect(*shown);
            shown->hide();
        }
    }
    return true;
}

} // namespace numerette::testing
