// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

namespace numerette {

void Calculator::appendCorrection(const QString& lines, const QString& total, const QString& replacedTotal)
{
    const ChangeBatch batch(*this);
    const auto replaced = valueOf(replacedTotal);
    const auto corrected = valueOf(total);
    const auto change = replaced && corrected ? corrected->minus(*replaced) : std::nullopt;
    const auto grandTotal = change && m_grandTotal.count > 0 ? m_grandTotal.value.plus(*change) : std::nullopt;
    if (grandTotal && !replacedTotal.isEmpty())
        m_grandTotal.value = *grandTotal;
    // A number typed but not yet on the list would otherwise be added by the commit step.
    setEntryText(QStringLiteral("0"));
    changeList(tape::appended(m_list, lines));
    LimpaTudo();
    m_port.clearClipboard();
    putTotalOnClipboard(total);
    // As after a total: the result shows, and the next operator key can take it up.
    if (!m_timeMode)
        setVisor(DisplayField::Display, total.left(tape::MaxValueLength));
    emit calculationClosed();
    checkCapacity();
}

} // namespace numerette
