// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"
#include "percentage.h"

#include "message_catalogue.h"
#include "time_text.h"

namespace numerette {

void Calculator::ApplyPendingOperation()
{
    const ChangeBatch batch(*this);
    if (m_windowVisible && isNonZero(m_entry.text()) && !tape::isTotalMarked(m_list)) {
        if (const auto count = valueOf(counter()); count && count->plus(Decimal(1)))
            setVisor(1, format(*count->plus(Decimal(1)), u"000"));
    }
    if (!isNonZero(m_entry.text()))
        return;
    const auto total = valueOf(m_total);
    const auto operand = valueOf(display());
    if (total && operand) {
        std::optional<Decimal> result;
        if (m_pendingOperator == QLatin1String("+"))
            result = total->plus(*operand);
        else if (m_pendingOperator == QLatin1String("-"))
            result = total->minus(*operand);
        else if (m_pendingOperator == QLatin1String("/"))
            result = total->dividedBy(*operand);
        else if (m_pendingOperator == QLatin1String("*"))
            result = total->times(*operand);
        if (result)
            setTotal(formatStep(*result));
    }
    m_insertLabel.clear();
}

void Calculator::commitStep()
{
    m_commitRunning = true;
    if (isNonZero(m_entry.text()) && m_pendingOperator == QLatin1String("%")) {
        applyPercentage();
        WriteTotal(tape::appended(m_list, QString()));
    } else {
        ApplyPendingOperation();
    }
    if (m_pendingOperator != QLatin1String("%") && !m_pendingOperator.isEmpty() && !m_entry.text().isEmpty()) {
        m_lastOperator = m_pendingOperator;
        m_repeatOperand = m_entry.text();
    }
    reselectAfterCommit();
    m_history.setReentryStart(0);
    m_commitRunning = false;
}

// The percentage closes the calculation: the total times (or, after "/", divided by) the
// factor of the operator before it.
void Calculator::applyPercentage()
{
    const auto total = valueOf(m_total);
    const auto percent = valueOf(display());
    if (!total || !percent)
        return;
    const int key = m_lastOperatorKey.toInt();
    const PercentageUse use = key == '+' || key == keycode::Add || key == '/' ? PercentageUse::Added
        : key == '-'                                                           ? PercentageUse::TakenOff
                                                                               : PercentageUse::Share;
    const auto f = percentageFactor(*percent, use);
    if (!f)
        return;
    std::optional<Decimal> result;
    if (key == '/') {
        const Decimal share = total->dividedBy(*f).value_or(Decimal());
        result = total->minus(share);
    } else {
        result = total->times(*f);
    }
    if (result)
        setTotal(formatStep(*result));
}

void Calculator::WriteTotal(const tape::TailEdit& edit)
{
    const ChangeBatch batch(*this);
    ApplyPendingOperation();
    m_pendingOperator.clear();
    addToGrandTotal();
    m_host.clearClipboard();
    if (m_timeMode) {
        if (const auto clock = ConvertTime(m_total, m_locale))
            setTotal(*clock);
    }
    if (m_pendingClipboardText.isEmpty()) {
        putTotalOnClipboard(m_total);
    } else {
        m_host.setClipboardText(m_pendingClipboardText);
        m_lastClipboardText = m_host.clipboardText();
    }
    m_pendingClipboardText.clear();
    if (m_timeMode) {
        if (const auto seconds = ConvertTime(m_total, m_locale))
            setVisor(0, *seconds);
        setVisor(2, m_total);
    } else {
        setVisor(0, m_total.left(tape::MaxValueLength));
    }

    const bool wasRunning = m_commitRunning;
    m_commitRunning = true;
    QString text = edit.text;
    if (m_insertText)
        text += tape::Divider + tape::LineBreak;
    text += tape::countLine(counter()) + tape::LineBreak + tape::totalLine(m_total) + tape::LineBreak
        + tape::Separator + tape::LineBreak;
    changeList({edit.from, text});
    m_commitRunning = wasRunning;

    applyListCaretRule();
    setVisor(1, QStringLiteral("000"));
    setTotal(QStringLiteral("0"));
    emit calculationClosed();
}

void Calculator::applyListCaretRule()
{
    if (m_insertText && isNonZero(counter()) && !tape::lastMarkerIsEquals(m_list))
        setListSelection(int(m_list.size()) - 27, 11);
    else
        setListSelection(int(std::max<qsizetype>(0, m_list.size() - 2)), 0);
}

void Calculator::reselectAfterCommit()
{
    const int start = m_history.reentryStart();
    if (start == 0) {
        applyListCaretRule();
        return;
    }
    const qsizetype lineEnd = m_list.indexOf(QLatin1Char('\r'), start - 1);
    if (lineEnd >= 0)
        setListSelection(start, int(lineEnd + 1 - start));
}

void Calculator::checkCapacity()
{
    if (m_list.size() <= tape::CapacityChars)
        return;
    if (m_host.askYesNo(LoadMessage(Message::ListFull)) && m_host.keepErasedList(m_list))
        clearList();
}

void Calculator::appendToolReport(const QString& block)
{
    const ChangeBatch batch(*this);
    m_pendingOperator = QStringLiteral("T");
    setEntryText(QStringLiteral("0"));
    if (!tape::isToolClosed(m_list)) {
        int code = '=';
        Form_KeyPress(code);
    }
    setPressed(Button::Igual, false);
    checkCapacity();
    changeList(tape::appended(m_list, block + tape::LineBreak + tape::Separator + tape::LineBreak));
    LimpaTudo();
    emit calculationClosed();
}

void Calculator::appendReportLines(const QString& lines)
{
    const ChangeBatch batch(*this);
    changeList(tape::appended(m_list, lines));
    emit calculationClosed();
}

} // namespace numerette
