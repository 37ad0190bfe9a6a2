// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_printer.h"

#include <algorithm>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "print_service.h"

namespace numerette {

namespace {

constexpr qreal PageMarginMm = 15;
constexpr int LineFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere | Qt::TextExpandTabs;

using Outcome = PrintReport::Outcome;

// Blank lines at the end would only feed paper, or start a page of their own.
QStringList linesOf(const QString& text)
{
    QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// The tape's columns need a fixed-pitch face: Courier New where the system has it (or a
// metric twin such as Liberation Mono), the system's fixed-pitch font otherwise.
QFont tapeFont(int pointSize)
{
    QFont font(QStringLiteral("Courier New"));
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(pointSize);
    return font;
}

struct PlacedLine {
    int page;
    QRect box;
    QString text;
};

// The lines one after the other on pages of this size; a line starts a new page when it
// does not fit on the page it would end.
QList<PlacedLine> placeLines(const QStringList& lines, const QFontMetrics& metrics, QSize page)
{
    QList<PlacedLine> placed;
    int pageIndex = 0;
    int top = 0;
    for (const QString& line : lines) {
        const QRect room(0, 0, page.width(), page.height());
        const int height = std::max(metrics.boundingRect(room, LineFlags, line).height(), metrics.lineSpacing());
        if (top > 0 && top + height > page.height()) {
            ++pageIndex;
            top = 0;
        }
        placed.append({pageIndex, QRect(0, top, page.width(), height), line});
        top += height;
    }
    return placed;
}

// "2/3", centred on the last line of the page.
void drawPageNumber(QPainter& painter, QSize page, int pageNumber, int pages)
{
    const QString number = QString::number(pageNumber) + QLatin1Char('/') + QString::number(pages);
    const int height = painter.fontMetrics().lineSpacing();
    painter.drawText(QRect(0, page.height() - height, page.width(), height), Qt::AlignHCenter | Qt::AlignTop, number);
}

void preparePage(QPrinter& printer)
{
    printer.setDocName(QStringLiteral("Numerette"));
    printer.setPageMargins(QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm), QPageLayout::Millimeter);
}

// The pages the user asked for in the print dialog (all of them when none were named).
bool pageWanted(const QPrinter& printer, int pageNumber)
{
    const QPageRanges ranges = printer.pageRanges();
    return ranges.isEmpty() || ranges.contains(pageNumber);
}

bool printLines(QPrinter& printer, const QString& text, int pointSize)
{
    preparePage(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(tapeFont(pointSize));
    // Measured in the printer's resolution, not the screen's.
    const QFontMetrics metrics = painter.fontMetrics();
    const QSize page = printer.pageRect(QPrinter::DevicePixel).size().toSize();
    const QStringList lines = linesOf(text);
    QList<PlacedLine> placed = placeLines(lines, metrics, page);
    // A document of more than one page keeps a line's room and a blank line at the foot of
    // every page for the page number; some printers do not print into the margins.
    if (!placed.isEmpty() && placed.constLast().page > 0)
        placed = placeLines(lines, metrics, page - QSize(0, 2 * metrics.lineSpacing()));
    const int pages = placed.isEmpty() ? 1 : placed.constLast().page + 1;

    bool started = false;
    for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
        if (!pageWanted(printer, pageIndex + 1))
            continue;
        if (started && !printer.newPage())
            return false;
        started = true;
        for (const PlacedLine& line : placed) {
            if (line.page == pageIndex)
                painter.drawText(line.box, LineFlags, line.text);
        }
        if (pages > 1)
            drawPageNumber(painter, page, pageIndex + 1, pages);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

bool printImage(QPrinter& printer, const QPixmap& picture, qreal screenDpi)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const double fit = std::min({double(printer.resolution()) / screenDpi, double(page.width()) / picture.width(),
                                 double(page.height()) / picture.height()});
    painter.drawPixmap(QRect(0, 0, int(picture.width() * fit), int(picture.height() * fit)), picture);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

PrintReport::Outcome outcomeOf(JobFate fate)
{
    switch (fate) {
    case JobFate::Accepted:
        return Outcome::Printed;
    case JobFate::Refused:
        return Outcome::Refused;
    case JobFate::Held:
        return Outcome::Held;
    case JobFate::Failed:
        break;
    }
    return Outcome::Failed;
}

} // namespace

SystemPagePrinter::SystemPagePrinter(std::unique_ptr<PrintService> service)
    : m_service(std::move(service))
{
}

SystemPagePrinter::~SystemPagePrinter() = default;

PrintReport SystemPagePrinter::printText(const QString& text, int pointSize, PrinterChoice choice)
{
    return print(choice, [&text, pointSize](QPrinter& printer) { return printLines(printer, text, pointSize); });
}

PrintReport SystemPagePrinter::printPicture(const QPixmap& picture, qreal screenDpi)
{
    return print(PrinterChoice::Default,
                 [&picture, screenDpi](QPrinter& printer) { return printImage(printer, picture, screenDpi); });
}

PrintReport SystemPagePrinter::print(PrinterChoice choice, const Drawing& draw)
{
    if (choice == PrinterChoice::Dialog)
        return printChosen(draw);
    const PrintServiceStatus status = m_service->status();
    switch (status.state) {
    case PrintServiceState::NotRunning:
        return {Outcome::ServiceDown, {}, {}};
    case PrintServiceState::NoPrinter:
        return {Outcome::NoPrinter, {}, {}};
    case PrintServiceState::NoDefault:
        return printChosen(draw);
    case PrintServiceState::DefaultSet:
        break;
    }
    // Without a queue of that name Qt would quietly write a PDF file instead.
    const QPrinterInfo target = QPrinterInfo::printerInfo(status.defaultQueue);
    if (target.isNull())
        return {Outcome::Failed, status.defaultQueue, {}};
    QPrinter printer(target, QPrinter::HighResolution);
    return printOnQueue(printer, draw);
}

PrintReport SystemPagePrinter::printChosen(const Drawing& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                      | QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return {Outcome::Canceled, {}, {}};
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return {draw(printer) ? Outcome::Printed : Outcome::Failed, {}, {}};
    return printOnQueue(printer, draw);
}

PrintReport SystemPagePrinter::printOnQueue(QPrinter& printer, const Drawing& draw)
{
    const QString queue = printer.printerName();
    const int newestBefore = m_service->newestJob();
    if (!draw(printer))
        return {Outcome::Failed, queue, {}};
    const JobCheck check = m_service->checkJob(queue, newestBefore);
    return {outcomeOf(check.fate), queue, check.reason};
}

PdfPagePrinter::PdfPagePrinter(const QString& filePath)
    : m_filePath(filePath)
{
}

PrintReport PdfPagePrinter::printText(const QString& text, int pointSize, PrinterChoice)
{
    return printPdf([&text, pointSize](QPrinter& printer) { return printLines(printer, text, pointSize); });
}

PrintReport PdfPagePrinter::printPicture(const QPixmap& picture, qreal screenDpi)
{
    return printPdf([&picture, screenDpi](QPrinter& printer) { return printImage(printer, picture, screenDpi); });
}

PrintReport PdfPagePrinter::printPdf(const std::function<bool(QPrinter&)>& draw) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_filePath);
    return {draw(printer) ? Outcome::Printed : Outcome::Failed, {}, {}};
}

// QPrinter writes PDF only to a file: the document is caught in one of its own.
QByteArray pdfDocument(const QString& text, int pointSize)
{
    const QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    const QString path = dir.filePath(QStringLiteral("document.pdf"));
    if (PdfPagePrinter(path).printText(text, pointSize, PrinterChoice::Default).outcome != Outcome::Printed)
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PrintReport FakePagePrinter::printText(const QString& text, int pointSize, PrinterChoice choice)
{
    m_documents.append({text, pointSize, choice});
    return m_report;
}

PrintReport FakePagePrinter::printPicture(const QPixmap&, qreal)
{
    ++m_pictures;
    return m_report;
}

} // namespace numerette
