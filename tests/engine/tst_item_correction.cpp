// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "calculation_list.h"
#include "calculator.h"
#include "item_correction.h"
#include "key_script.h"
#include "string_clipboard_port.h"
#include "tape_text.h"
#include "typed_calculations.h"
#include "typed_calculations_file.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

// A visible calculator on a cleared list with its typing history. Options are words: a
// number format index, "add", "insert", "pt" (the decimal comma).
struct Machine {
    explicit Machine(const QString& options = {})
    {
        int format = StandardFormatIndex;
        for (const QString& word : options.split(u' ', Qt::SkipEmptyParts)) {
            if (word == u"add")
                calc.mnuEnter_Click();
            else if (word == u"insert")
                calc.setInsertText(true);
            else if (word == u"pt")
                calc.setNumberLocale(NumberLocale::withDecimal(u','));
            else
                format = word.toInt();
        }
        calc.chooseNumberFormat(format);
        calc.setInteractive(true);
        calc.clearList();
    }

    void type(const QString& keys)
    {
        QString error;
        const auto steps = parseTapeKeys(keys, error);
        QVERIFY2(steps, qPrintable(error));
        runTapeSteps(calc, *steps, closed);
    }

    // Where line n of the list starts (every line of these tapes is 28 characters).
    static qsizetype line(int n) { return qsizetype(n) * tape::LineLength; }

    ReplayRefusal refusalAt(int n) const { return history.at(line(n)).refusal; }

    CorrectionResult correct(int n, int item, const QString& entry, int key)
    {
        return correctItem(calc, history, line(n), item, TypedItem{entry, key});
    }

    // The lines after the last correction line, or after the cleared list's header.
    QString lastCalculation() const
    {
        const qsizetype header = calc.list().lastIndexOf(u"CORRECTED"_s);
        if (header < 0)
            return calc.list().mid(2 * tape::LineLength);
        return calc.list().mid(tape::nextLineStart(calc.list(), header));
    }

    // The last calculation is closed with all its items: the items, a count, a total, a separator.
    bool isWhole(int itemCount) const
    {
        return tape::isClosed(calc.list()) && lastCalculation().count(u"\r\n"_s) == itemCount + 3;
    }

    StringClipboardPort port;
    Calculator calc{port};
    TypedCalculations history{calc};
    bool closed = false;
};

// The keys that type one item: its entry, then its operator key as the keyboard gives it.
QString keysOf(const TypedItem& item, bool addMode)
{
    QString keys;
    const bool negative = item.entry.startsWith(u'-');
    const QString digits = negative ? item.entry.mid(1) : item.entry;
    keys += (negative && !addMode) ? u"-"_s + digits : digits;
    if (negative && addMode)
        keys += u'-';
    switch (item.key) {
    case 2: keys += u"{Enter}"_s; break;
    default: keys += QChar(item.key); break;
    }
    return keys;
}

} // namespace

class TestItemCorrection : public QObject {
    Q_OBJECT

private slots:
    void corrections_data();
    void correctionReplacesItsTotalInTheGrandTotal_data();
    void correctionReplacesItsTotalInTheGrandTotal();
    void corrections();
    void refusals_data();
    void refusals();
    void refusalsOfChangedCalculations();
    void originalStaysAndCorrectionCanBeCorrected();
    void runningCalculationIsTotalledFirst();
    void percentageOfZeroDoesNotClose();
    void labelsAreWrittenBack();
    void valuesTakeWhatTheKeypadTakes_data();
    void valuesTakeWhatTheKeypadTakes();
    void historyOutlivesARestart();
    void correctionUnderTheOtherSeparators();
    void keptHistoryThatDoesNotFitIsDropped_data();
    void keptHistoryThatDoesNotFitIsDropped();
    void randomCorpusMatchesTypingFromScratch();
    void recordedKeysReproduceEveryCalculation_data();
    void recordedKeysReproduceEveryCalculation();
};

