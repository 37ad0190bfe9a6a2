// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "command_word.h"
#include "fake_instance_channel.h"
#include "instance_message.h"

using namespace Qt::StringLiterals;
using numerette::FakeInstanceChannel;
using numerette::HandOverCommand;
using numerette::InstanceMessage;
using numerette::StartupRoute;

namespace {

const QString Time = u"14:30:05"_s;

// What the running instance received, one text per message: "close" or the hand-over text.
QStringList describe(const QList<InstanceMessage>& messages)
{
    QStringList texts;
    for (const InstanceMessage& message : messages)
        switch (message.kind) {
        case InstanceMessage::Kind::Close: texts << u"close"_s; break;
        case InstanceMessage::Kind::PressKey: texts << u"press "_s + message.text; break;
        case InstanceMessage::Kind::HandOver: texts << message.text; break;
        }
    return texts;
}

} // namespace

class TstCommandWord : public QObject {
    Q_OBJECT

private slots:
    void commandWordFrom_data();
    void commandWordFrom();
    void showsSplash_data();
    void showsSplash();
    void route_data();
    void route();
    void routeOfAPressedKey_data();
    void routeOfAPressedKey();
    void handOverCommand_data();
    void handOverCommand();
    void handOverOfAHugeWordStillFitsAMessage();
};

void TstCommandWord::commandWordFrom_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no argument") << QStringList{u"numerette"_s} << QString();
    QTest::newRow("one word") << QStringList{u"numerette"_s, u"juro"_s} << u"juro"_s;
    QTest::newRow("words joined by a blank")
        << QStringList{u"numerette"_s, u"outra"_s, u"tempo"_s} << u"outra tempo"_s;
    QTest::newRow("leading blanks removed") << QStringList{u"numerette"_s, u"  juro"_s} << u"juro"_s;
    QTest::newRow("trailing blank kept") << QStringList{u"numerette"_s, u"juro "_s} << u"juro "_s;
    QTest::newRow("case kept") << QStringList{u"numerette"_s, u"SysTray"_s} << u"SysTray"_s;
}

void TstCommandWord::commandWordFrom()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(numerette::commandWordFrom(arguments), expected);
}

void TstCommandWord::showsSplash_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("shown");

    QTest::newRow("no word") << QString() << true;
    QTest::newRow("systray") << u"systray"_s << false;
    QTest::newRow("fechar") << u"fechar"_s << false;
    QTest::newRow("atualiza") << u"atualiza"_s << true;
    QTest::newRow("juro") << u"juro"_s << true;
    QTest::newRow("systray, other case") << u"SYSTRAY"_s << true;
}

void TstCommandWord::showsSplash()
{
    QFETCH(QString, word);
    QFETCH(bool, shown);
    QCOMPARE(numerette::showsSplash(word), shown);
}

void TstCommandWord::route_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("otherRunning");
    QTest::addColumn<bool>("otherCloses");
    QTest::addColumn<bool>("otherReachable");
    QTest::addColumn<StartupRoute::Kind>("kind");
    QTest::addColumn<bool>("showCalculator");
    QTest::addColumn<bool>("timeMode");
    QTest::addColumn<QStringList>("delivered");
    QTest::addColumn<bool>("holdsFirst");

    using K = StartupRoute::Kind;
    const auto first = K::FirstInstance;
    const auto handed = K::HandedOver;
    const auto secondary = K::SecondaryCalculator;
    const QStringList none;
    const QStringList close{u"close"_s};

    // word, running, closes, reachable | kind, calculator, time mode, delivered, first
    QTest::newRow("no word, alone") << QString() << false << true << true
                                    << first << true << false << none << true;
    QTest::newRow("no word, running: the time alone is handed over")
        << QString() << true << true << true << handed << false << false << QStringList{Time} << false;
    QTest::newRow("juro, alone") << u"juro"_s << false << true << true
                                 << first << true << false << none << true;
    QTest::newRow("juro, running") << u"juro"_s << true << true << true
                                   << handed << false << false << QStringList{u"juro"_s + Time} << false;
    QTest::newRow("systray, alone: icon only") << u"systray"_s << false << true << true
                                               << first << false << false << none << true;
    QTest::newRow("systray, running") << u"systray"_s << true << true << true
                                      << handed << false << false << QStringList{u"systray"_s + Time}
                                      << false;
    QTest::newRow("outra, running") << u"outra"_s << true << true << true
                                    << secondary << true << false << none << false;
    QTest::newRow("outratempo, running") << u"outratempo"_s << true << true << true
                                         << secondary << true << true << none << false;
    QTest::newRow("outra tempo as two arguments, running") << u"outra tempo"_s << true << true << true
                                                           << secondary << true << true << none << false;
    QTest::newRow("outra, alone: an ordinary first start") << u"outra"_s << false << true << true
                                                           << first << true << false << none << true;
    QTest::newRow("outratempo, alone: no time mode") << u"outratempo"_s << false << true << true
                                                     << first << true << false << none << true;
    QTest::newRow("outr is no outra") << u"outr"_s << true << true << true
                                      << handed << false << false << QStringList{u"outr"_s + Time} << false;
    QTest::newRow("fechar, alone: nothing, and the role is not kept")
        << u"fechar"_s << false << true << true << K::Ended << false << false << none << false;
    QTest::newRow("fechar, running") << u"fechar"_s << true << true << true
                                     << K::Ended << false << false << close << false;
    QTest::newRow("fechar, running instance stays: still no hand-over")
        << u"fechar"_s << true << false << true << K::Ended << false << false << close << false;
    QTest::newRow("atualiza, running instance closes: a fresh first start")
        << u"atualiza"_s << true << true << true << first << true << false << close << true;
    QTest::newRow("atualiza, running instance stays: hand-over")
        << u"atualiza"_s << true << false << true << handed << false << false
        << QStringList{u"close"_s, u"atualiza"_s + Time} << false;
    QTest::newRow("atualiza, alone: no close request") << u"atualiza"_s << false << true << true
                                                       << first << true << false << none << true;
    QTest::newRow("mini, running instance closes") << u"mini"_s << true << true << true
                                                   << first << true << false << close << true;
    QTest::newRow("Fechar in another case is an ordinary word")
        << u"Fechar"_s << true << true << true << handed << false << false
        << QStringList{u"Fechar"_s + Time} << false;
    QTest::newRow("running instance unreachable: hand-over lost silently")
        << u"juro"_s << true << true << false << handed << false << false << none << false;
}

