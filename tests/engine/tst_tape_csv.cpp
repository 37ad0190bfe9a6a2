// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QXmlStreamReader>

#include "calculator.h"
#include "item_correction.h"
#include "key_script.h"
#include "tape_csv.h"
#include "tape_text.h"
#include "typed_calculations.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

const QString Heading = u"date,kind,value,operator,label"_s;

class DayHost : public CalculatorHost {
public:
    QDate today() const override { return QDate(2026, 12, 9); }
};

// A tape with a line of every kind: the date header, a labelled and a plain item, a
// divider, the count and the total, free text holding a comma, a tool report, a corrected
// calculation under its correction line, and a running calculation at the end.
QString tapeOfEveryKind()
{
    DayHost host;
    Calculator calc(host);
    TypedCalculations history(calc);
    calc.chooseNumberFormat(20);
    calc.setInsertText(true);
    calc.setWindowVisible(true);
    calc.clearList();
    QString error;
    bool closed = false;
    const auto type = [&](const QString& keys) { runTapeSteps(calc, *parseTapeKeys(keys, error), closed); };
    type(u"1234.5+rent3*2="_s);
    calc.mnuEditar_Click();
    calc.editList(int(calc.list().size()), 0, u"paid, in cash"_s);
    calc.listEnterKey();
    calc.editList(int(calc.list().size()), 0, u"=1+1"_s);
    calc.listLostFocus();
    calc.appendToolReport(u"CAPITAL"_s.leftJustified(14) + u"1,000.00 ="_s.rightJustified(12));
    correctItem(calc, history, 3 * tape::LineLength, 1, TypedItem{u"4"_s, '*'});
    type(u"7+"_s);
    return calc.list();
}

QString writeCsv(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(u"tape.csv"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(tapeCsv(tapeOfEveryKind(), tape::DateOrder::DayMonthYear, NumberLocale{}).toUtf8());
    return path;
}

// The cells of a flat OpenDocument spreadsheet, row by row, each as its value type and text.
QList<QList<QPair<QString, QString>>> cellsOf(QIODevice& fods)
{
    QList<QList<QPair<QString, QString>>> rows;
    QXmlStreamReader xml(&fods);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"table-row") {
            rows.append(QList<QPair<QString, QString>>());
        } else if (xml.name() == u"table-cell" && !rows.isEmpty()) {
            const auto attributes = xml.attributes();
            const int repeated = std::max(1, attributes.value(u"table:number-columns-repeated"_s).toInt());
            const QString type = attributes.value(u"office:value-type"_s).toString()
                + (attributes.hasAttribute(u"table:formula"_s) ? u" formula"_s : QString());
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            for (int i = 0; i < repeated && rows.last().size() < 5; ++i)
                rows.last().append({type, text});
        }
    }
    return rows;
}

QStringList rowsOf(const QString& csv)
{
    QStringList rows = csv.split(u"\r\n"_s);
    if (rows.constLast().isEmpty())
        rows.removeLast();
    return rows;
}

} // namespace

class TestTapeCsv : public QObject {
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void everyKind();
    void selection_data();
    void selection();
    void pythonReadsItBack();
    void libreOfficeReadsTypes();
};

void TestTapeCsv::lines_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QString>("rows");

    QTest::newRow("grouped value loses its grouping")
        << "1,234.50 +|2 =|002|1,236.50 T" << QChar(u'.')
        << ",item,1234.50,+,|,item,2,=,|,count,2,,|,total,1236.50,T,";
    QTest::newRow("comma decimals become points")
        << "1.234,5 ×|2 ÷|4 =|003|617,25 T" << QChar(u',')
        << ",item,1234.5,*,|,item,2,/,|,item,4,=,|,count,3,,|,total,617.25,T,";
    QTest::newRow("standard format's dangling separator dropped")
        << "12. -|5 %|002|11.4 T" << QChar(u'.') << ",item,12,-,|,item,5,%,|,count,2,,|,total,11.4,T,";
    QTest::newRow("durations stay hh:mm:ss")
        << "01:30:00 +|00:45:00 =|002|02:15:00 T" << QChar(u'.')
        << ",item,01:30:00,+,|,item,00:45:00,=,|,count,2,,|,total,02:15:00,T,";
    QTest::newRow("total cut to 22 characters")
        << "99,999,999,999,999 ×|1,000,000 =|002|99,999,999,999,999,000 E|===" << QChar(u'.')
        << ",item,99999999999999,*,|,item,1000000,=,|,count,2,,|,total,99999999999999000,E,";
    QTest::newRow("date header dates the lines below, month first")
        << "12/09/2026 Wed|===|5 +|3 =|002|8 T|===" << QChar(u'.')
        << "2026-12-09,header,,,12/09/2026 Wed|2026-12-09,item,5,+,|2026-12-09,item,3,=,|"
           "2026-12-09,count,2,,|2026-12-09,total,8,T,";
    QTest::newRow("item-shaped report lines outside a calculation")
        << "5 =|===" << QChar(u'.') << ",report,,,5 =";
    QTest::newRow("empty list") << "" << QChar(u'.') << "";
}

void TestTapeCsv::lines()
{
    QFETCH(QString, tape);
    QFETCH(QChar, decimal);
    QFETCH(QString, rows);
    const QString csv = tapeCsv(tapeText(tape), tape::DateOrder::MonthDayYear, NumberLocale::withDecimal(decimal));
    QStringList expected{Heading};
    if (!rows.isEmpty())
        expected += rows.split(u'|');
    QCOMPARE(rowsOf(csv), expected);
    QVERIFY(csv.endsWith(u"\r\n"_s));
}

