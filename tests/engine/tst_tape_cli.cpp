// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "tape_text.h"

using namespace Qt::StringLiterals;

class TestTapeCli : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void helpAndVersion_data();
    void helpAndVersion();
};

void TestTapeCli::run_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("keys");     // null: no KEYS argument
    QTest::addColumn<QByteArray>("input"); // standard input
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // exact standard output
    QTest::addColumn<QString>("error");  // what standard error must say; empty when it stays silent
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
           u" =========================\n"_s << QString();
    QTest::newRow("keys from standard input")
        << "" << none << QByteArray("5+3=\n") << 0 << tape(u"5 +|3 =|002|8 T|==="_s) << QString();
    QTest::newRow("state lines")
        << "--state" << "5+3" << QByteArray() << 0
        << u"display: 3\ntotal: 5\ncounter: 001\npending: +\nentry: 3\nmemory: \ntime: 00:00:00\n"_s << QString();
    QTest::newRow("decimal comma") << "--decimal ," << "1.5+1,25=" << QByteArray() << 0
                                   << tape(u"1,5 +|1,25 =|002|2,75 T|==="_s) << QString();
    QTest::newRow("month first")
        << "--date-order mdy" << "" << QByteArray() << 0 << tapeText(u"12/09/2026 Wed|==="_s, u"\n"_s) << QString();
    QTest::newRow("add mode") << "--add" << "5{Enter}3{Enter}=" << QByteArray() << 0 << tape(u"5 +|3 =|002|8 T|==="_s) << QString();
    QTest::newRow("insert text") << "--insert-text" << "5+ab3=" << QByteArray() << 0
                                 << tape(u"AB                    5 +|3 =|------------|002|8 T|==="_s) << QString();
    QTest::newRow("csv with comma decimals")
        << "--csv --decimal , --format 20" << "1234,5+3=" << QByteArray() << 0
        << u"date,kind,value,operator,label\r\n"
           u"2026-12-09,header,,,09/12/2026 Wed\r\n"
           u"2026-12-09,item,1234.50,+,\r\n"
           u"2026-12-09,item,3.00,=,\r\n"
           u"2026-12-09,count,2,,\r\n"
           u"2026-12-09,total,1237.50,T,\r\n"_s << QString();
    QTest::newRow("Esc ends the run") << "" << "5+3{Esc}=" << QByteArray() << 0 << tape(u"5 +"_s) << QString();
    QTest::newRow("unknown option") << "--bogus" << "5" << QByteArray() << 2 << QString()
                                    << u"unknown option '--bogus'"_s;
    QTest::newRow("unknown format") << "--format 3" << "5" << QByteArray() << 2 << QString()
                                    << u"--format takes one of 0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80, not '3'"_s;
    QTest::newRow("unknown braced name") << "" << "5{Bogus}" << QByteArray() << 2 << QString()
                                         << u"unknown key name '{Bogus}'"_s;
    QTest::newRow("unterminated braced name") << "" << "5{Enter" << QByteArray() << 2 << QString()
                                              << u"the key name '{Enter' has no closing '}'"_s;
    QTest::newRow("braced name left open before the next")
        << "" << "5{Enter+3{Esc}" << QByteArray() << 2 << QString() << u"the key name '{Enter+3' has no closing '}'"_s;
    QTest::newRow("unknown braced name on standard input") << "" << none << QByteArray("5{Nope}") << 2 << QString()
                                                          << u"unknown key name '{Nope}'"_s;
    QTest::newRow("a second KEYS argument") << "5+" << "3=" << QByteArray() << 2 << QString()
                                            << u"one KEYS argument only, but '3=' follows '5+' (quote keys that hold blanks)"_s;
    QTest::newRow("option without its value") << "--today" << none << QByteArray() << 2 << QString()
                                              << u"--today needs a value: YYYY-MM-DD"_s;
    QTest::newRow("switch given a value") << "--add=yes" << "5" << QByteArray() << 2 << QString()
                                          << u"--add takes no value"_s;
    QTest::newRow("-- ends the options, keys start with a minus")
        << "--format 20 --" << "-5+3=" << QByteArray() << 0 << tape(u"-5.00 +|3.00 =|002|-2.00 T|==="_s) << QString();
    QTest::newRow("keys after -- that look like an option")
        << "--" << "--5+3=" << QByteArray() << 0 << tape(u"5 +|3 =|002|8 T|==="_s) << QString();
    QTest::newRow("option=value form") << "--decimal=," << "1,5+1=" << QByteArray() << 0
                                       << tape(u"1,5 +|1 =|002|2,5 T|==="_s) << QString();
}

void TestTapeCli::run()
{
    QFETCH(QString, options);
    QFETCH(QString, keys);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);
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
    const QString standardError = QString::fromUtf8(tape.readAllStandardError());
    if (error.isEmpty())
        QCOMPARE(standardError, QString());
    else
        QCOMPARE(standardError, u"numerette-tape: "_s + error + u"\nTry 'numerette-tape --help' for more information.\n"_s);
}

void TestTapeCli::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("start"); // how standard output begins

    const QString usage = u"Usage: numerette-tape [OPTION]... [--] [KEYS]\n"_s;
    const QString version = u"numerette-tape " NUMERETTE_VERSION "\nLicense GPL-3.0-or-later"_s;
    QTest::newRow("--help") << QStringList{u"--help"_s} << usage;
    QTest::newRow("-h") << QStringList{u"-h"_s} << usage;
    QTest::newRow("--help wins over a wrong option after it") << QStringList{u"--help"_s, u"--bogus"_s} << usage;
    QTest::newRow("--version") << QStringList{u"--version"_s} << version;
    QTest::newRow("--version after keys") << QStringList{u"5+3="_s, u"--version"_s} << version;
}

// Both end at once with status 0, without reading standard input.
void TestTapeCli::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, start);
    QProcess tape;
    tape.start(QString::fromUtf8(NUMERETTE_TAPE_PATH), arguments);
    QVERIFY(tape.waitForFinished());
    QCOMPARE(tape.exitCode(), 0);
    const QString output = QString::fromUtf8(tape.readAllStandardOutput());
    QVERIFY2(output.startsWith(start), qPrintable(output));
    QCOMPARE(tape.readAllStandardError(), QByteArray());
}

QTEST_GUILESS_MAIN(TestTapeCli)
#include "tst_tape_cli.moc"
