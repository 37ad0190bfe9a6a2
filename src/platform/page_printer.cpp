// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_printer.h"

#include <algorithm>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace numerette {

namespace {

constexpr qreal PageMarginMm = 15;
constexpr int LineFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere | Qt::TextExpandTabs;

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

bool printLines(QPrinter& printer, const QString& text, int pointSize)
{
    printer.setDocName(QStringLiteral("Numerette"));
    printer.setPageMargins(QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(tapeFont(pointSize));
    // Measured in the printer's resolution, not the screen's.
    const QFontMetrics metrics = painter.fontMetrics();
    const QSize page = printer.pageRect(QPrinter::DevicePixel).size().toSize();

    int top = 0;
    for (const QString& line : linesOf(text)) {
        const QRect room(0, 0, page.width(), page.height());
        const int height = std::max(metrics.boundingRect(room, LineFlags, line).height(), metrics.lineSpacing());
        if (top > 0 && top + height > page.height()) {
            if (!printer.newPage())
                return false;
            top = 0;
        }
        painter.drawText(QRect(0, top, page.width(), height), LineFlags, line);
        top += height;
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace

std::unique_ptr<QPrinter> openDefaultPrinter()
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(target, QPrinter::HighResolution);
}

bool DefaultPagePrinter::printText(const QString& text, int pointSize)
{
    const std::unique_ptr<QPrinter> printer = openDefaultPrinter();
    return printer && printLines(*printer, text, pointSize);
}

PdfPagePrinter::PdfPagePrinter(const QString& filePath)
    : m_filePath(filePath)
{
}

bool PdfPagePrinter::printText(const QString& text, int pointSize)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_filePath);
    return printLines(printer, text, pointSize);
}

// QPrinter writes PDF only to a file: the document is caught in one of its own.
QByteArray pdfDocument(const QString& text, int pointSize)
{
    const QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    const QString path = dir.filePath(QStringLiteral("document.pdf"));
    if (!PdfPagePrinter(path).printText(text, pointSize))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool FakePagePrinter::printText(const QString& text, int pointSize)
{
    m_documents.append({text, pointSize});
    return m_works;
}

} // namespace numerette
