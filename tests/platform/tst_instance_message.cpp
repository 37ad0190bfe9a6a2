// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <QtEndian>

#include "instance_message.h"

using namespace Qt::StringLiterals;
using numerette::DecodeStatus;
using numerette::InstanceMessage;
using numerette::MaxInstanceMessageText;

namespace {

using Kind = InstanceMessage::Kind;

QByteArray frame(quint8 kind, quint32 length, const QByteArray& payload)
{
    char lengthBytes[4];
    qToBigEndian(length, lengthBytes);
    return "NUM9"_ba + char(kind) + QByteArray(lengthBytes, 4) + payload;
}

QByteArray frame(quint8 kind, const QByteArray& payload)
{
    return frame(kind, quint32(payload.size()), payload);
}

} // namespace

class TstInstanceMessage : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void oversizeTextIsNotEncoded_data();
    void oversizeTextIsNotEncoded();
    void garbage_data();
    void garbage();
};

void TstInstanceMessage::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");

    const int handOver = int(Kind::HandOver);
    QTest::newRow("hand-over of a word and a time") << handOver << u"juro14:30:05"_s;
    QTest::newRow("empty hand-over") << handOver << QString();
    QTest::newRow("close request") << int(Kind::Close) << QString();
    QTest::newRow("key press") << int(Kind::PressKey) << u"{Enter}"_s;
    QTest::newRow("key press of a name the receiver does not know") << int(Kind::PressKey) << u"{Esc}"_s;
    QTest::newRow("unknown word passes as it is") << handOver << u"xyzzy 12:00:00"_s;
    QTest::newRow("tab, line break and NUL") << handOver << u"row1\tcol2\r\n\0end"_s;
    QTest::newRow("non-ASCII and signs") << handOver << u"ação × ÷ € 😀"_s;
    QTest::newRow("leading byte-order mark is kept") << handOver << u"\uFEFFtempo"_s;
    QTest::newRow("two-byte characters at the cap")
        << handOver << QString(MaxInstanceMessageText / 2, u'é');
}

void TstInstanceMessage::roundTrip()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    const InstanceMessage message{Kind(kind), text};

    const std::optional<QByteArray> bytes = numerette::encodeInstanceMessage(message);
    QVERIFY(bytes);
    const auto decoded = numerette::decodeInstanceMessage(*bytes);
    QCOMPARE(decoded.status, DecodeStatus::Complete);
    QCOMPARE(decoded.message.kind, message.kind);
    QCOMPARE(decoded.message.text, message.text);

    // A message arrives in pieces: every part of it short of the whole waits for more.
    for (qsizetype size = 0; size < bytes->size(); ++size) {
        if (numerette::decodeInstanceMessage(QByteArrayView(*bytes).first(size)).status
            != DecodeStatus::Incomplete)
            QFAIL(qPrintable(u"the first %1 bytes were not waited for"_s.arg(size)));
    }
}

void TstInstanceMessage::oversizeTextIsNotEncoded_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("one byte over") << QString(MaxInstanceMessageText + 1, u'x');
    QTest::newRow("three-byte characters over") << QString(MaxInstanceMessageText / 3 + 1, u'€');
    QTest::newRow("a megabyte") << QString(1 << 20, u'x');
}

void TstInstanceMessage::oversizeTextIsNotEncoded()
{
    QFETCH(QString, text);
    QVERIFY(!numerette::encodeInstanceMessage({Kind::HandOver, text}));
}

void TstInstanceMessage::garbage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<DecodeStatus>("status");

    const auto invalid = DecodeStatus::Invalid;
    const auto incomplete = DecodeStatus::Incomplete;
    const quint8 handOver = quint8(Kind::HandOver);

    QTest::newRow("nothing yet") << QByteArray() << incomplete;
    QTest::newRow("wrong first byte") << "X"_ba << invalid;
    QTest::newRow("a web request") << "GET / HTTP/1.1\r\n\r\n"_ba << invalid;
    QTest::newRow("kind zero") << frame(0, "juro"_ba) << invalid;
    QTest::newRow("kind four, one past the key press") << frame(4, "7"_ba) << invalid;
    QTest::newRow("kind 255, before the length arrives") << "NUM9\xff"_ba << invalid;
    QTest::newRow("length one over the cap, nothing sent")
        << frame(handOver, MaxInstanceMessageText + 1, {}) << invalid;
    QTest::newRow("largest length") << frame(handOver, 0xFFFFFFFFu, "x"_ba) << invalid;
    QTest::newRow("length longer than what came") << frame(handOver, 10, "juro"_ba) << incomplete;
    QTest::newRow("length shorter than what came") << frame(handOver, 2, "juro"_ba) << invalid;
    QTest::newRow("a second message after the first")
        << frame(handOver, "juro"_ba) + frame(handOver, "peso"_ba) << invalid;
    QTest::newRow("lone continuation byte") << frame(handOver, "ab\x80"_ba) << invalid;
    QTest::newRow("cut three-byte sequence") << frame(handOver, "\xe2\x82"_ba) << invalid;
    QTest::newRow("encoded surrogate") << frame(handOver, "\xed\xa0\x80"_ba) << invalid;
    QTest::newRow("beyond U+10FFFF") << frame(handOver, "\xf4\x90\x80\x80"_ba) << invalid;
}

void TstInstanceMessage::garbage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(DecodeStatus, status);
    QCOMPARE(numerette::decodeInstanceMessage(bytes).status, status);
}

QTEST_GUILESS_MAIN(TstInstanceMessage)
#include "tst_instance_message.moc"
