// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer_port.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include <cstring>

#include <fcntl.h>
#include <termios.h>
#include <grp.h>
#include <sys/stat.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace numerette {

namespace {

struct NamedPort {
    QLatin1StringView name;
    QLatin1StringView device;
};

constexpr std::array<NamedPort, 6> NamedPorts{{
    {QLatin1StringView("LPT1"), QLatin1StringView("lp0")},
    {QLatin1StringView("LPT2"), QLatin1StringView("lp1")},
    {QLatin1StringView("COM1"), QLatin1StringView("ttyS0")},
    {QLatin1StringView("COM2"), QLatin1StringView("ttyS1")},
    {QLatin1StringView("COM3"), QLatin1StringView("ttyS2")},
    {QLatin1StringView("COM4"), QLatin1StringView("ttyS3")},
}};

// The device names of printers under /dev, in the order the prompt lists them.
constexpr std::array<QLatin1StringView, 5> PrinterDeviceStems{
    QLatin1StringView("usb/lp"), QLatin1StringView("ttyUSB"), QLatin1StringView("ttyACM"),
    QLatin1StringView("lp"), QLatin1StringView("ttyS")};

bool isPrinterDevice(const QString& device)
{
    static const QRegularExpression pattern(QStringLiteral("^(usb/lp|lp|ttyUSB|ttyACM|ttyS)[0-9]{1,3}$"));
    return pattern.match(device).hasMatch();
}

// Linux makes ttyS0 to ttyS31 whether or not a UART is there; sysfs tells its type, 0 for none.
bool hasUart(const QString& device)
{
    QFile type(QStringLiteral("/sys/class/tty/") + device + QStringLiteral("/type"));
    if (!type.open(QIODevice::ReadOnly))
        return true;
    return type.readAll().trimmed() != "0";
}

struct SpeedCode {
    int bitsPerSecond;
    speed_t code;
};

constexpr std::array<SpeedCode, 12> SerialSpeeds{{
    {1200, B1200}, {2400, B2400}, {4800, B4800}, {9600, B9600}, {19200, B19200}, {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {500000, B500000},
    {921600, B921600},
}};

// Raw mode at the speed, 8N1, no flow control, modem lines ignored; false with errno set.
bool setSerialLine(int fd, int bitsPerSecond)
{
    const auto* speed = std::find_if(SerialSpeeds.begin(), SerialSpeeds.end(),
                                     [bitsPerSecond](const SpeedCode& entry) { return entry.bitsPerSecond == bitsPerSecond; });
    if (speed == SerialSpeeds.end()) {
        errno = EINVAL;
        return false;
    }
    termios line{};
    if (::tcgetattr(fd, &line) != 0)
        return false;
    ::cfmakeraw(&line);
    line.c_cflag &= ~tcflag_t(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    return ::cfsetispeed(&line, speed->code) == 0 && ::cfsetospeed(&line, speed->code) == 0
        && ::tcsetattr(fd, TCSANOW, &line) == 0;
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
    for (const NamedPort& entry : NamedPorts) {
        if (wanted.compare(entry.name, Qt::CaseInsensitive) == 0)
            return PrinterPort{entry.name, entry.device};
    }
    const QLatin1StringView devices("/dev/");
    if (wanted.startsWith(devices) && isPrinterDevice(wanted.mid(devices.size())))
        return PrinterPort{wanted, wanted.mid(devices.size())};
    return std::nullopt;
}

QString printerPortName(const PrinterPort& port)
{
    return port.name;
}

bool isSerialPort(const PrinterPort& port)
{
    return port.device.startsWith(QLatin1StringView("tty"));
}

QStringList printerDevices(const QString& folder)
{
    QStringList found;
    for (const QLatin1StringView stem : PrinterDeviceStems) {
        const QString inside = QString(stem).section(QLatin1Char('/'), 0, -2);
        const QString prefix = QString(stem).section(QLatin1Char('/'), -1);
        QDir dir(folder + QLatin1Char('/') + inside);
        QStringList names = dir.entryList({prefix + QLatin1Char('*')}, QDir::System | QDir::Files);
        std::sort(names.begin(), names.end(), [&prefix](const QString& a, const QString& b) {
            return a.mid(prefix.size()).toInt() < b.mid(prefix.size()).toInt();
        });
        for (const QString& name : std::as_const(names)) {
            const QString device = inside.isEmpty() ? name : inside + QLatin1Char('/') + name;
            if (isPrinterDevice(device) && (stem != QLatin1StringView("ttyS") || hasUart(device)))
                found << QStringLiteral("/dev/") + device;
        }
    }
    return found;
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

QString DevicePortWriter::devicePath(const PrinterPort& port) const
{
    return m_folder + QLatin1Char('/') + port.device;
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
    if (m_fd >= 0 && ::isatty(m_fd) && !setSerialLine(m_fd, m_speed)) {
        noteFailure(devicePath(port), errno);
        close();
        return false;
    }
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
