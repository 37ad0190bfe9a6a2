// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_workbook.h"

#include <optional>

#include <QFile>
#include <QHash>
#include <QLibrary>

#include "library_functions.h"
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace numerette {
namespace {

constexpr double SecondsPerDay = 24 * 60 * 60;

// The library's functions, loaded at the first export rather than linked into the program:
// the library and the cryptography library it brings stay out of every start.
struct XlsxWriter {
    decltype(&::workbook_new_opt) newWorkbook;
    decltype(&::workbook_add_worksheet) addWorksheet;
    decltype(&::workbook_add_format) addFormat;
    decltype(&::workbook_close) close;
    decltype(&::format_set_bold) setBold;
    decltype(&::format_set_num_format) setNumberFormat;
    decltype(&::worksheet_write_string) writeString;
    decltype(&::worksheet_write_number) writeNumber;
    decltype(&::worksheet_write_datetime) writeDate;
    decltype(&::worksheet_set_column) setColumn;
    decltype(&::worksheet_freeze_panes) freezePanes;
    decltype(&::lxw_strerror) errorText;
};

// Loaded on the first call and kept; null when the library or a function is missing (why,
// in loadError).
const XlsxWriter* xlsxWriter(QString* loadError)
{
    static QString error;
    static const std::optional<XlsxWriter> loaded = []() -> std::optional<XlsxWriter> {
        QLibrary library(QStringLiteral(NUMERETTE_XLSXWRITER_LIBRARY));
        library.setLoadHints(QLibrary::PreventUnloadHint);
        XlsxWriter functions{};
        const bool complete = library.load() && resolveFunction(library, "workbook_new_opt", functions.newWorkbook)
            && resolveFunction(library, "workbook_add_worksheet", functions.addWorksheet)
            && resolveFunction(library, "workbook_add_format", functions.addFormat)
            && resolveFunction(library, "workbook_close", functions.close)
            && resolveFunction(library, "format_set_bold", functions.setBold)
            && resolveFunction(library, "format_set_num_format", functions.setNumberFormat)
            && resolveFunction(library, "worksheet_write_string", functions.writeString)
            && resolveFunction(library, "worksheet_write_number", functions.writeNumber)
            && resolveFunction(library, "worksheet_write_datetime", functions.writeDate)
            && resolveFunction(library, "worksheet_set_column", functions.setColumn)
            && resolveFunction(library, "worksheet_freeze_panes", functions.freezePanes)
            && resolveFunction(library, "lxw_strerror", functions.errorText);
        if (!complete) {
            error = library.errorString();
            return std::nullopt;
        }
        return functions;
    }();
    *loadError = error;
    return loaded ? &*loaded : nullptr;
}

// A spreadsheet keeps a duration as a fraction of a day.
double durationInDays(const QString& value)
{
    const bool negative = value.startsWith(u'-');
    const QStringList parts = value.mid(negative ? 1 : 0).split(u':');
    const double seconds = parts.at(0).toDouble() * 3600 + parts.at(1).toDouble() * 60 + parts.at(2).toDouble();
    return (negative ? -seconds : seconds) / SecondsPerDay;
}

int decimalsOf(const QString& value)
{
    const qsizetype point = value.indexOf(u'.');
    return point < 0 ? 0 : int(value.size() - point - 1);
}

// The sheet being written: its cell formats, made once each, and the first error of any write.
class Sheet {
public:
    Sheet(const XlsxWriter& xlsx, lxw_workbook* workbook, lxw_worksheet* worksheet)
        : m_xlsx(xlsx)
        , m_workbook(workbook)
        , m_worksheet(worksheet)
        , m_heading(format(nullptr))
        , m_date(format("yyyy-mm-dd"))
        , m_duration(format("[hh]:mm:ss"))
    {
        m_xlsx.setBold(m_heading);
    }

    void heading(lxw_col_t column, const char* text)
    {
        keep(m_xlsx.writeString(m_worksheet, 0, column, text, m_heading));
    }

    void row(lxw_row_t row, const TapeRow& line)
    {
        if (line.date.isValid()) {
            lxw_datetime date{line.date.year(), line.date.month(), line.date.day(), 0, 0, 0};
            keep(m_xlsx.writeDate(m_worksheet, row, 0, &date, m_date));
        }
        text(row, 1, kindName(line.kind));
        if (isDurationValue(line.value))
            keep(m_xlsx.writeNumber(m_worksheet, row, 2, durationInDays(line.value), m_duration));
        else if (!line.value.isEmpty())
            keep(m_xlsx.writeNumber(m_worksheet, row, 2, line.value.toDouble(), number(decimalsOf(line.value))));
        text(row, 3, line.op);
        text(row, 4, line.label);
    }

    lxw_error error() const { return m_error; }

private:
    lxw_format* format(const char* numberFormat)
    {
        lxw_format* made = m_xlsx.addFormat(m_workbook);
        if (numberFormat)
            m_xlsx.setNumberFormat(made, numberFormat);
        return made;
    }

    // Grouped thousands and the decimals the tape shows: "#,##0.00" for 1,234.50.
    lxw_format* number(int decimals)
    {
        lxw_format*& made = m_numbers[decimals];
        if (!made)
            made = format(decimals == 0 ? "#,##0" : QByteArray("#,##0." + QByteArray(decimals, '0')).constData());
        return made;
    }

    void text(lxw_row_t row, lxw_col_t column, const QString& value)
    {
        if (!value.isEmpty())
            keep(m_xlsx.writeString(m_worksheet, row, column, value.toUtf8().constData(), nullptr));
    }

    void keep(lxw_error error)
    {
        if (m_error == LXW_NO_ERROR)
            m_error = error;
    }

    const XlsxWriter& m_xlsx;
    lxw_workbook* m_workbook;
    lxw_worksheet* m_worksheet;
    lxw_format* m_heading;
    lxw_format* m_date;
    lxw_format* m_duration;
    QHash<int, lxw_format*> m_numbers;
    lxw_error m_error = LXW_NO_ERROR;
};

QByteArray failed(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return {};
}

} // namespace

QByteArray tapeWorkbook(const QList<TapeRow>& rows, QString* error)
{
    // The library writes a file; it is made in a private folder and read back, so that the
    // caller writes the user's file whole or not at all.
    QString loadError;
    const XlsxWriter* xlsx = xlsxWriter(&loadError);
    if (!xlsx)
        return failed(error, loadError);
    const QTemporaryDir dir;
    if (!dir.isValid())
        return failed(error, dir.errorString());
    const QString path = dir.filePath(QStringLiteral("tape.xlsx"));
    QByteArray temporaryFolder = QFile::encodeName(dir.path());
    lxw_workbook_options options{LXW_FALSE, temporaryFolder.data(), LXW_FALSE};
    lxw_workbook* workbook = xlsx->newWorkbook(QFile::encodeName(path).constData(), &options);
    if (!workbook)
        return failed(error, QString::fromUtf8(xlsx->errorText(LXW_ERROR_MEMORY_MALLOC_FAILED)));
    lxw_worksheet* worksheet = xlsx->addWorksheet(workbook, nullptr);
    Sheet sheet(*xlsx, workbook, worksheet);
    const char* const headings[] = {"date", "kind", "value", "operator", "label"};
    const double widths[] = {11, 8, 16, 9, 28};
    for (lxw_col_t column = 0; column < 5; ++column) {
        sheet.heading(column, headings[column]);
        xlsx->setColumn(worksheet, column, column, widths[column], nullptr);
    }
    xlsx->freezePanes(worksheet, 1, 0);
    for (qsizetype i = 0; i < rows.size(); ++i)
        sheet.row(lxw_row_t(i + 1), rows.at(i));
    const lxw_error closed = xlsx->close(workbook);
    if (const lxw_error first = sheet.error() != LXW_NO_ERROR ? sheet.error() : closed; first != LXW_NO_ERROR)
        return failed(error, QString::fromUtf8(xlsx->errorText(first)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(error, file.errorString());
    return file.readAll();
}

} // namespace numerette
