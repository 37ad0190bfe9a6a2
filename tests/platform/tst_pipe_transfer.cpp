// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "bounded_pipe_reader.h"
#include "pipe_writer.h"

using numerette::BoundedPipeReader;
using numerette::PipeWriter;

class TstPipeTransfer : public QObject {
    Q_OBJECT

private slots:
    void readsUpToTheLimit_data();
    void readsUpToTheLimit();
    void writerEndsWhenTheReaderIsGone();
};

void TstPipeTransfer::readsUpToTheLimit_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qsizetype>("limit");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("empty") << QByteArray() << qsizetype(10) << true;
    QTest::newRow("a number") << QByteArray("77\n") << qsizetype(10) << true;
    QTest::newRow("at the limit") << QByteArray(10, 'x') << qsizetype(10) << true;
    QTest::newRow("past the limit") << QByteArray(11, 'x') << qsizetype(10) << false;
    // Many times what a pipe holds: writer and reader take turns on one thread.
    QTest::newRow("larger than the pipe") << QByteArray(1 << 20, '5') << qsizetype(2 << 20) << true;
    QTest::newRow("larger than the pipe and the limit") << QByteArray(1 << 20, '5') << qsizetype(100000) << false;
}

// The writer and the reader share this thread, so neither may wait for the other.
void TstPipeTransfer::readsUpToTheLimit()
{
    QFETCH(QByteArray, content);
    QFETCH(qsizetype, limit);
    QFETCH(bool, delivered);
    std::array<int, 2> ends {};
    QCOMPARE(pipe2(ends.data(), O_CLOEXEC), 0);
    QObject owner;
    new PipeWriter(ends[1], content, &owner);
    BoundedPipeReader reader(ends[0], limit);
    QSignalSpy finished(&reader, &BoundedPipeReader::finished);
    QVERIFY(finished.wait());
    const auto got = finished.at(0).at(0).value<std::optional<QByteArray>>();
    QCOMPARE(got.has_value(), delivered);
    if (delivered)
        QCOMPARE(*got, content);
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
}

// A reader that closed its end ends the writing without ending the program (SIGPIPE),
// and the writer goes away.
void TstPipeTransfer::writerEndsWhenTheReaderIsGone()
{
    std::array<int, 2> ends {};
    QCOMPARE(pipe2(ends.data(), O_CLOEXEC), 0);
    QObject owner;
    QPointer<PipeWriter> writer = new PipeWriter(ends[1], QByteArray(1 << 20, '5'), &owner);
    close(ends[0]);
    QTRY_VERIFY(writer.isNull());
}

QTEST_GUILESS_MAIN(TstPipeTransfer)
#include "tst_pipe_transfer.moc"
