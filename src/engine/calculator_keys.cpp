// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

#include "time_text.h"

namespace numerette {
namespace {

bool isLabelCharacter(int code)
{
    return (code >= 65 && code <= 126) || code == 32 || (code >= 192 && code <= 251);
}

} // namespace

void Calculator::Form_KeyPress(int& code)
{
    const ChangeBatch batch(*this);
    if (!m_keysAccepted) {
        code = 0;
        return;
    }
    // Keys that reach the dispatcher while the list is being edited (keypad clicks, hot keys,
    // commands) first close the free text, so that item lines never land inside it.
    endEditMode();
    if (code == keycode::Esc) {
        code = 0;
        m_port.closeWindow();
        return;
    }
    if (businessKey(code)) {
        code = 0;
        return;
    }
    code = m_keyboardMap.character(code, m_insertText);
    if (code == keycode::Quote) {
        code = 0;
        return;
    }

    if (m_insertText && m_listSelectionLength > 0 && isZero(m_entry.text())) {
        const bool addsCharacter = isLabelCharacter(code) && m_insertLabel.size() < 11;
        const bool removesCharacter = code == keycode::Backspace && !m_insertLabel.isEmpty();
        if (addsCharacter || removesCharacter) {
            if (addsCharacter)
                m_insertLabel += QChar(code);
            else
                m_insertLabel.chop(1);
            if (const auto labelled = tape::withLastLineLabel(m_list, m_insertLabel))
                changeList(*labelled);
            code = 0;
            return;
        }
    }

    if (code >= '0' && code <= '9')
        setPressed(digitButton(code - '0'), true);

    if (code == keycode::Backspace) {
        setPressed(Button::Back, true);
    } else if (code == ',' || code == '.') {
        if (m_timeMode) {
            code = 0;
        } else if (entryTakesSeparator()) {
            setPressed(Button::Virgula, true);
            m_entry.setMaxLength(m_entry.maxLength() + 1);
        }
        return;
    }
    code = KeyboardMap::operatorCode(code, m_addMode);

    if (code == '=' && m_keypadInSight)
        setPressed(Button::Igual, true);

    if (isZero(m_total) && isZero(m_entry.text()) && isNonZero(display())) {
        m_entry.setMaxLength(tape::MaxValueLength);
        setEntryText(m_timeMode ? TimeDigits(timeDisplay()) : display().left(tape::MaxValueLength));
        SelectEntry();
    }
    if (isZero(m_entry.text()) && !m_timeMode
        && (code == keycode::Add || (!m_addMode && operatorText(m_lastOperator) == QChar(code)))) {
        m_entry.setMaxLength(tape::MaxValueLength);
        setEntryText(m_repeatOperand);
        SelectEntry();
    }
    dispatchOperator(code);
}

void Calculator::dispatchOperator(int& code)
{
    const bool displayZero = isZero(display());
    const bool entryZero = isZero(m_entry.text());
    auto resetEntry = [this] {
        setEntryText(QStringLiteral("0"));
        SelectEntry();
    };
    auto writeOperator = [&](const QString& marker, Operator pending) {
        if (entryZero) {
            if (const auto replaced = tape::withLastMarker(m_list, marker))
                changeList(*replaced);
        } else {
            appendItem(marker);
        }
        m_pendingOperator = pending;
    };

    switch (code) {
    case keycode::Add:
    case '+':
        if (displayZero)
            return resetEntry();
        if (code == '+' && m_addMode) {
            if (m_entry.text().contains(QLatin1Char('-'))) {
                setEntryText(m_entry.text().mid(1));
                setPressed(Button::Neg, true);
            }
            m_entry.moveCaretToEnd();
            code = 0;
            return;
        }
        writeOperator(tape::marker::Plus, Operator::Plus);
        if (m_addMode)
            setPressed(Button::Mais, true);
        break;
    case '%':
        if (m_timeMode)
            return;
        if (displayZero || entryZero || isZero(m_total))
            return resetEntry();
        setPressed(Button::Percent, true);
        m_pendingOperator = Operator::Percent;
        if (const auto appended = tape::withItemLine(m_list, display(), tape::marker::Percent))
            changeList(*appended);
        break;
    case '*':
        if (displayZero)
            return resetEntry();
        writeOperator(tape::marker::Times, Operator::Times);
        break;
    case '-':
        if (displayZero || (m_addMode && !m_entry.text().contains(QLatin1Char('-'))))
            return typedMinus(code);
        if (m_addMode) {
            code = 0;
            return;
        }
        writeOperator(tape::marker::Minus, Operator::Minus);
        break;
    case '/':
        if (displayZero)
            return resetEntry();
        writeOperator(tape::marker::Divide, Operator::Divide);
        break;
    case '=':
        if (tape::isClosed(m_list)) {
            code = 0;
            if (!tape::endsWithSeparator(m_list))
                changeList(tape::withSeparator(m_list));
            LimpaTudo();
            return;
        }
        if (entryZero) {
            if (const auto replaced = tape::withLastMarker(m_list, tape::marker::Equals))
                WriteTotal(*replaced);
        } else if (const auto appended = tape::withItemLine(m_list, valueColumn(), tape::marker::Equals)) {
            WriteTotal(*appended);
        }
        checkCapacity();
        break;
    default:
        return;
    }
    afterOperator(code);
}

void Calculator::appendItem(const QString& marker)
{
    if (const auto appended = tape::withItemLine(m_list, valueColumn(), marker))
        changeList(*appended);
}

void Calculator::typedMinus(int& code)
{
    setPressed(Button::Neg, true);
    setEntryText(QLatin1Char('-') + m_entry.text());
    const QString negativeZero = QStringLiteral("-0");
    if (isZero(display()) && display() != negativeZero)
        setVisor(DisplayField::Display, QLatin1Char('-') + format(Decimal(), m_numberFormat));
    if (display() == negativeZero + m_locale.decimal)
        setVisor(DisplayField::Display, negativeZero);
    code = 0;
}

void Calculator::afterOperator(int code)
{
    if (m_keypadInSight) {
        switch (code) {
        case '/': setPressed(Button::Dividir, true); break;
        case '*': setPressed(Button::Vezes, true); break;
        case '+': setPressed(Button::Mais, true); break;
        case '-': setPressed(Button::Menos, true); break;
        default: break;
        }
    }
    m_lastOperator = m_pendingOperator;
    m_lastOperatorKey = code;
    setEntryText(QStringLiteral("0"));
    SelectEntry();
    if (m_pendingOperator != Operator::None) {
        setVisor(DisplayField::Display, m_total.left(tape::MaxValueLength));
        if (m_timeMode) {
            if (const auto clock = ConvertTime(m_total, m_locale))
                setVisor(DisplayField::Time, *clock);
        }
    } else {
        m_pendingOperator = Operator::Plus;
    }
    reportChange();
}

void Calculator::pressButton(Button button)
{
    const ChangeBatch batch(*this);
    const bool memoryKey = button == Button::MC || button == Button::MR || button == Button::Mmais
        || button == Button::Mmenos;
    if ((memoryKey || button == Button::Virgula) && m_timeMode)
        return;
    int code = 0;
    switch (button) {
    case Button::Virgula: decimalKeyClick(); break;
    case Button::Mais: code = m_addMode ? keycode::Enter : '+'; break;
    case Button::Igual: code = '='; break;
    case Button::Menos: code = '-'; break;
    case Button::Vezes: code = '*'; break;
    case Button::Dividir: code = '/'; break;
    case Button::Percent: code = '%'; break;
    case Button::Neg: signChange(); break;
    case Button::Back:
        setEntryText(m_entry.text().left(m_entry.text().size() - 1));
        break;
    case Button::CE: clearKey(); break;
    case Button::MC: clearMemory(); break;
    case Button::MR: setEntryText(m_memoryRegister.text()); break;
    case Button::Mmais: memoryAdd(false); break;
    case Button::Mmenos: memoryAdd(true); break;
    default: {
        const int digit = int(button) - int(Button::Num0);
        if (m_entry.hasSelection())
            setEntryText(QString());
        setEntryText(m_entry.text() + QChar('0' + digit));
        break;
    }
    }
    if (code != 0)
        Form_KeyPress(code);
    if (!memoryKey || button == Button::MR)
        m_entry.moveCaretToEnd();
    reportChange();
}

void Calculator::signChange()
{
    const QString& entry = m_entry.text();
    if (isZero(entry) && !entry.startsWith(QLatin1Char('-')) && isZero(m_total)) {
        if (m_timeMode) {
            setEntryText(TimeDigits(timeDisplay()));
        } else if (const auto shown = valueOf(display())) {
            setEntryText(shown->toPlainText().replace(QLatin1Char('.'), m_locale.decimal));
        }
    }
    if (!m_entry.text().startsWith(QLatin1Char('-'))) {
        m_entry.setMaxLength(m_entry.maxLength() + 1);
        setEntryText(QLatin1Char('-') + m_entry.text());
        if (isZero(display()))
            setVisor(DisplayField::Display, QLatin1Char('-') + format(Decimal(), m_numberFormat));
        if (display() == QStringLiteral("-0") + m_locale.decimal)
            setVisor(DisplayField::Display, QStringLiteral("-0"));
    } else {
        setEntryText(m_entry.text().mid(1));
    }
}

void Calculator::clearKey()
{
    if (isZero(display()))
        mnuLimpar_Click();
    else if (isNonZero(m_entry.text()))
        setEntryText(QString());
    else
        entryChanged();
}

void Calculator::decimalKeyClick()
{
    const QChar sep = m_locale.decimal;
    if (isPressed(Button::Virgula)) {
        setEntryText(QStringLiteral("0"));
        SelectEntry();
    } else if (!m_entry.text().contains(sep) && !m_entry.hasSelection()) {
        m_entry.setMaxLength(m_entry.maxLength() + 1);
        setEntryText(m_entry.text() + sep);
    } else {
        setEntryText(QLatin1Char('0') + sep);
    }
}

} // namespace numerette
