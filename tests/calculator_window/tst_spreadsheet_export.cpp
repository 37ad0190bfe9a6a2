// SPDX-License-Identifier: GPL-3.0-or-later
// The exported files opened by the programs people open them with: Python's csv module and
// LibreOffice, which converts each file once into a flat OpenDocument spreadsheet whose cells
// say what LibreOffice made of them.
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QXmlStreamReader>

#include "calculator.h"
#include "calculator_port.h"
#include "export_command.h"
#include "settings_store.h"

using namespace Qt::StringLiterals;

namespace {

// A line of the list: text right-aligned in the 26 columns.
QString line(const QString& text)
{
    return text.rightJustified(26) + u"\r\n"_s;
}

// An item line with a label typed in insert-text mode.
QString labelledItem(const QString& label, const QString& value, QChar op)
{
    return u' ' + label.leftJustified(12) + value.rightJustified(11) + u' ' + op + u"\r\n"_s;
}

const QString Separator = u" =========================\r\n"_s;

// Formula-looking texts in item labels, in free text and in a line shaped like a total, a
// duration calculation and accented text.
const QString Tape = u" 09/12/2026 Wed           \r\n"_s + Separator + labelledItem(u"=SUM(A1)"_s, u"1,234.5"_s, u'+')
    + labelledItem(u"@cmd"_s, u"2"_s, QChar(0x00D7)) + line(u"3 ="_s) + u" 003                      \r\n"_s
    + line(u"3,709.50 T"_s) + Separator + line(u"01:30:00 +"_s) + line(u"00:45:00 ="_s)
    + u" 002                      \r\n"_s + line(u"02:15:00 T"_s) + Separator + line(u"5 +"_s) + line(u"3 ="_s)
    + u" 002                      \r\n"_s + line(u"=1+1 T"_s) + Separator
    + u"=1+1\r\n@SUM(A1)\r\n+cmd\r\n-2+3\r\ncafé à vista\r\n"_s;

// The rows as the CSV holds them; labels that read like formulas keep a leading blank.
const QList<QStringList> CsvRows{
    {u"date"_s, u"kind"_s, u"value"_s, u"operator"_s, u"label"_s},
    {u"2026-12-09"_s, u"header"_s, {}, {}, u"09/12/2026 Wed"_s},
    {u"2026-12-09"_s, u"item"_s, u"1234.5"_s, u"+"_s, u" =SUM(A1)"_s},
    {u"2026-12-09"_s, u"item"_s, u"2"_s, u"*"_s, u" @cmd"_s},
    {u"2026-12-09"_s, u"item"_s, u"3"_s, u"="_s, {}},
    {u"2026-12-09"_s, u"count"_s, u"3"_s, {}, {}},
    {u"2026-12-09"_s, u"total"_s, u"3709.50"_s, u"T"_s, {}},
    {u"2026-12-09"_s, u"item"_s, u"01:30:00"_s, u"+"_s, {}},
    {u"2026-12-09"_s, u"item"_s, u"00:45:00"_s, u"="_s, {}},
    {u"2026-12-09"_s, u"count"_s, u"2"_s, {}, {}},
    {u"2026-12-09"_s, u"total"_s, u"02:15:00"_s, u"T"_s, {}},
    {u"2026-12-09"_s, u"item"_s, u"5"_s, u"+"_s, {}},
    {u"2026-12-09"_s, u"item"_s, u"3"_s, u"="_s, {}},
    {u"2026-12-09"_s, u"count"_s, u"2"_s, {}, {}},
    {u"2026-12-09"_s, u"text"_s, {}, {}, u" =1+1 T"_s},
    {u"2026-12-09"_s, u"text"_s, {}, {}, u" =1+1"_s},
    {u"2026-12-09"_s, u"text"_s, {}, {}, u" @SUM(A1)"_s},
    {u"2026-12-09"_s, u"text"_s, {}, {}, u" +cmd"_s},
    {u"2026-12-09"_s, u"text"_s, {}, {}, u" -2+3"_s},
    {u"2026-12-09"_s, u"text"_s, {}, {}, u"café à vista"_s},
};

// A cell as LibreOffice saved it: its value type, its value (number, date or duration), its
// text as shown, and whether it holds a formula.
struct Cell {
    QString type;
    QString value;
    QString text;
    bool formula = false;
};
using Sheet = QList<QList<Cell>>;

// The first five cells of each row of the first table of a flat OpenDocument spreadsheet,
// up to the last row that holds anything.
Sheet cellsOf(QIODevice& fods)
{
    Sheet rows;
    QXmlStreamReader xml(&fods);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"table")
            break;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"table-row") {
            rows.append(QList<Cell>());
        } else if (xml.name() == u"table-cell" && !rows.isEmpty()) {
            const auto attributes = xml.attributes();
            Cell cell{attributes.value(u"office:value-type"_s).toString(), {}, {},
                      attributes.hasAttribute(u"table:formula"_s)};
            for (const QString& name : {u"office:value"_s, u"office:date-value"_s, u"office:time-value"_s}) {
                if (attributes.hasAttribute(name))
                    cell.value = attributes.value(name).toString();
            }
            const int repeated = std::max(1, attributes.value(u"table:number-columns-repeated"_s).toInt());
            cell.text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            for (int i = 0; i < repeated && rows.last().size() < 5; ++i)
                rows.last().append(cell);
        }
    }
    while (!rows.isEmpty() && std::all_of(rows.last().cbegin(), rows.last().cend(),
                                          [](const Cell& cell) { return cell.type.isEmpty(); }))
        rows.removeLast();
    return rows;
}

