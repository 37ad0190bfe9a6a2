// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <functional>
#include <vector>

#include <QTest>
#include <QTranslator>

#include "english_messages.h"
#include "message_catalogue.h"
#include "message_texts.h"

using namespace Qt::StringLiterals;
using numerette::LoadMessage;
using numerette::Message;

class TstMessageCatalogue : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void loadMessage_data();
    void loadMessage();
    void englishTextsAreUnchanged_data();
    void englishTextsAreUnchanged();
    void everyMessageIsCompared();
    void translationIsFilledLikeTheSource();
    void openDocument_data();
    void openDocument();
    void leadingNumber_data();
    void leadingNumber();
};

void TstMessageCatalogue::cleanup()
{
    numerette::SetDocumentOpener({});
}

void TstMessageCatalogue::loadMessage_data()
{
    QTest::addColumn<Message>("id");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("mail address after an empty line")
        << Message::MailProgramError << QStringList{u"help@example.org"_s}
        << u"Error while attempting to open e-mail program to send a message to:\r\n\r\n"
           "help@example.org"_s;
    QTest::newRow("five lines, arguments quoted on the 2nd and 5th")
        << Message::ProportionQuestion << QStringList{u"+10"_s, u"+20"_s}
        << u"If you add:\r\n\"+10\"\r\n\r\nthe result will/would add:\r\n\"+20\" ?"_s;
    QTest::newRow("time and reason")
        << Message::AlarmMessage << QStringList{u"14:30:00"_s, u"DENTIST"_s}
        << u"Alarm Scheduled Time:\r\n14:30:00 hs.\r\n\r\nDENTIST"_s;
    QTest::newRow("empty reason ends with an empty line")
        << Message::AlarmMessage << QStringList{u"14:30:00"_s, QString()}
        << u"Alarm Scheduled Time:\r\n14:30:00 hs.\r\n\r\n"_s;
    QTest::newRow("bar in an argument stays literal")
        << Message::AlarmSetCaption << QStringList{u"07|30"_s} << u"Sound Alarm at 07|30 hs."_s;
    QTest::newRow("place of argument 2 inside argument 1 stays literal")
        << Message::AlarmMessage << QStringList{u"a%2b"_s, u"REASON"_s}
        << u"Alarm Scheduled Time:\r\na%2b hs.\r\n\r\nREASON"_s;
    QTest::newRow("place of argument 1 inside argument 2 stays literal")
        << Message::AlarmMessage << QStringList{u"14:30"_s, u"%1 %3"_s}
        << u"Alarm Scheduled Time:\r\n14:30 hs.\r\n\r\n%1 %3"_s;
    QTest::newRow("line break in an argument is not widened")
        << Message::AlarmMessage << QStringList{u"14:30"_s, u"a\nb"_s}
        << u"Alarm Scheduled Time:\r\n14:30 hs.\r\n\r\na\nb"_s;
    QTest::newRow("argument without a place is ignored")
        << Message::ScheduleCanceled << QStringList{u"x"_s, u"y"_s, u"z"_s} << u"Schedule Canceled"_s;
    QTest::newRow("percent sign without a digit stays")
        << Message::MonthlyRatePrompt << QStringList{u"x"_s} << u"Enter MONTHLY INTEREST RATE %:"_s;
    QTest::newRow("percent sign at the end stays")
        << Message::InterestRateCaption << QStringList{u"x"_s} << u"&Interest Rate %"_s;
}

void TstMessageCatalogue::loadMessage()
{
    QFETCH(Message, id);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    arguments.resize(3);
    QCOMPARE(LoadMessage(id, arguments[0], arguments[1], arguments[2]), expected);
}

void TstMessageCatalogue::englishTextsAreUnchanged_data()
{
    QTest::addColumn<Message>("id");
    QTest::addColumn<QString>("expected");

    for (const EnglishMessage& message : EnglishMessages)
        QTest::newRow(message.name) << message.id << QString::fromUtf8(message.text);
}

void TstMessageCatalogue::englishTextsAreUnchanged()
{
    QFETCH(Message, id);
    QFETCH(QString, expected);

    QCOMPARE(LoadMessage(id, u"<a1>"_s, u"<a2>"_s, u"<a3>"_s), expected);
}

