// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "calculator.h"
#include "calculator_port.h"
#include "fake_print_dialogs.h"
#include "list_printing.h"
#include "message_catalogue.h"
#include "page_printer.h"
#include "print_service.h"
#include "printer_port.h"
#include "settings_store.h"

using namespace Qt::StringLiterals;
using numerette::LoadMessage;
using numerette::Message;
using numerette::PrinterChoice;
using numerette::PrinterPort;
using numerette::PrintReport;
using numerette::printTroubleText;

namespace {

const QString Tape = u" 05/03/2024 Tue           \r\n =========================\r\n"
                     u"                    12,5 ×\r\n                       4 ÷\r\n"
                     u"                       2 =\r\n003                       \r\n"
                     u"                   25,00 T\r\n"_s;

// n item lines, numbered from 1.
QString tapeOf(int lines)
{
    QString tape;
    for (int i = 1; i <= lines; ++i)
        tape += QString::number(i).rightJustified(24) + u" +\r\n"_s;
    return tape;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Fixture {
    explicit Fixture(const QString& tape, numerette::PagePrinter* pagePrinter = nullptr)
        : printing(window, calculator, settings, {pagePrinter ? *pagePrinter : pages, ports, &dialogs})
    {
        window.setWindowTitle(u" Numerette FREE"_s);
        calculator.setList(tape);
    }
    void run(const QString& item) { window.findChild<QAction*>(item)->trigger(); }
    QString device(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    numerette::SettingsStore settings{dir.filePath(u"numeret.ini"_s)};
    numerette::CalculatorPort port;
    numerette::Calculator calculator{port};
    QWidget window;
    FakePrintDialogs dialogs;
    numerette::FakePagePrinter pages;
    numerette::DevicePortWriter ports{dir.path()};
    ListPrinting printing;
};

} // namespace

class TstListPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fontPrint_data();
    void fontPrint();
    void fontPrintToPdf_data();
    void fontPrintToPdf();
    void printService_data();
    void printService();
    void cupsNotRunning();
    void jobFates_data();
    void jobFates();
    void paperRoll_data();
    void paperRoll();
    void serialPauses_data();
    void serialPauses();
    void portFailures_data();
    void portFailures();
    void portFailureTexts_data();
    void portFailureTexts();
    void deniedDeviceNamesGroup();

private:
    QTemporaryDir m_home;
};

// No test may reach a real printer: the print system is pointed at a server that is not there.
void TstListPrinting::initTestCase()
{
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("CUPS_SERVER", QFile::encodeName(m_home.filePath(u"no-cups.sock"_s)));
}

void TstListPrinting::fontPrint_data()
{
    using Outcome = PrintReport::Outcome;
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<PrintReport>("report");
    QTest::addColumn<QString>("message");
    const QString sent = LoadMessage(Message::SentToPrinter);
    const PrintReport printed{Outcome::Printed, {}, {}};
    QTest::newRow("small") << u"mnuImprimir0"_s << QKeySequence(u"Ctrl+P"_s) << 8 << false << printed << sent;
    QTest::newRow("medium") << u"mnuImprimir1"_s << QKeySequence(u"Ctrl+M"_s) << 10 << false << printed << sent;
    QTest::newRow("large") << u"mnuImprimir2"_s << QKeySequence(u"Ctrl+G"_s) << 12 << false << printed << sent;
    QTest::newRow("print dialog") << u"mnuImprimirEscolha"_s << QKeySequence() << 10 << true
                                  << printed << sent;
    QTest::newRow("print dialog canceled") << u"mnuImprimirEscolha"_s << QKeySequence() << 10
                                           << true << PrintReport{Outcome::Canceled, {}, {}} << QString();
    QTest::newRow("printer failing") << u"mnuImprimir0"_s << QKeySequence(u"Ctrl+P"_s) << 8 << false
                                     << PrintReport{Outcome::Failed, {}, {}}
                                     << LoadMessage(Message::PrinterNotResponding);
    for (const PrintReport& trouble : {PrintReport{Outcome::Refused, u"PDF"_s, u"out of paper"_s},
                                       PrintReport{Outcome::Refused, u"Office"_s, {}},
                                       PrintReport{Outcome::Held, u"PDF"_s, u"paused"_s},
                                       PrintReport{Outcome::ServiceDown, {}, {}},
                                       PrintReport{Outcome::NoPrinter, {}, {}}}) {
        QTest::addRow("%s", qPrintable(printTroubleText(trouble).section(u'\n', 0, 0)))
            << u"mnuImprimir1"_s << QKeySequence(u"Ctrl+M"_s) << 10 << false << trouble << printTroubleText(trouble);
    }
}

// The font print keeps "×" and "÷"; only the paper roll turns them into ASCII. Only a job the
// queue took is "Sent to printer".
void TstListPrinting::fontPrint()
{
    QFETCH(QString, item);
    QFETCH(QKeySequence, shortcut);
    QFETCH(int, pointSize);
    QFETCH(bool, dialog);
    QFETCH(PrintReport, report);
    QFETCH(QString, message);
    Fixture f(Tape);
    f.pages.setReport(report);
    QCOMPARE(f.window.findChild<QAction*>(item)->shortcut(), shortcut);
    f.run(item);
    QCOMPARE(f.pages.documents().size(), 1);
    QCOMPARE(f.pages.documents().first().text, Tape);
    QCOMPARE(f.pages.documents().first().pointSize, pointSize);
    QCOMPARE(f.pages.documents().first().choice, dialog ? PrinterChoice::Dialog : PrinterChoice::Default);
    QCOMPARE(f.dialogs.messages, message.isEmpty() ? QStringList{} : QStringList{message});
    if (!message.isEmpty()) {
        QVERIFY(message.contains(report.queue) && message.contains(report.reason));
        const bool printed = report.outcome == PrintReport::Outcome::Printed;
        QCOMPARE(f.dialogs.icons.value(0), printed ? QMessageBox::Information : QMessageBox::Critical);
    }
}

void TstListPrinting::fontPrintToPdf_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<int>("pages");
    QTest::newRow("calculation") << Tape << 1;
    // Fifty lines fill a page of the large font; the page number takes the room of two.
    QTest::newRow("long list goes on to more pages") << tapeOf(150) << 4;
    QTest::newRow("two pages") << tapeOf(60) << 2;
    QTest::newRow("long free text wraps") << Tape + QString(150, u'x') + u"END\r\n"_s << 1;
}