struct Fixture {
    Fixture()
        : command(window, calculator, settings)
    {
        calculator.setList(Tape);
    }
    QString exported(const QString& name)
    {
        const QString path = dir.filePath(name);
        return command.exportTo(path) ? path : QString();
    }

    QTemporaryDir dir;
    numerette::SettingsStore settings{dir.filePath(u"numeret.ini"_s)};
    numerette::CalculatorPort port;
    numerette::Calculator calculator{port};
    QWidget window;
    ExportCommand command;
};

// The file as LibreOffice opens it from its command line under the locale, in a profile of
// its own. Empty (with the reason logged) when it could not convert it.
Sheet openedByLibreOffice(const QString& office, const QString& path, const QString& locale)
{
    const QTemporaryDir dir;
    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, locale);
    environment.insert(u"LANG"_s, locale);
    convert.setProcessEnvironment(environment);
    convert.start(office, {u"-env:UserInstallation=file://"_s + dir.filePath(u"profile"_s), u"--headless"_s,
                           u"--norestore"_s, u"--convert-to"_s, u"fods"_s, u"--outdir"_s, dir.path(), path});
    if (!convert.waitForFinished(180000)) {
        convert.kill();
        convert.waitForFinished();
        qWarning("LibreOffice did not convert %s within three minutes", qPrintable(path));
        return {};
    }
    QFile fods(dir.filePath(QFileInfo(path).completeBaseName() + u".fods"_s));
    if (!fods.open(QIODevice::ReadOnly)) {
        qWarning("LibreOffice wrote no spreadsheet: %s", convert.readAllStandardError().constData());
        return {};
    }
    return cellsOf(fods);
}

} // namespace

class TstSpreadsheetExport : public QObject {
    Q_OBJECT

private slots:
    void csvReadsBackAsWritten();
    void csvOpensWithoutFormulas();
    void workbookOpensInEveryLocale_data();
    void workbookOpensInEveryLocale();
};

void TstSpreadsheetExport::csvReadsBackAsWritten()
{
    const QString python = QStandardPaths::findExecutable(u"python3"_s);
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    Fixture f;
    const QString path = f.exported(u"tape.csv"_s);
    QVERIFY(!path.isEmpty());
    QProcess reader;
    reader.start(python, {u"-c"_s, u"import csv, json, sys\n"
                                   "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                   "    print(json.dumps(list(csv.reader(f, strict=True))))"_s,
                          path});
    QVERIFY(reader.waitForFinished(60000));
    QCOMPARE(reader.exitCode(), 0);
    QList<QStringList> rows;
    for (const auto& row : QJsonDocument::fromJson(reader.readAllStandardOutput()).array())
        rows.append(row.toVariant().toStringList());
    QCOMPARE(rows, CsvRows);
}

