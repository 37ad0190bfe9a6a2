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
using numerette::tape::DateOrder;

namespace {

constexpr QFileDevice::Permissions OthersAndGroup = QFileDevice::ReadGroup | QFileDevice::WriteGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

CalculatorStateRecord sample()
{
    return {QDate(2024, 3, 5),
            u" 05/03/2024 Tue           \r\n =========================\r\n                       5 +\r\n"_s,
            u"5"_s, u"+"_s, u"0"_s, u"5"_s, u"001"_s};
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
    QTest::addColumn<DateOrder>("order");

    QTest::newRow("list of several lines") << sample() << DateOrder::DayMonthYear;
    QTest::newRow("month first") << sample() << DateOrder::MonthDayYear;
    CalculatorStateRecord quotes = sample();
    quotes.list += u"say \"hi\", \"\"twice\"\"\r\n\""_s;
    quotes.entry = u"\""_s;
    quotes.display = u"\",\""_s;
    QTest::newRow("double quotes and commas in fields") << quotes << DateOrder::DayMonthYear;
    CalculatorStateRecord symbols = sample();
    symbols.list += u"                      2 \u00D7\r\n                      3 \u00F7\r\n Conta de água\r\n"_s;
    symbols.pendingOperator = u"\u00F7"_s;
    QTest::newRow("times, divide and accents") << symbols << DateOrder::DayMonthYear;
    QTest::newRow("no date, empty fields") << CalculatorStateRecord{} << DateOrder::DayMonthYear;
}

void TstStateFile::roundTrip()
{
    QFETCH(CalculatorStateRecord, record);
    QFETCH(DateOrder, order);
    QVERIFY(numerette::writeStateFile(path(), record, order));
    QCOMPARE(numerette::readStateFile(path(), order), std::optional(record));
    // Written again over the old file, it reads the same.
    QVERIFY(numerette::writeStateFile(path(), record, order));
    QCOMPARE(numerette::readStateFile(path(), order), std::optional(record));
}

void TstStateFile::recordFormat()
{
    CalculatorStateRecord record{QDate(2024, 12, 31), u"L\r\n"_s, u"1,5"_s, u"+"_s, u"0"_s, u"say \"x\""_s, u"002"_s};
    QVERIFY(numerette::writeStateFile(path(), record, DateOrder::MonthDayYear));
    QCOMPARE(contentsOf(path()), "\"12/31/2024\",\"L\r\n\",\"1,5\",\"+\",\"0\",\"say \"\"x\"\"\",\"002\"\r\n");
    // Read with the other order, the date is no date: the calculator takes it as another day.
    QVERIFY(!numerette::readStateFile(path(), DateOrder::DayMonthYear)->date.isValid());
}

void TstStateFile::damagedFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("contents");

    const QByteArray good = "\"05/03/2024\",\"L\r\n\",\"5\",\"+\",\"0\",\"5\",\"001\"\r\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated inside the list") << good.left(17);
    QTest::newRow("truncated after six fields") << good.left(good.lastIndexOf(','));
    QTest::newRow("eight fields") << QByteArray(good).insert(good.size() - 2, ",\"x\"");
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

    const numerette::StateFileContents read = numerette::loadStateFile(path(), DateOrder::DayMonthYear);
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
        keptAs.append(numerette::loadStateFile(path(), DateOrder::DayMonthYear).keptAs);
        QVERIFY(numerette::writeStateFile(path(), sample(), DateOrder::DayMonthYear));
        QVERIFY(numerette::readStateFile(path(), DateOrder::DayMonthYear));
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

    const numerette::StateFileContents read = numerette::loadStateFile(path(), DateOrder::DayMonthYear);
    QVERIFY(read.damaged);
    QCOMPARE(read.record, std::nullopt);
    QCOMPARE(read.keptAs, path() + u".damaged"_s);
    QVERIFY(numerette::writeStateFile(path(), sample(), DateOrder::DayMonthYear));
    QCOMPARE(numerette::readStateFile(path(), DateOrder::DayMonthYear), std::optional(sample()));
}

void TstStateFile::missingFileChangesNothing()
{
    QCOMPARE(numerette::readStateFile(path(), DateOrder::DayMonthYear), std::nullopt);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TstStateFile::newFileIsPrivate()
{
    QVERIFY(numerette::writeStateFile(path(), sample(), DateOrder::DayMonthYear));
    const QFileDevice::Permissions permissions = QFile::permissions(path());
    QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(permissions & OthersAndGroup, QFileDevice::Permissions());
}

// A write that breaks off (disk full, crash) must not cost the state written before it.
void TstStateFile::failedWriteKeepsOldFile()
{
    QVERIFY(numerette::writeStateFile(path(), sample(), DateOrder::DayMonthYear));
    const QByteArray old = contentsOf(path());
    CalculatorStateRecord longer = sample();
    longer.list = QString(4096, u'x');
    {
        FileSizeLimit limit(old.size() + 10);
        QString error;
        QVERIFY(!numerette::writeStateFile(path(), longer, DateOrder::DayMonthYear, &error));
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
