// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cstdio>
#include <memory>
#include <vector>

#include "instance_channel.h"

using namespace Qt::StringLiterals;
using numerette::InstanceChannel;
using numerette::InstanceMessage;
using numerette::LocalInstanceChannel;

// The test program also plays the other processes: started with one of these switches it acts
// as a starting instance of the program and reports what happened on its standard output.
namespace child {

constexpr int SendTimeoutMs = 10000;
constexpr int LifetimeMs = 20000; // a first instance left behind by a failed test ends by itself

void say(const QString& line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// Claims the role. As first instance: reports every message received and ends after
// `expected` of them. Otherwise: hands `text` over.
int claim(QCoreApplication& app, const QString& text, int expected)
{
    LocalInstanceChannel channel;
    if (channel.claim() == InstanceChannel::Role::Handover) {
        say(u"HANDOVER"_s);
        say(channel.send({InstanceMessage::Kind::HandOver, text}, SendTimeoutMs) ? u"SENT"_s : u"LOST"_s);
        return 0;
    }
    say(u"FIRST"_s);
    int received = 0;
    QObject::connect(&channel, &InstanceChannel::received, &app, [&](const InstanceMessage& message) {
        say(u"GOT "_s + message.text);
        if (++received == expected)
            app.quit();
    });
    QTimer::singleShot(LifetimeMs, &app, &QCoreApplication::quit);
    return app.exec();
}

// Asks the running instance to close, then claims again.
int close()
{
    LocalInstanceChannel channel;
    say(channel.claim() == InstanceChannel::Role::First ? u"FIRST"_s : u"HANDOVER"_s);
    say(channel.send({InstanceMessage::Kind::Close, {}}, SendTimeoutMs) ? u"SENT"_s : u"LOST"_s);
    say(channel.claim() == InstanceChannel::Role::First ? u"FIRST"_s : u"HANDOVER"_s);
    return 0;
}

// Writes the bytes of its standard input to the first instance's socket and hangs up, or
// waits to be dropped.
int raw(bool waitForDrop)
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QByteArray bytes = input.readAll();
    QLocalSocket socket;
    socket.connectToServer(LocalInstanceChannel::defaultInstancePath());
    if (!socket.waitForConnected(SendTimeoutMs)) {
        say(u"UNREACHABLE"_s);
        return 1;
    }
    socket.write(bytes);
    socket.waitForBytesWritten(SendTimeoutMs);
    if (!waitForDrop) {
        socket.disconnectFromServer();
        say(u"HUNG UP"_s);
        return 0;
    }
    const bool dropped = socket.state() == QLocalSocket::UnconnectedState
        || socket.waitForDisconnected(SendTimeoutMs);
    say(dropped && socket.bytesAvailable() == 0 ? u"DROPPED"_s : u"ANSWERED OR OPEN"_s);
    return 0;
}

int run(QCoreApplication& app, const QStringList& arguments)
{
    const QString mode = arguments.value(1);
    if (mode == u"--child-claim")
        return claim(app, arguments.value(2), arguments.value(3).toInt());
    if (mode == u"--child-close")
        return close();
    if (mode == u"--child-raw")
        return raw(arguments.value(2) == u"wait");
    return 2;
}

} // namespace child

namespace {

QByteArray frame(quint8 kind, quint32 length, const QByteArray& payload)
{
    char lengthBytes[4];
    qToBigEndian(length, lengthBytes);
    return "NUM9"_ba + char(kind) + QByteArray(lengthBytes, 4) + payload;
}

} // namespace

class TstInstanceChannel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void handOverReachesTheFirstInstance_data();
    void handOverReachesTheFirstInstance();
    void closeRequest_data();
    void closeRequest();
    void racingStartsMakeExactlyOneFirst();
    void garbageLeavesTheFirstInstanceUndisturbed_data();
    void garbageLeavesTheFirstInstanceUndisturbed();
    void killedFirstInstanceIsReplaced();

private:
    QProcess* startChild(const QStringList& arguments);
    static QStringList outputOf(QProcess* process);

    std::unique_ptr<QTemporaryDir> m_runtime;
    QByteArray m_savedRuntime;
    std::vector<std::unique_ptr<QProcess>> m_children;
};

void TstInstanceChannel::init()
{
    // A private runtime folder for this test and its children: never a real running instance.
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
    m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
    QCOMPARE(QFileInfo(LocalInstanceChannel::defaultInstancePath()).dir(), QDir(m_runtime->path()));
}

void TstInstanceChannel::cleanup()
{
    m_children.clear(); // kills whatever still runs
    if (m_savedRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
    m_runtime.reset();
}

QProcess* TstInstanceChannel::startChild(const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QCoreApplication::applicationFilePath(), arguments);
    m_children.push_back(std::move(process));
    return m_children.back().get();
}

QStringList TstInstanceChannel::outputOf(QProcess* process)
{
    return QString::fromUtf8(process->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void TstInstanceChannel::handOverReachesTheFirstInstance_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("word and time") << u"juro14:30:05"_s;
    QTest::newRow("tab and non-ASCII") << u"row1\tcol2 × ação"_s;
}

void TstInstanceChannel::handOverReachesTheFirstInstance()
{
    QFETCH(QString, text);
    LocalInstanceChannel channel;
    QCOMPARE(channel.claim(), InstanceChannel::Role::First);
    // Only the user may connect.
    const QFile::Permissions socketPermissions =
        QFileInfo(LocalInstanceChannel::defaultInstancePath()).permissions();
    QVERIFY(!(socketPermissions & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup)));
    QSignalSpy received(&channel, &InstanceChannel::received);

    QProcess* second = startChild({u"--child-claim"_s, text});

    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 15000);
    QCOMPARE(outputOf(second), (QStringList{u"HANDOVER"_s, u"SENT"_s}));
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).value<InstanceMessage>(),
             (InstanceMessage{InstanceMessage::Kind::HandOver, text}));
}

