// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QByteArray>
#include <QList>
#include <QString>

class QPrinter;

namespace numerette {

// The desktop's default printer, or nothing when there is none (Qt would otherwise quietly
// print to a PDF file).
std::unique_ptr<QPrinter> openDefaultPrinter();

// Text on a page printer, line by line in the desktop's fixed-pitch font. Lines end with
// CR LF; one too long for the page wraps, and a full page goes on to the next.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    // Prints the text as one document; false when there is no printer or printing failed.
    virtual bool printText(const QString& text, int pointSize) = 0;
};

// The desktop's default printer. Without one nothing is printed and the print fails,
// where Qt would quietly write a PDF file instead.
class DefaultPagePrinter final : public PagePrinter {
public:
    bool printText(const QString& text, int pointSize) override;
};

// A PDF file in place of the printer, drawn exactly as the printer gets it.
class PdfPagePrinter final : public PagePrinter {
public:
    explicit PdfPagePrinter(const QString& filePath);
    bool printText(const QString& text, int pointSize) override;

private:
    QString m_filePath;
};

// The text as a PDF document, drawn as PdfPagePrinter draws it; empty when it could not be made.
QByteArray pdfDocument(const QString& text, int pointSize);

// A printer for tests: it records every document, and fails them all when told to.
class FakePagePrinter final : public PagePrinter {
public:
    struct Document {
        QString text;
        int pointSize;
    };

    bool printText(const QString& text, int pointSize) override;

    void setWorks(bool works) { m_works = works; }
    const QList<Document>& documents() const { return m_documents; }

private:
    bool m_works = true;
    QList<Document> m_documents;
};

} // namespace numerette
