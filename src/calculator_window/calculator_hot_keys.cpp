// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_hot_keys.h"

#include <array>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

#include "global_hot_keys.h"
#include "keyboard_map.h"
#include "message_boxes.h"

using numerette::Button;

namespace {

struct HotKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Button button;
};

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers CtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers CtrlAlt = Qt::ControlModifier | Qt::AltModifier;

// In the order the buttons are registered. Enter is both the main Enter key and the
// keypad's.
constexpr std::array<HotKey, 23> HotKeys{{
    {Qt::Key_0, CtrlKeypad, Button::Num0},
    {Qt::Key_1, CtrlKeypad, Button::Num1},
    {Qt::Key_2, CtrlKeypad, Button::Num2},
    {Qt::Key_3, CtrlKeypad, Button::Num3},
    {Qt::Key_4, CtrlKeypad, Button::Num4},
    {Qt::Key_5, CtrlKeypad, Button::Num5},
    {Qt::Key_6, CtrlKeypad, Button::Num6},
    {Qt::Key_7, CtrlKeypad, Button::Num7},
    {Qt::Key_8, CtrlKeypad, Button::Num8},
    {Qt::Key_9, CtrlKeypad, Button::Num9},
    {Qt::Key_Plus, CtrlKeypad, Button::Mais},
    {Qt::Key_Minus, CtrlKeypad, Button::Menos},
    {Qt::Key_Asterisk, CtrlKeypad, Button::Vezes},
    {Qt::Key_Slash, CtrlKeypad, Button::Dividir},
    {Qt::Key_Period, CtrlKeypad, Button::Virgula},
    {Qt::Key_Delete, Ctrl, Button::CE},
    {Qt::Key_Backspace, Ctrl, Button::Back},
    {Qt::Key_Return, Ctrl, Button::Igual},
    {Qt::Key_Enter, CtrlKeypad, Button::Igual},
    {Qt::Key_Return, CtrlAlt, Button::Neg},
    {Qt::Key_Enter, CtrlAlt | Qt::KeypadModifier, Button::Neg},
    {Qt::Key_Insert, Ctrl, Button::Percent},
    {Qt::Key_Space, Ctrl, Button::MC},
}};

} // namespace

namespace {

// The business keys work while the window has the focus; they are listed after the hot keys.
QString businessKeyHelp()
{
    QStringList lines;
    for (const numerette::BusinessKey& key : numerette::BusinessKeys)
        lines.append(QCoreApplication::translate("HotKeyHelp", key.help));
    //: Heading of the hot-key help above the keys of the calculator window itself
    return QStringLiteral("\r\n\r\n") + QCoreApplication::translate("HotKeyHelp", "Keys of the calculator window:")
        + QStringLiteral("\r\n\r\n") + lines.join(u'\r');
}

} // namespace

QString hotKeyHelpText()
{
    const QString db = QStringLiteral("\r\n\r\n");
    const QString cr = QStringLiteral("\r");
    //: The key names in capitals (CTRL, DELETE, BACKSPACE, ALT, ENTER, INSERT, SPACE) are the
    //: keys' English names as printed on the keyboard.
    return QCoreApplication::translate(
               "HotKeyHelp", "Now it's possible to use the calculator with a minimized view, by using the HotKeys.")
        + db
        + QCoreApplication::translate(
            "HotKeyHelp", "How To use the HotKeys: Press CTRL with any number or operator in numeric keyboard.")
        + db + QCoreApplication::translate("HotKeyHelp", "Other HotKeys:") + db
        + QCoreApplication::translate("HotKeyHelp", "CTRL+DELETE = Clear calculator screen or clear tape") + cr
        + QCoreApplication::translate("HotKeyHelp", "CTRL+BACKSPACE = Clear the last number that was typed") + cr
        + QCoreApplication::translate("HotKeyHelp", "CTRL+ALT+ENTER = Make the number typed a negative") + cr
        + QCoreApplication::translate("HotKeyHelp", "CTRL+INSERT = Paste number copied from another document") + cr
        + QCoreApplication::translate("HotKeyHelp", "CTRL+ENTER = Calculation total") + cr
        + QCoreApplication::translate("HotKeyHelp", "CTRL+SPACE = to minimize, or to restore the calculator")
        + businessKeyHelp();
}

void ShowHotKeyHelp(QWidget* parent)
{
    numerette::message_boxes::show(parent, QMessageBox::Information, hotKeyHelpText());
}

