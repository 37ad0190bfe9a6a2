// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "printer_port.h"

using namespace Qt::StringLiterals;
using numerette::DevicePortWriter;
using numerette::PortOpening;
using numerette::PrinterPort;
using numerette::printerPortNamed;

class TstPrinterPort : public QObject {
    Q_OBJECT

private slots:
    void portNames_data();
    void portNames();
    void devicesListed();
    void serialLine_data();
    void serialLine();
    void fifoReader();
};

void TstPrinterPort::portNames_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("serial");
    QTest::newRow("LPT1") << u"lpt1"_s << u"LPT1"_s << u"lp0"_s << false;
    QTest::newRow("COM4") << u" COM4 "_s << u"COM4"_s << u"ttyS3"_s << true;
    QTest::newRow("USB printer") << u"/dev/usb/lp0"_s << u"/dev/usb/lp0"_s << u"usb/lp0"_s << false;
    QTest::newRow("parallel device") << u"/dev/lp2"_s << u"/dev/lp2"_s << u"lp2"_s << false;
    QTest::newRow("USB serial") << u"/dev/ttyUSB1"_s << u"/dev/ttyUSB1"_s << u"ttyUSB1"_s << true;
    QTest::newRow("USB modem class") << u"/dev/ttyACM0"_s << u"/dev/ttyACM0"_s << u"ttyACM0"_s << true;
    QTest::newRow("serial device") << u"/dev/ttyS4"_s << u"/dev/ttyS4"_s << u"ttyS4"_s << true;
    for (const QString& refused : {u"/dev/sda"_s, u"/dev/usb/../sda"_s, u"/dev/null"_s, u"/tmp/lp0"_s,
                                   u"/dev/ttyUSB"_s, u"/dev/DEV/lp0"_s, u"lp0"_s, u"COM5"_s})
        QTest::addRow("refused %s", qPrintable(refused)) << refused << QString() << QString() << false;
}

// The names of the ports and the printer devices, and nothing else: no disk, no other file.
void TstPrinterPort::portNames()
{
    QFETCH(QString, answer);
    QFETCH(QString, name);
    QFETCH(QString, device);
    QFETCH(bool, serial);
    const std::optional<PrinterPort> port = printerPortNamed(answer);
    QCOMPARE(port.has_value(), !name.isEmpty());
    if (!port)
        return;
    QCOMPARE(port->name, name);
    QCOMPARE(port->device, device);
    QCOMPARE(numerette::isSerialPort(*port), serial);
}

// The list shows the printer devices there are, in a fixed order, each one a name it accepts.
void TstPrinterPort::devicesListed()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"usb"_s));
    for (const QString& name : {u"usb/lp0"_s, u"lp0"_s, u"lp10"_s, u"lp2"_s, u"ttyUSB0"_s, u"ttyACM1"_s, u"sda"_s,
                                u"lpx"_s})
        QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
    const QStringList expected{u"/dev/usb/lp0"_s, u"/dev/ttyUSB0"_s, u"/dev/ttyACM1"_s,
                               u"/dev/lp0"_s,     u"/dev/lp2"_s,     u"/dev/lp10"_s};
    QCOMPARE(numerette::printerDevices(dir.path()), expected);
    for (const QString& device : expected)
        QVERIFY(printerPortNamed(device));
}

void TstPrinterPort::serialLine_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("code");
    QTest::newRow("9600, the usual") << 9600 << int(B9600);
    QTest::newRow("19200") << 19200 << int(B19200);
    QTest::newRow("115200") << 115200 << int(B115200);
    QTest::newRow("no such speed") << 12345 << -1;
}

// A pseudo-terminal stands in for a serial printer: the line is set to raw mode at the speed,
// 8N1, and the bytes arrive exactly (a terminal would otherwise turn LF into CR LF).
void TstPrinterPort::serialLine()
{
    QFETCH(int, speed);
    QFETCH(int, code);
    int master = -1;
    int slave = -1;
    QVERIFY(::openpty(&master, &slave, nullptr, nullptr, nullptr) == 0);
    const QString slavePath = QFile::decodeName(::ttyname(slave));
    QVERIFY(slavePath.startsWith(u"/dev/"_s));
    DevicePortWriter writer(u"/dev"_s);
    writer.setSerialSpeed(speed);
    const PrinterPort port{u"COM1"_s, slavePath.mid(5)};
    const bool opened = writer.open(port, PortOpening::NewJob);
    QCOMPARE(opened, code >= 0);
    if (!opened) {
        QVERIFY(writer.failure().contains(slavePath));
    } else {
        termios line{};
        QVERIFY(::tcgetattr(slave, &line) == 0);
        QCOMPARE(int(::cfgetospeed(&line)), code);
        QCOMPARE(int(line.c_cflag & CSIZE), int(CS8));
        QCOMPARE(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
        QCOMPARE(line.c_oflag & OPOST, tcflag_t(0));
        QCOMPARE(line.c_lflag & (ICANON | ECHO), tcflag_t(0));
        QVERIFY(writer.write("\r\n12 *\n\xE9\r\n"));
        writer.close();
        char received[32] = {};
        QCOMPARE(::read(master, received, sizeof received), 10);
        QCOMPARE(QByteArray(received, 10), QByteArray("\r\n12 *\n\xE9\r\n"));
    }
    ::close(slave);
    ::close(master);
}

// A spooler's FIFO gets the bytes exactly; once its reader has gone, writing fails
// instead of ending the program with SIGPIPE.
void TstPrinterPort::fifoReader()
{
    QTemporaryDir dir;
    DevicePortWriter writer(dir.path());
    const PrinterPort com2 = *printerPortNamed(u"COM2"_s);
    const QByteArray fifo = QFile::encodeName(writer.devicePath(com2));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QVERIFY(!writer.open(com2, PortOpening::NewJob));

    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QVERIFY(writer.open(com2, PortOpening::NewJob));
    QVERIFY(writer.write("\r\n12 *\r\n"));
    char received[16] = {};
    QCOMPARE(::read(reader, received, sizeof received), 8);
    QCOMPARE(QByteArray(received), "\r\n12 *\r\n");

    ::close(reader);
    QVERIFY(!writer.write("lost\r\n"));
}

QTEST_GUILESS_MAIN(TstPrinterPort)
#include "tst_printer_port.moc"
