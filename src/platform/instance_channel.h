// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include "instance_message.h"

class QLocalSocket;

namespace numerette {

// How the processes of one user find the program's first instance and talk to it.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    enum class Role { First, Handover };

    using QObject::QObject;

    // Decides, atomically across processes, whether this process is the first instance.
    // First: it now holds the role and receives messages until release(). Handover: another
    // process holds the role, and send() reaches it. Claiming again while First stays First.
    virtual Role claim() = 0;

    // Gives the role up. A first instance that obeys a close request calls this from its
    // received() slot, so that the requesting process can claim the role as soon as send()
    // returns.
    virtual void release() = 0;

    // Delivers a message to the first instance and waits until its received() slots have
    // returned. False when no first instance took it within timeoutMs (-1: no limit).
    virtual bool send(const InstanceMessage& message, int timeoutMs) = 0;

signals:
    void received(const numerette::InstanceMessage& message);
};

// The channel between real processes: a lock file held for the first instance's lifetime
// decides who is first, and a local socket that only the user can open carries the messages.
class LocalInstanceChannel final : public InstanceChannel {
    Q_OBJECT

public:
    // The socket lives at basePath and the lock beside it at basePath + ".lock".
    explicit LocalInstanceChannel(const QString& basePath = defaultInstancePath(),
                                  QObject* parent = nullptr);
    ~LocalInstanceChannel() override;

    // "numerette-<uid>" in the user's runtime folder.
    static QString defaultInstancePath();

    Role claim() override;
    void release() override;
    bool send(const InstanceMessage& message, int timeoutMs) override;

private:
    void acceptConnections();
    void serve(QLocalSocket* socket);

    QString m_basePath;
    QLockFile m_lock;
    QLocalServer m_server;
};

} // namespace numerette
