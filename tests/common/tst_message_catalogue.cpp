// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "message_catalogue.h"

using namespace Qt::StringLiterals;
using numerette::LoadMessage;

class TstMessageCatalogue : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void loadMessage_data();
    void loadMessage();
    void everyListedMessageIsComplete();
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
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("13 ends with the address after an empty line")
        << 13 << QStringList{u"help@example.org"_s}
        << u"Error while attempting to open e-mail program to send a message to:\r\n\r\n"
           "help@example.org"_s;
    QTest::newRow("206 five lines, arguments quoted on the 2nd and 5th")
        << 206 << QStringList{u"+10"_s, u"+20"_s}
        << u"If you add:\r\n\"+10\"\r\n\r\nthe result will/would add:\r\n\"+20\" ?"_s;
    QTest::newRow("43 time and reason")
        << 43 << QStringList{u"14:30:00"_s, u"DENTIST"_s}
        << u"Alarm Scheduled Time:\r\n14:30:00 hs.\r\n\r\nDENTIST"_s;
    QTest::newRow("43 empty reason ends with an empty line")
        << 43 << QStringList{u"14:30:00"_s, QString()}
        << u"Alarm Scheduled Time:\r\n14:30:00 hs.\r\n\r\n"_s;
    QTest::newRow("bar in an argument stays literal")
        << 45 << QStringList{u"07|30"_s} << u"Sound Alarm at 07|30 hs."_s;
    QTest::newRow("mark of argument 2 inside argument 1 stays literal")
        << 43 << QStringList{u"a\u017Db"_s, u"REASON"_s}
        << u"Alarm Scheduled Time:\r\na\u017Db hs.\r\n\r\nREASON"_s;
    QTest::newRow("argument without a place is ignored")
        << 38 << QStringList{u"x"_s, u"y"_s, u"z"_s} << u"Schedule Canceled"_s;
    QTest::newRow("missing number") << 1 << QStringList() << QString();
    QTest::newRow("number zero") << 0 << QStringList() << QString();
    QTest::newRow("negative number") << -38 << QStringList() << QString();
    QTest::newRow("number beyond the catalogue") << 65535 << QStringList() << QString();

    QTest::newRow("4") << 4 << QStringList()
        << u"Calculation's list is full.\r\n\r\nDo you want to erase all the calculations of "
           "the list?"_s;
    QTest::newRow("14") << 14 << QStringList()
        << u"You have just set calculator to ADD when ENTER key is pressed!\r\n\r\nTo get "
           "calculation's TOTAL press = or NUMLOCK of the numeric keypad.\r\n\r\nKeys + (plus) "
           "and - (minus) now convert the typed number into a positive or a negative one. To "
           "insert it in the calculation press ENTER."_s;
    QTest::newRow("21") << 21 << QStringList()
        << u"FIXED INSTALLMENT\r\n\r\n- Initial Value\r\nLoan Value or Merchandise Value.\r\n"
           "\r\n- Fixed Installment\r\nEnter installment value to find out the interest rate or "
           "leave the field blank and enter interest rate to obtain the installment amount.\r\n"
           "\r\n- Number of Installments\r\nNumber of monthly installments to pay (enter a "
           "number between 1 and 250).\r\n\r\n- First installment after...\r\nEnter the number "
           "of days until first installment expiration or select \"Cash Payment\" if first "
           "installment was paid at the time.\r\n\r\n- Interest Rate %\r\nEnter monthly "
           "interest rate to find out the installment or leave the field blank and enter fixed "
           "installment to obtain the interest rate.\r\n\r\nCAPITALIZATION\r\n\r\n- Cash Check"
           "\r\nIt finds out the net amount minus the interest rate using check installments "
           "(installments with checks given in advance).\r\n\r\n- Saving Accounts\r\nIt "
           "calculates and capitalizes the interest rate monthly over the entered amount, "
           "i.e., amount + month to month interest rate."_s;
    QTest::newRow("28") << 28 << QStringList()
        << u"Error in the calculation. Check the information entered.\r\n\r\nIf the problem "
           "continues, You may try one of the following:\r\n-Low the Fixed Installment Value"
           "\r\n-Low Interest Rate\r\n-Low the number of installment"_s;
    QTest::newRow("137 two lines") << 137 << QStringList()
        << u"Numerette\r\nby the Numerette developers"_s;
    QTest::newRow("172 backslash") << 172 << QStringList()
        << u"Could not open backup file:\r\n\r\nc:\\calcula.txt"_s;
    QTest::newRow("187") << 187 << QStringList()
        << u"Now press CALCULATE to get the number of closets!\r\n\r\nWARNING: When you press "
           "CALCULATE button, questions about logic will be made that are necessary to build "
           "the formula. If you answer all of them correctly, the final result will be:\r\n\r\n"
           "\"20 CLOSETS\"\r\n\r\nTIP: When you press CALCULATE, answer YES to all the "
           "questions."_s;
    QTest::newRow("206 without arguments") << 206 << QStringList()
        << u"If you add:\r\n\"\"\r\n\r\nthe result will/would add:\r\n\"\" ?"_s;
    QTest::newRow("210 leading blanks") << 210 << QStringList()
        << u"     CAPITALIZATION TOTAL:"_s;
    QTest::newRow("80 trailing blank") << 80 << QStringList{u"18:00"_s}
        << u"Turn off the Computer at 18:00 hs. "_s;
}

void TstMessageCatalogue::loadMessage()
{
    QFETCH(int, n);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    arguments.resize(3);
    QCOMPARE(LoadMessage(n, arguments[0], arguments[1], arguments[2]), expected);
}

void TstMessageCatalogue::everyListedMessageIsComplete()
{
    static constexpr int Listed[] = {
        4,   7,   8,   9,   12,  13,  14,  16,  17,  18,  19,  20,  21,  22,  23,  24,
        25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  38,  39,  43,  45,  54,  55,
        56,  57,  58,  59,  60,  61,  62,  63,  64,  65,  66,  67,  68,  69,  70,  80,
        125, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 143,
        144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159,
        160, 171, 172, 173, 176, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188,
        189, 190, 191, 192, 193, 194, 195, 196, 197, 199, 200, 201, 202, 203, 204, 205,
        206, 207, 208, 209, 210, 211, 212, 213, 215, 218, 222};
    // Each mark is filled once, so a text holding one twice would leave a stray mark behind.
    const QString leftovers = u"|\u008D\u017D\u008F"_s;
    for (const int n : Listed) {
        const QString text = LoadMessage(n, u"A"_s, u"B"_s, u"C"_s);
        QVERIFY2(!text.isEmpty(), qPrintable(u"message %1 is missing"_s.arg(n)));
        for (const QChar mark : leftovers)
            QVERIFY2(!text.contains(mark), qPrintable(u"message %1 keeps a mark"_s.arg(n)));
    }
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
