// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace numerette {

// The ports a paper-roll printer can hang on.
enum class PrinterPort { Lpt1, Lpt2, Com1, Com2, Com3, Com4 };

// The port a name denotes ("LPT1", "lpt1", " COM2 "), or nothing.
std::optional<PrinterPort> printerPortNamed(const QString& name);
// "LPT1" .. "COM4".
QString printerPortName(PrinterPort port);
bool isSerialPort(PrinterPort port);

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
    virtual void close() = 0;
    // Why the last open or write failed, naming the device and what the user can do; empty
    // when nothing is known.
    virtual QString failure() const = 0;
};

// "The paper-roll printer at /dev/lp0 cannot be reached: Permission denied." For a permission
// failure it adds the group whose members may write the device.
QString portFailureText(const QString& device, int errorNumber, const QString& group);

// The ports as device files: LPT1 and LPT2 are lp0 and lp1, COM1 to COM4 ttyS0 to ttyS3,
// in /dev. The folder can be redirected, by the constructor or by the environment
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

    QString devicePath(PrinterPort port) const;

    bool open(PrinterPort port, PortOpening opening) override;
    bool write(const QByteArray& bytes) override;
    void close() override;
    QString failure() const override { return m_failure; }

private:
    void noteFailure(const QString& device, int errorNumber);

    QString m_folder;
    QString m_failure;
    PrinterPort m_port = PrinterPort::Lpt1;
    bool m_redirected;
    int m_fd = -1;
};

// Ports for tests: every port opens, and what is written to it is kept in `sent`.
class FakePortWriter final : public PortWriter {
public:
    bool open(PrinterPort, PortOpening) override;
    bool write(const QByteArray& bytes) override;
    void close() override { m_open = false; }
    QString failure() const override { return {}; }
    QByteArray sent;

private:
    bool m_open = false;
};

} // namespace numerette