void TstMessageCatalogue::everyMessageIsCompared()
{
    std::vector<bool> compared(numerette::messageCount());
    for (const EnglishMessage& message : EnglishMessages) {
        const auto index = std::size_t(message.id);
        QVERIFY2(index < compared.size() && !compared[index], message.name);
        compared[index] = true;
    }
    QVERIFY(std::ranges::all_of(compared, std::identity{}));
}

// A translator that knows one message, the way a loaded translation file would.
class OneMessageTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "Message") == 0
            && qstrcmp(sourceText, numerette::messageSource(Message::AlarmMessage)) == 0)
            return u"Alarme:\n%2 (%1) %1 100%"_s;
        return {};
    }
    bool isEmpty() const override { return false; }
};

void TstMessageCatalogue::translationIsFilledLikeTheSource()
{
    OneMessageTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QString translated = LoadMessage(Message::AlarmMessage, u"14:30"_s, u"BANK"_s);
    const QString untouched = LoadMessage(Message::ScheduleCanceled);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(translated, u"Alarme:\r\nBANK (14:30) %1 100%"_s);
    QCOMPARE(untouched, u"Schedule Canceled"_s);
}

enum class Opener { None, Failing, Succeeding };

void TstMessageCatalogue::openDocument_data()
{
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<bool>("reachesOpener");

    const QString site = u"https://example.org/numerette"_s;
    QTest::newRow("no opener installed") << Opener::None << site << false << false;
    QTest::newRow("opener fails") << Opener::Failing << site << false << true;
    QTest::newRow("opener succeeds") << Opener::Succeeding << site << true << true;
    QTest::newRow("mail address") << Opener::Succeeding << u"mailto:help@example.org"_s << true
                                  << true;
    QTest::newRow("empty target") << Opener::Succeeding << QString() << false << false;
    QTest::newRow("blank target") << Opener::Succeeding << u"  "_s << false << false;
}

void TstMessageCatalogue::openDocument()
{
    QFETCH(Opener, opener);
    QFETCH(QString, target);
    QFETCH(bool, succeeds);
    QFETCH(bool, reachesOpener);

    QStringList opened;
    if (opener != Opener::None) {
        numerette::SetDocumentOpener([&opened, opener](const QString& t) {
            opened << t;
            return opener == Opener::Succeeding;
        });
    }
    const int result = numerette::OpenDocument(target);

    QCOMPARE(result > 2, succeeds);
    QVERIFY(result >= 0);
    QCOMPARE(opened, reachesOpener ? QStringList{target} : QStringList());
}

void TstMessageCatalogue::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("blanks then number then letters") << u"  12.5abc"_s << 12.5;
    QTest::newRow("letters only") << u"abc"_s << 0.0;
    QTest::newRow("negative") << u"-3"_s << -3.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("comma is no decimal point") << u"1,5"_s << 1.0;
    QTest::newRow("no integer digits") << u" .5"_s << 0.5;
    QTest::newRow("negative without integer digits") << u"-.25"_s << -0.25;
    QTest::newRow("plus sign") << u"+7"_s << 7.0;
    QTest::newRow("tabs and line breaks first") << u"\t\r\n42"_s << 42.0;
    QTest::newRow("second point ends it") << u"12.34.56"_s << 12.34;
    QTest::newRow("blank ends it") << u"3 4"_s << 3.0;
    QTest::newRow("exponent") << u"2.5E2x"_s << 250.0;
    QTest::newRow("negative exponent") << u"5e-1"_s << 0.5;
    QTest::newRow("E without digits") << u"7e"_s << 7.0;
    QTest::newRow("E and sign without digits") << u"7e+"_s << 7.0;
    QTest::newRow("E then letter then digit") << u"7ex5"_s << 7.0;
    QTest::newRow("sign only") << u"-"_s << 0.0;
    QTest::newRow("point only") << u"."_s << 0.0;
    QTest::newRow("sign after blank and letter") << u" x-3"_s << 0.0;
    QTest::newRow("beyond the range of double") << u"1e999"_s << 0.0;
}

void TstMessageCatalogue::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    QCOMPARE(numerette::LeadingNumber(text), expected);
}

QTEST_GUILESS_MAIN(TstMessageCatalogue)
#include "tst_message_catalogue.moc"
