// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QObject>

#include "calculator.h"

class BusinessKeys;
class CalculatorHotKeys;
class ClipboardMonitor;
class CorrectionCommand;
class ExportCommand;
class HistoryCommand;
class KeySounds;
class Launchers;
class ListCommands;
class ListEditing;
class ListPrinting;
class QAction;
class QMenu;
class QMenuBar;
class ToolLaunchers;
class WindowLayout;
class WindowOptions;

// The parts of the window whose items the menus show. Each part makes its items and runs
// them; the menus only put them in their places.
struct MenuParts {
    const Launchers& launchers;
    const ToolLaunchers& tools;
    const ListEditing& listEditing;
    const ListCommands& listCommands;
    const ListPrinting& printing;
    const ExportCommand& exporting;
    const CorrectionCommand& correction;
    const HistoryCommand& history;
    const WindowOptions& options;
    const ClipboardMonitor& monitor;
    const CalculatorHotKeys& hotKeys;
    const KeySounds& sounds;
    const BusinessKeys& businessKeys;
    const WindowLayout& layout;
    // The window's own items: "&Paste" and "Tool&s".
    QAction* mnuColar;
    QAction* mnuUtil;
};

// The calculator window's menus: "&Options" (`mnu1`), "Calculation &List" (`mnuFita`),
// "&Settings" (`mnuConfig`) and "?" (`mnu9`). Each menu is declared in one function of
// menu_layout.cpp, item by item in menu order, each item taken from the part that owns it.
// The items that run the calculator's own commands are made here (the time mode, undo and
// redo, clearing the list, the ENTER key function `mnu4`, the number formats `mnuForm`,
// inserting text); their check marks and enabled states are rendered from the calculator.
class CalculatorMenus : public QObject {
    Q_OBJECT

public:
    CalculatorMenus(numerette::Calculator& calculator, QMenuBar* bar);

    // Fills the menu bar; once, when every part has made its items.
    void layOut(const MenuParts& parts);

    QMenu* numberFormatMenu() const { return m_numberFormats; }
    QMenu* enterKeyMenu() const { return m_enterKey; }
    QMenu* optionsMenu() const { return m_options; }
    QAction* insertTextItem() const { return m_insertText; }
    // "&Options", "&Settings" and "?": hidden in mini mode, disabled in a secondary calculator.
    std::array<QMenu*, 3> mainMenus() const { return {m_options, m_settings, m_help}; }

    void render();

private:
    QAction* addCommand(const QString& name, const QString& caption, void (numerette::Calculator::*command)());
    void makeEnterKeyItems();
    void makeNumberFormatItems();
    // In menu_layout.cpp.
    void buildOptionsMenu(const MenuParts& parts);
    void buildListMenu(const MenuParts& parts);
    void buildSettingsMenu(const MenuParts& parts);
    void buildHelpMenu(const MenuParts& parts);

    numerette::Calculator& m_calculator;
    QMenuBar* m_bar;
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
    QAction* m_clear = nullptr;
    QAction* m_insertText = nullptr;
};
