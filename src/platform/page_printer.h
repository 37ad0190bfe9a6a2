// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QList>
#include <QString>

#include "print_report.h"

class QPixmap;
class QPrinter;

namespace numerette {

class PrintService;

// Where a print goes: to the default printer (through the print dialog when printers exist
// but none is the default), or to the printer and the settings the user picks in the dialog.
enum class PrinterChoice { Default, Dialog };

// Documents on a page printer. Text goes line by line in the desktop's fixed-pitch font; lines
// end with CR LF; one too long for the page wraps, and a full page goes on to the next. A
// document of more than one page has its page number ("2/3") on the last line of every page.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    virtual PrintReport printText(const QString& text, int pointSize, PrinterChoice choice) = 0;
    // A picture taken on a screen of screenDpi, at its size there, made smaller only when it
    // does not fit the page; on the default printer.
    virtual PrintReport printPicture(const QPixmap& picture, qreal screenDpi) = 0;
};

// The printers of the print service. Before a print it asks the service whether it runs and
// which printer is the default; after one, whether the queue took the job, because the
// printing toolkit reports success for a job the queue refused.
class SystemPagePrinter final : public PagePrinter {
public:
    explicit SystemPagePrinter(std::unique_ptr<PrintService> service);
    ~SystemPagePrinter() override;

    PrintReport printText(const QString& text, int pointSize, PrinterChoice choice) override;
    PrintReport printPicture(const QPixmap& picture, qreal screenDpi) override;

private:
    using Drawing = std::function<bool(QPrinter&)>;
    PrintReport print(PrinterChoice choice, const Drawing& draw);
    PrintReport printChosen(const Drawing& draw);
    PrintReport printOnQueue(QPrinter& printer, const Drawing& draw);

    std::unique_ptr<PrintService> m_service;
};

// A PDF file in place of the printer, drawn exactly as the printer gets it.
class PdfPagePrinter final : public PagePrinter {
public:
    explicit PdfPagePrinter(const QString& filePath);
    PrintReport printText(const QString& text, int pointSize, PrinterChoice choice) override;
    PrintReport printPicture(const QPixmap& picture, qreal screenDpi) override;

private:
    PrintReport printPdf(const std::function<bool(QPrinter&)>& draw) const;

    QString m_filePath;
};

// The text as a PDF document, drawn as PdfPagePrinter draws it; empty when it could not be made.
QByteArray pdfDocument(const QString& text, int pointSize);

// A printer for tests: it records every document and answers each with the same report.
class FakePagePrinter final : public PagePrinter {
public:
    struct Document {
        QString text;
        int pointSize;
        PrinterChoice choice;
    };

    PrintReport printText(const QString& text, int pointSize, PrinterChoice choice) override;
    PrintReport printPicture(const QPixmap& picture, qreal screenDpi) override;

    void setReport(const PrintReport& report) { m_report = report; }
    const QList<Document>& documents() const { return m_documents; }
    int pictures() const { return m_pictures; }

private:
    PrintReport m_report{PrintReport::Outcome::Printed, {}, {}};
    QList<Document> m_documents;
    int m_pictures = 0;
};

} // namespace numerette
