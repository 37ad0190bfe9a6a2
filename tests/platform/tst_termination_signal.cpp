// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>

#include <QSignalSpy>
#include <QTest>

#include "termination_signal.h"

using numerette::TerminationSignal;

class TstTerminationSignal : public QObject {
    Q_OBJECT

private slots:
    void signalsArriveOnTheEventLoop_data();
    void signalsArriveOnTheEventLoop();
};

void TstTerminationSignal::signalsArriveOnTheEventLoop_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

// The process survives the signal, and the request comes from the event loop, not from
// inside the handler.
void TstTerminationSignal::signalsArriveOnTheEventLoop()
{
    QFETCH(int, signal);
    TerminationSignal termination;
    QSignalSpy requests(&termination, &TerminationSignal::requested);
    QCOMPARE(std::raise(signal), 0);
    QCOMPARE(requests.count(), 0);
    QVERIFY(requests.wait(2000));
    QCOMPARE(requests.count(), 1);
}

QTEST_GUILESS_MAIN(TstTerminationSignal)
#include "tst_termination_signal.moc"
