// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QMainWindow>
#include <QPointer>

#include "calculator_owner.h"
#include "change_batch.h"

namespace numerette {
class Calculator;
class GlobalHotKeys;
class MidiOut;
class NumLockSwitch;
class PagePrinter;
class PortWriter;
struct PressedKey;
class ProgramStarter;
class SessionStart;
class SettingsStore;
class SyntheticInput;
}
class CalculatorHotKeys;
class CalculatorMenus;
class ClipboardMonitor;
class DisplayRow;
class frmPaste;
class Keypad;
class KeySounds;
class Launchers;
class ListCommands;
class QuotationLabel;
class TapeView;
class QAction;
class QMenu;
class QTimer;
class ToolLaunchers;
class WindowLayout;
class WindowOptions;

// The platform services the window works through. The program hosting the window chooses
// them (the desktop's own, or fakes in tests) and keeps them until the window is gone.
struct DesktopServices {
    numerette::GlobalHotKeys& hotKeys;
    numerette::NumLockSwitch& numLock;
    numerette::ProgramStarter& programs;
    numerette::MidiOut& midi;
    numerette::SyntheticInput& input;
    numerette::PagePrinter& pagePrinter;
    numerette::PortWriter& ports;
    numerette::SessionStart& sessionStart;
};

// The calculator window: the calculation list on top, the display row, the keypad, the
// quotation label and the menus. It renders the calculator's state and hands it every key
// and command; of its own it keeps only its options, its caption and where it stands in its
// life (loaded, first activation done, a failed save or a load warning still to tell).
//
// Its life: constructing it only builds the window and its parts. Its host attaches the
// calculator's port to it, then calls load(), which reads the settings and the calculation
// saved at the last close (a saved list from another day is backed up and a new one
// started). The first activation runs the command word. Closing saves the calculation and
// the window's settings, then emits closing(); whether the process parks in the
// notification area or ends is the host's. The calculation is also saved after every total
// and every clear.
class frmCalcula : public QMainWindow {
    Q_OBJECT

public:
    frmCalcula(numerette::Calculator& calculator, numerette::SettingsStore& settings, CalculatorLaunch launch,
               CalculatorOwner& owner, DesktopServices services, QWidget* parent = nullptr);
    ~frmCalcula() override;

    // Reads the settings and the saved calculation and puts them in force; once, after the
    // calculator's port is attached to the window. A window loaded while its owner has it
    // parked (the exit under way) reads nothing and closes at once, writing nothing.
    void load();
    numerette::SettingsStore& settings() const { return m_settings; }
    // The backup step of the calculator's clear-list command.
    bool backUpList(const QString& list);
    // Keeps a full list the user chose to erase and says where it went.
    bool keepErasedList(const QString& list);
    // Switches NumLock on when "NumLock always ON" is checked; run when that item is chosen
    // (after every key, the key's release makes the same check against the key's own state).
    void ForceNumLock();
    // The Options items that open the tool windows; the process hosting the calculator
    // shows the windows they ask for.
    ToolLaunchers& toolLaunchers() const { return *m_toolLaunchers; }
    // A keypad key sent from outside (numerette --press), taking the hot keys' road.
    void pressFromOutside(const numerette::PressedKey& key);
    // The click-to-paste window: the user's next click anywhere gets the clipboard pasted
    // into the field it lands on.
    void showPasteWindow();
    // The check of "Show with Large Font"; the tool windows follow it.
    bool largeFontMode() const;

signals:
    // The user toggled "Stay on System Tray when Exit"; the notification-area icon follows.
    void stayInTrayToggled(bool on);
    // The load has read the saved calculation: the splash may go.
    void savedStateRead();
    // The window became active (the activation rules ran): the hidden host window hides.
    void activated();
    // The "Tool&s" item: the host pops up its Tools submenu.
    void toolsMenuRequested();
    // The window closed, its calculation and settings saved; `stayInTray` is the check of
    // "Stay on System Tray when Exit". The host decides whether the process parks or ends.
    void closing(bool stayInTray);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void switchNumLockOn();
    void takeKeys();
    void render();
    void renderCaption();
    void followDisplays();
    void connectHotKeys();
    void toggleMinimized();
    // "&Paste" (`mnuColar`), its enabled state following the clipboard.
    QAction* newPasteItem(QMenu* optionsMenu);
    void mnuColar_Click();
    void activateFromHotKey();
    bool fullMode() const;
    // Whether key-downs and key-ups go to the calculator: not while the window is minimized
    // or maximized.
    bool takesKeyStrokes() const;

    // The window's life, in window_lifecycle.cpp.
    void Form_Load();
    void applyMode();
    void placeWindow();
    void restoreSavedCalculation();
    void Form_Activate();
    void Form_Deactivate();
    void setTimer1Enabled(bool enabled);
    void runTimer1();
    void Timer1_Timer();
    void clipboardChanged();
    void Form_QueryUnload();
    void storeWindowSettings();
    // After a total or a clear: a failure is told once, and the next total tries again.
    void saveCalculation();
    bool writeCalculation(QString* error = nullptr);

    numerette::Calculator& m_calculator;
    numerette::SettingsStore& m_settings;
    CalculatorLaunch m_launch;
    CalculatorOwner& m_owner;
    TapeView* m_tape;
    DisplayRow* m_displayRow;
    Keypad* m_keypad;
    QuotationLabel* m_quotation;
    CalculatorMenus* m_menus;
    WindowOptions* m_options;
    WindowLayout* m_layout;
    ClipboardMonitor* m_monitor;
    ListCommands* m_listCommands;
    CalculatorHotKeys* m_hotKeys = nullptr;
    Launchers* m_launchers = nullptr;
    ToolLaunchers* m_toolLaunchers = nullptr;
    KeySounds* m_keySounds = nullptr;
    numerette::SyntheticInput& m_input;
    // The click-to-paste marker while it follows the pointer; one at a time.
    QPointer<frmPaste> m_paste;
    // `Timer1`: the clipboard monitor and the minimized caption.
    QTimer* m_timer1 = nullptr;
    bool m_timer1Enabled = false;
    numerette::NumLockSwitch& m_numLock;
    // The title in full mode; a minimized window shows the calculation instead, and mini
    // mode the display, as it stood at its last change while the window was neither
    // minimized nor maximized.
    QString m_title;
    QString m_miniCaption;
    // False when the window was opened during the exit: it then neither reads nor writes anything.
    bool m_loaded = false;
    bool m_startupDone = false;
    // The warning of a damaged saved calculation, told once the window shows.
    QString m_loadWarning;
    // A failed save has been told; cleared by the next save that succeeds.
    bool m_saveFailureTold = false;
    // Whether the next activation runs the activation rules: at a show, and after another
    // window of the program (a tool, the paste window) was active.
    bool m_activationDue = true;
    // While a dialog blocks the window, the calculator's actions open before it render at
    // once, and each action run under it renders on its own.
    std::optional<numerette::ChangeBatchesSetAside> m_blockedByDialog;
};
