// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's menus, each in one function, line by line in the order the user
// sees them. Every line names the part that owns the item (and makes it, with its caption,
// shortcut and check); the comments give the English captions.
#include "calculator_menus.h"

#include <initializer_list>
#include <span>
#include <variant>

#include <QMenu>
#include <QMenuBar>

#include "business_keys.h"
#include "calculator_hot_keys.h"
#include "clipboard_monitor.h"
#include "correction_command.h"
#include "export_command.h"
#include "history_command.h"
#include "key_sounds.h"
#include "launchers.h"
#include "list_commands.h"
#include "list_editing.h"
#include "list_printing.h"
#include "tool_launchers.h"
#include "window_layout.h"
#include "window_options.h"

namespace {

struct Separator {};

// One line of a menu: an item, a submenu, the items a table makes (one per number format or
// rounding mode), or a separator.
using MenuLine = std::variant<QAction*, QMenu*, std::span<QAction* const>, Separator>;

void fill(QMenu& menu, std::initializer_list<MenuLine> lines)
{
    for (const MenuLine& line : lines) {
        if (auto* item = std::get_if<QAction*>(&line)) {
            menu.addAction(*item);
        } else if (auto* submenu = std::get_if<QMenu*>(&line)) {
            // Owned by the menu that shows it, as QMenu::addMenu makes one: it takes the
            // menus' look from there.
            (*submenu)->setParent(&menu, (*submenu)->windowFlags());
            menu.addMenu(*submenu);
        } else if (auto* items = std::get_if<std::span<QAction* const>>(&line)) {
            for (QAction* item : *items)
                menu.addAction(item);
        } else {
            menu.addSeparator();
        }
    }
}

} // namespace

void CalculatorMenus::layOut(const MenuParts& parts)
{
    m_bar->addMenu(m_options);
    m_bar->addMenu(m_list);
    m_bar->addMenu(m_settings);
    m_bar->addMenu(m_help);
    buildOptionsMenu(parts);
    buildListMenu(parts);
    buildSettingsMenu(parts);
    buildHelpMenu(parts);
}

void CalculatorMenus::buildOptionsMenu(const MenuParts& parts)
{
    fill(*m_options, {
                         parts.launchers.mnuOutra(),                 // &Open Another Numerette    F6
                         parts.launchers.mnuWindows(),               // Open &Windows Calculator   F7
                         Separator{},
                         parts.tools.item(ToolWindow::Dates),        // Calculate &Date            F5
                         m_timeMode,                                 // C&alculate Time            F8
                         parts.tools.item(ToolWindow::RuleOfThree),  // Calculate Rule of &Three   Ctrl+T
                         parts.tools.item(ToolWindow::Weight),       // Calculate &Your Ideal Weight  Shift+F5
                         parts.tools.item(ToolWindow::Interest),     // Capitali&zed Interest Rate Ctrl+J
                         Separator{},
                         m_undo,                                     // &Undo                      Ctrl+Z
                         m_redo,                                     // &Redo                      Ctrl+R
                         parts.listEditing.mnuCopiar(),              // &Copy Calculator Display   Ctrl+C
                         parts.mnuColar,                             // &Paste                     Ctrl+V
                         parts.mnuUtil,                              // Tool&s (the tray's Tools menu)
                     });
}

void CalculatorMenus::buildListMenu(const MenuParts& parts)
{
    fill(*m_list, {
                      parts.listEditing.mnuEditar(),         // &Edit                         F2
                      parts.listEditing.mnuLocalizar(),      // &Search Text or Number        F3
                      m_clear,                               // Clear (erase ca&lculations)   Ctrl+L
                      parts.listEditing.mnuAgrupar(),        // &Group the Capitalization Totals  Ctrl+A
                      Separator{},
                      parts.listCommands.mnuSalvar(),        // Save in &File                 Ctrl+S
                      parts.listCommands.mnuBackup(),        // &Backup When Clean
                      parts.listCommands.mnuMostraBack(),    // Show Bac&kup                  Ctrl+K
                      Separator{},
                      parts.printing.mnuImprimir(0),         // &Print with Small Fonts       Ctrl+P
                      parts.printing.mnuImprimir(1),         // Print with &Medium Fonts      Ctrl+M
                      parts.printing.mnuImprimir(2),         // Print with L&arge Fonts       Ctrl+G
                      parts.printing.mnuImprimirEscolha(),   // Pr&int...
                      parts.printing.mnuMatricial(),         // Print in Paper R&oll (Bobbin) Ctrl+Y
                      Separator{},
                      parts.exporting.mnuExportar(),         // E&xport...
                      parts.correction.mnuCorrigir(),        // Co&rrect Item...              F10
                      parts.history.mnuHistorico(),          // Tape &History...              Ctrl+H
                  });
}