void TestItemCorrection::corrections_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("line");   // a line of the calculation, counted from the list's top
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("total");

    QTest::newRow("first item") << "" << "5+3-2=" << 2 << 0 << "7" << int('+')
                                << "7 +|3 -|2 =|003|8 T|===" << "8";
    QTest::newRow("middle item") << "" << "5+3-2=" << 3 << 1 << "4" << int('-')
                                 << "5 +|4 -|2 =|003|7 T|===" << "7";
    QTest::newRow("last item from the total line") << "" << "5+3-2=" << 6 << 2 << "1" << int('=')
                                                   << "5 +|3 -|1 =|003|7 T|===" << "7";
    QTest::newRow("operator change") << "" << "5+3-2=" << 3 << 0 << "5" << int('*')
                                     << "5 ×|3 -|2 =|003|13 T|===" << "13";
    QTest::newRow("percentage step value") << "" << "200+10%" << 3 << 1 << "20" << int('%')
                                           << "200 +|20 %|002|240 T|===" << "240";
    QTest::newRow("operator before the percentage") << "" << "200+10%" << 2 << 0 << "200" << int('-')
                                                    << "200 -|10 %|002|180 T|===" << "180";
    QTest::newRow("last item becomes a percentage") << "" << "200+10=" << 3 << 1 << "10" << int('%')
                                                    << "200 +|10 %|002|220 T|===" << "220";
    QTest::newRow("two decimals format") << "20" << "10/3*3=" << 2 << 1 << "4" << int('*')
                                         << "10.00 ÷|4.00 ×|3.00 =|003|7.50 T|===" << "7.50";
    QTest::newRow("cents format keeps typed cents") << "1" << "500+250=" << 3 << 1 << "3.00" << int('=')
                                                    << "5.00 +|3.00 =|002|8.00 T|===" << "8.00";
    QTest::newRow("add mode first item") << "20 add" << "5{Enter}3-{Enter}=" << 2 << 0 << "6" << 2
                                         << "6.00 +|-3.00 =|002|3.00 T|===" << "3.00";
    QTest::newRow("add mode negative item") << "20 add" << "5{Enter}3-{Enter}=" << 3 << 1 << "-4" << int('=')
                                            << "5.00 +|-4.00 =|002|1.00 T|===" << "1.00";
    QTest::newRow("add mode repeated item") << "add" << "7{Enter}{Enter}{Enter}=" << 3 << 1 << "1" << 2
                                            << "7 +|1 +|7 =|003|15 T|===" << "15";
    QTest::newRow("after an undo and a new item") << "" << "5+3+{Undo}4=" << 3 << 1 << "6" << int('=')
                                                  << "5 +|6 =|002|11 T|===" << "11";
    QTest::newRow("after an undo and a redo") << "" << "5+3-{Undo}{Redo}2=" << 4 << 2 << "1" << int('=')
                                              << "5 +|3 -|1 =|003|7 T|===" << "7";
    QTest::newRow("running calculation") << "" << "5+3+" << 3 << 1 << "4" << int('=')
                                         << "5 +|4 =|002|9 T|===" << "9";
    QTest::newRow("running calculation, add mode") << "add" << "5{Enter}3{Enter}" << 2 << 0 << "1" << 2
                                                   << "1 +|3 =|002|4 T|===" << "4";
    QTest::newRow("running with a number typed") << "" << "5+3+2" << 2 << 0 << "1" << int('+')
                                                 << "1 +|3 +|2 =|003|6 T|===" << "6";
}

void TestItemCorrection::corrections()
{
    QFETCH(QString, options);
    QFETCH(QString, keys);
    QFETCH(int, line);
    QFETCH(int, item);
    QFETCH(QString, entry);
    QFETCH(int, key);
    QFETCH(QString, expected);
    QFETCH(QString, total);

    Machine m(options);
    m.type(keys);
    const QString before = m.calc.list();
    QCOMPARE(m.refusalAt(line), ReplayRefusal::None);
    QCOMPARE(m.correct(line, item, entry, key), CorrectionResult::Done);
    QCOMPARE(m.lastCalculation(), tapeText(expected));
    QCOMPARE(m.port.clipboard, total);
    QCOMPARE(m.calc.display(), total);
    QCOMPARE(m.calc.counter(), u"000"_s);
    // Nothing already on the list was rewritten, but for the marker the = key changes.
    const qsizetype kept = before.size() - (tape::isClosed(before) ? 0 : tape::LineLength);
    QCOMPARE(m.calc.list().left(kept), before.left(kept));
}