CalculatorHotKeys::CalculatorHotKeys(QWidget& window, numerette::Calculator& calculator,
                                     numerette::GlobalHotKeys& keys, QMenu* settingsMenu)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_keys(keys)
{
    //: Keys typed with CTRL on the numeric keypad reach the calculator even when it is minimized;
    //: CTRL is the key's name
    m_hotKeyItem = settingsMenu->addAction(tr("&HotKeys (CTRL + Numeric Keyboard)"));
    m_hotKeyItem->setObjectName(QStringLiteral("mnuHotKey"));
    m_hotKeyItem->setCheckable(true);
    connect(m_hotKeyItem, &QAction::triggered, this, &CalculatorHotKeys::mnuHotKey_Click);
    // Queued: an activation arrives inside the platform's event filtering, and the key's
    // action may open a message box or change the window's state.
    connect(&keys, &numerette::GlobalHotKeys::activated, this, &CalculatorHotKeys::activated,
            Qt::QueuedConnection);
}

bool CalculatorHotKeys::hotKeysWanted() const
{
    return m_hotKeyItem->isChecked();
}

void CalculatorHotKeys::setHotKeysWanted(bool on)
{
    m_hotKeyItem->setChecked(on);
}

void CalculatorHotKeys::RegisterHotKeys()
{
    if (!m_registered.empty())
        return;
    for (const HotKey& hotKey : HotKeys) {
        if (const auto id = m_keys.registerHotKey(hotKey.key, hotKey.modifiers))
            m_registered.emplace_back(*id, hotKey.button);
    }
}

void CalculatorHotKeys::UnregisterHotKeys()
{
    for (const auto& [id, button] : m_registered)
        m_keys.unregisterHotKey(id);
    m_registered.clear();
}

void CalculatorHotKeys::registerActivationKey()
{
    if (!m_activationKey)
        m_activationKey = m_keys.registerHotKey(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
}

void CalculatorHotKeys::unregisterAll()
{
    UnregisterHotKeys();
    if (m_activationKey)
        m_keys.unregisterHotKey(*m_activationKey);
    m_activationKey.reset();
}

// The item's check is toggled by the menu before this runs.
void CalculatorHotKeys::mnuHotKey_Click()
{
    if (!m_hotKeyItem->isChecked()) {
        UnregisterHotKeys();
        return;
    }
    RegisterHotKeys();
    ShowHotKeyHelp(&m_window);
}

void CalculatorHotKeys::activated(int id)
{
    if (m_activationKey == id) {
        emit activationRequested();
        return;
    }
    for (const auto& [registered, button] : m_registered) {
        if (registered == id) {
            act(button);
            emit hotKeyHandled();
            return;
        }
    }
}

void CalculatorHotKeys::press(const numerette::PressedKey& key)
{
    if (key.road == numerette::PressedKey::Road::HotKey)
        act(key.button);
    else
        pressAndRelease(key.button);
    emit hotKeyHandled();
}

// What the button does as a hot key; in Add mode the plus and minus keys only set the sign,
// and Enter adds where the equals key would total. Operator and total keys are shown released
// afterwards: no key-up inside the window will release them.
void CalculatorHotKeys::act(Button button)
{
    const bool addMode = m_calculator.addMode();
    const bool negative = m_calculator.display().contains(QLatin1Char('-'));
    switch (button) {
    case Button::Mais:
        if (!addMode)
            pressAndRelease(Button::Mais);
        else if (negative)
            m_calculator.pressButton(Button::Neg);
        break;
    case Button::Menos:
        if (!addMode)
            pressAndRelease(Button::Menos);
        else if (!negative)
            m_calculator.pressButton(Button::Neg);
        break;
    case Button::Vezes:
    case Button::Dividir: pressAndRelease(button); break;
    case Button::Igual: pressAndRelease(addMode ? Button::Mais : Button::Igual); break;
    case Button::Neg:
        if (addMode)
            pressAndRelease(Button::Igual);
        else
            m_calculator.pressButton(Button::Neg);
        break;
    case Button::Percent: emit pasteRequested(); break;
    case Button::MC: emit minimizeToggleRequested(); break;
    default: m_calculator.pressButton(button); break;
    }
}

void CalculatorHotKeys::pressAndRelease(Button button)
{
    m_calculator.pressButton(button);
    m_calculator.releaseButton(button);
}