void CalculatorMenus::buildSettingsMenu(const MenuParts& parts)
{
    fill(*m_settings, {
                          m_enterKey,                            // "ENTER" Key &Function
                          m_numberFormats,                       // &Number Display Format
                          Separator{},
                          m_insertText,                          // &Insert Text While Calculate
                          parts.history.mnuGuardarHistorico(),   // &Keep Tape History
                          Separator{},
                          parts.options.mnuSystray(),            // Stay on &System Tray when Exit
                          parts.options.mnuNumLock(),            // "N&umLock" always ON
                          parts.monitor.mnuMonit(),              // &Monitor Clipboard
                          parts.options.mnuVisivel(),            // Always &Visible (On Top)
                          parts.hotKeys.mnuHotKey(),             // &HotKeys (CTRL + Numeric Keyboard)
                          parts.sounds.mnuSomEscolher(),         // Soun&d when Typing
                          Separator{},
                          parts.businessKeys.mnuArredonda(),     // &Rounding
                          parts.businessKeys.mnuImposto(),       // &Tax Rate (n %)...
                          parts.businessKeys.mnuCopiaSimples(),  // Copy Totals without &Grouping
                          Separator{},
                          parts.layout.mnuOcultar(),             // Hide Keyb&oard
                          parts.layout.mnuGrande(),              // Show with &Large Font
                          parts.layout.mnuFicar(),               // Start With &Windows
                          parts.layout.mnuXP(),                  // Office &XP menu
                      });

    // The submenus, in the same order. The number formats and the ENTER key function also
    // open from the display row and the keypad.
    fill(*m_enterKey, {
                          m_addMode,     // &Add (Advance Mode)      F4
                          m_resultMode,  // &Result (Standard Mode)  F9
                      });
    // One item per format of the engine's table: &Floating Point Currency, Fixed &Point
    // Currency, &Numerical (Standard), 0,0 … 0,00000000.
    fill(*m_numberFormats, {m_formatItems});
    fill(*parts.history.mnuGuardarHistorico(), {
                                                   parts.history.mnuHistoricoSempre(),  // &Forever
                                                   parts.history.mnuHistoricoDias(),    // For a Number of &Days...
                                                   parts.history.mnuHistoricoNao(),     // &Not at All
                                               });
    fill(*parts.sounds.mnuSomEscolher(), {
                                             parts.sounds.mnuSemSom(),  // &None
                                             parts.sounds.mnuBeep(),    // Beep, Beep...           Ctrl+B
                                             parts.sounds.mnuSom(),     // Mu&sical (user choice)  Ctrl+U
                                         });
    // One item per rounding mode of the engine's table: Round &Half Up (Standard), Round Half
    // to &Even, Round &Up, Round &Down (Cut).
    fill(*parts.businessKeys.mnuArredonda(), {parts.businessKeys.roundingItems()});
}

void CalculatorMenus::buildHelpMenu(const MenuParts& parts)
{
    fill(*m_help, {
                      parts.launchers.mnuAjuda(),  // &Help                          F1
                      parts.launchers.mnuCalc(),   // &About Calculator              F11
                      parts.launchers.mnuReg(),    // Make a Donation -- Help Too!   F12
                      Separator{},
                      parts.launchers.mnuEmail(),  // &Email technical support
                  });
}