// Drawn as the printer gets it: every character of the list comes back, in order.
void TstListPrinting::fontPrintToPdf()
{
    QFETCH(QString, tape);
    QFETCH(int, pages);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; it reads the printed PDF back");
    QTemporaryDir out;
    numerette::PdfPagePrinter pdf(out.filePath(u"list.pdf"_s));
    Fixture f(tape, &pdf);
    f.run(u"mnuImprimir2"_s);
    QCOMPARE(f.dialogs.messages, QStringList{LoadMessage(Message::SentToPrinter)});

    QProcess reader;
    reader.start(pdftotext, {u"-layout"_s, out.filePath(u"list.pdf"_s), u"-"_s});
    QVERIFY(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QCOMPARE(text.count(u'\f'), pages);
    // A document of more than one page ends every page with its number, and only there.
    QString lines;
    const QStringList pageTexts = text.split(u'\f').mid(0, pages);
    for (int page = 0; page < pages; ++page) {
        QStringList pageLines = pageTexts.at(page).trimmed().split(u'\n');
        const QString number = QString::number(page + 1) + u'/' + QString::number(pages);
        if (pages > 1)
            QCOMPARE(pageLines.takeLast().trimmed(), number);
        lines += pageLines.join(u'\n');
    }
    QVERIFY2(!lines.contains(QRegularExpression(u"^\\s*\\d+/\\d+\\s*$"_s, QRegularExpression::MultilineOption)),
             qPrintable(text));
    const QRegularExpression blanks(u"\\s+"_s);
    QVERIFY2(lines.remove(blanks).contains(QString(tape).remove(blanks)), qPrintable(text));
}

void TstListPrinting::printService_data()
{
    using Outcome = PrintReport::Outcome;
    QTest::addColumn<numerette::PrintServiceState>("state");
    QTest::addColumn<PrintReport::Outcome>("outcome");
    QTest::newRow("service not running") << numerette::PrintServiceState::NotRunning << Outcome::ServiceDown;
    QTest::newRow("no printer installed") << numerette::PrintServiceState::NoPrinter << Outcome::NoPrinter;
}

// Without a service or a printer nothing is drawn, and the message says which and what to do.
void TstListPrinting::printService()
{
    QFETCH(numerette::PrintServiceState, state);
    QFETCH(PrintReport::Outcome, outcome);
    auto service = std::make_unique<numerette::FakePrintService>();
    service->serviceStatus.state = state;
    numerette::SystemPagePrinter printer(std::move(service));
    Fixture f(Tape, &printer);
    f.run(u"mnuImprimir1"_s);
    QCOMPARE(f.dialogs.messages, QStringList{printTroubleText({outcome, {}, {}})});
    QCOMPARE(f.dialogs.icons.value(0), QMessageBox::Critical);
}

// The real service, pointed at a server that is not there, is not running.
void TstListPrinting::cupsNotRunning()
{
    QCOMPARE(numerette::CupsPrintService().status().state, numerette::PrintServiceState::NotRunning);
}

void TstListPrinting::jobFates_data()
{
    QTest::addColumn<numerette::QueueFacts>("facts");
    QTest::addColumn<numerette::JobFate>("fate");
    QTest::addColumn<QString>("reason");
    using numerette::JobFate;
    using numerette::QueueFacts;
    QTest::newRow("taken by a working queue") << QueueFacts{true, false, true, false, {}, u"none"_s}
                                              << JobFate::Accepted << QString();
    QTest::newRow("refused, with the queue's message")
        << QueueFacts{false, false, false, false, u"out of paper"_s, u"none"_s} << JobFate::Refused << u"out of paper"_s;
    QTest::newRow("refused, state keywords only")
        << QueueFacts{false, false, false, false, {}, u"media-empty-error"_s} << JobFate::Refused
        << u"media-empty-error"_s;
    QTest::newRow("refused without a word") << QueueFacts{false, false, false, false, {}, u"none"_s}
                                            << JobFate::Refused << QString();
    QTest::newRow("held by a stopped queue") << QueueFacts{true, false, true, true, u"Paused"_s, u"paused"_s}
                                             << JobFate::Held << u"Paused"_s;
    QTest::newRow("job aborted") << QueueFacts{true, true, true, false, u"filter failed"_s, u"none"_s}
                                 << JobFate::Failed << u"filter failed"_s;
    QTest::newRow("no job at a queue that accepts") << QueueFacts{false, false, true, false, {}, u"none"_s}
                                                    << JobFate::Failed << QString();
}

void TstListPrinting::jobFates()
{
    QFETCH(numerette::QueueFacts, facts);
    QFETCH(numerette::JobFate, fate);
    QFETCH(QString, reason);
    const numerette::JobCheck check = numerette::judgeJob(facts);
    QCOMPARE(check.fate, fate);
    QCOMPARE(check.reason, reason);
}

void TstListPrinting::paperRoll_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lpt2 in small letters; times and divide as ASCII")
        << u"lpt2"_s << u"  12 ×\r\n   4 ÷\r\n"_s << u"lp1"_s << QByteArray("\r\n  12 *\r\n   4 /\r\n\r\n\r\n");
    QTest::newRow("COM4 beyond the prompt's list; Windows-1252 letters")
        << u"COM4"_s << u"é € – ü\r\n"_s << u"ttyS3"_s << QByteArray("\r\n\xE9 \x80 \x96 \xFC\r\n\r\n\r\n");
    QTest::newRow("blanks around; outside the code page")
        << u" com1 "_s << u"→ ✓ 😀\r\n"_s << u"ttyS0"_s << QByteArray("\r\n? ? ?\r\n\r\n\r\n");
    QTest::newRow("empty list") << u"LPT1"_s << QString() << u"lp0"_s << QByteArray("\r\n\r\n\r\n");
    QTest::newRow("a device path") << u"/dev/ttyACM0"_s << u"1 +\r\n"_s << u"ttyACM0"_s << QByteArray("\r\n1 +\r\n\r\n\r\n");
    QTest::newRow("free text without line end") << u"LPT1"_s << u"note"_s << u"lp0"_s << QByteArray("\r\nnote\r\n\r\n");
    for (const QString& invalid : {QString(), u"LPT3"_s, u"COM5"_s, u"../lp0"_s, u"/dev/sda"_s, u"/dev/../etc/lp0"_s})
        QTest::addRow("rejected '%s'", qPrintable(invalid)) << invalid << Tape << QString() << QByteArray();
}

