// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class SessionStart;
class SettingsStore;
}
class DisplayRow;
class Keypad;
class QAction;
class QMainWindow;
class QuotationLabel;
class TapeView;

// The calculator window's column and the "&Settings" items that change it: the large
// layout the window is designed for and the normal one (`mnuGrande`), hiding the keypad
// (`mnuOcultar`), the menu look (`mnuXP`) and starting with the desktop session (`mnuFicar`).
//
// The width follows the layout and cannot be changed by the user; the height is free
// but never more than the screen's.
class WindowLayout : public QObject {
    Q_OBJECT

public:
    struct Parts {
        TapeView* tape;
        DisplayRow* displayRow;
        Keypad* keypad;
        QuotationLabel* quotation;
    };

    WindowLayout(QMainWindow& window, numerette::SettingsStore& settings, numerette::SessionStart& sessionStart,
                 Parts parts);

    QAction* mnuOcultar() const { return m_hideKeypad; }
    QAction* mnuGrande() const { return m_largeFont; }
    QAction* mnuFicar() const { return m_startWithSession; }
    QAction* mnuXP() const { return m_menuLook; }

    bool largeLayout() const;
    bool keypadHidden() const;

    // The commands of the items, run as a click runs them. The large-font command switches
    // the layout, and stores the choice while the window is shown.
    void mnuGrande_Click();
    // Hides the keypad with the window made shorter by its height, or shows it again.
    void mnuOcultar_Click();
    // Stores the menu look for the next start.
    void mnuXP_Click();
    // Writes or removes the entry that starts the program with the desktop session.
    void mnuFicar_Click();

    // Rescales the window's contents to the large or the normal layout. A shown window is
    // then re-centred at the top of the screen, at nearly the screen's height.
    void ScaleLayout(bool large);
    // Hides the keypad at load, without changing the window's stored height.
    void hideKeypadAtLoad();
    void setMenuLookChecked(bool on);
    bool menuLookChecked() const;
    // Gives the menus their own look and their pictures.
    void SetupMenuIcons();
    // The start-with-session check follows whether the program starts with the session.
    void showAutostartState();

    // Keeps a resized window within the screen's height.
    void Form_Resize();

private:
    void applyWidth();
    void applyMenuFont();
    void showKeypad(bool hidden);
    void startWithSession(bool on);

    QMainWindow& m_window;
    numerette::SettingsStore& m_settings;
    numerette::SessionStart& m_sessionStart;
    Parts m_parts;
    QAction* m_hideKeypad;
    QAction* m_largeFont;
    QAction* m_startWithSession;
    QAction* m_menuLook;
};
