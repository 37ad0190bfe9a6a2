// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_box.h"

namespace numerette {

void EntryBox::setText(const QString& text)
{
    m_text = text;
    moveCaretToEnd();
}

void EntryBox::selectAll()
{
    m_selectionStart = 0;
    m_selectionLength = int(m_text.size());
}

void EntryBox::moveCaretToEnd()
{
    m_selectionStart = int(m_text.size());
    m_selectionLength = 0;
}

bool EntryBox::type(QChar c)
{
    if (m_text.size() - m_selectionLength + 1 > m_maxLength)
        return false;
    m_text.replace(m_selectionStart, m_selectionLength, c);
    m_selectionStart += 1;
    m_selectionLength = 0;
    return true;
}

bool EntryBox::backspace()
{
    if (m_selectionLength > 0) {
        m_text.remove(m_selectionStart, m_selectionLength);
        m_selectionLength = 0;
        return true;
    }
    if (m_selectionStart == 0)
        return false;
    m_selectionStart -= 1;
    m_text.remove(m_selectionStart, 1);
    return true;
}

} // namespace numerette