void TstCommandWord::route()
{
    QFETCH(QString, word);
    QFETCH(bool, otherRunning);
    QFETCH(bool, otherCloses);
    QFETCH(bool, otherReachable);
    FakeInstanceChannel channel;
    channel.setOtherInstanceRunning(otherRunning);
    channel.setOtherInstanceCloses(otherCloses);
    channel.setOtherInstanceReachable(otherReachable);

    const StartupRoute route = numerette::routeStartup(word, Time, channel);

    QTEST(route.kind, "kind");
    QTEST(route.showCalculator, "showCalculator");
    QTEST(route.timeMode, "timeMode");
    QTEST(describe(channel.deliveredMessages()), "delivered");
    QTEST(channel.isFirst(), "holdsFirst");
}

void TstCommandWord::routeOfAPressedKey_data()
{
    QTest::addColumn<bool>("otherRunning");
    QTest::addColumn<bool>("otherReachable");
    QTest::addColumn<StartupRoute::Kind>("kind");
    QTest::addColumn<bool>("showCalculator");
    QTest::addColumn<QStringList>("delivered");

    using K = StartupRoute::Kind;
    QTest::newRow("alone: a calculator of its own") << false << true << K::FirstInstance << true << QStringList{};
    QTest::newRow("running: the key instead of a hand-over")
        << true << true << K::HandedOver << false << QStringList{u"press {Enter}"_s};
    QTest::newRow("running instance unreachable: lost silently")
        << true << false << K::HandedOver << false << QStringList{};
}

void TstCommandWord::routeOfAPressedKey()
{
    QFETCH(bool, otherRunning);
    QFETCH(bool, otherReachable);
    FakeInstanceChannel channel;
    channel.setOtherInstanceRunning(otherRunning);
    channel.setOtherInstanceReachable(otherReachable);

    const StartupRoute route = numerette::routeStartup(QString(), Time, channel, u"{Enter}"_s);

    QTEST(route.kind, "kind");
    QTEST(route.showCalculator, "showCalculator");
    QTEST(describe(channel.deliveredMessages()), "delivered");
}

void TstCommandWord::handOverCommand_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("command"); // -1: the text is ignored

    const auto show = int(HandOverCommand::ShowOnly);
    QTest::newRow("empty text is ignored") << QString() << -1;
    QTest::newRow("time alone shows the calculator") << Time << show;
    QTest::newRow("tempo") << u"tempo"_s + Time << int(HandOverCommand::TimeMode);
    QTest::newRow("any word beginning with temp")
        << u"temporada"_s + Time << int(HandOverCommand::TimeMode);
    QTest::newRow("juro") << u"juro"_s + Time << int(HandOverCommand::Interest);
    QTest::newRow("peso") << u"peso"_s + Time << int(HandOverCommand::Weight);
    QTest::newRow("systray shows the calculator") << u"systray"_s + Time << show;
    QTest::newRow("JURO in capitals") << u"JURO"_s + Time << show;
}

void TstCommandWord::handOverCommand()
{
    QFETCH(QString, text);
    QFETCH(int, command);
    const std::optional<HandOverCommand> result = numerette::handOverCommand(text);
    QCOMPARE(result ? int(*result) : -1, command);
}

void TstCommandWord::handOverOfAHugeWordStillFitsAMessage()
{
    const QString text = numerette::handOverText(QString(100'000, u'€'), Time);
    QVERIFY(text.endsWith(Time));
    QVERIFY(numerette::encodeInstanceMessage({InstanceMessage::Kind::HandOver, text}));
}

QTEST_GUILESS_MAIN(TstCommandWord)
#include "tst_command_word.moc"
