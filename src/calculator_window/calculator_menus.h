// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QObject>

#include "calculator.h"

class QAction;
class QMenu;
class QMenuBar;

// The calculator window's menus: "&Options" (`mnu1`), "Calculation &List" (`mnuFita`),
// "&Settings" (`mnuConfig`) with the number formats (`mnuForm`) and the ENTER key
// function (`mnu4`), and "?" (`mnu9`). Each item runs its calculator command; check marks and enabled
// states are rendered from the calculator.
class CalculatorMenus : public QObject {
    Q_OBJECT

public:
    CalculatorMenus(numerette::Calculator& calculator, QMenuBar* bar);

    QMenu* numberFormatMenu() const { return m_numberFormats; }
    QMenu* enterKeyMenu() const { return m_enterKey; }
    QMenu* listMenu() const { return m_list; }
    QMenu* settingsMenu() const { return m_settings; }
    QAction* insertTextItem() const { return m_insertText; }
    // "&Options", "&Settings" and "?": hidden in mini mode, disabled in a secondary calculator.
    std::array<QMenu*, 3> mainMenus() const { return {m_options, m_settings, m_help}; }

    void render();

private:
    void addOptionsMenu(QMenuBar* bar);
    void addListMenu(QMenuBar* bar);
    void addSettingsMenu(QMenuBar* bar);
    QAction* addCommand(QMenu* menu, const QString& name, const QString& caption, void (numerette::Calculator::*command)());

    numerette::Calculator& m_calculator;
    QMenu* m_options = nullptr;
    QMenu* m_list = nullptr;
    QMenu* m_settings = nullptr;
    QMenu* m_help = nullptr;
    QMenu* m_numberFormats = nullptr;
    QMenu* m_enterKey = nullptr;
    std::array<QAction*, numerette::NumberFormats.size()> m_formatItems{};
    QAction* m_addMode = nullptr;
    QAction* m_resultMode = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_timeMode = nullptr;
    QAction* m_insertText = nullptr;
};