// The grand total holds each total once: a corrected calculation's new total takes the place
// of the one it corrects, unless a grand total written since has taken that one away.
void TestItemCorrection::correctionReplacesItsTotalInTheGrandTotal_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("againAt"); // a line of the correction corrected in turn (its first item to 1), or -1
    QTest::addColumn<QString>("grandTotal");

    QTest::newRow("the only total") << "5+3=" << 3 << 1 << "4" << -1 << "9/1";
    QTest::newRow("one of two totals") << "5+3=10+=" << 2 << 0 << "7" << -1 << "20/2";
    QTest::newRow("a running calculation") << "5+3+" << 2 << 0 << "6" << -1 << "9/1";
    QTest::newRow("a correction corrected again") << "5+3=" << 3 << 1 << "4" << 8 << "5/1";
    QTest::newRow("written by GT since") << "5+3={GT}" << 3 << 1 << "4" << -1 << "/0";
    QTest::newRow("before a written grand total") << "5+3={GT}2+2=" << 3 << 1 << "4" << -1 << "4/1";
}

void TestItemCorrection::correctionReplacesItsTotalInTheGrandTotal()
{
    QFETCH(QString, keys);
    QFETCH(int, line);
    QFETCH(int, item);
    QFETCH(QString, entry);
    QFETCH(int, againAt);
    QFETCH(QString, grandTotal);
    Machine m;
    m.type(keys);
    // The first item keeps its "+", the last its "=".
    QCOMPARE(m.correct(line, item, entry, item == 0 ? '+' : '='), CorrectionResult::Done);
    if (againAt >= 0)
        QCOMPARE(m.correct(againAt, 0, u"1"_s, '+'), CorrectionResult::Done);
    QCOMPARE(m.calc.grandTotalText() + u'/' + QString::number(m.calc.grandTotal().count), grandTotal);
}

void TestItemCorrection::refusals_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("line");
    QTest::addColumn<ReplayRefusal>("refusal");

    QTest::newRow("date header") << "5+3=" << 0 << ReplayRefusal::NotAnItem;
    QTest::newRow("separator of the cleared list") << "5+3=" << 1 << ReplayRefusal::NotAnItem;
    QTest::newRow("time mode") << "{Time}10000+20000=" << 4 << ReplayRefusal::TimeMode;
    QTest::newRow("cut by an undo to nothing and a clear") << "5+3+{Clear}7=" << 2 << ReplayRefusal::NotAnItem;
}

void TestItemCorrection::refusals()
{
    QFETCH(QString, keys);
    QFETCH(int, line);
    QFETCH(ReplayRefusal, refusal);

    Machine m;
    m.type(keys);
    QCOMPARE(m.refusalAt(line), refusal);
    const QString before = m.calc.list();
    QCOMPARE(m.correct(line, 0, u"1"_s, '+'), CorrectionResult::Refused);
    QCOMPARE(m.calc.list(), before);
}

void TestItemCorrection::refusalsOfChangedCalculations()
{
    {
        Machine m;
        m.type(u"5+3=7+1="_s);
        QCOMPARE(m.calc.mnuEditar_Click(), EditCommandResult::Started);
        m.calc.editList(int(Machine::line(2)) + 23, 1, u"9"_s);
        m.calc.listLostFocus();
        QCOMPARE(m.refusalAt(2), ReplayRefusal::EditedText);
        QCOMPARE(m.refusalAt(7), ReplayRefusal::EditedText);
    }
    {
        Machine m;
        m.type(u"5+3=7+1="_s);
        QCOMPARE(m.calc.mnuEditar_Click(), EditCommandResult::Started);
        m.calc.editList(int(m.calc.list().size()), 0, u"rent"_s);
        m.calc.listLostFocus();
        QCOMPARE(m.refusalAt(2), ReplayRefusal::None);  // free text after it leaves it whole
    }
    {
        Machine m;
        m.type(u"5+3+"_s);
        m.calc.LimpaTudo();
        m.type(u"7+1="_s);
        QCOMPARE(m.refusalAt(2), ReplayRefusal::Cut);
        QCOMPARE(m.refusalAt(4), ReplayRefusal::None);
    }
    {
        Machine m;
        m.type(u"5+"_s);
        m.calc.chooseNumberFormat(20);
        m.type(u"3="_s);
        QCOMPARE(m.refusalAt(2), ReplayRefusal::ModeChanged);
    }
    {
        Machine m;
        m.type(u"476/8149+{Undo}1%"_s);  // 476 × 1.01: the % read the undone +, not the ÷
        QCOMPARE(m.port.clipboard, u"480.76"_s);
        QCOMPARE(m.refusalAt(2), ReplayRefusal::UndoneOperator);
        m.type(u"200-50+{Undo}10%"_s);  // the % read the undone +, not the -
        QCOMPARE(m.refusalAt(8), ReplayRefusal::UndoneOperator);
        m.type(u"200+50+{Undo}10%"_s);  // the undone key adds as the kept one does
        QCOMPARE(m.refusalAt(14), ReplayRefusal::None);
    }
    {
        Machine m;
        m.type(u"5+3="_s);
        const TypedCalculations late(m.calc);
        QCOMPARE(late.at(Machine::line(2)).refusal, ReplayRefusal::NotKnown);
        QCOMPARE(late.at(Machine::line(0)).refusal, ReplayRefusal::NotAnItem);
    }
}