// A valid answer is stored and replaces what the port had; an invalid one (Cancel
// included) sends nothing and keeps the stored port.
void TstListPrinting::paperRoll()
{
    QFETCH(QString, answer);
    QFETCH(QString, tape);
    QFETCH(QString, device);
    QFETCH(QByteArray, bytes);
    Fixture f(tape);
    f.settings.setPorta(u"COM2"_s);
    f.dialogs.answer = answer;
    QFile older(f.device(device));
    if (!device.isEmpty() && older.open(QIODevice::WriteOnly))
        older.write(QByteArray(500, 'o'));
    older.close();
    QCOMPARE(f.window.findChild<QAction*>(u"mnuMatricial"_s)->shortcut(), QKeySequence(u"Ctrl+Y"_s));
    f.run(u"mnuMatricial"_s);

    QCOMPARE(f.dialogs.asked.value(0), u"  Numerette FREE"_s);
    QVERIFY(f.dialogs.asked.value(1).startsWith(LoadMessage(Message::PrinterPortPrompt).section(u"\r\n\r\n"_s, 0, 1)));
    QVERIFY(f.dialogs.asked.value(1).contains(u"COM1 to COM4"_s));
    QCOMPARE(f.dialogs.asked.value(2), u"COM2"_s);
    QCOMPARE(QDir(f.dir.path()).entryList({u"lp*"_s, u"tty*"_s}, QDir::Files),
             device.isEmpty() ? QStringList{} : QStringList{device});
    QCOMPARE(contentsOf(f.device(device)), bytes);
    const QString stored = answer.startsWith(u'/') ? answer : answer.trimmed().toUpper();
    QCOMPARE(f.settings.Porta(), device.isEmpty() ? u"COM2"_s : stored);
    QCOMPARE(f.dialogs.messages, QStringList{LoadMessage(device.isEmpty() ? Message::InvalidData : Message::SentToPrinter)});
    QCOMPARE(f.dialogs.icons.value(0), device.isEmpty() ? QMessageBox::Critical : QMessageBox::Information);
}

