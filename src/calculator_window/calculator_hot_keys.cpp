// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_hot_keys.h"

#include <array>

#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>

#include "global_hot_keys.h"
#include "keyboard_map.h"
#include "menu_item.h"
#include "message_boxes.h"

using numerette::Button;

namespace {

struct HotKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Button button;
    // The action's name, by which a desktop that lets the user assign the keys remembers
    // them; never changed once released.
    const char* name;
    // What the desktop shows beside the key; "%1" is the digit of a digit key.
    const char* description;
};

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers CtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers CtrlAlt = Qt::ControlModifier | Qt::AltModifier;

constexpr const char* Digit = QT_TRANSLATE_NOOP("HotKeyAction", "Digit %1");
constexpr const char* EnterAction = QT_TRANSLATE_NOOP("HotKeyAction", "Add the number (Result mode: the result)");
constexpr const char* AltEnterAction = QT_TRANSLATE_NOOP("HotKeyAction", "Total (Result mode: change the sign)");

// In the order the buttons are registered. Enter is both the main Enter key and the
// keypad's.
constexpr std::array<HotKey, 23> HotKeys{{
    {Qt::Key_0, CtrlKeypad, Button::Num0, "keypad-0", Digit},
    {Qt::Key_1, CtrlKeypad, Button::Num1, "keypad-1", Digit},
    {Qt::Key_2, CtrlKeypad, Button::Num2, "keypad-2", Digit},
    {Qt::Key_3, CtrlKeypad, Button::Num3, "keypad-3", Digit},
    {Qt::Key_4, CtrlKeypad, Button::Num4, "keypad-4", Digit},
    {Qt::Key_5, CtrlKeypad, Button::Num5, "keypad-5", Digit},
    {Qt::Key_6, CtrlKeypad, Button::Num6, "keypad-6", Digit},
    {Qt::Key_7, CtrlKeypad, Button::Num7, "keypad-7", Digit},
    {Qt::Key_8, CtrlKeypad, Button::Num8, "keypad-8", Digit},
    {Qt::Key_9, CtrlKeypad, Button::Num9, "keypad-9", Digit},
    {Qt::Key_Plus, CtrlKeypad, Button::Mais, "keypad-plus",
     QT_TRANSLATE_NOOP("HotKeyAction", "Plus (Add mode: make the number positive)")},
    {Qt::Key_Minus, CtrlKeypad, Button::Menos, "keypad-minus",
     QT_TRANSLATE_NOOP("HotKeyAction", "Minus (Add mode: make the number negative)")},
    {Qt::Key_Asterisk, CtrlKeypad, Button::Vezes, "keypad-multiply", QT_TRANSLATE_NOOP("HotKeyAction", "Multiply")},
    {Qt::Key_Slash, CtrlKeypad, Button::Dividir, "keypad-divide", QT_TRANSLATE_NOOP("HotKeyAction", "Divide")},
    {Qt::Key_Period, CtrlKeypad, Button::Virgula, "keypad-decimal",
     QT_TRANSLATE_NOOP("HotKeyAction", "Decimal separator")},
    {Qt::Key_Delete, Ctrl, Button::CE, "clear",
     QT_TRANSLATE_NOOP("HotKeyAction", "Clear calculator screen or clear tape")},
    {Qt::Key_Backspace, Ctrl, Button::Back, "backspace",
     QT_TRANSLATE_NOOP("HotKeyAction", "Clear the last number that was typed")},
    {Qt::Key_Return, Ctrl, Button::Igual, "enter", EnterAction},
    {Qt::Key_Enter, CtrlKeypad, Button::Igual, "keypad-enter", EnterAction},
    {Qt::Key_Return, CtrlAlt, Button::Neg, "alt-enter", AltEnterAction},
    {Qt::Key_Enter, CtrlAlt | Qt::KeypadModifier, Button::Neg, "keypad-alt-enter", AltEnterAction},
    {Qt::Key_Insert, Ctrl, Button::Percent, "paste",
     QT_TRANSLATE_NOOP("HotKeyAction", "Paste number copied from another document")},
    {Qt::Key_Space, Ctrl, Button::MC, "minimize", QT_TRANSLATE_NOOP("HotKeyAction", "Minimize or restore the calculator")},
}};

numerette::HotKeyAction actionOf(const HotKey& hotKey)
{
    QString description = QCoreApplication::translate("HotKeyAction", hotKey.description);
    if (hotKey.description == Digit)
        description = description.arg(int(hotKey.key - Qt::Key_0));
    return {QString::fromLatin1(hotKey.name), description};
}