void TestItemCorrection::originalStaysAndCorrectionCanBeCorrected()
{
    Machine m;
    m.type(u"5+3-2="_s);
    const QString original = m.calc.list();
    QCOMPARE(m.correct(3, 1, u"4"_s, '-'), CorrectionResult::Done);
    QVERIFY(m.calc.list().startsWith(original));
    QCOMPARE(m.calc.list().mid(original.size()),
             u" CORRECTED ITEM 002 OF 003\r\n"_s + tapeText(u"5 +|4 -|2 =|003|7 T|==="_s));
    // The corrected calculation is a calculation like any other: its own items can be corrected.
    const int correctedFirstItem = int(original.size() / tape::LineLength) + 1;
    QCOMPARE(m.refusalAt(correctedFirstItem), ReplayRefusal::None);
    QCOMPARE(m.correct(correctedFirstItem + 2, 2, u"1"_s, '='), CorrectionResult::Done);
    QCOMPARE(m.port.clipboard, u"8"_s);
    QVERIFY(m.calc.list().contains(u" CORRECTED ITEM 003 OF 003"_s));
    // The next calculation starts from the corrected result, as after any total.
    m.type(u"+2="_s);
    QCOMPARE(m.port.clipboard, u"10"_s);
}

void TestItemCorrection::runningCalculationIsTotalledFirst()
{
    Machine m;
    m.type(u"5+3+"_s);
    QCOMPARE(m.correct(3, 0, u"6"_s, '+'), CorrectionResult::Done);
    // The running calculation was closed as the = key closes it, then the correction followed.
    QCOMPARE(m.calc.list().mid(2 * tape::LineLength), tapeText(u"5 +|3 =|002|8 T|==="_s)
                 + u" CORRECTED ITEM 001 OF 002\r\n"_s + tapeText(u"6 +|3 =|002|9 T|==="_s));
    QCOMPARE(m.port.clipboard, u"9"_s);

    // Correcting an earlier calculation while another runs totals the running one too.
    Machine n;
    n.type(u"5+3=7+2"_s);
    QCOMPARE(n.correct(3, 1, u"4"_s, '='), CorrectionResult::Done);
    QCOMPARE(n.calc.list().mid(7 * tape::LineLength), tapeText(u"7 +|2 =|002|9 T|==="_s)
                 + u" CORRECTED ITEM 002 OF 002\r\n"_s + tapeText(u"5 +|4 =|002|9 T|==="_s));
}

void TestItemCorrection::percentageOfZeroDoesNotClose()
{
    Machine m;
    m.type(u"5-3+10%"_s);
    const QString before = m.calc.list();
    // 5 - 5 leaves nothing to take a percentage of: typed so, the % key writes no line.
    QCOMPARE(m.correct(3, 1, u"5"_s, '-'), CorrectionResult::DoesNotClose);
    QCOMPARE(m.calc.list(), before);
    QCOMPARE(m.port.clipboard, u"2.2"_s);
}

