// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QObject;
class QWidget;

// The items a part of the window makes for the menus (menu_layout.cpp puts them in place):
// each has its caption, the object name the program knows it by, and its shortcut. The part
// owns its items; a submenu belongs to the menu that shows it once it is placed.
QAction* newMenuItem(QObject* owner, const QString& name, const QString& caption, const QKeySequence& shortcut = {});
QAction* newCheckItem(QObject* owner, const QString& name, const QString& caption, const QKeySequence& shortcut = {});
QMenu* newSubmenu(QWidget* parent, const QString& name, const QString& title);
