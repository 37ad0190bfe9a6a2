// SPDX-License-Identifier: GPL-3.0-or-later
#include "instance_channel.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>

#include <unistd.h>

namespace numerette {

namespace {

Q_LOGGING_CATEGORY(lcInstance, "numerette.instance")

// Sent back once the first instance has handled a message.
constexpr char HandledAck = '\x06';
// A connection that has not delivered one whole message by then is dropped.
constexpr int ConnectionDeadlineMs = 5000;
// More than one whole message; a connection that sends this much at once is rejected anyway.
constexpr qsizetype ReadChunk = MaxInstanceMessageText + 64;
constexpr int ConnectRetryMs = 50;

int remainingMs(const QDeadlineTimer& deadline)
{
    return deadline.isForever() ? -1 : int(std::max<qint64>(0, deadline.remainingTime()));
}

void drop(QLocalSocket* socket)
{
    socket->abort();
    socket->deleteLater();
}

} // namespace

LocalInstanceChannel::LocalInstanceChannel(const QString& basePath, QObject* parent)
    : InstanceChannel(parent), m_basePath(basePath), m_lock(basePath + u".lock")
{
    // The lock counts as stale only when its owner is gone, never for its age: the first
    // instance may run for weeks.
    m_lock.setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &LocalInstanceChannel::acceptConnections);
}

LocalInstanceChannel::~LocalInstanceChannel()
{
    release();
}

QString LocalInstanceChannel::defaultInstancePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
        + u"/numerette-" + QString::number(getuid());
}

InstanceChannel::Role LocalInstanceChannel::claim()
{
    if (m_lock.isLocked())
        return Role::First;
    // tryLock creates the lock file exclusively, so of two processes starting together exactly
    // one gets it; a lock whose owner died is taken over.
    if (!m_lock.tryLock(0)) {
        if (m_lock.error() == QLockFile::LockFailedError)
            return Role::Handover;
        // No usable runtime folder: starting alone beats not starting at all.
        qCWarning(lcInstance) << "cannot create the instance lock" << m_lock.error();
        return Role::First;
    }
    // Holding the lock, any socket file left here belongs to a dead instance. listen() would
    // replace even a live one, which is why the lock comes first.
    QLocalServer::removeServer(m_basePath);
    if (!m_server.listen(m_basePath))
        qCWarning(lcInstance) << "cannot listen for other starts:" << m_server.errorString();
    return Role::First;
}

void LocalInstanceChannel::release()
{
    m_server.close();
    if (m_lock.isLocked())
        m_lock.unlock();
}

void LocalInstanceChannel::acceptConnections()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection())
        serve(socket);
}

void LocalInstanceChannel::serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(ConnectionDeadlineMs, socket, [socket] { drop(socket); });

    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->read(ReadChunk));
        const DecodedInstanceMessage decoded = decodeInstanceMessage(*buffer);
        if (decoded.status == DecodeStatus::Incomplete)
            return;
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        if (decoded.status == DecodeStatus::Invalid) {
            drop(socket);
            return;
        }
        // Handle it outside the socket's own signal: a slot may run a nested event loop or
        // give the role up, and the socket may be gone by the time it returns.
        QMetaObject::invokeMethod(
            this,
            [this, socket = QPointer(socket), message = decoded.message] {
                emit received(message);
                if (socket && socket->state() == QLocalSocket::ConnectedState) {
                    socket->putChar(HandledAck);
                    socket->flush();
                    socket->disconnectFromServer();
                }
            },
            Qt::QueuedConnection);
    });
}

bool LocalInstanceChannel::send(const InstanceMessage& message, int timeoutMs)
{
    const std::optional<QByteArray> bytes = encodeInstanceMessage(message);
    if (!bytes)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The first instance takes the lock a moment before it listens, and a dead one's socket
    // file refuses until the next first instance replaces it: keep knocking until the deadline.
    for (;;) {
        socket.connectToServer(m_basePath);
        if (socket.waitForConnected(remainingMs(deadline)))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(ConnectRetryMs);
    }
    socket.write(*bytes);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remainingMs(deadline)))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == HandledAck;
}

} // namespace numerette
