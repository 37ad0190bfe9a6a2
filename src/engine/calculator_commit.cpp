// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"
#include "percentage.h"

#include "message_catalogue.h"
#include "time_text.h"

namespace numerette {

void Calculator::ApplyPendingOperation()
{
    const ChangeBatch batch(*this);
    if (m_interactive && isNonZero(m_entry.text()) && !tape::isTotalMarked(m_list)) {
        if (const auto count = valueOf(counter()); count && count->plus(Decimal(1)))
            setVisor(DisplayField::Counter, format(*count->plus(Decimal(1)), u"000"));
    }
    if (!isNonZero(m_entry.text()))
        return;
    const auto total = valueOf(m_total);
    const auto operand = valueOf(display());
    if (total && operand) {
        std::optional<Decimal> result;
        switch (m_pendingOperator) {
        case Operator::Plus: result = total->plus(*operand); break;
        case Operator::Minus: result = total->minus(*operand); break;
        case Operator::Divide: result = total->dividedBy(*operand); break;
        case Operator::Times: result = total->times(*operand); break;
        case Operator::None:
        case Operator::Percent:
        case Operator::ToolReport: break;
        }
        if (result)
            setTotal(formatStep(*result));
    }
    m_insertLabel.clear();
}

void Calculator::commitStep()
{
    m_commitRunning = true;
    if (isNonZero(m_entry.text()) && m_pendingOperator == Operator::Percent) {
        applyPercentage();
        WriteTotal(tape::appended(m_list, QString()));
    } else {
        ApplyPendingOperation();
    }
    if (m_pendingOperator != Operator::Percent && m_pendingOperator != Operator::None && !m_entry.text().isEmpty()) {
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
    const int key = m_lastOperatorKey;
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
    m_pendingOperator = Operator::None;
    addToGrandTotal();
    m_port.clearClipboard();
    if (m_timeMode) {
        if (const auto clock = ConvertTime(m_total, m_locale))
            setTotal(*clock);
    }
    if (m_pendingClipboardText.isEmpty()) {
        putTotalOnClipboard(m_total);
    } else {
        m_port.setClipboardText(m_pendingClipboardText);
        m_lastClipboardText = m_port.clipboardText();
    }
    m_pendingClipboardText.clear();
    if (m_timeMode) {
        if (const auto seconds = ConvertTime(m_total, m_locale))
            setVisor(DisplayField::Display, *seconds);
        setVisor(DisplayField::Time, m_total);
    } else {
        setVisor(DisplayField::Display, m_total.left(tape::MaxValueLength));
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
    setVisor(DisplayField::Counter, QStringLiteral("000"));
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
    if (m_port.askYesNo(LoadMessage(Message::ListFull)) && m_port.keepErasedList(m_list))
        clearList();
}

void Calculator::appendToolReport(const QString& block)
{
    const ChangeBatch batch(*this);
    m_pendingOperator = Operator::ToolReport;
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
