// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboard_taker.h"

namespace numerette {

ClipboardReading ClipboardTaker::read(Calculator& calculator, ClipboardPort& clipboard)
{
    const QString text = clipboard.clipboardText();
    if (!m_taken.isEmpty() && text == m_taken)
        return ClipboardReading::Ignored;
    m_taken.clear();
    const ClipboardReading reading = readClipboard(calculator, clipboard, text);
    // A rejected selection is remembered too, or its message would come back with every
    // offer of the same selection.
    const bool used = reading == ClipboardReading::Taken || reading == ClipboardReading::InvalidSelection;
    if (used && clipboard.clipboardText() == text)
        m_taken = text;
    return reading;
}

void ClipboardTaker::passOver(ClipboardPort& clipboard)
{
    clipboard.clearClipboard();
    m_taken = clipboard.clipboardText();
}

} // namespace numerette
