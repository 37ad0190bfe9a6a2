// SPDX-License-Identifier: GPL-3.0-or-later
#include "pipe_writer.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace numerette {

namespace {

// A write to a pipe whose reader is gone raises SIGPIPE, which would end the program; it is
// ignored for the one call, and the write fails with EPIPE instead.
ssize_t writeWithoutSigpipe(int fd, const char* data, size_t size)
{
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &previous);
    const ssize_t written = write(fd, data, size);
    const int error = errno;
    sigaction(SIGPIPE, &previous, nullptr);
    errno = error;
    return written;
}

} // namespace

PipeWriter::PipeWriter(int writeEnd, QByteArray content, QObject* parent)
    : QObject(parent)
    , m_fd(writeEnd)
    , m_content(std::move(content))
    , m_notifier(new QSocketNotifier(writeEnd, QSocketNotifier::Write, this))
{
    const int flags = fcntl(m_fd, F_GETFL);
    if (flags >= 0)
        fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);
    connect(m_notifier, &QSocketNotifier::activated, this, &PipeWriter::writeSome);
}

PipeWriter::~PipeWriter()
{
    if (m_fd >= 0)
        close(m_fd);
}

void PipeWriter::writeSome()
{
    while (m_written < m_content.size()) {
        const ssize_t written = writeWithoutSigpipe(m_fd, m_content.constData() + m_written,
                                                    size_t(m_content.size() - m_written));
        if (written > 0)
            m_written += written;
        else if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        else if (written == 0 || errno != EINTR)
            break;
    }
    finish();
}

void PipeWriter::finish()
{
    m_notifier->setEnabled(false);
    close(m_fd);
    m_fd = -1;
    deleteLater();
}

} // namespace numerette