void TstListPrinting::serialPauses_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("listLines");
    QTest::addColumn<int>("cancelAtPause");
    QTest::addColumn<QList<int>>("linesAtPauses");
    QTest::addColumn<int>("linesPrinted");
    // Output lines: the list's lines, one empty line before them and two after.
    QTest::newRow("60 lines on COM1") << u"COM1"_s << 57 << 0 << QList<int>{26, 51} << 60;
    QTest::newRow("cancel at the first pause") << u"COM1"_s << 57 << 1 << QList<int>{26} << 26;
    QTest::newRow("cancel at the second pause") << u"COM3"_s << 57 << 2 << QList<int>{26, 51} << 51;
    QTest::newRow("26 lines pause after the last") << u"COM2"_s << 23 << 0 << QList<int>{26} << 26;
    QTest::newRow("25 lines need no pause") << u"COM4"_s << 22 << 0 << QList<int>{} << 25;
    QTest::newRow("LPT never pauses") << u"LPT2"_s << 57 << 0 << QList<int>{} << 60;
}

void TstListPrinting::serialPauses()
{
    QFETCH(QString, port);
    QFETCH(int, listLines);
    QFETCH(int, cancelAtPause);
    QFETCH(QList<int>, linesAtPauses);
    QFETCH(int, linesPrinted);
    Fixture f(tapeOf(listLines));
    const QString device = f.ports.devicePath(*numerette::printerPortNamed(port));
    QList<int> seen;
    f.dialogs.onPause = [&] { seen << int(contentsOf(device).count("\r\n")); };
    f.dialogs.cancelAtPause = cancelAtPause;
    f.dialogs.answer = port;
    f.run(u"mnuMatricial"_s);

    QCOMPARE(seen, linesAtPauses);
    QCOMPARE(f.dialogs.pauses,
             QStringList(seen.size(), u"Await the end of the print and then press OK to continue..."_s));
    const QByteArray all = (u"\r\n"_s + tapeOf(listLines) + u"\r\n\r\n"_s).toLatin1();
    const QByteArray printed = contentsOf(device);
    QCOMPARE(printed.count("\r\n"), linesPrinted);
    QVERIFY(all.startsWith(printed));
    QCOMPARE(f.dialogs.messages, cancelAtPause ? QStringList{} : QStringList{LoadMessage(Message::SentToPrinter)});
}