// Opened as LibreOffice opens a file given on its command line, without an import dialog:
// no cell is a formula, the values of calculations are numbers and the dates are dates.
void TstSpreadsheetExport::csvOpensWithoutFormulas()
{
    const QString office = QStandardPaths::findExecutable(u"soffice"_s);
    if (office.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    Fixture f;
    const QString path = f.exported(u"tape.csv"_s);
    QVERIFY(!path.isEmpty());
    const Sheet sheet = openedByLibreOffice(office, path, u"C.UTF-8"_s);
    QCOMPARE(sheet.size(), CsvRows.size());
    for (qsizetype r = 0; r < sheet.size(); ++r) {
        const QList<Cell>& cells = sheet.at(r);
        QCOMPARE(cells.size(), 5);
        for (const Cell& cell : cells)
            QVERIFY2(!cell.formula, qPrintable(u"row %1: %2"_s.arg(r).arg(cell.text)));
        if (r == 0)
            continue;
        QCOMPARE(cells.at(0).type, u"date"_s);
        QCOMPARE(cells.at(1).text, CsvRows.at(r).at(1));
        // LibreOffice reads a duration as text; it stays as written.
        const QString& value = CsvRows.at(r).at(2);
        if (value.contains(u':')) {
            QCOMPARE(cells.at(2).type, u"string"_s);
            QCOMPARE(cells.at(2).text, value);
        } else {
            QCOMPARE(cells.at(2).type, value.isEmpty() ? QString() : u"float"_s);
            QCOMPARE(cells.at(2).value.toDouble(), value.toDouble());
        }
        // Given on the command line, a CSV is read in Latin-1 whatever it holds; the accents
        // are the workbook's to keep.
        const QString& label = CsvRows.at(r).at(4);
        if (label.toUtf8() == label.toLatin1())
            QCOMPARE(cells.at(4).text, label.trimmed());
    }
}

void TstSpreadsheetExport::workbookOpensInEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("total");  // 3709.50 as the locale shows it
    QTest::addColumn<QString>("item");   // 1234.5

    QTest::newRow("English") << "en_US.UTF-8" << "3,709.50" << "1,234.5";
    QTest::newRow("Brazilian Portuguese") << "pt_BR.UTF-8" << "3.709,50" << "1.234,5";
}

// The same rows as the CSV's, but typed: dates are dates, values numbers (durations times)
// shown with the locale's separators and the tape's decimals, labels text with their accents
// and without the CSV's leading blank, and no formula anywhere.
void TstSpreadsheetExport::workbookOpensInEveryLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, total);
    QFETCH(QString, item);
    const QString office = QStandardPaths::findExecutable(u"soffice"_s);
    if (office.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    Fixture f;
    const QString path = f.exported(u"tape.xlsx"_s);
    QVERIFY(!path.isEmpty());
    const Sheet sheet = openedByLibreOffice(office, path, locale);
    QCOMPARE(sheet.size(), CsvRows.size());
    for (qsizetype r = 0; r < sheet.size(); ++r) {
        const QList<Cell>& cells = sheet.at(r);
        const QStringList& expected = CsvRows.at(r);
        QCOMPARE(cells.size(), 5);
        for (const Cell& cell : cells)
            QVERIFY2(!cell.formula, qPrintable(u"row %1: %2"_s.arg(r).arg(cell.text)));
        if (r == 0) {
            for (int c = 0; c < 5; ++c)
                QCOMPARE(cells.at(c).text, expected.at(c));
            continue;
        }
        QCOMPARE(cells.at(0).type, u"date"_s);
        QCOMPARE(cells.at(0).value, expected.at(0));
        QCOMPARE(cells.at(0).text, expected.at(0));
        QCOMPARE(cells.at(1).text, expected.at(1));
        const QString& value = expected.at(2);
        if (value.contains(u':')) {
            QCOMPARE(cells.at(2).type, u"time"_s);
            QCOMPARE(cells.at(2).text, value);
        } else {
            QCOMPARE(cells.at(2).type, value.isEmpty() ? QString() : u"float"_s);
            QCOMPARE(cells.at(2).value.toDouble(), value.toDouble());
        }
        QCOMPARE(cells.at(3).text, expected.at(3));
        QCOMPARE(cells.at(4).text, expected.at(4).trimmed());
    }
    QCOMPARE(sheet.at(2).at(2).text, item);
    QCOMPARE(sheet.at(6).at(2).text, total);
}

QTEST_MAIN(TstSpreadsheetExport)
#include "tst_spreadsheet_export.moc"
