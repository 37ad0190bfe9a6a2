// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "archive_fixture.h"
#include "archived_calculation.h"
#include "backup_import.h"
#include "calculation_archiver.h"
#include "tape_archive.h"

using namespace numerette;
using namespace numerette::history;
using namespace Qt::StringLiterals;

namespace {

const QString Separator = u" ========================="_s;

// A backup record as clearing writes it.
QString record(const QString& list, const QString& time = u"18:30:00"_s)
{
    return list + Separator + u"\r\n\r\n        BKP = "_s + time + u" hs.\r\n\r\n"_s + Separator + u"\r\n"_s;
}

// A tape typed on a day with these separators and date order; its header's weekday in
// another language when one is given.
QString typedList(QDate day, const QStringList& calculations, QChar decimal = u'.',
                  tape::DateOrder order = tape::DateOrder::DayMonthYear, const QString& weekday = {})
{
    TypedTape tape(20, decimal);
    tape.port.day = day;
    tape.calculator.setDateOrder(order);
    tape.calculator.clearList();
    for (const QString& keys : calculations)
        tape.type(keys);
    QString list = tape.calculator.list();
    if (!weekday.isEmpty())
        list.replace(12, 3, weekday);
    return list;
}

// Three days, written under three locales and in three languages.
QString backupOfThreeDays()
{
    return record(typedList(QDate(2026, 12, 7), {u"5+3="_s, u"10*3="_s}))
        + record(typedList(QDate(2026, 12, 8), {u"1234,5+2="_s}, u',', tape::DateOrder::DayMonthYear, u"Ter"_s))
        + record(typedList(QDate(2026, 12, 25), {u"7/2="_s}, u'.', tape::DateOrder::MonthDayYear, u"Vie"_s));
}

} // namespace

class TestBackupImport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(u"history-%1.sqlite"_s.arg(++m_serial));
    }

    void recordsOfAFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("firstTime");

        const QString list = typedList(QDate(2026, 12, 7), {u"5+3="_s});
        QTest::newRow("empty") << QString() << 0 << QString();
        QTest::newRow("one") << record(list, u"09:05:01"_s) << 1 << u"09:05:01"_s;
        QTest::newRow("two") << record(list) + record(list) << 2 << u"18:30:00"_s;
        QTest::newRow("line feeds alone") << QString(record(list)).replace(u"\r\n"_s, u"\n"_s) << 1 << u"18:30:00"_s;
        QTest::newRow("a record being written") << record(list) + list << 1 << u"18:30:00"_s;
        QTest::newRow("no stamp") << list << 0 << QString();
    }

    void recordsOfAFile()
    {
        QFETCH(QString, text);
        QFETCH(int, records);
        QFETCH(QString, firstTime);
        const QList<BackupRecord> found = backupRecords(text);
        QCOMPARE(found.size(), records);
        if (records > 0) {
            QCOMPARE(found[0].time.toString(u"HH:mm:ss"_s), firstTime);
            QVERIFY(found[0].list.endsWith(Separator + u"\r\n"_s));
            QVERIFY(found[0].list.startsWith(u" 07/12/2026"_s));
        }
    }

    void separatorsAndDateOrder_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<bool>("monthFirst");

        QTest::newRow("point") << typedList(QDate(2026, 12, 7), {u"1234.5+1="_s}) << QChar(u'.') << false;
        QTest::newRow("comma") << typedList(QDate(2026, 12, 7), {u"1234,5+1="_s}, u',') << QChar(u',') << false;
        QTest::newRow("month first") << typedList(QDate(2026, 12, 25), {u"2+1="_s}, u'.',
                                                  tape::DateOrder::MonthDayYear)
                                     << QChar(u'.') << true;
        // Nothing tells: the fallbacks (comma, day first) stand.
        QTest::newRow("nothing tells") << typedList(QDate(2026, 12, 7), {}) << QChar(u',') << false;
    }

    void separatorsAndDateOrder()
    {
        QFETCH(QString, list);
        QFETCH(QChar, decimal);
        QFETCH(bool, monthFirst);
        QCOMPARE(separatorsOfTape(list, NumberLocale::withDecimal(u',')).decimal, decimal);
        QCOMPARE(dateOrderOfTape(list, tape::DateOrder::DayMonthYear) == tape::DateOrder::MonthDayYear, monthFirst);
    }

    void importsEveryDayOnce()
    {
        TapeArchive archive;
        QVERIFY(archive.open(m_path).opened);
        const QString text = backupOfThreeDays();
        const ImportResult first = importBackup(archive, text, NumberLocale::withDecimal(u'.'), tape::DateOrder::DayMonthYear);
        QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
        QCOMPARE(first.added, 4);
        const QList<ArchivedDay> days = archive.days();
        QCOMPARE(days.size(), 3);
        QCOMPARE(days[0].day, QDate(2026, 12, 25));
        QCOMPARE(days[0].totalSum, 3.5);
        QCOMPARE(days[1].day, QDate(2026, 12, 8));
        QCOMPARE(days[1].totalSum, 1236.5);
        QCOMPARE(days[2].calculations, 2);
        const QList<ArchivedCalculation> eighth = archive.dayCalculations(QDate(2026, 12, 8));
        QCOMPARE(eighth[0].decimal, QChar(u','));
        QCOMPARE(eighth[0].closedAt, QDateTime(QDate(2026, 12, 8), QTime(18, 30)));
        ArchiveQuery amount;
        amount.amountFrom = Decimal::fromPlainText(u"1234.5"_s);
        QCOMPARE(archive.search(amount).size(), 1);

        const ImportResult again = importBackup(archive, text, NumberLocale::withDecimal(u'.'), tape::DateOrder::DayMonthYear);
        QCOMPARE(again.added, 0);
        QCOMPARE(again.alreadyThere, 4);
        QCOMPARE(archive.calculationCount(), 4);
    }

    void calculationsArchivedAsTheyClosedAreNotImportedAgain()
    {
        TapeArchive archive;
        QVERIFY(archive.open(m_path).opened);
        TypedTape tape;
        CalculationArchiver archiver(tape.calculator, archive, 1);
        tape.type(u"5+3="_s);
        const QString firstTape = tape.calculator.list();
        // Cleared, and the same calculation typed again on a new tape of the same day.
        tape.calculator.clearList();
        tape.type(u"5+3="_s);
        QCOMPARE(archive.calculationCount(), 2);
        // The backup holds the first tape; importing it finds both calculations there already.
        const ImportResult result = importBackup(archive, record(firstTape), tape.calculator.numberLocale(),
                                                 tape.calculator.dateOrder());
        QCOMPARE(result.added, 0);
        // With the second tape in the backup as well, still nothing is added; a third copy is.
        const QString twice = record(firstTape) + record(tape.calculator.list());
        QCOMPARE(importBackup(archive, twice, tape.calculator.numberLocale(), tape.calculator.dateOrder()).added, 0);
        QCOMPARE(importBackup(archive, twice + record(firstTape), tape.calculator.numberLocale(),
                              tape.calculator.dateOrder())
                     .added,
                 1);
    }

    void olderFilesInLatin1()
    {
        const QString list = typedList(QDate(2026, 12, 7), {u"6*7="_s});
        QVERIFY(list.contains(QChar(0x00D7)));
        QCOMPARE(backupText(record(list).toLatin1()), record(list));
        QCOMPARE(backupText(record(list).toUtf8()), record(list));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_serial = 0;
};

QTEST_GUILESS_MAIN(TestBackupImport)
#include "tst_backup_import.moc"
