// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboard_taker.h"

#include "change_batch.h"

namespace numerette {

ClipboardReading ClipboardTaker::read(Calculator& calculator, ClipboardPort& clipboard)
{
    const QString text = clipboard.clipboardText();
    if (!m_taken.isEmpty() && text == m_taken)
        return ClipboardReading::Ignored;
    m_taken.clear();
    // A copied column adds its numbers one by one; the window renders once, at the end.
    const ClipboardReading reading = [&] {
        const ChangeBatch oneRender(calculator);
        return readClipboard(calculator, clipboard, text);
    }();
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
