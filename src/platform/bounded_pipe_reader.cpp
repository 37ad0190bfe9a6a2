// SPDX-License-Identifier: GPL-3.0-or-later
#include "bounded_pipe_reader.h"

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace numerette {

BoundedPipeReader::BoundedPipeReader(int readEnd, qsizetype limit, QObject* parent)
    : QObject(parent)
    , m_fd(readEnd)
    , m_limit(limit)
    , m_notifier(new QSocketNotifier(readEnd, QSocketNotifier::Read, this))
{
    const int flags = fcntl(m_fd, F_GETFL);
    if (flags >= 0)
        fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);
    connect(m_notifier, &QSocketNotifier::activated, this, &BoundedPipeReader::readAvailable);
}

BoundedPipeReader::~BoundedPipeReader()
{
    if (m_fd >= 0)
        close(m_fd);
}

void BoundedPipeReader::readAvailable()
{
    std::array<char, 65536> buffer {};
    for (;;) {
        const ssize_t got = read(m_fd, buffer.data(), buffer.size());
        if (got > 0) {
            if (m_content.size() + got > m_limit)
                return finish(std::nullopt);
            m_content.append(buffer.data(), got);
        } else if (got == 0) {
            return finish(m_content);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return;
        } else if (errno != EINTR) {
            return finish(std::nullopt);
        }
    }
}

void BoundedPipeReader::finish(const std::optional<QByteArray>& content)
{
    m_notifier->setEnabled(false);
    close(m_fd);
    m_fd = -1;
    m_content.clear();
    emit finished(content);
}

} // namespace numerette
