// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_menus.h"

#include <functional>

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "menu_item.h"

using numerette::Calculator;

// The menus are made empty; layOut fills them once the parts have made their items.
CalculatorMenus::CalculatorMenus(Calculator& calculator, QMenuBar* bar)
    : QObject(bar)
    , m_calculator(calculator)
    , m_bar(bar)
{
    m_options = newSubmenu(bar, QStringLiteral("mnu1"), tr("&Options"));
    m_list = newSubmenu(bar, QStringLiteral("mnuFita"), tr("Calculation &List"));
    m_settings = newSubmenu(bar, QStringLiteral("mnuConfig"), tr("&Settings"));
    m_help = newSubmenu(bar, QStringLiteral("mnu9"), QStringLiteral("?"));
    m_enterKey = newSubmenu(m_settings, QStringLiteral("mnu4"), tr("\"ENTER\" Key &Function"));
    m_numberFormats = newSubmenu(m_settings, QStringLiteral("mnuForm"), tr("&Number Display Format"));

    m_timeMode = addCommand(QStringLiteral("mnuTempo"), tr("C&alculate Time"), &Calculator::mnuTempo_Click);
    m_timeMode->setCheckable(true);
    m_timeMode->setShortcut(Qt::Key_F8);
    m_undo = addCommand(QStringLiteral("mnuUndo"), tr("&Undo"), &Calculator::mnuUndo_Click);
    m_undo->setShortcut(Qt::CTRL | Qt::Key_Z);
    m_redo = addCommand(QStringLiteral("mnuRedo"), tr("&Redo"), &Calculator::mnuRedo_Click);
    m_redo->setShortcut(Qt::CTRL | Qt::Key_R);
    m_clear = addCommand(QStringLiteral("mnuLimpar"), tr("Clear (erase ca&lculations)"), &Calculator::mnuLimpar_Click);
    m_clear->setShortcut(Qt::CTRL | Qt::Key_L);
    makeEnterKeyItems();
    makeNumberFormatItems();
    m_insertText = newCheckItem(this, QStringLiteral("mnuInserir"), tr("&Insert Text While Calculate"));
    connect(m_insertText, &QAction::triggered, this, [this](bool checked) {
        m_calculator.setInsertText(checked);
        render();
    });
    render();
}

// An item that runs a calculator command; the command's effect on the check marks is
// rendered at once, so an item never shows a state the calculator does not have.
QAction* CalculatorMenus::addCommand(const QString& name, const QString& caption, void (Calculator::*command)())
{
    QAction* item = newMenuItem(this, name, caption);
    connect(item, &QAction::triggered, this, [this, command] {
        std::invoke(command, m_calculator);
        render();
    });
    return item;
}

void CalculatorMenus::makeEnterKeyItems()
{
    auto* modes = new QActionGroup(m_enterKey);
    m_addMode = addCommand(QStringLiteral("mnuEnter"), tr("&Add (Advance Mode)"), &Calculator::mnuEnter_Click);
    m_addMode->setShortcut(Qt::Key_F4);
    m_resultMode = addCommand(QStringLiteral("mnuIgual"), tr("&Result (Standard Mode)"), &Calculator::mnuIgual_Click);
    m_resultMode->setShortcut(Qt::Key_F9);
    for (QAction* mode : {m_addMode, m_resultMode}) {
        mode->setCheckable(true);
        modes->addAction(mode);
    }
}

void CalculatorMenus::makeNumberFormatItems()
{
    auto* formats = new QActionGroup(m_numberFormats);
    for (std::size_t i = 0; i < numerette::NumberFormats.size(); ++i) {
        const int index = numerette::NumberFormats[i].index;
        // Looked up under "NumberFormat", the context of the engine's table of formats; a caption
        // without a translation (a sample such as "0,00") stays as it is.
        const char* caption = numerette::NumberFormats[i].caption;
        QAction* item = newCheckItem(this, QStringLiteral("mnuNumeral") + QString::number(index),
                                     QCoreApplication::translate("NumberFormat", caption));
        formats->addAction(item);
        connect(item, &QAction::triggered, this, [this, index] {
            m_calculator.chooseNumberFormat(index);
            render();
        });
        m_formatItems[i] = item;
    }
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
