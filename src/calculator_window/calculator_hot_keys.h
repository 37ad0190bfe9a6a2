// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include <QObject>

#include "calculator.h"
#include "pressed_key.h"

namespace numerette {
class GlobalHotKeys;
}
class QAction;
class QWidget;

// The hot-key help, shown when hot keys are switched on and by the help command; it ends
// with where the keys come from when that is not the X display.
QString hotKeyHelpText(const numerette::GlobalHotKeys& keys);
void ShowHotKeyHelp(QWidget* parent, const numerette::GlobalHotKeys& keys);

// The global hot keys that drive the keypad from anywhere: Ctrl with the numeric keypad's
// keys and a few others, each acting as one keypad button; the window-activation key
// Ctrl+Shift+C; and the "&Settings" item `mnuHotKey` that keeps the hot keys while the
// window is shown. A key another program owns is left to it without a word. The item says
// where the keys come from, and is off and disabled where nothing can deliver them.
class CalculatorHotKeys : public QObject {
    Q_OBJECT

public:
    CalculatorHotKeys(QWidget& window, numerette::Calculator& calculator, numerette::GlobalHotKeys& keys);

    QAction* mnuHotKey() const { return m_hotKeyItem; }

    void RegisterHotKeys();
    void UnregisterHotKeys();
    void registerActivationKey();
    // Every registration goes: the window is closing.
    void unregisterAll();

    // A key pressed from outside the window (numerette --press): as its hot key, whether the
    // hot keys are on or not.
    void press(const numerette::PressedKey& key);

    // The user's wish, kept where the session cannot deliver hot keys, so that it is stored
    // unchanged for the next session.
    bool hotKeysWanted() const;
    void setHotKeysWanted(bool on);
    void showHelp();

signals:
    // Ctrl+Space: minimize the window, or restore it when minimized.
    void minimizeToggleRequested();
    // Ctrl+Insert: the paste command.
    void pasteRequested();
    void activationRequested();
    // After every hot key, so that the minimized caption follows.
    void hotKeyHandled();

private:
    void mnuHotKey_Click();
    void showDelivery();
    void activated(int id);
    void act(numerette::Button button);
    void pressAndRelease(numerette::Button button);

    QWidget& m_window;
    numerette::Calculator& m_calculator;
    numerette::GlobalHotKeys& m_keys;
    QAction* m_hotKeyItem;
    bool m_wanted = false;
    // The button of each hot key registered now, by registration id.
    std::vector<std::pair<int, numerette::Button>> m_registered;
    std::optional<int> m_activationKey;
};
