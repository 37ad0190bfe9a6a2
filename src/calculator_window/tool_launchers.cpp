// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool_launchers.h"

#include <algorithm>

#include <QAction>
#include <QMenu>

#include "calculator.h"

namespace {

struct ToolItem {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    ToolWindow tool;
};

} // namespace

ToolLaunchers::ToolLaunchers(numerette::Calculator& calculator, QMenu* optionsMenu, QObject* parent)
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
    // The tools stand around the time-mode item: date, time, rule of three, weight, interest.
    const QList<QAction*> present = optionsMenu->actions();
    const auto timeMode = std::find_if(present.begin(), present.end(),
                                       [](const QAction* a) { return a->objectName() == u"mnuTempo"; });
    QAction* const beforeTimeMode = timeMode == present.end() ? nullptr : *timeMode;
    QAction* const afterTimeMode = timeMode == present.end() || timeMode + 1 == present.end() ? nullptr : *(timeMode + 1);
    for (const ToolItem& item : items) {
        auto* action = new QAction(tr(item.caption), optionsMenu);
        optionsMenu->insertAction(item.tool == ToolWindow::Dates ? beforeTimeMode : afterTimeMode, action);
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, [this, tool = item.tool] { open(tool); });
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
