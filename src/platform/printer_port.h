// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace numerette {

// A port a paper-roll printer can hang on: LPT1, LPT2, COM1 to COM4, or a printer device.
struct PrinterPort {
    // As the user names it and `Porta` keeps it: "LPT1", "/dev/usb/lp0".
    QString name;
    // The device file under /dev: "lp0", "usb/lp0", "ttyUSB0".
    QString device;
};

// The port a name denotes ("LPT1", "lpt1", " COM2 ", "/dev/usb/lp0", "/dev/ttyUSB1"), or
// nothing. LPT1 and LPT2 are lp0 and lp1, COM1 to COM4 ttyS0 to ttyS3; a device path must be a
// printer's: /dev/usb/lpN, /dev/lpN, /dev/ttyUSBN, /dev/ttyACMN or /dev/ttySN.
std::optional<PrinterPort> printerPortNamed(const QString& name);
QString printerPortName(const PrinterPort& port);
// A serial line: COM1 to COM4 and the tty devices.
bool isSerialPort(const PrinterPort& port);
// The printer devices that exist in folder (standing for /dev), as /dev paths in the order
// above; a ttyS the kernel found no UART behind is left out.
QStringList printerDevices(const QString& folder = QStringLiteral("/dev"));

// How an open starts: a new job replaces what the port had; a job carried on after a
// pause adds to it.
enum class PortOpening { NewJob, Continue };

// Raw bytes to a printer port, one port open at a time.
class PortWriter {
public:
    virtual ~PortWriter() = default;

    // Closes the port that is open, then opens this one. False when it cannot be opened.
    virtual bool open(PrinterPort port, PortOpening opening) = 0;
    // Writes every byte; false when the port is not open or the device failed.
    virtual bool write(const QByteArray& bytes) = 0;
    // The speed a terminal device (a serial line) is set to at the next open.
    virtual void setSerialSpeed(int bitsPerSecond) = 0;
    // The printer devices there are, as printerDevices() lists them.
    virtual QStringList devices() const = 0;
    virtual void close() = 0;
    // Why the last open or write failed, naming the device and what the user can do; empty
    // when nothing is known.
    virtual QString failure() const = 0;
};

// "The paper-roll printer at /dev/lp0 cannot be reached: Permission denied." For a permission
// failure it adds the group whose members may write the device.
QString portFailureText(const QString& device, int errorNumber, const QString& group);

// The ports as device files in /dev. A terminal device is set to raw mode (no line-end or
// other changes of the bytes) at the serial speed, 8 data bits, no parity, one stop bit, no
// flow control. The folder can be redirected, by the constructor or by the environment
// variable NUMERETTE_PORT_DIR, so that a spooler's FIFOs or plain files stand in for the
// devices; a missing file is then created, a new job truncates it and a continued job
// appends to it.
//
// Opening never blocks (a FIFO without reader fails at once). A device that takes no byte
// for ten seconds fails the write, and a reader that went away fails it too instead of
// ending the program with SIGPIPE.
class DevicePortWriter final : public PortWriter {
public:
    DevicePortWriter();
    explicit DevicePortWriter(const QString& folder);
    ~DevicePortWriter() override;
    DevicePortWriter(const DevicePortWriter&) = delete;
    DevicePortWriter& operator=(const DevicePortWriter&) = delete;

    QString devicePath(const PrinterPort& port) const;

    bool open(PrinterPort port, PortOpening opening) override;
    bool write(const QByteArray& bytes) override;
    void setSerialSpeed(int bitsPerSecond) override { m_speed = bitsPerSecond; }
    QStringList devices() const override { return printerDevices(m_folder); }
    void close() override;
    QString failure() const override { return m_failure; }

private:
    void noteFailure(const QString& device, int errorNumber);

    QString m_folder;
    QString m_failure;
    PrinterPort m_port;
    int m_speed = 9600;
    bool m_redirected;
    int m_fd = -1;
};

// Ports for tests: every port opens, and what is written to it is kept in `sent`.
class FakePortWriter final : public PortWriter {
public:
    bool open(PrinterPort, PortOpening) override;
    bool write(const QByteArray& bytes) override;
    void setSerialSpeed(int bitsPerSecond) override { speed = bitsPerSecond; }
    QStringList devices() const override { return {}; }
    void close() override { m_open = false; }
    QString failure() const override { return {}; }
    QByteArray sent;
    int speed = 0;

private:
    bool m_open = false;
};

} // namespace numerette
