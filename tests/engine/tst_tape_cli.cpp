#include <QtTest>

#include "tape_text.h"

using namespace Qt::StringLiterals;

class TestTapeCli : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestTapeCli::run_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("keys");     // null: no KEYS argument
    QTest::addColumn<QByteArray>("input"); // standard input
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // exact standard output
    const QString none;
    const QString header = u"09/12/2026 Wed|===|"_s;
    const auto tape = [&](const QString& lines) { return tapeText(header + lines, u"\n"_s); };

    QTest::newRow("example tape, LF and trailing blanks")
        << "--format 20" << "5+3-2=" << QByteArray() << 0
        << u" 09/12/2026 Wed           \n"
           u" =========================\n"
           u"                    5.00 +\n"
           u"                    3.00 -\n"
           u"                    2.00 =\n"
           u" 003                      \n"
           u"                    6.00 T\n"
           u" =========================\n"_s;
    QTest::newRow("keys from standard input")
        << "" << none << QByteArray("5+3=\n") << 0 << tape(u"5 +|3 =|002|8 T|==="_s);
    QTest::newRow("state lines")
        << "--state" << "5+3" << QByteArray() << 0
        << u"display: 3\ntotal: 5\ncounter: 001\npending: +\nentry: 3\nmemory: \ntime: 00:00:00\n"_s;
    QTest::newRow("decimal comma") << "--decimal ," << "1.5+1,25=" << QByteArray() << 0
                                   << tape(u"1,5 +|1,25 =|002|2,75 T|==="_s);
    QTest::newRow("month first")
        << "--date-order mdy" << "" << QByteArray() << 0 << tapeText(u"12/09/2026 Wed|==="_s, u"\n"_s);
    QTest::newRow("add mode") << "--add" << "5{Enter}3{Enter}=" << QByteArray() << 0 << tape(u"5 +|3 =|002|8 T|==="_s);
    QTest::newRow("insert text") << "--insert-text" << "5+ab3=" << QByteArray() << 0
                                 << tape(u"AB                    5 +|3 =|------------|002|8 T|==="_s);
    QTest::newRow("csv with comma decimals")
        << "--csv --decimal , --format 20" << "1234,5+3=" << QByteArray() << 0
        << u"date,kind,value,operator,label\r\n"
           u"2026-12-09,header,,,09/12/2026 Wed\r\n"
           u"2026-12-09,item,1234.50,+,\r\n"
           u"2026-12-09,item,3.00,=,\r\n"
           u"2026-12-09,count,2,,\r\n"
           u"2026-12-09,total,1237.50,T,\r\n"_s;
    QTest::newRow("Esc ends the run") << "" << "5+3{Esc}=" << QByteArray() << 0 << tape(u"5 +"_s);
    QTest::newRow("unknown option") << "--bogus" << "5" << QByteArray() << 2 << QString();
    QTest::newRow("unknown format") << "--format 3" << "5" << QByteArray() << 2 << QString();
    QTest::newRow("unknown braced name") << "" << "5{Bogus}" << QByteArray() << 2 << QString();
    QTest::newRow("unterminated braced name") << "" << "5{Enter" << QByteArray() << 2 << QString();
    QTest::newRow("unknown braced name on standard input") << "" << none << QByteArray("5{Nope}") << 2 << QString();
}

void TestTapeCli::run()
{
    QFETCH(QString, options);
    QFETCH(QString, keys);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QStringList arguments{u"--today"_s, u"2026-12-09"_s};
    arguments += options.split(u' ', Qt::SkipEmptyParts);
    if (!keys.isNull())
        arguments += keys;

    QProcess tape;
    tape.start(QString::fromUtf8(NUMERETTE_TAPE_PATH), arguments);
    QVERIFY(tape.waitForStarted());
    tape.write(input);
    tape.closeWriteChannel();
    QVERIFY(tape.waitForFinished());
    QCOMPARE(tape.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tape.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(tape.readAllStandardOutput()), output);
    QCOMPARE(tape.readAllStandardError().isEmpty(), exitCode == 0);
}

QTEST_GUILESS_MAIN(TestTapeCli)
#include "tst_tape_cli.moc"
