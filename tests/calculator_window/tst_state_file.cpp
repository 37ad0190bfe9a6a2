// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "file_size_limit.h"
#include "state_file.h"

using namespace Qt::StringLiterals;
using numerette::CalculatorStateRecord;
using numerette::NumberLocale;
using numerette::StateFileReader;
using numerette::tape::DateOrder;

namespace {

constexpr QFileDevice::Permissions OthersAndGroup = QFileDevice::ReadGroup | QFileDevice::WriteGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

const NumberLocale Point = NumberLocale::withDecimal(u'.');
const NumberLocale Comma = NumberLocale::withDecimal(u',');
const QDate Today(2024, 3, 5);
const StateFileReader English{Point, DateOrder::DayMonthYear, Today};

CalculatorStateRecord sample()
{
    return {Today,
            u" 05/03/2024 Tue           \r\n =========================\r\n                       5 +\r\n"_s,
            u"1,234.50"_s, numerette::Operator::Plus, u"0"_s, u"1,234.50"_s, u"001"_s};
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TstStateFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void roundTrip_data();
    void roundTrip();
    void recordFormat();
    void readUnderAnotherLocale_data();
    void readUnderAnotherLocale();
    void earlierFiles_data();
    void earlierFiles();
    void foreignFieldsKeepTheList_data();
    void foreignFieldsKeepTheList();
    void damagedFileIsKeptAside_data();
    void damagedFileIsKeptAside();
    void everyDamagedCopyIsKept();
    void noRegularFileIsDamaged_data();
    void noRegularFileIsDamaged();
    void missingFileChangesNothing();
    void newFileIsPrivate();
    void failedWriteKeepsOldFile();
    void pathInPrivateDataFolder();

private:
    QString path() const { return m_dir->filePath(u"numeret1.fita"_s); }
    QTemporaryDir m_data;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstStateFile::initTestCase()
{
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
    QCoreApplication::setOrganizationName(u"Numeret"_s);
    QCoreApplication::setApplicationName(u"Numeret"_s);
}

void TstStateFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstStateFile::roundTrip_data()
{
    QTest::addColumn<CalculatorStateRecord>("record");

    QTest::newRow("list of several lines") << sample();
    CalculatorStateRecord quotes = sample();
    quotes.list += u"say \"hi\", \"\"twice\"\"\r\n\""_s;
    QTest::newRow("double quotes and commas in the list") << quotes;
    CalculatorStateRecord symbols = sample();
    symbols.list += u"                      2 \u00D7\r\n                      3 \u00F7\r\n Conta de água\r\n"_s;
    symbols.pendingOperator = numerette::Operator::Divide;
    QTest::newRow("times, divide and accents") << symbols;
    CalculatorStateRecord typing = sample();
    typing.entry = u"-12."_s;
    typing.display = u"-12."_s;
    typing.pendingOperator = numerette::Operator::None;
    QTest::newRow("a number being typed, no operator") << typing;
}

void TstStateFile::roundTrip()
{
    QFETCH(CalculatorStateRecord, record);
    QVERIFY(numerette::writeStateFile(path(), record, Point));
    QCOMPARE(numerette::readStateFile(path(), English), std::optional(record));
    // Written again over the old file, it reads the same.
    QVERIFY(numerette::writeStateFile(path(), record, Point));
    QCOMPARE(numerette::readStateFile(path(), English), std::optional(record));
}

void TstStateFile::recordFormat()
{
    CalculatorStateRecord record{
        QDate(2024, 12, 31), u"L\r\n"_s, u"1,5"_s, numerette::Operator::Plus, u"0"_s, u"1,5"_s, u"002"_s};
    QVERIFY(numerette::writeStateFile(path(), record, Comma));
    QCOMPARE(contentsOf(path()), "\"2024-12-31\",\"L\r\n\",\"1,5\",\"+\",\"0\",\"1,5\",\"002\",\",\"\r\n");

    // A grand total holding totals is a ninth field, its sum in plain text whatever the
    // separators, and reads back as it was.
    record.grandTotal = {*numerette::Decimal::fromPlainText(u"-1234.5"), 3};
    QVERIFY(numerette::writeStateFile(path(), record, Comma));
    QCOMPARE(contentsOf(path()),
             "\"2024-12-31\",\"L\r\n\",\"1,5\",\"+\",\"0\",\"1,5\",\"002\",\",\",\"3 -1234.5\"\r\n");
    const StateFileReader reader{Comma, DateOrder::DayMonthYear, QDate(2024, 12, 31)};
    QCOMPARE(numerette::readStateFile(path(), reader), std::optional(record));
    // An empty ninth field is an empty grand total.
    writeBytes(path(), "\"2024-12-31\",\"L\r\n\",\"1,5\",\"+\",\"0\",\"1,5\",\"002\",\",\",\"\"\r\n");
    const auto read = numerette::readStateFile(path(), reader);
    QVERIFY(read);
    QCOMPARE(read->grandTotal, numerette::GrandTotalRegister{});
}

// Read where the other separators are in use, the numbers are what they were written as;
// the date does not depend on the locale's order.
void TstStateFile::readUnderAnotherLocale_data()
{
    QTest::addColumn<NumberLocale>("written");
    QTest::addColumn<QString>("writtenTotal");
    QTest::addColumn<StateFileReader>("reader");
    QTest::addColumn<QString>("total");

    QTest::newRow("written with points, read with commas")
        << Point << u"1,234.50"_s << StateFileReader{Comma, DateOrder::DayMonthYear, Today} << u"1.234,50"_s;
    QTest::newRow("written with commas, read with points") << Comma << u"1.234,50"_s << English << u"1,234.50"_s;
    QTest::newRow("same separators, other date order")
        << Point << u"1,234.50"_s << StateFileReader{Point, DateOrder::MonthDayYear, Today} << u"1,234.50"_s;
}

void TstStateFile::readUnderAnotherLocale()
{
    QFETCH(NumberLocale, written);
    QFETCH(QString, writtenTotal);
    QFETCH(StateFileReader, reader);
    QFETCH(QString, total);
    CalculatorStateRecord record = sample();
    record.total = record.display = writtenTotal;
    QVERIFY(numerette::writeStateFile(path(), record, written));
    const auto read = numerette::readStateFile(path(), reader);
    QVERIFY(read);
    QCOMPARE(read->date, Today);
    QCOMPARE(read->total, total);
    QCOMPARE(read->display, total);
    QCOMPARE(read->list, sample().list);
}

// Files of earlier versions: seven fields, the date in the locale's order, the numbers in
// the separators of the locale that wrote them.
void TstStateFile::earlierFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<StateFileReader>("reader");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("total");

    const StateFileReader brazil{Comma, DateOrder::DayMonthYear, Today};
    const StateFileReader us{Point, DateOrder::MonthDayYear, Today};
    const QByteArray english = "\"05/03/2024\",\"L\r\n\",\"30.00\",\"+\",\"0\",\"30.00\",\"002\"\r\n";
    QTest::newRow("same locale") << english << English << Today << u"30.00"_s;
    QTest::newRow("written in English, read in pt_BR") << english << brazil << Today << u"30,00"_s;
    QTest::newRow("day first, read month first on the same day") << english << us << Today << u"30.00"_s;
    QTest::newRow("month first, read day first on the same day")
        << QByteArray(english).replace("05/03", "03/05") << English << Today << u"30.00"_s;
    QTest::newRow("written in pt_BR, read in English")
        << QByteArray("\"05/03/2024\",\"L\r\n\",\"1.235,50\",\"+\",\"1,\",\"1,\",\"002\"\r\n") << English << Today
        << u"1,235.50"_s;
    QTest::newRow("no grouping to tell: the reader's separators")
        << QByteArray("\"05/03/2024\",\"L\r\n\",\"1,235\",\"+\",\"0\",\"1,235\",\"002\"\r\n") << brazil << Today
        << u"1,235"_s;
    QTest::newRow("another day") << QByteArray(english).replace("05/03", "04/03") << English << QDate(2024, 3, 4)
                                 << u"30.00"_s;
}

void TstStateFile::earlierFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(StateFileReader, reader);
    QFETCH(QDate, date);
    QFETCH(QString, total);
    writeBytes(path(), contents);
    const numerette::StateFileContents read = numerette::loadStateFile(path(), reader);
    QVERIFY(!read.damaged);
    QVERIFY(read.record);
    QCOMPARE(read.record->date, date);
    QCOMPARE(read.record->total, total);
    QCOMPARE(read.record->list, u"L\r\n"_s);
}

