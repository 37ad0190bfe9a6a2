// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_menus.h"

#include <functional>

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

using numerette::Calculator;

CalculatorMenus::CalculatorMenus(Calculator& calculator, QMenuBar* bar)
    : QObject(bar)
    , m_calculator(calculator)
{
    addOptionsMenu(bar);
    addListMenu(bar);
    addSettingsMenu(bar);
    m_help = bar->addMenu(QStringLiteral("?"));
    m_help->setObjectName(QStringLiteral("mnu9"));
    render();
}

// A menu item that runs a calculator command; the command's effect on the check marks
// is rendered at once, so an item never shows a state the calculator does not have.
QAction* CalculatorMenus::addCommand(QMenu* menu, const QString& name, const QString& caption,
                                     void (Calculator::*command)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, command] {
        std::invoke(command, m_calculator);
        render();
    });
    return item;
}

void CalculatorMenus::addOptionsMenu(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(tr("&Options"));
    menu->setObjectName(QStringLiteral("mnu1"));
    m_options = menu;
    m_timeMode = addCommand(menu, QStringLiteral("mnuTempo"), tr("C&alculate Time"), &Calculator::mnuTempo_Click);
    m_timeMode->setCheckable(true);
    m_timeMode->setShortcut(Qt::Key_F8);
    menu->addSeparator();
    m_undo = addCommand(menu, QStringLiteral("mnuUndo"), tr("&Undo"), &Calculator::mnuUndo_Click);
    m_undo->setShortcut(Qt::CTRL | Qt::Key_Z);
    m_redo = addCommand(menu, QStringLiteral("mnuRedo"), tr("&Redo"), &Calculator::mnuRedo_Click);
    m_redo->setShortcut(Qt::CTRL | Qt::Key_R);
}

void CalculatorMenus::addListMenu(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(tr("Calculation &List"));
    menu->setObjectName(QStringLiteral("mnuFita"));
    m_list = menu;
    QAction* clear = addCommand(menu, QStringLiteral("mnuLimpar"), tr("Clear (erase ca&lculations)"),
                                &Calculator::mnuLimpar_Click);
    clear->setShortcut(Qt::CTRL | Qt::Key_L);
}

void CalculatorMenus::addSettingsMenu(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(tr("&Settings"));
    menu->setObjectName(QStringLiteral("mnuConfig"));
    m_settings = menu;

    m_enterKey = menu->addMenu(tr("\"ENTER\" Key &Function"));
    m_enterKey->setObjectName(QStringLiteral("mnu4"));
    auto* modes = new QActionGroup(m_enterKey);
    m_addMode = addCommand(m_enterKey, QStringLiteral("mnuEnter"), tr("&Add (Advance Mode)"),
                           &Calculator::mnuEnter_Click);
    m_addMode->setShortcut(Qt::Key_F4);
    m_resultMode = addCommand(m_enterKey, QStringLiteral("mnuIgual"), tr("&Result (Standard Mode)"),
                              &Calculator::mnuIgual_Click);
    m_resultMode->setShortcut(Qt::Key_F9);
    for (QAction* mode : {m_addMode, m_resultMode}) {
        mode->setCheckable(true);
        modes->addAction(mode);
    }

    m_numberFormats = menu->addMenu(tr("&Number Display Format"));
    m_numberFormats->setObjectName(QStringLiteral("mnuForm"));
    auto* formats = new QActionGroup(m_numberFormats);
    for (std::size_t i = 0; i < numerette::NumberFormats.size(); ++i) {
        const int index = numerette::NumberFormats[i].index;
        // Looked up under "NumberFormat", the context of the engine's table of formats; a caption
        // without a translation (a sample such as "0,00") stays as it is.
        const char* caption = numerette::NumberFormats[i].caption;
        QAction* item = m_numberFormats->addAction(QCoreApplication::translate("NumberFormat", caption));
        item->setObjectName(QStringLiteral("mnuNumeral") + QString::number(index));
        item->setCheckable(true);
        formats->addAction(item);
        connect(item, &QAction::triggered, this, [this, index] {
            m_calculator.chooseNumberFormat(index);
            render();
        });
        m_formatItems[i] = item;
    }

    menu->addSeparator();
    m_insertText = menu->addAction(tr("&Insert Text While Calculate"));
    m_insertText->setObjectName(QStringLiteral("mnuInserir"));
    m_insertText->setCheckable(true);
    connect(m_insertText, &QAction::triggered, this, [this](bool checked) {
        m_calculator.setInsertText(checked);
        render();
    });
}

void CalculatorMenus::render()
{
    for (std::size_t i = 0; i < m_formatItems.size(); ++i)
        m_formatItems[i]->setChecked(numerette::NumberFormats[i].index == m_calculator.numberFormatIndex());
    m_addMode->setChecked(m_calculator.addMode());
    m_resultMode->setChecked(!m_calculator.addMode());
    m_undo->setEnabled(m_calculator.undoEnabled());
    m_redo->setEnabled(m_calculator.redoEnabled());
    m_timeMode->setChecked(m_calculator.timeMode());
    m_insertText->setChecked(m_calculator.insertText());
}
