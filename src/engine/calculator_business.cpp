// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of a desk printing calculator beyond the arithmetic: the grand total, the tax keys
// and the cost-sell-margin key. Each writes its figures onto the list as a block of its own,
// closed by a separator, and leaves the calculator as after a total: its result shown and on
// the clipboard, ready to be taken up by the next operator key.
#include "calculator.h"

#include "business_figures.h"

namespace numerette {

bool Calculator::businessKey(int code)
{
    switch (code) {
    case keycode::GrandTotal: grandTotalKey(); return true;
    case keycode::TaxAdded: taxKey(true); return true;
    case keycode::TaxTakenOut: taxKey(false); return true;
    case keycode::Margin: marginKey(); return true;
    default: return false;
    }
}

void Calculator::restoreGrandTotal(const GrandTotalRegister& grandTotal)
{
    const ChangeBatch batch(*this);
    m_grandTotal = grandTotal;
    reportChange();
}

QString Calculator::grandTotalText() const
{
    return m_grandTotal.count == 0 ? QString() : figureText(m_grandTotal.value);
}

// A figure as the running total would show it: rounded as the format and the rounding mode
// say, without the separator the format leaves when every optional decimal is dropped.
QString Calculator::figureText(const Decimal& value) const
{
    QString text = formatStep(value);
    if (text.endsWith(m_locale.decimal))
        text.chop(1);
    return text;
}

// Runs for every total. A time total is a duration, no amount, and stays out of it.
void Calculator::addToGrandTotal()
{
    if (m_timeMode)
        return;
    const auto total = valueOf(m_total);
    const auto sum = total ? m_grandTotal.value.plus(*total) : std::nullopt;
    if (!sum)
        return;
    m_grandTotal = {*sum, m_grandTotal.count + 1};
}

void Calculator::putTotalOnClipboard(const QString& total)
{
    QString text = total;
    if (m_plainClipboard && !m_timeMode)
        text.remove(m_locale.group);
    m_port.setClipboardText(text);
    m_lastClipboardText = m_port.clipboardText();
}

// A calculation still running is totalled first, as "=" would total it.
void Calculator::totalRunningCalculation()
{
    if (tape::isClosed(m_list))
        return;
    int code = '=';
    Form_KeyPress(code);
    setPressed(Button::Igual, false);
}

void Calculator::writeFigures(const QString& lines, const QString& result)
{
    setEntryText(QStringLiteral("0"));
    changeList(tape::appended(m_list, lines + tape::Separator + tape::LineBreak));
    LimpaTudo();
    setVisor(DisplayField::Display, result.left(tape::MaxValueLength));
    m_port.clearClipboard();
    putTotalOnClipboard(result);
    checkCapacity();
    emit calculationClosed();
    reportChange();
}

// The grand total and the number of totals it holds, in the shape of a total block; the
// register starts again from zero.
void Calculator::grandTotalKey()
{
    if (m_timeMode)
        return;
    totalRunningCalculation();
    if (m_grandTotal.count == 0)
        return;
    const QString shown = figureText(m_grandTotal.value);
    const QString lines = tape::countLine(format(Decimal(m_grandTotal.count), u"000")) + tape::LineBreak
        + tape::figureLine(shown, tape::marker::GrandTotal) + tape::LineBreak;
    m_grandTotal = {};
    writeFigures(lines, shown);
}

// Tax+ works on a net amount and writes net, tax and gross; Tax- on a gross amount and
// writes gross, tax and net. The amount is the display: the figure typed, the total of the
// calculation just closed, or the last result.
void Calculator::taxKey(bool added)
{
    if (m_timeMode || m_taxRate.isZero())
        return;
    totalRunningCalculation();
    const auto amount = valueOf(display());
    if (!amount || amount->isZero())
        return;
    const int places = pictureDecimals(m_numberFormat);
    const auto figures = added ? taxAdded(*amount, m_taxRate, places, m_roundingMode)
                               : taxTakenOut(*amount, m_taxRate, places, m_roundingMode);
    if (!figures)
        return;
    const QString net = tape::figureLine(figureText(figures->net), tape::marker::Net) + tape::LineBreak;
    const QString tax = tape::figureLine(figureText(figures->tax), tape::marker::Tax) + tape::LineBreak;
    const QString gross = tape::figureLine(figureText(figures->gross), tape::marker::Gross) + tape::LineBreak;
    if (added)
        writeFigures(net + tax + gross, figureText(figures->gross));
    else
        writeFigures(gross + tax + net, figureText(figures->net));
}

// The running total is the cost and the number typed the margin in percent of the selling
// price: 100 + 25 Margin gives the selling price 133.33 and the profit 33.33. The
// calculation is totalled without the margin, then cost, margin, selling price and profit
// are written.
void Calculator::marginKey()
{
    if (m_timeMode || tape::isClosed(m_list) || !isNonZero(m_entry.text()) || isZero(m_total))
        return;
    const auto cost = valueOf(m_total);
    const auto margin = valueOf(display());
    if (!cost || !margin)
        return;
    const auto figures = sellingPrice(*cost, *margin, pictureDecimals(m_numberFormat), m_roundingMode);
    if (!figures)
        return;
    const QString marginText = display();
    setEntryText(QStringLiteral("0"));
    totalRunningCalculation();
    const QString sell = figureText(figures->sell);
    writeFigures(tape::figureLine(figureText(*cost), tape::marker::Cost) + tape::LineBreak
                     + tape::figureLine(marginText, tape::marker::Margin) + tape::LineBreak
                     + tape::figureLine(sell, tape::marker::Sell) + tape::LineBreak
                     + tape::figureLine(figureText(figures->profit), tape::marker::Profit) + tape::LineBreak,
                 sell);
}

} // namespace numerette
