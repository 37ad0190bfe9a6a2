// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <sys/stat.h>

#include "archive_fixture.h"
#include "archived_calculation.h"
#include "calculation_archiver.h"
#include "tape_archive.h"

using namespace numerette;
using namespace numerette::history;
using namespace Qt::StringLiterals;

namespace {

TapeReading readingOn(QDate day, QChar decimal = u'.')
{
    TapeReading reading;
    reading.locale = NumberLocale::withDecimal(decimal);
    reading.numberFormat = u"#,##0.00"_s;
    reading.closedAt = QDateTime(day, QTime(10, 0));
    return reading;
}

// The blocks of a tape typed on a day.
QList<ArchivedCalculation> typedOn(QDate day, const QStringList& calculations, bool labels = false)
{
    TypedTape tape;
    tape.port.day = day;
    tape.calculator.setInsertText(labels);
    tape.calculator.clearList();
    for (const QString& keys : calculations)
        tape.type(keys);
    return closedBlocks(tape.calculator.list(), readingOn(day));
}

QStringList totalsOf(const QList<ArchivedCalculation>& found)
{
    QStringList totals;
    for (const ArchivedCalculation& c : found)
        totals.append(c.totalText);
    return totals;
}

} // namespace

class TestTapeArchive : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(u"history-%1.sqlite"_s.arg(++m_serial));
    }

    void blocksOfATape_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("labels");
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<QList<int>>("itemCounts");

        QTest::newRow("one total") << QStringList{u"5+3-2="_s} << false << QStringList{u"6.00"_s} << QList<int>{3};
        QTest::newRow("two totals") << QStringList{u"5+3="_s, u"10*3="_s} << false
                                    << QStringList{u"8.00"_s, u"30.00"_s} << QList<int>{2, 2};
        QTest::newRow("a running calculation is not closed") << QStringList{u"5+3="_s, u"7+"_s} << false
                                                              << QStringList{u"8.00"_s} << QList<int>{2};
        QTest::newRow("percentage") << QStringList{u"200+10%"_s} << false << QStringList{u"220.00"_s} << QList<int>{2};
        QTest::newRow("labelled items") << QStringList{u"1234.5+rent3*2="_s} << true << QStringList{u"2,475.00"_s}
                                        << QList<int>{3};
        QTest::newRow("nothing but a cleared list") << QStringList{} << false << QStringList{} << QList<int>{};
    }

    void blocksOfATape()
    {
        QFETCH(QStringList, keys);
        QFETCH(bool, labels);
        QFETCH(QStringList, totals);
        QFETCH(QList<int>, itemCounts);
        const QList<ArchivedCalculation> blocks = typedOn(QDate(2026, 12, 9), keys, labels);
        QCOMPARE(totalsOf(blocks), totals);
        QList<int> counts;
        for (const ArchivedCalculation& block : blocks) {
            counts.append(block.itemCount);
            QCOMPARE(block.day, QDate(2026, 12, 9));
            QVERIFY(block.text.endsWith(tape::Separator + tape::LineBreak));
            QCOMPARE(block.items.size(), block.itemCount);
        }
        QCOMPARE(counts, itemCounts);
        if (labels)
            QVERIFY2(blocks.constFirst().labels.contains(u"RENT"_s), qPrintable(blocks.constFirst().labels));
    }

    void writtenClosedAndReopened()
    {
        const QList<ArchivedCalculation> first = typedOn(QDate(2026, 12, 8), {u"5+3="_s, u"10*3="_s});
        const QList<ArchivedCalculation> second = typedOn(QDate(2026, 12, 9), {u"1+1="_s});
        {
            TapeArchive archive;
            QVERIFY(archive.open(m_path).opened);
            QCOMPARE(archive.add(first), 2);
            QCOMPARE(archive.add(second), 1);
            // The same blocks merged again, as from the backup file: nothing twice.
            QCOMPARE(archive.merge(first + second), 0);
        }
        struct stat status {};
        QCOMPARE(stat(QFile::encodeName(m_path).constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, mode_t(0600));
        TapeArchive archive;
        const TapeArchive::Opening opening = archive.open(m_path);
        QVERIFY(opening.opened);
        QVERIFY(!opening.damaged);
        const QList<ArchivedDay> days = archive.days();
        QCOMPARE(days.size(), 2);
        QCOMPARE(days[0].day, QDate(2026, 12, 9));
        QCOMPARE(days[0].calculations, 1);
        QCOMPARE(days[1].day, QDate(2026, 12, 8));
        QCOMPARE(days[1].calculations, 2);
        QCOMPARE(days[1].totalSum, 38.0);
        const QList<ArchivedCalculation> tape = archive.dayCalculations(QDate(2026, 12, 8));
        QCOMPARE(totalsOf(tape), (QStringList{u"8.00"_s, u"30.00"_s}));
        QCOMPARE(tape[0].text, first[0].text);
        QCOMPARE(tape[0].numberFormat, u"#,##0.00"_s);
    }

    void search_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QDate>("firstDay");
        QTest::addColumn<QDate>("lastDay");
        QTest::addColumn<QStringList>("totals");

        const QDate none;
        QTest::newRow("exact total") << u"30"_s << QString() << QString() << none << none << QStringList{u"30.00"_s};
        QTest::newRow("exact item") << u"3"_s << QString() << QString() << none << none
                                    << QStringList{u"30.00"_s, u"8.00"_s};
        QTest::newRow("exact with decimals") << u"1234.5"_s << QString() << QString() << none << none
                                             << QStringList{u"1,236.50"_s};
        QTest::newRow("range") << u"7"_s << u"9"_s << QString() << none << none << QStringList{u"8.00"_s};
        QTest::newRow("range upside down") << u"9"_s << u"7"_s << QString() << none << none << QStringList{u"8.00"_s};
        QTest::newRow("negative total") << u"-4"_s << QString() << QString() << none << none << QStringList{u"-4.00"_s};
        QTest::newRow("no such amount") << u"31"_s << QString() << QString() << none << none << QStringList{};
        QTest::newRow("label word") << QString() << QString() << u"rent"_s << none << none << QStringList{u"1,236.50"_s};
        QTest::newRow("word prefix, any case") << QString() << QString() << u"RE"_s << none << none
                                               << QStringList{u"1,236.50"_s};
        QTest::newRow("quote in the words") << QString() << QString() << u"\"rent"_s << none << none
                                            << QStringList{u"1,236.50"_s};
        QTest::newRow("no such word") << QString() << QString() << u"water"_s << none << none << QStringList{};
        QTest::newRow("days") << QString() << QString() << QString() << QDate(2026, 12, 8) << QDate(2026, 12, 8)
                              << QStringList{u"30.00"_s, u"8.00"_s};
        QTest::newRow("from a day on") << QString() << QString() << QString() << QDate(2026, 12, 9) << none
                                       << QStringList{u"1,236.50"_s, u"-4.00"_s};
        QTest::newRow("amount and days") << u"8"_s << QString() << QString() << QDate(2026, 12, 8) << QDate(2026, 12, 8)
                                         << QStringList{u"8.00"_s};
    }

    void search()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, words);
        QFETCH(QDate, firstDay);
        QFETCH(QDate, lastDay);
        QFETCH(QStringList, totals);
        TapeArchive archive;
        QVERIFY(archive.open(m_path).opened);
        QVERIFY(archive.add(typedOn(QDate(2026, 12, 8), {u"5+3="_s, u"10*3="_s})));
        QVERIFY(archive.add(typedOn(QDate(2026, 12, 9), {u"1-5="_s, u"1234.5+rent2="_s}, true)));
        const NumberLocale locale = NumberLocale::withDecimal(u'.');
        ArchiveQuery query;
        if (!from.isEmpty())
            query.amountFrom = ValueOf(from, locale);
        if (!to.isEmpty())
            query.amountTo = ValueOf(to, locale);
        query.words = words;
        query.from = firstDay;
        query.to = lastDay;
        QCOMPARE(totalsOf(archive.search(query)), totals);
    }

    void removedCalculationsAreFoundNoMore()
    {
        TapeArchive archive;
        QVERIFY(archive.open(m_path).opened);
        QVERIFY(archive.add(typedOn(QDate(2026, 12, 7), {u"1234.5+rent2="_s}, true)));
        QVERIFY(archive.add(typedOn(QDate(2026, 12, 8), {u"5+3="_s, u"10*3="_s})));
        QVERIFY(archive.add(typedOn(QDate(2026, 12, 9), {u"1+1="_s})));
        ArchiveQuery thirty;
        thirty.amountFrom = Decimal(30);
        const QList<ArchivedCalculation> found = archive.search(thirty);
        QCOMPARE(found.size(), 1);
        QVERIFY(archive.remove(found[0].id));
        QVERIFY(!archive.remove(found[0].id));
        QVERIFY(archive.search(thirty).isEmpty());
        QCOMPARE(archive.dayCalculations(QDate(2026, 12, 8)).size(), 1);

        QVERIFY(archive.removeDay(QDate(2026, 12, 8)));
        QCOMPARE(archive.days().size(), 2);
        QCOMPARE(archive.removeBefore(QDate(2026, 12, 9)), 1);
        ArchiveQuery rent;
        rent.words = u"rent"_s;
        QVERIFY(archive.search(rent).isEmpty());
        QCOMPARE(archive.calculationCount(), 1);
    }

    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("text") << QByteArray("these are not the droids\n");
        QTest::newRow("truncated database header") << QByteArray("SQLite format 3\0\x10\0", 19);
        QTest::newRow("zeros") << QByteArray(8192, '\0');
    }

    void damagedFileIsKeptAside()
    {
        QFETCH(QByteArray, contents);
        {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        TapeArchive archive;
        const TapeArchive::Opening opening = archive.open(m_path);
        QVERIFY2(opening.opened, qPrintable(opening.error));
        QVERIFY(opening.damaged);
        QCOMPARE(opening.keptAs, m_path + u".damaged"_s);
        QFile kept(opening.keptAs);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), contents);
        // The new archive works.
        QCOMPARE(archive.add(typedOn(QDate(2026, 12, 9), {u"1+1="_s})), 1);
    }

    void noRegularFileIsRefused()
    {
        const QString fifo = m_dir.filePath(u"fifo"_s);
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        TapeArchive archive;
        const TapeArchive::Opening opening = archive.open(fifo);
        QVERIFY(!opening.opened);
        QVERIFY(!opening.damaged);
        QVERIFY(!archive.isOpen());
        QVERIFY(!archive.add(typedOn(QDate(2026, 12, 9), {u"1+1="_s})));
    }

    void archiverKeepsEachBlockOnce()
    {
        TapeArchive archive;
        QVERIFY(archive.open(m_path).opened);
        TypedTape tape;
        auto archiver = std::make_unique<CalculationArchiver>(tape.calculator, archive, 2);
        QSignalSpy archived(archiver.get(), &CalculationArchiver::archived);
        tape.type(u"5+3="_s);
        tape.type(u"7+"_s);
        QCOMPARE(archive.calculationCount(), 1);
        tape.type(u"1="_s);
        QCOMPARE(archive.calculationCount(), 2);
        QCOMPARE(archived.size(), 2);
        // A new archiver over the same tape, as after a restart: nothing is written twice.
        archiver.reset();
        CalculationArchiver restarted(tape.calculator, archive, 2);
        QVERIFY(restarted.archiveClosedBlocks());
        QCOMPARE(archive.calculationCount(), 2);
        const QList<ArchivedCalculation> day = archive.dayCalculations(tape.port.day);
        QCOMPARE(totalsOf(day), (QStringList{u"8.00"_s, u"8.00"_s}));
        QCOMPARE(day[0].calculator, 2);
        // Cleared and typed again: the same calculation on a new tape is a new one.
        tape.calculator.clearList();
        tape.type(u"5+3="_s);
        QCOMPARE(archive.calculationCount(), 3);
    }

    void twoCalculatorsWriteAtOnce()
    {
        TapeArchive main;
        TapeArchive second;
        QVERIFY(main.open(m_path).opened);
        QVERIFY(second.open(m_path).opened);
        for (int i = 0; i < 20; ++i) {
            QVERIFY(main.add(typedOn(QDate(2026, 11, 1).addDays(i), {u"%1+1="_s.arg(i + 1)})));
            QVERIFY(second.add(typedOn(QDate(2026, 11, 1).addDays(i), {u"%1*2="_s.arg(i + 1)})));
        }
        QCOMPARE(main.calculationCount(), 40);
        QCOMPARE(second.days().size(), 20);
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_serial = 0;
};

QTEST_GUILESS_MAIN(TestTapeArchive)
#include "tst_tape_archive.moc"