void TestItemCorrection::labelsAreWrittenBack()
{
    Machine m(u"insert"_s);
    m.type(u"5+rent3+food2="_s);
    QVERIFY2(m.calc.list().contains(u"RENT"_s), qPrintable(m.calc.list()));
    QCOMPARE(m.correct(3, 1, u"4"_s, '+'), CorrectionResult::Done);
    const QString corrected = m.lastCalculation();
    QVERIFY2(corrected.contains(u" RENT                  5 +"_s), qPrintable(corrected));
    QVERIFY2(corrected.contains(u" FOOD                  4 +"_s), qPrintable(corrected));
    QCOMPARE(m.port.clipboard, u"11"_s);

    // A value wider than the room a label leaves keeps its digits and loses the label.
    QCOMPARE(m.correct(3, 1, u"123456789012"_s, '+'), CorrectionResult::Done);
    QVERIFY2(m.lastCalculation().contains(u"   123,456,789,012 +"_s), qPrintable(m.lastCalculation()));
    QVERIFY(!m.lastCalculation().contains(u"FOOD"_s));
}

void TestItemCorrection::valuesTakeWhatTheKeypadTakes_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("typed");   // the value field, for item 1 of 10+20=
    QTest::addColumn<EntryRefusal>("refusal");
    QTest::addColumn<QString>("total");  // the corrected total when taken

    const auto take = [](const char* name, const char* options, const char* typed, const char* total) {
        QTest::newRow(name) << QString::fromUtf8(options) << QString::fromUtf8(typed) << EntryRefusal::None
                            << QString::fromUtf8(total);
    };
    const auto refuse = [](const char* name, const char* options, const char* typed, EntryRefusal refusal) {
        QTest::newRow(name) << QString::fromUtf8(options) << QString::fromUtf8(typed) << refusal << QString();
    };
    take("standard, comma is the decimal key", "", "2,5", "22.5");
    take("standard, point", "", "2.5", "22.5");
    take("standard, one comma of a thousand", "", "1,234", "21.234");
    take("standard, blanks around", "", " 7 ", "27");
    take("standard, negative", "", "-2.5", "17.5");
    take("standard, twelve digits", "", "123456789012", "123,456,789,032");
    take("standard, ten decimals", "", "0.0000000001", "20.0000000001");
    refuse("standard, grouped", "", "1,234.5", EntryRefusal::NotANumber);
    refuse("standard, thirteen digits", "", "1234567890123", EntryRefusal::TooManyDigits);
    refuse("standard, eleven decimals", "", "0.00000000001", EntryRefusal::TooManyDecimals);
    refuse("standard, letters", "", "abc", EntryRefusal::NotANumber);
    refuse("standard, exponent", "", "1e3", EntryRefusal::NotANumber);
    refuse("standard, inner blank", "", "1 000", EntryRefusal::NotANumber);
    refuse("standard, inner minus", "", "5-3", EntryRefusal::NotANumber);
    refuse("standard, two separators", "", "1..5", EntryRefusal::NotANumber);
    refuse("standard, other digits", "", "٣", EntryRefusal::NotANumber);
    refuse("standard, zero", "", "0", EntryRefusal::Zero);
    refuse("standard, negative zero", "", "-0.0", EntryRefusal::Zero);
    refuse("standard, empty", "", "", EntryRefusal::Zero);
    take("pt standard, comma", "pt", "2,5", "22,5");
    take("pt standard, point is the decimal key", "pt", "2.5", "22,5");
    refuse("pt standard, grouped", "pt", "1.234,5", EntryRefusal::NotANumber);
    take("two decimals, comma", "20", "2,5", "22.50");
    take("two decimals, two typed", "20", "1.23", "21.23");
    refuse("two decimals, three typed", "20", "1.239", EntryRefusal::TooManyDecimals);
    take("pt two decimals, comma", "pt 20", "2,5", "22,50");
    take("pt two decimals, point", "pt 20", "2.5", "22,50");
    refuse("pt two decimals, three typed", "pt 20", "1,239", EntryRefusal::TooManyDecimals);
    take("cents, digits are cents", "1", "5", "0.25");
    take("cents, separator typed", "1", "2,5", "2.70");
    refuse("cents, seven decimals", "1", "1.2345678", EntryRefusal::TooManyDecimals);
    take("pt floating currency, six decimals", "pt 0", "1,234567", "21,234567");
    refuse("pt floating currency, seven decimals", "pt 0", "1,2345678", EntryRefusal::TooManyDecimals);
    take("pt one decimal", "pt 10", "2,5", "22,5");
    refuse("pt one decimal, two typed", "pt 10", "2,55", EntryRefusal::TooManyDecimals);
    refuse("three decimals, four typed", "30", "1.2345", EntryRefusal::TooManyDecimals);
    take("pt four decimals", "pt 40", "1,2345", "21,2345");
    take("five decimals", "50", "2.5", "22.50000");
    refuse("pt six decimals, seven typed", "pt 60", "0,0000001", EntryRefusal::TooManyDecimals);
    take("seven decimals", "70", "1,5", "21.5000000");
    take("eight decimals", "80", "0.00000001", "20.00000001");
    refuse("pt eight decimals, nine typed", "pt 80", "0,000000001", EntryRefusal::TooManyDecimals);
}