// A record that parses but holds what the calculator never writes is damaged: the file is
// kept aside, and its list is still given as today's, so nothing clears it.
void TstStateFile::foreignFieldsKeepTheList_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("fieldCount");

    QTest::newRow("total") << 2 << u"abc"_s << 8;
    QTest::newRow("pending operator") << 3 << u"abc"_s << 8;
    QTest::newRow("pending operator twice") << 3 << u"++"_s << 8;
    QTest::newRow("pending operator in lower case") << 3 << u"t"_s << 8;
    QTest::newRow("entry") << 4 << u"1x"_s << 8;
    QTest::newRow("display") << 5 << QString() << 8;
    QTest::newRow("40-digit counter") << 6 << QString(40, u'9') << 8;
    QTest::newRow("counter with a sign") << 6 << u"-01"_s << 8;
    QTest::newRow("date that is no date") << 0 << u"2024-02-30"_s << 8;
    QTest::newRow("short date in a new file") << 0 << u"05/03/2024"_s << 8;
    QTest::newRow("separator") << 7 << u";"_s << 8;
    QTest::newRow("signed year in an earlier file") << 0 << u"03/05/-2024"_s << 7;
    QTest::newRow("grand total of no totals") << 8 << u"0 5"_s << 9;
    QTest::newRow("grand total without its sum") << 8 << u"2"_s << 9;
    QTest::newRow("grand total count with a sign") << 8 << u"+2 5"_s << 9;
    QTest::newRow("grand total sum that is no number") << 8 << u"2 5x"_s << 9;
    QTest::newRow("grand total sum with a comma") << 8 << u"2 5,5"_s << 9;
    QTest::newRow("grand total with a leading blank") << 8 << u" 2 5"_s << 9;
}