void TstListPrinting::portFailures_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("cause");
    QTest::newRow("no reader at the port") << u"fifo"_s << u"LPT1"_s << ENXIO;
    QTest::newRow("the device fails writes") << u"full"_s << u"LPT1"_s << ENOSPC;
    QTest::newRow("printer gone after a pause") << u"gone at pause"_s << u"COM1"_s << ENXIO;
}

// A print that did not reach the printer says so, naming the device and the cause, instead of
// "Sent to printer".
void TstListPrinting::portFailures()
{
    QFETCH(QString, failure);
    QFETCH(QString, port);
    QFETCH(int, cause);
    Fixture f(tapeOf(40));
    const QByteArray device = QFile::encodeName(f.ports.devicePath(*numerette::printerPortNamed(port)));
    auto makeFifo = [device] {
        QFile::remove(QFile::decodeName(device));
        QCOMPARE(::mkfifo(device.constData(), 0600), 0);
    };
    if (failure == u"fifo"_s)
        makeFifo();
    else if (failure == u"full"_s)
        QVERIFY(QFile::link(u"/dev/full"_s, QFile::decodeName(device)));
    else
        f.dialogs.onPause = makeFifo;
    f.dialogs.answer = port;
    f.run(u"mnuMatricial"_s);
    const QString path = QFile::decodeName(device);
    QCOMPARE(f.dialogs.messages, QStringList{numerette::portFailureText(path, cause, {})});
    QVERIFY(f.dialogs.messages.value(0).contains(path));
    QCOMPARE(f.dialogs.icons.value(0), QMessageBox::Critical);
}

void TstListPrinting::portFailureTexts_data()
{
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("expected");
    const QString start = u"The paper-roll printer at /dev/usb/lp0 cannot be reached: "_s;
    QTest::newRow("no such device") << ENOENT << start + u"No such file or directory."_s;
    QTest::newRow("busy") << EBUSY << start + u"Device or resource busy."_s;
    QTest::newRow("permission names the group")
        << EACCES
        << start + u"Permission denied.\nOnly members of the group lp may print on it: join it "
                   u"(for example with \"sudo usermod -aG lp $USER\"), then log in again."_s;
}

void TstListPrinting::portFailureTexts()
{
    QFETCH(int, cause);
    QFETCH(QString, expected);
    QCOMPARE(numerette::portFailureText(u"/dev/usb/lp0"_s, cause, u"lp"_s), expected);
}

// An unprivileged user denied a device is told the device and the group that may write it.
void TstListPrinting::deniedDeviceNamesGroup()
{
    if (::geteuid() != 0)
        QSKIP("needs root to become an unprivileged user and to give a device file to the group lp");
    QTemporaryDir dir;
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    numerette::DevicePortWriter ports(dir.path());
    const QByteArray device = QFile::encodeName(ports.devicePath(*numerette::printerPortNamed(u"COM1"_s)));
    QFile(QFile::decodeName(device)).open(QIODevice::WriteOnly);
    const group* lp = ::getgrnam("lp");
    if (!lp)
        QSKIP("this system has no group lp");
    QVERIFY(::chown(device.constData(), 0, lp->gr_gid) == 0 && ::chmod(device.constData(), 0660) == 0);
    int channel[2];
    QVERIFY(::pipe(channel) == 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool unprivileged = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        const QByteArray text = unprivileged && !ports.open(*numerette::printerPortNamed(u"COM1"_s), numerette::PortOpening::NewJob)
                                    ? ports.failure().toUtf8()
                                    : QByteArray("opened");
        [[maybe_unused]] const ssize_t written = ::write(channel[1], text.constData(), size_t(text.size()));
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray said;
    char chunk[512];
    for (ssize_t n; (n = ::read(channel[0], chunk, sizeof chunk)) > 0;)
        said.append(chunk, n);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    QCOMPARE(QString::fromUtf8(said), numerette::portFailureText(QFile::decodeName(device), EACCES, u"lp"_s));
}

QTEST_MAIN(TstListPrinting)
#include "tst_list_printing.moc"