// The value field of Correct Item against the keypad typing the same characters: what it
// takes, the keypad gives the same calculation; what it refuses, the keypad would type as
// something else (a character dropped, or taken for another key).
void TestItemCorrection::valuesTakeWhatTheKeypadTakes()
{
    QFETCH(QString, options);
    QFETCH(QString, typed);
    QFETCH(EntryRefusal, refusal);
    QFETCH(QString, total);

    Machine m(options);
    m.type(u"10+20="_s);
    const KeypadEntry entry = keypadEntry(typed, m.calc.numberFormatIndex(), m.calc.numberLocale());
    QCOMPARE(entry.refusal, refusal);

    Machine keypad(options);
    if (refusal != EntryRefusal::None) {
        if (refusal == EntryRefusal::Zero)
            return;
        keypad.type(typed);
        QString asTyped = typed.trimmed();
        asTyped.replace(u'.', keypad.calc.DecimalSeparator()).replace(u',', keypad.calc.DecimalSeparator());
        QVERIFY2(keypad.calc.entry().text() != asTyped, qPrintable(keypad.calc.entry().text()));
        return;
    }
    QCOMPARE(m.correct(2, 0, entry.entry, '+'), CorrectionResult::Done);
    keypad.type(typed.trimmed() + u"+20="_s);
    QCOMPARE(m.lastCalculation(), keypad.lastCalculation());
    QCOMPARE(m.port.clipboard, keypad.port.clipboard);
    QCOMPARE(m.port.clipboard, total);
}

// The history kept at the last close, read back beside the restored list.
void TestItemCorrection::historyOutlivesARestart()
{
    Machine before(u"20"_s);
    before.type(u"5+3-2=7*2=9+"_s);
    const QByteArray kept = typedCalculationsJson(before.history.calculations());

    Machine after;  // started in another format: each calculation replays in its own
    after.calc.setList(before.calc.list());
    int adopted = 0;
    for (const TypedCalculation& calculation : typedCalculationsFromJson(kept))
        adopted += adoptReplayable(after.history, after.calc.list(), calculation) ? 1 : 0;
    QCOMPARE(adopted, 2);  // the running calculation is not kept
    QCOMPARE(after.refusalAt(13), ReplayRefusal::NotKnown);
    QCOMPARE(after.correct(3, 1, u"4"_s, '-'), CorrectionResult::Done);
    QCOMPARE(after.port.clipboard, u"7.00"_s);
    QCOMPARE(after.correct(9, 0, u"8"_s, '*'), CorrectionResult::Done);
    QCOMPARE(after.port.clipboard, u"16.00"_s);
}

// A calculation kept under the decimal point, corrected in a session of the decimal comma:
// the correction is typed and written with the comma, so what follows adds up.
void TestItemCorrection::correctionUnderTheOtherSeparators()
{
    Machine before(u"20"_s);
    before.type(u"1234.5+10="_s);
    const QByteArray kept = typedCalculationsJson(before.history.calculations());

    Machine after(u"pt 20"_s);
    after.calc.setList(before.calc.list());
    for (const TypedCalculation& calculation : typedCalculationsFromJson(kept))
        QVERIFY(adoptReplayable(after.history, after.calc.list(), calculation));
    const auto target = toCorrect(after.calc, after.history, Machine::line(3));
    QVERIFY(target);
    QCOMPARE(target->calculation.locale.decimal, u',');
    QCOMPARE(target->shownLocale.decimal, u'.');
    QCOMPARE(target->calculation.items.front().entry, u"1234,5"_s);
    const KeypadEntry typed = keypadEntry(u"20.5"_s, target->calculation.formatIndex, target->calculation.locale);
    QCOMPARE(after.correct(3, 1, typed.entry, '='), CorrectionResult::Done);
    QCOMPARE(after.lastCalculation(), tapeText(u"1.234,50 +|20,50 =|002|1.255,00 T|==="_s));
    QCOMPARE(after.port.clipboard, u"1.255,00"_s);
    QCOMPARE(after.calc.display(), u"1.255,00"_s);
    after.type(u"+1="_s);
    QCOMPARE(after.port.clipboard, u"1.256,00"_s);
}