void TestTapeCsv::everyKind()
{
    const QString csv = tapeCsv(tapeOfEveryKind(), tape::DateOrder::DayMonthYear, NumberLocale{});
    const QStringList expected{
        Heading,
        u"2026-12-09,header,,,09/12/2026 Wed"_s,
        u"2026-12-09,item,1234.50,+,RENT"_s,
        u"2026-12-09,item,3.00,*,"_s,
        u"2026-12-09,item,2.00,=,"_s,
        u"2026-12-09,count,3,,"_s,
        u"2026-12-09,total,2475.00,T,"_s,
        u"2026-12-09,text,,,\"paid, in cash\""_s,
        u"2026-12-09,text,,, =1+1"_s,
        u"2026-12-09,report,,,\"CAPITAL         1,000.00 =\""_s,
        u"2026-12-09,header,,,CORRECTED ITEM 002 OF 003"_s,
        u"2026-12-09,item,1234.50,+,RENT"_s,
        u"2026-12-09,item,4.00,*,"_s,
        u"2026-12-09,item,2.00,=,"_s,
        u"2026-12-09,count,3,,"_s,
        u"2026-12-09,total,2477.00,T,"_s,
        u"2026-12-09,item,7.00,+,"_s,
    };
    QCOMPARE(rowsOf(csv), expected);
}

void TestTapeCsv::selection_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("rows");

    const int line = 28;
    QTest::newRow("one item keeps the date above it") << 2 * line + 5 << 2 * line + 6 << "2026-12-09,item,5,+,";
    QTest::newRow("from inside an item to inside the total")
        << 3 * line + 20 << 5 * line + 1 << "2026-12-09,item,3,=,|2026-12-09,count,2,,|2026-12-09,total,8,T,";
    QTest::newRow("separator alone gives no row") << 6 * line << 7 * line << "";
    QTest::newRow("caret at a line's end takes no row") << 3 * line << 3 * line << "";
}

void TestTapeCsv::selection()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, rows);
    const QString list = tapeText(u"09/12/2026 Wed|===|5 +|3 =|002|8 T|==="_s);
    QStringList expected{Heading};
    if (!rows.isEmpty())
        expected += rows.split(u'|');
    QCOMPARE(rowsOf(tapeCsv(list, tape::DateOrder::DayMonthYear, NumberLocale{}, from, to)), expected);
}

void TestTapeCsv::pythonReadsItBack()
{
    const QString python = QStandardPaths::findExecutable(u"python3"_s);
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    QTemporaryDir dir;
    const QString path = writeCsv(dir);
    QProcess reader;
    reader.start(python, {u"-c"_s, u"import csv, json, sys\n"
                                   "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                   "    print(json.dumps(list(csv.reader(f, strict=True))))"_s,
                          path});
    QVERIFY(reader.waitForFinished(60000));
    QCOMPARE(reader.exitCode(), 0);
    const QJsonArray rows = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), 17);
    for (const auto& row : rows)
        QCOMPARE(row.toArray().size(), 5);
    QCOMPARE(rows.at(0).toArray().at(4).toString(), u"label"_s);
    QCOMPARE(rows.at(2).toArray().at(2).toString(), u"1234.50"_s);
    QCOMPARE(rows.at(2).toArray().at(4).toString(), u"RENT"_s);
    QCOMPARE(rows.at(7).toArray().at(4).toString(), u"paid, in cash"_s);
    QCOMPARE(rows.at(9).toArray().at(4).toString(), u"CAPITAL         1,000.00 ="_s);
    QCOMPARE(rows.at(15).toArray().at(2).toString(), u"2477.00"_s);
}

// Opened as LibreOffice opens a file given on its command line: the dates and numbers
// come out as dates and numbers without an import dialog, texts stay texts.
void TestTapeCsv::libreOfficeReadsTypes()
{
    const QString office = QStandardPaths::findExecutable(u"soffice"_s);
    if (office.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    QTemporaryDir dir;
    const QString path = writeCsv(dir);
    QProcess convert;
    convert.start(office, {u"-env:UserInstallation=file://"_s + dir.filePath(u"profile"_s), u"--headless"_s,
                           u"--norestore"_s, u"--convert-to"_s, u"fods"_s, u"--outdir"_s, dir.path(), path});
    QVERIFY(convert.waitForFinished(120000));
    QFile fods(dir.filePath(u"tape.fods"_s));
    QVERIFY2(fods.open(QIODevice::ReadOnly), qPrintable(QString::fromUtf8(convert.readAllStandardError())));
    const auto rows = cellsOf(fods);
    QVERIFY(rows.size() >= 17);
    const QStringList kinds{u"header"_s, u"item"_s, u"item"_s, u"item"_s, u"count"_s, u"total"_s, u"text"_s,
                            u"text"_s, u"report"_s, u"header"_s, u"item"_s, u"item"_s, u"item"_s, u"count"_s,
                            u"total"_s, u"item"_s};
    for (int i = 0; i < kinds.size(); ++i) {
        const auto& row = rows.at(i + 1);
        QCOMPARE(row.size(), 5);
        QCOMPARE(row.at(0).first, u"date"_s);
        QCOMPARE(row.at(1).second, kinds.at(i));
        const bool numeric = kinds.at(i) == u"item" || kinds.at(i) == u"count" || kinds.at(i) == u"total";
        QCOMPARE(row.at(2).first, numeric ? u"float"_s : QString());
        QVERIFY2(row.at(4).first == u"string" || row.at(4).second.isEmpty(), qPrintable(row.at(4).first));
    }
    // Free text that reads like a formula stays text.
    QCOMPARE(rows.at(8).at(4), qMakePair(u"string"_s, u"=1+1"_s));
}

QTEST_GUILESS_MAIN(TestTapeCsv)
#include "tst_tape_csv.moc"
