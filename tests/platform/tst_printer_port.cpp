// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "printer_port.h"

using numerette::DevicePortWriter;
using numerette::PortOpening;
using numerette::PrinterPort;

class TstPrinterPort : public QObject {
    Q_OBJECT

private slots:
    void fifoReader();
};

// A spooler's FIFO gets the bytes exactly; once its reader has gone, writing fails
// instead of ending the program with SIGPIPE.
void TstPrinterPort::fifoReader()
{
    QTemporaryDir dir;
    DevicePortWriter writer(dir.path());
    const QByteArray fifo = QFile::encodeName(writer.devicePath(PrinterPort::Com2));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QVERIFY(!writer.open(PrinterPort::Com2, PortOpening::NewJob));

    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QVERIFY(writer.open(PrinterPort::Com2, PortOpening::NewJob));
    QVERIFY(writer.write("\r\n12 *\r\n"));
    char received[16] = {};
    QCOMPARE(::read(reader, received, sizeof received), 8);
    QCOMPARE(QByteArray(received), "\r\n12 *\r\n");

    ::close(reader);
    QVERIFY(!writer.write("lost\r\n"));
}

QTEST_GUILESS_MAIN(TstPrinterPort)
#include "tst_printer_port.moc"
