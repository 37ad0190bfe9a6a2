// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer_port.h"

#include <array>
#include <cerrno>

#include <cstring>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

namespace numerette {

namespace {

struct PortDevice {
    PrinterPort port;
    QLatin1StringView name;
    QLatin1StringView device;
};

constexpr std::array<PortDevice, 6> Ports{{
    {PrinterPort::Lpt1, QLatin1StringView("LPT1"), QLatin1StringView("lp0")},
    {PrinterPort::Lpt2, QLatin1StringView("LPT2"), QLatin1StringView("lp1")},
    {PrinterPort::Com1, QLatin1StringView("COM1"), QLatin1StringView("ttyS0")},
    {PrinterPort::Com2, QLatin1StringView("COM2"), QLatin1StringView("ttyS1")},
    {PrinterPort::Com3, QLatin1StringView("COM3"), QLatin1StringView("ttyS2")},
    {PrinterPort::Com4, QLatin1StringView("COM4"), QLatin1StringView("ttyS3")},
}};

const PortDevice& entryOf(PrinterPort port)
{
    return Ports[static_cast<std::size_t>(port)];
}

// A printer that takes no byte for this long is not responding.
constexpr int WriteTimeoutMs = 10'000;

// Holds SIGPIPE back while it lives and consumes one raised meanwhile, so that writing to
// a pipe whose reader has gone fails with EPIPE instead of ending the program.
class SigpipeGuard {
public:
    SigpipeGuard()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_alreadyPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
    }
    ~SigpipeGuard()
    {
        const int savedErrno = errno;
        sigset_t pending;
        sigpending(&pending);
        if (!m_alreadyPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec noWait{0, 0};
            while (sigtimedwait(&m_pipe, nullptr, &noWait) == -1 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
        errno = savedErrno;
    }
    SigpipeGuard(const SigpipeGuard&) = delete;
    SigpipeGuard& operator=(const SigpipeGuard&) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_previous;
    bool m_alreadyPending = false;
};

bool waitUntilWritable(int fd)
{
    pollfd watched{fd, POLLOUT, 0};
    int ready;
    do {
        ready = ::poll(&watched, 1, WriteTimeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (watched.revents & POLLOUT);
}

// The group that may write the device: its own group when that may write it, else the group
// Linux gives such devices (lp for printers, dialout for serial ports).
QString writingGroup(const QByteArray& path, bool serial)
{
    struct stat device {};
    if (::stat(path.constData(), &device) == 0 && (device.st_mode & S_IWGRP) && device.st_gid != 0) {
        if (const group* owner = ::getgrgid(device.st_gid))
            return QString::fromLocal8Bit(owner->gr_name);
    }
    return serial ? QStringLiteral("dialout") : QStringLiteral("lp");
}

} // namespace

QString portFailureText(const QString& device, int errorNumber, const QString& group)
{
    QString text = QCoreApplication::translate("PrinterPort", "The paper-roll printer at %1 cannot be reached: %2.")
                       .arg(device, QString::fromLocal8Bit(std::strerror(errorNumber)));
    if (errorNumber == EACCES || errorNumber == EPERM) {
        text += QLatin1Char('\n')
              + QCoreApplication::translate("PrinterPort", "Only members of the group %1 may print on it: join it "
                                                           "(for example with \"sudo usermod -aG %1 $USER\"), "
                                                           "then log in again.")
                    .arg(group);
    }
    return text;
}

std::optional<PrinterPort> printerPortNamed(const QString& name)
{
    const QString wanted = name.trimmed();
    for (const PortDevice& entry : Ports) {
        if (wanted.compare(entry.name, Qt::CaseInsensitive) == 0)
            return entry.port;
    }
    return std::nullopt;
}

QString printerPortName(PrinterPort port)
{
    return entryOf(port).name;
}

bool isSerialPort(PrinterPort port)
{
    return port >= PrinterPort::Com1;
}

DevicePortWriter::DevicePortWriter()
    : m_folder(qEnvironmentVariable("NUMERETTE_PORT_DIR"))
    , m_redirected(!m_folder.isEmpty())
{
    if (!m_redirected)
        m_folder = QStringLiteral("/dev");
}

DevicePortWriter::DevicePortWriter(const QString& folder)
    : m_folder(folder)
    , m_redirected(true)
{
}

DevicePortWriter::~DevicePortWriter()
{
    close();
}

QString DevicePortWriter::devicePath(PrinterPort port) const
{
    return m_folder + QLatin1Char('/') + entryOf(port).device;
}

bool DevicePortWriter::open(PrinterPort port, PortOpening opening)
{
    close();
    m_port = port;
    // The descriptor stays non-blocking: write() waits for the device with a time limit.
    int flags = O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (m_redirected)
        flags |= O_CREAT | (opening == PortOpening::NewJob ? O_TRUNC : O_APPEND);
    const QByteArray path = QFile::encodeName(devicePath(port));
    do {
        m_fd = ::open(path.constData(), flags, 0600);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        noteFailure(devicePath(port), errno);
    else
        m_failure.clear();
    return m_fd >= 0;
}

bool DevicePortWriter::write(const QByteArray& bytes)
{
    if (m_fd < 0)
        return false;
    const SigpipeGuard guard;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n > 0)
            written += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitUntilWritable(m_fd))
            continue;
        else {
            noteFailure(devicePath(m_port), n < 0 ? errno : EIO);
            return false;
        }
    }
    return true;
}

void DevicePortWriter::noteFailure(const QString& device, int errorNumber)
{
    m_failure = portFailureText(device, errorNumber, writingGroup(QFile::encodeName(device), isSerialPort(m_port)));
}

void DevicePortWriter::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool FakePortWriter::open(PrinterPort, PortOpening)
{
    m_open = true;
    return true;
}

bool FakePortWriter::write(const QByteArray& bytes)
{
    if (m_open)
        sent += bytes;
    return m_open;
}

} // namespace numerette