void TstStateFile::foreignFieldsKeepTheList()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(int, fieldCount);
    QStringList fields{u"2024-03-05"_s, u"L\r\n"_s, u"5"_s, u"+"_s, u"0"_s, u"5"_s, u"001"_s, u"."_s, u"1 5"_s};
    fields[field] = value;
    fields.resize(fieldCount);
    writeBytes(path(), (u'"' + fields.join(u"\",\""_s) + u"\"\r\n"_s).toUtf8());

    const numerette::StateFileContents read = numerette::loadStateFile(path(), English);
    QVERIFY(read.damaged);
    QVERIFY(read.listOnly);
    QVERIFY(read.record);
    QCOMPARE(read.record->list, u"L\r\n"_s);
    QCOMPARE(read.record->date, Today);
    QCOMPARE(read.keptAs, path() + u".damaged"_s);
    QVERIFY(QFile::exists(read.keptAs));
}

void TstStateFile::damagedFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("contents");

    const QByteArray good = "\"05/03/2024\",\"L\r\n\",\"5\",\"+\",\"0\",\"5\",\"001\"\r\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated inside the list") << good.left(17);
    QTest::newRow("truncated after six fields") << good.left(good.lastIndexOf(','));
    QTest::newRow("ten fields") << QByteArray(good).insert(good.size() - 2, ",\".\",\"1 5\",\"x\"");
    QTest::newRow("unquoted field") << QByteArray("\"05/03/2024\",L,\"5\",\"+\",\"0\",\"5\",\"001\"\r\n");
    QTest::newRow("text after the record") << good + good;
    static const char binary[] = "\"\xff\xfe\x00\x01\",\"\x80\",\"\",\"\",\"\",\"\",\"\"\r\n";
    QTest::newRow("binary") << QByteArray(binary, sizeof binary - 1);
    QByteArray enormous = good;
    enormous.insert(14, QByteArray(numerette::MaxStateFileBytes, 'x'));
    QTest::newRow("enormous") << enormous;
}

