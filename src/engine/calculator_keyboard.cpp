// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

namespace numerette {

void Calculator::typeKey(int virtualKey, bool shift, int character)
{
    const ChangeBatch batch(*this);
    Form_KeyDown(virtualKey, shift);
    if (character != 0) {
        int code = character;
        Form_KeyPress(code);
        if (code != 0)
            entryKeyPress(code);
    }
    Form_KeyUp(virtualKey);
    entryKeyUp();
}

void Calculator::Form_KeyDown(int virtualKey, bool shift)
{
    const ChangeBatch batch(*this);
    if (!m_keysAccepted)
        return;
    const KeyDown down = m_keyboardMap.keyDown(virtualKey, shift, m_addMode);
    switch (down.action) {
    case KeyDownAction::PressButton:
        pressButton(down.button);
        setPressed(down.button, true);
        break;
    case KeyDownAction::Clear:
        setPressed(Button::CE, true);
        if (timeDisplay() != QLatin1String("00:00:00")) {
            setVisor(DisplayField::Time, QStringLiteral("00:00:00"));
            setEntryText(QStringLiteral("0"));
        } else if (m_timeMode || isZero(display())) {
            mnuLimpar_Click();
        } else if (isNonZero(m_entry.text())) {
            setEntryText(QString());
        } else {
            entryChanged();
        }
        break;
    case KeyDownAction::Total: {
        int code = '=';
        Form_KeyPress(code);
        break;
    }
    case KeyDownAction::None:
        break;
    }
}

void Calculator::Form_KeyUp(int)
{
    const ChangeBatch batch(*this);
    if (!m_keysAccepted)
        return;
    const bool decimalKeyDown = isPressed(Button::Virgula);
    m_pressed.reset();
    m_pressed.set(std::size_t(Button::Virgula), decimalKeyDown);
    reportChange();
}

// The entry box keeps digits, Backspace and the decimal separator (typed as "," or ".").
void Calculator::entryKeyPress(int code)
{
    const ChangeBatch batch(*this);
    bool changed = false;
    if (code == keycode::Backspace) {
        changed = m_entry.backspace();
    } else if (code == ',' || code == '.') {
        if (entryTakesSeparator())
            changed = m_entry.type(m_locale.decimal);
    } else if (code >= '0' && code <= '9') {
        changed = m_entry.type(QChar(code));
    }
    if (changed)
        entryChanged();
}

bool Calculator::entryTakesSeparator() const
{
    const QString& text = m_entry.text();
    const QString unselected = text.left(m_entry.selectionStart())
        + text.mid(m_entry.selectionStart() + m_entry.selectionLength());
    return !unselected.contains(m_locale.decimal);
}

void Calculator::entryKeyUp()
{
    if (isNonZero(m_entry.text()))
        setListSelection(m_listSelectionStart, 0);
}

} // namespace numerette
