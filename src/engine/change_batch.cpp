// SPDX-License-Identifier: GPL-3.0-or-later
#include "change_batch.h"

#include <algorithm>
#include <utility>

#include "calculator.h"

namespace numerette {

ChangeBatch::ChangeBatch(Calculator& calculator)
    : m_calculator(calculator)
{
    ++m_calculator.m_openBatches;
}

// A batch set aside that closes before its dialog does (a dialog left open when the action
// ends) is no longer set aside: the batches opened after it are held again.
ChangeBatch::~ChangeBatch()
{
    const int open = --m_calculator.m_openBatches;
    m_calculator.m_batchesSetAside = std::min(m_calculator.m_batchesSetAside, open);
    if (open == m_calculator.m_batchesSetAside)
        m_calculator.reportHeldChange();
}

ChangeBatchesSetAside::ChangeBatchesSetAside(Calculator& calculator)
    : m_calculator(calculator)
    , m_setAsideBefore(std::exchange(calculator.m_batchesSetAside, calculator.m_openBatches))
{
    m_calculator.reportHeldChange();
}

ChangeBatchesSetAside::~ChangeBatchesSetAside()
{
    m_calculator.m_batchesSetAside = std::min(m_setAsideBefore, m_calculator.m_openBatches);
}

void Calculator::reportChange()
{
    if (m_openBatches > m_batchesSetAside)
        m_changeHeld = true;
    else
        emit viewChanged();
}

// Cleared before the signal: what its receivers change is a change of its own.
void Calculator::reportHeldChange()
{
    if (std::exchange(m_changeHeld, false))
        emit viewChanged();
}

} // namespace numerette
