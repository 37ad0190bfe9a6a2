// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_field.h"

#include <QFocusEvent>
#include <QKeyEvent>

DateField::DateField(const numerette::dates::DateStyle& style, QWidget* parent)
    : QLineEdit(parent)
    , m_style(style)
    , m_mask(numerette::dates::emptyMask(style))
{
    setMaxLength(numerette::dates::DateLength);
    setAlignment(Qt::AlignCenter);
    setText(m_mask);
    connect(this, &QLineEdit::textChanged, this, &DateField::restoreMask);
}

int DateField::caret() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const QString typedText = event->text();
    const bool isCharacter = !typedText.isEmpty() && typedText.at(0).isPrint();
    const int c = caret();
    const QString current = text();

    const bool moves = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (moves || key == Qt::Key_Backspace || current.isEmpty()) {
        // Backspace just after a separator deletes the digit before it.
        if (key == Qt::Key_Backspace && c > 1 && !hasSelectedText() && current.at(c - 1) == m_style.separator)
            setCursorPosition(c - 1);
    } else if (isCharacter || key == Qt::Key_Delete) {
        // The next character typed or deleted is the one under the caret, past a separator.
        const int at = c < current.size() && current.at(c) == m_style.separator ? c + 1 : c;
        setSelection(at, 1);
    }

    if (isCharacter) {
        emit typed();
        if (!typedText.at(0).isDigit())
            return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit focused();
    setSelection(0, numerette::dates::DateLength);
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit left();
}

void DateField::restoreMask()
{
    if (m_restoring)
        return;
    m_restoring = true;
    const QString current = text();
    const int c = cursorPosition();
    if (current.size() != numerette::dates::DateLength) {
        const int kept = std::min<int>(c, numerette::dates::DateLength);
        setText(current.left(kept) + m_mask.right(numerette::dates::DateLength - kept));
        setCursorPosition(kept);
    } else if (c < current.size() && current.at(c) == m_style.separator) {
        setCursorPosition(c + 1);
    }
    m_restoring = false;
    emit contentChanged();
}
