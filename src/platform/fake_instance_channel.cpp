// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_instance_channel.h"

namespace numerette {

void FakeInstanceChannel::deliver(const InstanceMessage& message)
{
    if (m_first)
        emit received(message);
}

InstanceChannel::Role FakeInstanceChannel::claim()
{
    if (!m_first && m_otherRunning)
        return Role::Handover;
    m_first = true;
    return Role::First;
}

void FakeInstanceChannel::release()
{
    m_first = false;
}

bool FakeInstanceChannel::send(const InstanceMessage& message, int /*timeoutMs*/)
{
    if (m_first || !m_otherRunning || !m_otherReachable)
        return false;
    m_delivered.append(message);
    if (message.kind == InstanceMessage::Kind::Close && m_otherCloses)
        m_otherRunning = false;
    return true;
}

} // namespace numerette