void TstInstanceChannel::closeRequest_data()
{
    QTest::addColumn<bool>("obeys");
    QTest::addColumn<QString>("roleAfterwards");
    QTest::newRow("first instance closes: the requester becomes first") << true << u"FIRST"_s;
    QTest::newRow("first instance stays: the requester hands over") << false << u"HANDOVER"_s;
}

void TstInstanceChannel::closeRequest()
{
    QFETCH(bool, obeys);
    QFETCH(QString, roleAfterwards);
    LocalInstanceChannel channel;
    QCOMPARE(channel.claim(), InstanceChannel::Role::First);
    connect(&channel, &InstanceChannel::received, this, [&](const InstanceMessage& message) {
        if (obeys && message.kind == InstanceMessage::Kind::Close)
            channel.release();
    });

    QProcess* second = startChild({u"--child-close"_s});

    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 15000);
    QCOMPARE(outputOf(second), (QStringList{u"HANDOVER"_s, u"SENT"_s, roleAfterwards}));
}

void TstInstanceChannel::racingStartsMakeExactlyOneFirst()
{
    constexpr int Rounds = 4;
    constexpr int Starts = 6;
    for (int round = 0; round < Rounds; ++round) {
        QStringList texts;
        for (int start = 0; start < Starts; ++start)
            texts << u"racer%1.%2"_s.arg(round).arg(start);
        std::vector<QProcess*> racers;
        for (const QString& text : std::as_const(texts))
            racers.push_back(startChild({u"--child-claim"_s, text, QString::number(Starts - 1)}));

        int firsts = 0;
        QStringList gotten;
        QStringList expectedGotten;
        for (int start = 0; start < Starts; ++start) {
            QVERIFY(racers[start]->waitForFinished(20000));
            const QStringList output = outputOf(racers[start]);
            if (output.value(0) == u"FIRST") {
                ++firsts;
                gotten = output.mid(1);
            } else {
                QCOMPARE(output, (QStringList{u"HANDOVER"_s, u"SENT"_s}));
                expectedGotten << u"GOT "_s + texts[start];
            }
        }
        QCOMPARE(firsts, 1);
        gotten.sort();
        expectedGotten.sort();
        QCOMPARE(gotten, expectedGotten);
    }
}

void TstInstanceChannel::garbageLeavesTheFirstInstanceUndisturbed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("waitForDrop");

    const quint8 handOver = quint8(InstanceMessage::Kind::HandOver);
    QTest::newRow("a web request") << "GET / HTTP/1.1\r\nHost: x\r\n\r\n"_ba << true;
    QTest::newRow("length of two gigabytes") << frame(handOver, 0x7FFFFFFFu, "juro"_ba) << true;
    QTest::newRow("invalid UTF-8") << frame(handOver, 3, "a\xc3\x28"_ba) << true;
    QTest::newRow("a megabyte of noise") << QByteArray(1 << 20, '\xA5') << true;
    QTest::newRow("cut short, then hung up") << frame(handOver, 100, "juro"_ba) << false;
}

void TstInstanceChannel::garbageLeavesTheFirstInstanceUndisturbed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, waitForDrop);
    LocalInstanceChannel channel;
    QCOMPARE(channel.claim(), InstanceChannel::Role::First);
    QSignalSpy received(&channel, &InstanceChannel::received);

    QProcess* intruder = startChild({u"--child-raw"_s, waitForDrop ? u"wait"_s : u"hangup"_s});
    intruder->write(bytes);
    intruder->closeWriteChannel();
    QTRY_COMPARE_WITH_TIMEOUT(intruder->state(), QProcess::NotRunning, 15000);
    QCOMPARE(outputOf(intruder), QStringList{waitForDrop ? u"DROPPED"_s : u"HUNG UP"_s});

    // The first instance still serves the next start.
    QProcess* second = startChild({u"--child-claim"_s, u"peso09:00:00"_s});
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 15000);
    QCOMPARE(outputOf(second), (QStringList{u"HANDOVER"_s, u"SENT"_s}));
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).value<InstanceMessage>().text, u"peso09:00:00"_s);
}

void TstInstanceChannel::killedFirstInstanceIsReplaced()
{
    QProcess* crashed = startChild({u"--child-claim"_s, QString(), u"1000"_s});
    QTRY_VERIFY_WITH_TIMEOUT(crashed->canReadLine(), 15000);
    QCOMPARE(crashed->readLine(), "FIRST\n");

    LocalInstanceChannel channel;
    QCOMPARE(channel.claim(), InstanceChannel::Role::Handover);
    crashed->kill(); // leaves its lock file and socket file behind
    QVERIFY(crashed->waitForFinished(15000));
    QVERIFY(QFileInfo::exists(LocalInstanceChannel::defaultInstancePath() + u".lock"));

    QCOMPARE(channel.claim(), InstanceChannel::Role::First);
    QSignalSpy received(&channel, &InstanceChannel::received);
    QProcess* second = startChild({u"--child-claim"_s, u"tempo10:00:00"_s});
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 15000);
    QCOMPARE(outputOf(second), (QStringList{u"HANDOVER"_s, u"SENT"_s}));
    QCOMPARE(received.count(), 1);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1).startsWith(u"--child-"))
        return child::run(app, app.arguments());
    TstInstanceChannel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instance_channel.moc"