// Where the keys come from, as the help's last paragraph; empty for the X display, where the
// keys are the ones the help lists.
QString deliveryHelpText(const numerette::GlobalHotKeys& keys)
{
    using numerette::HotKeyDelivery;
    const QString pressCommand = QCoreApplication::translate(
        "HotKeyHelp", "To press a key from anywhere, bind the command \"numerette --press KEY\" to a shortcut in the "
                      "desktop's keyboard settings.");
    switch (keys.delivery()) {
    case HotKeyDelivery::XDisplay: return {};
    case HotKeyDelivery::XWaylandWindows:
        return QCoreApplication::translate("HotKeyHelp", "In this Wayland session the HotKeys reach the calculator only "
                                                         "while an X11 window has the focus.")
            + u' ' + pressCommand;
    case HotKeyDelivery::Unavailable:
        return QCoreApplication::translate("HotKeyHelp", "This session cannot deliver HotKeys to the calculator.")
            + u' ' + pressCommand;
    case HotKeyDelivery::DesktopShortcuts: break;
    }
    QString text = QCoreApplication::translate(
        "HotKeyHelp", "The HotKeys are the desktop's global shortcuts: assign or change them in its keyboard settings.");
    const auto assigned = keys.assignedHotKeys();
    if (assigned.empty())
        return text + u' ' + QCoreApplication::translate("HotKeyHelp", "No key is assigned yet.");
    text += u' ' + QCoreApplication::translate("HotKeyHelp", "Assigned now:");
    for (const numerette::AssignedHotKey& key : assigned)
        text += u'\r' + key.trigger + u" = " + key.description;
    return text;
}

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

QString hotKeyHelpText(const numerette::GlobalHotKeys& keys)
{
    const QString db = QStringLiteral("\r\n\r\n");
    const QString cr = QStringLiteral("\r");
    const QString delivery = deliveryHelpText(keys);
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
        + (delivery.isEmpty() ? QString() : db + delivery) + businessKeyHelp();
}

void ShowHotKeyHelp(QWidget* parent, const numerette::GlobalHotKeys& keys)
{
    numerette::message_boxes::show(parent, QMessageBox::Information, hotKeyHelpText(keys));
}

CalculatorHotKeys::CalculatorHotKeys(QWidget& window, numerette::Calculator& calculator, numerette::GlobalHotKeys& keys)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_keys(keys)
{
    m_hotKeyItem = newCheckItem(this, QStringLiteral("mnuHotKey"), QString());
    connect(m_hotKeyItem, &QAction::triggered, this, &CalculatorHotKeys::mnuHotKey_Click);
    connect(&keys, &numerette::GlobalHotKeys::deliveryChanged, this, &CalculatorHotKeys::showDelivery);
    showDelivery();
    // Queued: an activation arrives inside the platform's event filtering, and the key's
    // action may open a message box or change the window's state.
    connect(&keys, &numerette::GlobalHotKeys::activated, this, &CalculatorHotKeys::activated,
            Qt::QueuedConnection);
}

bool CalculatorHotKeys::hotKeysWanted() const
{
    return m_wanted;
}

void CalculatorHotKeys::setHotKeysWanted(bool on)
{
    m_wanted = on;
    showDelivery();
}

void CalculatorHotKeys::showHelp()
{
    ShowHotKeyHelp(&m_window, m_keys);
}

void CalculatorHotKeys::showDelivery()
{
    using numerette::HotKeyDelivery;
    const HotKeyDelivery delivery = m_keys.delivery();
    switch (delivery) {
    case HotKeyDelivery::XDisplay:
        //: Keys typed with CTRL on the numeric keypad reach the calculator even when it is minimized;
        //: CTRL is the key's name
        m_hotKeyItem->setText(tr("&HotKeys (CTRL + Numeric Keyboard)"));
        break;
    case HotKeyDelivery::XWaylandWindows:
        //: As "&HotKeys (CTRL + Numeric Keyboard)", in a Wayland session: the keys arrive only while
        //: a window of an X11 program has the focus
        m_hotKeyItem->setText(tr("&HotKeys (CTRL + Numeric Keyboard, in X11 windows only)"));
        break;
    case HotKeyDelivery::DesktopShortcuts:
        //: The hot keys are the global shortcuts the user assigns in the desktop's settings
        m_hotKeyItem->setText(tr("&HotKeys (desktop shortcuts)"));
        break;
    case HotKeyDelivery::Unavailable:
        //: No hot keys can reach the calculator in this desktop session
        m_hotKeyItem->setText(tr("&HotKeys (not available in this session)"));
        break;
    }
    m_hotKeyItem->setEnabled(delivery != HotKeyDelivery::Unavailable);
    m_hotKeyItem->setChecked(m_wanted && delivery != HotKeyDelivery::Unavailable);
}

void CalculatorHotKeys::RegisterHotKeys()
{
    if (!m_registered.empty())
        return;
    for (const HotKey& hotKey : HotKeys) {
        if (const auto id = m_keys.registerHotKey(hotKey.key, hotKey.modifiers, actionOf(hotKey)))
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
        m_activationKey = m_keys.registerHotKey(
            Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier,
            {QStringLiteral("activate"), QCoreApplication::translate("HotKeyAction", "Bring up the calculator")});
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
    m_wanted = m_hotKeyItem->isChecked();
    if (!m_wanted) {
        UnregisterHotKeys();
        return;
    }
    RegisterHotKeys();
    showHelp();
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
// afterwards: no key-up inside the window will release them. The window renders once.
void CalculatorHotKeys::act(Button button)
{
    const numerette::ChangeBatch oneRender(m_calculator);
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
    const numerette::ChangeBatch oneRender(m_calculator);
    m_calculator.pressButton(button);
    m_calculator.releaseButton(button);
}
