// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_item.h"

#include <QAction>
#include <QMenu>

QAction* newMenuItem(QObject* owner, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    auto* item = new QAction(caption, owner);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    return item;
}

QAction* newCheckItem(QObject* owner, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* item = newMenuItem(owner, name, caption, shortcut);
    item->setCheckable(true);
    return item;
}

QMenu* newSubmenu(QWidget* parent, const QString& name, const QString& title)
{
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(name);
    return menu;
}