void TestItemCorrection::keptHistoryThatDoesNotFitIsDropped_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");

    QTest::newRow("not JSON") << QByteArray("{") << QByteArray("[");
    QTest::newRow("another version") << QByteArray("\"version\":1") << QByteArray("\"version\":2");
    QTest::newRow("lines that moved") << QByteArray("\"start\":56") << QByteArray("\"start\":84");
    QTest::newRow("lines that changed") << QByteArray("5 +") << QByteArray("6 +");
    QTest::newRow("an unknown format") << QByteArray("\"format\":2") << QByteArray("\"format\":3");
    QTest::newRow("an unknown key") << QByteArray(",43]") << QByteArray(",44]");
    QTest::newRow("an entry that is no number") << QByteArray("[\"2.5\"") << QByteArray("[\"x\"");
    // Keys that still read as keys but no longer type the lines they stand for.
    QTest::newRow("an edited entry") << QByteArray("[\"2.5\",43]") << QByteArray("[\"6.5\",43]");
    QTest::newRow("an edited key") << QByteArray("[\"2.5\",43]") << QByteArray("[\"2.5\",42]");
    QTest::newRow("an item left out") << QByteArray("[\"2.5\",43],") << QByteArray();
    QTest::newRow("an item added") << QByteArray("[\"2.5\",43],") << QByteArray("[\"2.5\",43],[\"4\",43],");
    QTest::newRow("another format") << QByteArray("\"format\":2") << QByteArray("\"format\":20");
    QTest::newRow("add mode") << QByteArray("\"add\":false") << QByteArray("\"add\":true");
    QTest::newRow("the other decimal separator") << QByteArray("\"decimal\":\".\"") << QByteArray("\"decimal\":\",\"");
}

void TestItemCorrection::keptHistoryThatDoesNotFitIsDropped()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    Machine before;
    before.type(u"2.5+3="_s);
    QByteArray kept = typedCalculationsJson(before.history.calculations());
    {
        Machine intact;
        intact.calc.setList(before.calc.list());
        const std::vector<TypedCalculation> calculations = typedCalculationsFromJson(kept);
        QCOMPARE(calculations.size(), std::size_t(1));
        QVERIFY(adoptReplayable(intact.history, intact.calc.list(), calculations.front()));
    }
    QVERIFY2(kept.contains(from), kept.constData());
    kept.replace(from, to);

    Machine after;
    after.calc.setList(before.calc.list());
    for (const TypedCalculation& calculation : typedCalculationsFromJson(kept))
        QVERIFY(!adoptReplayable(after.history, after.calc.list(), calculation));
    QCOMPARE(after.refusalAt(2), ReplayRefusal::NotKnown);
}

