// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

#include <QRegularExpression>

#include "time_text.h"

namespace numerette {
namespace {

bool readsAsTime(const QString& text)
{
    static const QRegularExpression time(QStringLiteral("^-?\\d+:\\d{2}:\\d{2}$"));
    return time.match(text).hasMatch();
}

} // namespace

// Runs whenever the item counter changes.
void Calculator::recordHistory()
{
    m_history.counterChanged(m_total, m_pendingOperator, m_interactive, isZero(counter()));
    reportChange();
}

void Calculator::mnuUndo_Click()
{
    const ChangeBatch batch(*this);
    if (!m_history.undoEnabled() || m_list.size() < tape::LineLength)
        return;
    m_history.beginUndo(m_list.right(tape::LineLength), m_pendingOperator);
    if (const auto count = valueOf(counter()))
        if (const auto less = count->minus(Decimal(1)))
            setVisor(DisplayField::Counter, format(*less, u"000"));
    setEntryText(QString());
    if (const auto shorter = tape::withoutLastLine(m_list))
        changeList(*shorter);
    if (const auto step = m_history.takeUndo()) {
        setTotal(step->total);
        m_pendingOperator = step->pendingOperator;
    }
    setVisor(DisplayField::Display, m_total.left(tape::MaxValueLength));
    if (m_timeMode) {
        if (const auto clock = ConvertTime(m_total, m_locale))
            setVisor(DisplayField::Time, *clock);
    }
    m_history.endUndo();
    reportChange();
}

void Calculator::mnuRedo_Click()
{
    const ChangeBatch batch(*this);
    const auto step = m_history.redoStep(m_insertText);
    if (!step)
        return;
    if (valueOf(step->value)) {
        m_entry.setMaxLength(int(step->value.size()));
        setEntryText(step->value);
    } else {
        setEntryText(TimeDigits(step->value.trimmed()));
    }
    int code = 0;
    switch (step->pendingOperator) {
    case Operator::Plus: code = m_addMode ? keycode::Enter : '+'; break;
    case Operator::Minus: code = '-'; break;
    case Operator::Divide: code = '/'; break;
    case Operator::Times: code = '*'; break;
    case Operator::None:
    case Operator::Percent:
    case Operator::ToolReport: break;
    }
    if (code != 0)
        Form_KeyPress(code);
    if (m_insertText) {
        if (const auto labelled = tape::withLastLineLabel(m_list, step->label))
            changeList(*labelled);
    }
}

void Calculator::reenterFromList(const QString& word, int selectionStart)
{
    const ChangeBatch batch(*this);
    if (editMode())
        return;
    QString s = word.left(word.size() - 1);
    if (readsAsTime(s) && !m_timeMode)
        mnuTempo_Click();
    if (m_timeMode) {
        if (valueOf(s))
            return;
        s = TimeDigits(s);
    }
    if (isZero(s))
        return;
    m_history.setReentryStart(selectionStart);
    m_entry.setMaxLength(tape::MaxValueLength);
    setEntryText(formatText(s, m_numberFormat).left(tape::MaxValueLength));
    int code = m_addMode ? keycode::Enter : '+';
    Form_KeyPress(code);
    setPressed(Button::Mais, false);
}

} // namespace numerette
