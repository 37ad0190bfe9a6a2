// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_midi_out.h"

namespace numerette {

bool FakeMidiOut::open()
{
    if (m_openFails)
        return false;
    if (!m_open)
        ++m_openCount;
    m_open = true;
    return true;
}

void FakeMidiOut::shortMessage(std::uint32_t message)
{
    if (m_open)
        m_messages.push_back(message);
}

void FakeMidiOut::close()
{
    m_open = false;
}

void FakeMidiOut::failLater()
{
    if (!m_open)
        return;
    m_open = false;
    if (m_failureHandler)
        m_failureHandler();
}

} // namespace numerette