void TestItemCorrection::randomCorpusMatchesTypingFromScratch()
{
    QRandomGenerator random(20261210);
    const int formats[] = {StandardFormatIndex, 20, CentsFormatIndex, 0, 30};
    int corrected = 0;
    for (int run = 0; run < 300; ++run) {
        const int format = formats[random.bounded(int(std::size(formats)))];
        const bool addMode = random.bounded(2) == 1;
        const auto number = [&random](bool mayBeNegative) {
            QString text = QString::number(random.bounded(1, 100000));
            if (random.bounded(3) == 0)
                text += u'.' + QString::number(random.bounded(1, 100)).rightJustified(2, u'0');
            return mayBeNegative && random.bounded(4) == 0 ? u'-' + text : text;
        };
        const auto middleKey = [&random, addMode] {
            // In Add mode the minus key only makes the number negative.
            const int result[] = {'+', '-', '*', '/'};
            const int add[] = {2, '*', '/'};
            return addMode ? add[random.bounded(3)] : result[random.bounded(4)];
        };
        std::vector<TypedItem> items;
        const int count = random.bounded(1, 7);
        for (int i = 0; i < count; ++i) {
            const bool last = i + 1 == count;
            const int key = last ? (random.bounded(4) == 0 && count > 1 ? int('%') : int('=')) : middleKey();
            items.push_back({number(addMode || i == 0), key});
        }
        const int index = random.bounded(count);
        TypedItem replacement{number(addMode || index == 0), items[std::size_t(index)].key};
        if (random.bounded(3) == 0)
            replacement.key = index + 1 < count ? middleKey() : (replacement.key == '=' ? int('%') : int('='));

        QString keys, correctedKeys;
        for (int i = 0; i < count; ++i) {
            keys += keysOf(items[std::size_t(i)], addMode);
            correctedKeys += keysOf(i == index ? replacement : items[std::size_t(i)], addMode);
        }
        const QString options = QString::number(format) + (addMode ? u" add"_s : QString());
        Machine typed(options);
        typed.type(keys);
        // Typed so, some calculations do not come out whole: = alone on a closed list, an item
        // the format shows as zero, a percentage of nothing. Those have nothing to correct.
        if (!typed.isWhole(count))
            continue;
        Machine scratch(options);
        scratch.type(correctedKeys);
        const CorrectionResult result = typed.correct(2, index, replacement.entry, replacement.key);
        const QString context = u"format "_s + QString::number(format) + (addMode ? u" add: "_s : u": "_s) + keys
            + u" corrected as "_s + correctedKeys;
        if (result == CorrectionResult::DoesNotClose) {
            QVERIFY2(!scratch.isWhole(count), qPrintable(context));
            continue;
        }
        QVERIFY2(result == CorrectionResult::Done, qPrintable(context + u" result "_s + QString::number(int(result))));
        QVERIFY2(typed.lastCalculation() == scratch.lastCalculation(), qPrintable(context));
        QVERIFY2(typed.port.clipboard == scratch.port.clipboard, qPrintable(context));
        ++corrected;
    }
    QVERIFY(corrected > 200);
}

void TestItemCorrection::recordedKeysReproduceEveryCalculation_data()
{
    QTest::addColumn<QString>("options");
    QTest::newRow("result mode") << "";
    QTest::newRow("add mode") << "add";
    QTest::newRow("two decimals") << "20";
    QTest::newRow("cents, add mode") << "1 add";
    QTest::newRow("labels") << "insert";
    QTest::newRow("labels, add mode") << "insert add 20";
}

// Whatever the keys, a calculation the history holds as replayable types back exactly as it
// stands on the list: same lines, same total.
void TestItemCorrection::recordedKeysReproduceEveryCalculation()
{
    QFETCH(QString, options);
    QStringList pool{u"+"_s, u"-"_s, u"*"_s, u"/"_s, u"%"_s, u"="_s, u"="_s, u"."_s, u";"_s, u"{Enter}"_s,
                     u"{Backspace}"_s, u"{CE}"_s, u"{Neg}"_s, u"{Undo}"_s, u"{Redo}"_s, u"{M+}"_s, u"{MR}"_s,
                     u"{Time}"_s, u"{NumLock}"_s, u"a"_s, u"b"_s, u"q"_s};
    for (int copy = 0; copy < 3; ++copy)
        for (char d = '0'; d <= '9'; ++d)
            pool << QString(QLatin1Char(d));
    QRandomGenerator random(20261211);
    int checked = 0;
    for (int run = 0; run < 40; ++run) {
        Machine m(options);
        QString keys;
        for (int i = 0; i < 300; ++i)
            keys += pool.at(random.bounded(int(pool.size())));
        m.type(keys);
        for (const TypedCalculation& calculation : m.history.calculations()) {
            if (!calculation.closed || calculation.refusal != ReplayRefusal::None || calculation.timeMode)
                continue;
            QStringList labels;
            for (const tape::ItemParts& item : shownItems(m.calc.list(), calculation))
                labels.append(item.label);
            const auto replayed = replayCorrected(calculation, labels, 0, calculation.items.front());
            QVERIFY2(replayed, qPrintable(keys));
            QVERIFY2(replayed->lines == calculation.lines,
                     qPrintable(keys + u"\nkept:\n"_s + calculation.lines + u"replayed:\n"_s + replayed->lines));
            ++checked;
        }
    }
    QVERIFY(checked > 100);
}

QTEST_GUILESS_MAIN(TestItemCorrection)
#include "tst_item_correction.moc"
