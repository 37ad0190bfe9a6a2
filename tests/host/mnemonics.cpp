// SPDX-License-Identifier: GPL-3.0-or-later
#include "mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

using Owners = QMap<QString, QStringList>;

void add(Owners& owners, const QString& text)
{
    const QKeySequence letter = QKeySequence::mnemonic(text);
    if (!letter.isEmpty())
        owners[letter.toString()] << text;
}

void report(const Owners& owners, const QString& where, QStringList& clashes)
{
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << where + u" "_s + it.key() + u": "_s + it.value().join(u", "_s);
    }
}

QString textOf(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->buddy() ? label->text() : QString();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    return {};
}

} // namespace

QStringList clashingMnemonics(QWidget& window)
{
    QStringList clashes;
    Owners inWindow;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isVisibleTo(&window) && !qobject_cast<const QMenu*>(widget->window()))
            add(inWindow, textOf(*widget));
    }
    report(inWindow, window.objectName(), clashes);

    QList<QWidget*> menus;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        menus << bar;
    for (QMenu* menu : window.findChildren<QMenu*>())
        menus << menu;
    for (const QWidget* menu : menus) {
        Owners inMenu;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isVisible())
                add(inMenu, action->text());
        }
        report(inMenu, menu->objectName(), clashes);
    }
    return clashes;
}