void TstStateFile::damagedFileIsKeptAside()
{
    QFETCH(QByteArray, contents);
    const QString aside = path() + u".damaged"_s;
    writeBytes(path(), contents);

    const numerette::StateFileContents read = numerette::loadStateFile(path(), English);
    QCOMPARE(read.record, std::nullopt);
    QVERIFY(read.damaged);
    QCOMPARE(read.keptAs, aside);
    QVERIFY(!QFile::exists(path()));
    QCOMPARE(contentsOf(aside), contents);
}

// Damaged at one start, and again at the next: neither copy replaces the other.
void TstStateFile::everyDamagedCopyIsKept()
{
    const QStringList damaged{u"first damaged"_s, u"second damaged"_s, u"third damaged"_s};
    QStringList keptAs;
    for (const QString& contents : damaged) {
        writeBytes(path(), contents.toUtf8());
        keptAs.append(numerette::loadStateFile(path(), English).keptAs);
        QVERIFY(numerette::writeStateFile(path(), sample(), Point));
        QVERIFY(numerette::readStateFile(path(), English));
    }
    QCOMPARE(keptAs, QStringList({path() + u".damaged"_s, path() + u".damaged.2"_s, path() + u".damaged.3"_s}));
    for (qsizetype copy = 0; copy < damaged.size(); ++copy)
        QCOMPARE(contentsOf(keptAs[copy]), damaged[copy].toUtf8());
}

void TstStateFile::noRegularFileIsDamaged_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO no program writes to") << u"fifo"_s;
    QTest::newRow("folder") << u"folder"_s;
    QTest::newRow("link to nowhere") << u"dangling link"_s;
}

// Something at the path that is no regular file is never waited on: it is moved aside as a
// damaged file, and the next save writes a regular file in its place.
void TstStateFile::noRegularFileIsDamaged()
{
    QFETCH(QString, kind);
    if (kind == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    else if (kind == u"folder")
        QVERIFY(QDir().mkdir(path()));
    else
        QVERIFY(QFile::link(m_dir->filePath(u"nowhere"_s), path()));

    const numerette::StateFileContents read = numerette::loadStateFile(path(), English);
    QVERIFY(read.damaged);
    QCOMPARE(read.record, std::nullopt);
    QCOMPARE(read.keptAs, path() + u".damaged"_s);
    QVERIFY(numerette::writeStateFile(path(), sample(), Point));
    QCOMPARE(numerette::readStateFile(path(), English), std::optional(sample()));
}

void TstStateFile::missingFileChangesNothing()
{
    QCOMPARE(numerette::readStateFile(path(), English), std::nullopt);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TstStateFile::newFileIsPrivate()
{
    QVERIFY(numerette::writeStateFile(path(), sample(), Point));
    const QFileDevice::Permissions permissions = QFile::permissions(path());
    QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(permissions & OthersAndGroup, QFileDevice::Permissions());
}

// A write that breaks off (disk full, crash) must not cost the state written before it.
void TstStateFile::failedWriteKeepsOldFile()
{
    QVERIFY(numerette::writeStateFile(path(), sample(), Point));
    const QByteArray old = contentsOf(path());
    CalculatorStateRecord longer = sample();
    longer.list = QString(4096, u'x');
    {
        FileSizeLimit limit(old.size() + 10);
        QString error;
        QVERIFY(!numerette::writeStateFile(path(), longer, Point, &error));
        QVERIFY(!error.isEmpty());
    }
    QCOMPARE(contentsOf(path()), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"numeret1.fita"_s});
}

void TstStateFile::pathInPrivateDataFolder()
{
    const QString state = numerette::stateFilePath(2);
    QVERIFY2(state.startsWith(m_data.path() + u'/') && state.endsWith(u"/numeret2.fita"_s), qPrintable(state));
    const QString folder = QFileInfo(state).absolutePath();
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QFile::permissions(folder) & OthersAndGroup, QFileDevice::Permissions());
}

QTEST_GUILESS_MAIN(TstStateFile)
#include "tst_state_file.moc"
