// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

namespace numerette {

void Calculator::appendCorrection(const QString& lines, const QString& total)
{
    // A number typed but not yet on the list would otherwise be added by the commit step.
    setEntryText(QStringLiteral("0"));
    changeList(tape::appended(m_list, lines));
    LimpaTudo();
    m_host.clearClipboard();
    m_host.setClipboardText(total);
    m_lastClipboardText = m_host.clipboardText();
    // As after a total: the result shows, and the next operator key can take it up.
    if (!m_timeMode)
        setVisor(0, total.left(tape::MaxValueLength));
    emit calculationClosed();
    checkCapacity();
}

} // namespace numerette
