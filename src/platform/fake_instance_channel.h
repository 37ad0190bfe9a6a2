// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "instance_channel.h"

namespace numerette {

// An instance channel for tests: the other processes are a few switches, and what reached
// "the running instance" is recorded.
class FakeInstanceChannel final : public InstanceChannel {
    Q_OBJECT

public:
    using InstanceChannel::InstanceChannel;

    // Whether another process holds the first-instance role.
    void setOtherInstanceRunning(bool running) { m_otherRunning = running; }
    // Whether that instance gives the role up when asked to close (it does by default).
    void setOtherInstanceCloses(bool closes) { m_otherCloses = closes; }
    // Whether messages reach that instance at all.
    void setOtherInstanceReachable(bool reachable) { m_otherReachable = reachable; }

    bool isFirst() const { return m_first; }
    // Every message the running instance received, oldest first.
    const QList<InstanceMessage>& deliveredMessages() const { return m_delivered; }

    // A message from another process, as the first instance receives it.
    void deliver(const InstanceMessage& message);

    Role claim() override;
    void release() override;
    bool send(const InstanceMessage& message, int timeoutMs) override;

private:
    bool m_otherRunning = false;
    bool m_otherCloses = true;
    bool m_otherReachable = true;
    bool m_first = false;
    QList<InstanceMessage> m_delivered;
};

} // namespace numerette
