// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool_launchers.h"

#include <QAction>

#include "calculator.h"
#include "menu_item.h"

namespace {

struct ToolItem {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    ToolWindow tool;
};

} // namespace

ToolLaunchers::ToolLaunchers(numerette::Calculator& calculator, QObject* parent)
    : QObject(parent)
    , m_calculator(calculator)
{
    const ToolItem items[] = {
        {"mnuData", QT_TR_NOOP("Calculate &Date"), QKeySequence(Qt::Key_F5), ToolWindow::Dates},
        {"mnuRegra", QT_TR_NOOP("Calculate Rule of &Three"), QKeySequence(Qt::CTRL | Qt::Key_T),
         ToolWindow::RuleOfThree},
        {"mnuPeso", QT_TR_NOOP("Calculate &Your Ideal Weight"), QKeySequence(Qt::SHIFT | Qt::Key_F5),
         ToolWindow::Weight},
        {"mnuJuro", QT_TR_NOOP("Capitali&zed Interest Rate"), QKeySequence(Qt::CTRL | Qt::Key_J),
         ToolWindow::Interest},
    };
    for (const ToolItem& item : items) {
        QAction* action = newMenuItem(this, QLatin1String(item.name), tr(item.caption), item.shortcut);
        connect(action, &QAction::triggered, this, [this, tool = item.tool] { open(tool); });
        m_items.at(std::size_t(item.tool)) = action;
    }
}

void ToolLaunchers::open(ToolWindow tool)
{
    if (tool != ToolWindow::RuleOfThree) {
        const numerette::ChangeBatch oneRender(m_calculator);
        int code = '=';
        m_calculator.Form_KeyPress(code);
        m_calculator.releaseButton(numerette::Button::Igual);
        m_calculator.LimpaTudo();
    }
    emit toolRequested(tool);
}
