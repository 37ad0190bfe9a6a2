// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_listing.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace numerette::testing {

namespace {

QString entryLine(const QAction& item, int depth)
{
    const QString indent(depth * 2, u' ');
    if (item.isSeparator())
        return indent + u'-';
    QString name = item.objectName();
    if (const QMenu* submenu = item.menu())
        name += (name.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("> ") + submenu->objectName();
    QStringList states;
    if (item.isCheckable())
        states << QStringLiteral("checkable");
    if (item.isChecked())
        states << QStringLiteral("checked");
    if (!item.isEnabled())
        states << QStringLiteral("disabled");
    if (!item.isVisible())
        states << QStringLiteral("hidden");
    QStringList fields{name, item.text(), item.shortcut().toString(QKeySequence::PortableText), states.join(u' ')};
    while (fields.constLast().isEmpty())
        fields.removeLast();
    return indent + fields.join(QStringLiteral(" | "));
}

QStringList entriesListing(const QList<QAction*>& entries, int depth)
{
    QStringList lines;
    for (const QAction* item : entries) {
        lines << entryLine(*item, depth);
        if (const QMenu* submenu = item->menu())
            lines << menuListing(*submenu, depth + 1);
    }
    return lines;
}

} // namespace

QStringList menuListing(const QMenu& menu, int depth)
{
    return entriesListing(menu.actions(), depth);
}

QStringList menuBarListing(const QMenuBar& bar)
{
    return entriesListing(bar.actions(), 0);
}

} // namespace numerette::testing
