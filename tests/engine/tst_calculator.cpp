// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "calculation_list.h"
#include "calculator.h"
#include "key_script.h"
#include "string_clipboard_port.h"
#include "tape_text.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

// The cleared list's date header and separator, which every run starts with.
constexpr int HeaderChars = 2 * tape::LineLength;

class RecordingPort : public StringClipboardPort {
public:
    void closeWindow() override { closed = true; }
    bool askYesNo(const QString& text) override
    {
        questions.append(text);
        return answerYes;
    }
    void showInformation(const QString& text) override { notes.append(text); }
    void storeNumberFormat(int index) override { settings.append(u"format "_s + QString::number(index)); }
    void storeAddOnEnter(bool on) override { settings.append(on ? u"add on Enter"_s : u"total on Enter"_s); }
    bool backUpList(const QString& list) override
    {
        backups.append(list);
        return true;
    }

    bool closed = false;
    bool answerYes = false;
    QStringList questions, notes, settings, backups;
};

// An interactive calculator on a cleared list, set up as the headless tape sets it up.
// Options are words: a number format index, "add", "comma", "insert", "mdy", "nokeys".
struct Machine {
    explicit Machine(const QString& options)
    {
        int format = StandardFormatIndex;
        bool add = false;
        bool keysRefused = false;
        QChar decimal = u'.';
        for (const QString& word : options.split(u' ', Qt::SkipEmptyParts)) {
            if (word == u"add")
                add = true;
            else if (word == u"insert")
                calc.setInsertText(true);
            else if (word == u"comma")
                decimal = u',';
            else if (word == u"mdy")
                calc.setDateOrder(tape::DateOrder::MonthDayYear);
            else if (word == u"nokeys")
                keysRefused = true;
            else if (word.startsWith(u"tax"))
                calc.setTaxRate(*Decimal::fromPlainText(word.mid(3)));
            else if (word == u"plainclip")
                calc.setPlainClipboard(true);
            else if (word == u"halfeven")
                calc.setRoundingMode(RoundingMode::HalfEven);
            else
                format = word.toInt();
        }
        calc.setNumberLocale(NumberLocale::withDecimal(decimal));
        calc.chooseNumberFormat(format);
        if (add)
            calc.mnuEnter_Click();
        calc.setInteractive(true);
        calc.clearList();
        calc.setKeysAccepted(!keysRefused);
    }

    void type(const QString& keys)
    {
        QString error;
        const auto steps = parseTapeKeys(keys, error);
        QVERIFY2(steps, qPrintable(error));
        runTapeSteps(calc, *steps, port.closed);
    }

    QStringList tail() const { return calc.list().mid(HeaderChars).split(u"\r\n"_s); }

    QString state(const QString& key) const
    {
        const auto onOff = [](bool on) { return on ? u"on"_s : u"off"_s; };
        const auto colour = [](LabelColour c) { return c == LabelColour::Red ? u"red"_s : u"blue"_s; };
        if (key == u"display") return calc.display();
        if (key == u"total") return calc.total();
        if (key == u"counter") return calc.counter();
        if (key == u"pending") return operatorText(calc.PendingOperator());
        if (key == u"entry") return calc.entry().text();
        if (key == u"memory") return calc.memory();
        if (key == u"time") return calc.timeDisplay();
        if (key == u"clip") return port.clipboard;
        if (key == u"colour") return colour(calc.displayColour());
        if (key == u"timecolour") return colour(calc.timeDisplayColour());
        if (key == u"memcolour") return calc.memoryColour() == MemoryColour::Yellow ? u"yellow"_s : u"white"_s;
        if (key == u"undo") return onOff(calc.undoEnabled());
        if (key == u"redo") return onOff(calc.redoEnabled());
        if (key == u"timemode") return onOff(calc.timeMode());
        if (key == u"closed") return onOff(port.closed);
        if (key == u"backups") return QString::number(port.backups.size());
        if (key == u"gt") return calc.grandTotalText() + u'/' + QString::number(calc.grandTotal().count);
        return u"unknown"_s;
    }

    // The state named in `expected` ("display=8 total=0"), read back in the same form.
    QString states(const QString& expected) const
    {
        QStringList actual;
        for (const QString& pair : expected.split(u' ', Qt::SkipEmptyParts)) {
            const QString key = pair.section(u'=', 0, 0);
            actual.append(key + u'=' + state(key));
        }
        return actual.join(u' ');
    }

    RecordingPort port;
    Calculator calc{port};
};

QString tails(const QString& list)
{
    QStringList found;
    if (tape::isClosed(list)) found << u"closed"_s;
    if (tape::endsWithSeparator(list)) found << u"separator"_s;
    if (tape::isEditable(list)) found << u"editable"_s;
    if (tape::lastMarkerIsEquals(list)) found << u"equals"_s;
    if (tape::isTotalMarked(list)) found << u"total"_s;
    if (tape::isToolClosed(list)) found << u"tool"_s;
    return found.join(u' ');
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void clearListCommand_data();
    void clearListCommand();
    void capacityQuestion_data();
    void capacityQuestion();
    void reenterFromList_data();
    void reenterFromList();
    void formatSwitchLeavesTimeMode();
    void enterKeyFunction();
    void addModeAtLoadShowsNoNote();
    void listOperations_data();
    void listOperations();
};

void TestCalculator::keys_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("tape");  // the list after the header, see tapeText
    QTest::addColumn<QString>("state"); // only the fields named are checked

    // Totals and the two ENTER modes
    QTest::newRow("5+3-2= in 0,00") << "20" << "5+3-2=" << "5.00 +|3.00 -|2.00 =|003|6.00 T|==="
                                    << "display=6.00 total=0 counter=000 pending=+ clip=6.00";
    QTest::newRow("result mode 5+3=") << "" << "5+3=" << "5 +|3 =|002|8 T|===" << "display=8 total=0 entry=0 clip=8";
    QTest::newRow("result mode Enter is =") << "" << "5+3{Enter}" << "5 +|3 =|002|8 T|===" << "display=8 clip=8";
    QTest::newRow("add mode 5 Enter 3 - Enter =")
        << "20 add" << "5{Enter}3-{Enter}=" << "5.00 +|-3.00 =|002|2.00 T|===" << "display=2.00 clip=2.00";
    QTest::newRow("add mode - makes the entry negative")
        << "20 add" << "5-" << "" << "entry=-5 display=-5.00 colour=red";
    QTest::newRow("add mode + makes it positive, writes nothing")
        << "20 add" << "5-+" << "" << "entry=5 display=5.00 colour=blue";
    QTest::newRow("add mode Enter repeats the number")
        << "add" << "7{Enter}{Enter}{Enter}=" << "7 +|7 +|7 =|003|21 T|===" << "display=21";
    QTest::newRow("add mode NumLock totals")
        << "add" << "5{Enter}3{Enter}{NumLock}" << "5 +|3 =|002|8 T|===" << "display=8";
    QTest::newRow("result mode NumLock does nothing") << "" << "5+3{NumLock}" << "5 +" << "display=3 entry=3";
    QTest::newRow("5++= repeats the number") << "" << "5++=" << "5 +|5 =|002|10 T|===" << "display=10";
    QTest::newRow("5+- changes the marker") << "" << "5+-" << "5 -" << "total=5 pending=- counter=001";
    QTest::newRow("5+-= totals 5") << "" << "5+-=" << "5 =|001|5 T|===" << "display=5 clip=5";
    QTest::newRow("+ after a total of 42 starts with 42")
        << "" << "40+2=+" << "40 +|2 =|002|42 T|===|42 +" << "total=42 counter=001 display=42";
    QTest::newRow("= on a cleared list") << "" << "=" << "" << "display=0 total=0 counter=000";
    QTest::newRow("== writes one separator") << "" << "5+3==" << "5 +|3 =|002|8 T|===" << "display=0 total=0 entry=0";
    QTest::newRow("10/3*3= rounds each step")
        << "20" << "10/3*3=" << "10.00 ÷|3.00 ×|3.00 =|003|9.99 T|===" << "clip=9.99";
    QTest::newRow("overflow keeps the total, counts the item")
        << "" << "999999999999*999999999999*999999999999*"
        << "999,999,999,999 ×|999,999,999,999 ×|999,999,999,999 ×"
        << "total=999,999,999,998,000,000,000,001 counter=003";
    QTest::newRow("total of 22+ characters cut with E")
        << "" << "999999999999*999999999999*999999999999="
        << "999,999,999,999 ×|999,999,999,999 ×|999,999,999,999 =|003|999,999,999,998,000,00 E|==="
        << "display=999,999,999,998,000,00 clip=999,999,999,998,000,000,000,001";

    // Percentages close the calculation at once
    QTest::newRow("100+10% totals at once") << "" << "100+10%" << "100 +|10 %|002|110 T|==="
                                            << "display=110 total=0 counter=000 clip=110";
    QTest::newRow("= after a percentage writes nothing") << "" << "100+10%=" << "100 +|10 %|002|110 T|==="
                                                         << "display=0 total=0 entry=0";
    QTest::newRow("200+10%") << "20" << "200+10%" << "200.00 +|10.00 %|002|220.00 T|===" << "clip=220.00";
    QTest::newRow("200-10%") << "" << "200-10%" << "200 -|10 %|002|180 T|===" << "clip=180";
    QTest::newRow("110/10%") << "" << "110/10%" << "110 ÷|10 %|002|10 T|===" << "clip=10";
    QTest::newRow("200*10%") << "" << "200*10%" << "200 ×|10 %|002|20 T|===" << "clip=20";
    QTest::newRow("-100% after / keeps the total") << "" << "50/100{Neg}%" << "50 ÷|-100 %|002|50 T|===" << "clip=50";
    // The factor is exact: through double precision (100 - 97.9) / 100 came out as 0.0209999999999999.
    QTest::newRow("a hundred billion less 97.9%") << "" << "100000000000-97.9%"
        << "100,000,000,000 -|97.9 %|002|2,100,000,000 T|===" << "clip=2,100,000,000";

    // Labels, Esc, quote, refused keys
    QTest::newRow("insert text labels the line, divider before count")
        << "insert" << "5+lunch3=" << "LUNCH                 5 +|3 =|------------|002|8 T|===" << "display=8";
    QTest::newRow("insert text ignores the 12th letter")
        << "insert" << "5+abcdefghijkl" << "ABCDEFGHIJK           5 +" << "entry=0 total=5";
    QTest::newRow("insert text Backspace")
        << "insert" << "5+ab{Backspace}c" << "AC                    5 +" << "entry=0";
    QTest::newRow("insert text keeps ß one column")
        << "insert" << "5+straße" << "STRAßE                5 +" << "entry=0";
    QTest::newRow("redo keeps ß one column")
        << "insert" << "5+straße{Undo}{Redo}" << "STRAßE                5 +" << "total=5";
    QTest::newRow("laptop keypad letters") << "" << "uio+" << "456 +" << "total=456";
    QTest::newRow("Esc closes the window") << "" << "5{Esc}" << "" << "closed=on entry=5";
    QTest::newRow("double quote does nothing") << "" << "5\"3+" << "53 +" << "total=53";
    QTest::newRow("double quote after a total does nothing")
        << "" << "5+3=\"" << "5 +|3 =|002|8 T|===" << "entry=0 display=8";
    QTest::newRow("refused keys do nothing")
        << "nokeys" << "5+3={Delete}{Esc}" << "" << "display=0 entry=0 closed=off backups=0";

    // Entry and display
    QTest::newRow("13th digit refused") << "" << "1234567890123" << "" << "entry=123456789012 display=123,456,789,012";
    QTest::newRow("standard 12") << "" << "12" << "" << "display=12";
    QTest::newRow("standard 12 and separator") << "" << "12." << "" << "entry=12. display=12.";
    QTest::newRow("standard 1.50 keeps its zero") << "" << "1.50" << "" << "display=1.50";
    QTest::newRow("standard total 12 has no separator") << "" << "12+" << "12 +" << "total=12 display=12";
    QTest::newRow("0,00 allows 2 decimals") << "20" << "1.234" << "" << "entry=1.23 display=1.23";
    QTest::newRow("0,00 a second separator allows no 3rd decimal")
        << "20" << "1.23.4" << "" << "entry=1.23 display=1.23";
    QTest::newRow("12 digits and 10 decimals fit the display")
        << "" << "123456789012.1234567891+" << "123,456,789,012.123456 +" << "counter=001";
    QTest::newRow("floating currency allows 6 decimals") << "0" << "123.12345678" << "" << "entry=123.123456";
    QTest::newRow("cents 5") << "1" << "5" << "" << "display=0.05";
    QTest::newRow("cents 123") << "1" << "123" << "" << "display=1.23";
    QTest::newRow("cents 12345") << "1" << "12345" << "" << "display=123.45";
    QTest::newRow("cents 123456 with decimal comma") << "1 comma" << "123456" << "" << "display=1.234,56";
    QTest::newRow("cents 1.5 with separator") << "1" << "1.5" << "" << "display=1.50";
    QTest::newRow("empty entry is a blue zero") << "" << "" << "" << "entry=0 display=0 colour=blue";
    QTest::newRow("negating an empty entry") << "" << "{Neg}" << "" << "entry=-0 display=-0 colour=red";
    QTest::newRow("minus on an empty entry in 0,00") << "20" << "-" << "" << "entry=-0 display=-0.00 colour=red";
    QTest::newRow("separator alone") << "" << "." << "" << "entry=0. display=0.";
    QTest::newRow("decimal comma") << "comma" << "1234.5+1,25=" << "1.234,5 +|1,25 =|002|1.235,75 T|==="
                                   << "clip=1.235,75";
    QTest::newRow("point typed as comma") << "comma" << "1.5" << "" << "entry=1,5 display=1,5";
    QTest::newRow("Delete once clears the number")
        << "" << "5+3{Delete}" << "5 +" << "entry=0 display=0 total=5 backups=0";
    QTest::newRow("Delete twice clears the list")
        << "" << "5+3{Delete}{Delete}" << "" << "total=0 counter=000 backups=1";
    QTest::newRow("CE twice clears the list") << "" << "5+3{CE}{CE}" << "" << "total=0 counter=000 backups=1";

    // Memory
    QTest::newRow("M+ 12.50") << "" << "12.50{M+}" << "" << "memory=12.5 memcolour=white";
    QTest::newRow("M- 20 below zero") << "" << "12.50{M+}20{M-}" << "" << "memory=-7.5 memcolour=yellow";
    QTest::newRow("MR negative memory") << "" << "12.50{M+}20{M-}{MR}" << "" << "entry=-7.5 display=-7.5 colour=red";
    QTest::newRow("MC then MR") << "" << "12.50{M+}{MC}{MR}" << "" << "memory= entry=0";

    // Time mode
    QTest::newRow("time 13000+4530=") << "" << "{Time}13000+4530=" << "01:30:00 +|00:45:30 =|002|02:15:30 T|==="
                                      << "time=02:15:30 clip=02:15:30 timemode=on";
    QTest::newRow("time 130") << "" << "{Time}130" << "" << "time=00:01:30";
    QTest::newRow("time of seven digits") << "" << "{Time}1234567" << "" << "time=123:45:67";
    QTest::newRow("time negative in red") << "" << "{Time}3000-10000=" << "00:30:00 -|01:00:00 =|002|-00:30:00 T|==="
                                          << "time=-00:30:00 timecolour=red";
    QTest::newRow("time divided by 3 seconds") << "" << "{Time}1000/3=" << "00:10:00 ÷|00:00:03 =|002|00:03:20 T|==="
                                               << "time=00:03:20";
    QTest::newRow("time fractional seconds rounded")
        << "" << "{Time}259/3=" << "00:02:59 ÷|00:00:03 =|002|00:00:60 T|===" << "time=00:00:60";
    QTest::newRow("time mode on closes the calculation")
        << "" << "5+3{Time}" << "5 +|3 =|002|8 T|===" << "timemode=on display=0 total=0 counter=000 time=00:00:00";
    QTest::newRow("time mode empties the memory") << "" << "12{M+}{Time}" << "" << "memory= timemode=on";
    QTest::newRow("time mode disables memory keys") << "" << "{Time}12{M+}" << "" << "memory=";
    QTest::newRow("time mode Backspace on nothing typed") << "" << "{Time}{Backspace}" << "" << "entry=0 time=00:00:00";
    QTest::newRow("time mode discards the decimal key") << "" << "{Time}1.5" << "" << "entry=15 time=00:00:15";
    QTest::newRow("time mode off again") << "" << "{Time}{Time}5+" << "5 +" << "timemode=off total=5";

    // Undo and redo
    QTest::newRow("undo") << "" << "5+3-{Undo}" << "5 +" << "total=5 pending=+ counter=001 display=5 undo=on redo=on";
    QTest::newRow("redo") << "" << "5+3-{Undo}{Redo}" << "5 +|3 -" << "total=8 pending=- counter=002 redo=off";
    QTest::newRow("undo twice") << "" << "5+3-{Undo}{Undo}" << "" << "total=0 counter=000 undo=off";
    QTest::newRow("new item uses up a redo entry")
        << "" << "5+3-{Undo}7+{Redo}" << "5 +|7 +" << "total=12 counter=002 redo=off";
    QTest::newRow("undo after a total is disabled") << "" << "5+3={Undo}" << "5 +|3 =|002|8 T|===" << "undo=off";

    // The grand total: every total adds to it; its key writes it with the count of totals and
    // empties it, and leaves it shown as a result to take up.
    QTest::newRow("totals add to the grand total")
        << "20" << "5+3=10-2.5=" << "5.00 +|3.00 =|002|8.00 T|===|10.00 -|2.50 =|002|7.50 T|==="
        << "gt=15.50/2 display=7.50";
    QTest::newRow("GT writes and empties it")
        << "20" << "5+3=10+={GT}" << "5.00 +|3.00 =|002|8.00 T|===|10.00 =|001|10.00 T|===|002|18.00 G|==="
        << "gt=/0 display=18.00 total=0.00 clip=18.00 undo=off pending=+";
    QTest::newRow("GT totals a running calculation first")
        << "" << "5=7+2{GT}" << "7 +|2 =|002|9 T|===|001|9 G|===" << "gt=/0 display=9";
    QTest::newRow("GT with no total held writes nothing") << "" << "5+3{Undo}{GT}" << "" << "gt=/0 display=0";
    QTest::newRow("GT result is taken up by the next key")
        << "" << "5+3={GT}+2=" << "5 +|3 =|002|8 T|===|001|8 G|===|8 +|2 =|002|10 T|===" << "gt=10/1";
    QTest::newRow("undo inside a calculation leaves the grand total")
        << "" << "5+3=4+6-{Undo}=" << "5 +|3 =|002|8 T|===|4 =|001|4 T|===" << "gt=12/2";
    QTest::newRow("undo and redo before a total: the total counts once")
        << "" << "4+6+{Undo}{Redo}=" << "4 +|6 =|002|10 T|===" << "gt=10/1 undo=off";
    QTest::newRow("undo after GT changes nothing")
        << "" << "5+3={GT}{Undo}{Redo}" << "5 +|3 =|002|8 T|===|001|8 G|===" << "gt=/0 display=8";
    QTest::newRow("clearing the list clears the grand total") << "" << "5+3={Clear}" << "" << "gt=/0";
    QTest::newRow("a percentage total counts") << "" << "200+10%" << "200 +|10 %|002|220 T|===" << "gt=220/1";
    QTest::newRow("a time total stays out") << "" << "{Time}10000+5=" << "01:00:00 +|00:00:05 =|002|01:00:05 T|===" << "gt=/0";
    QTest::newRow("grand total sums negative totals")
        << "" << "5-8=1-1=" << "5 -|8 =|002|-3 T|===|1 -|1 =|002|0. T|===" << "gt=-3/2";
    QTest::newRow("plain clipboard drops the grouping")
        << "20 plainclip" << "1234+1=" << "1,234.00 +|1.00 =|002|1,235.00 T|===" << "clip=1235.00";
    QTest::newRow("plain clipboard with the decimal comma")
        << "20 plainclip comma" << "1234+1={GT}" << "1.234,00 +|1,00 =|002|1.235,00 T|===|001|1.235,00 G|==="
        << "clip=1235,00";

    // Tax keys: net, tax and gross, rounded to the format's decimals.
    QTest::newRow("tax keys off at rate 0") << "20" << "100{Tax+}{Tax-}" << "" << "display=100.00 entry=100";
    QTest::newRow("Tax+ on a typed figure")
        << "20 tax19" << "100.05{Tax+}" << "100.05 N|19.01 X|119.06 B|===" << "display=119.06 clip=119.06 total=0.00";
    QTest::newRow("Tax- on a typed figure")
        << "20 tax19" << "119.06{Tax-}" << "119.06 B|19.01 X|100.05 N|===" << "display=100.05 clip=100.05";
    QTest::newRow("Tax+ totals the running calculation first")
        << "20 tax10" << "100+50{Tax+}" << "100.00 +|50.00 =|002|150.00 T|===|150.00 N|15.00 X|165.00 B|==="
        << "display=165.00 gt=150.00/1";
    QTest::newRow("Tax+ on the last result") << "tax7.5" << "5+3={Tax+}"
                                             << "5 +|3 =|002|8 T|===|8 N|0.6 X|8.6 B|===" << "display=8.6";
    QTest::newRow("Tax+ tie in half even") << "20 tax10 halfeven" << "0.25{Tax+}" << "0.25 N|0.02 X|0.27 B|===" << "";
    QTest::newRow("Tax+ tie in half up") << "20 tax10" << "0.25{Tax+}" << "0.25 N|0.03 X|0.28 B|===" << "";
    QTest::newRow("Tax+ on a negative figure")
        << "20 tax10" << "{Neg}0.25{Tax+}" << "-0.25 N|-0.03 X|-0.28 B|===" << "";
    QTest::newRow("Tax+ result is taken up by +")
        << "tax10" << "100{Tax+}+1=" << "100 N|10 X|110 B|===|110 +|1 =|002|111 T|===" << "display=111";
    QTest::newRow("tax keys do nothing in time mode") << "tax10" << "{Time}100{Tax+}" << "" << "timemode=on";

    // Margin on the selling price: the running total is the cost, the figure typed the margin.
    QTest::newRow("margin 25 % on 100")
        << "20" << "100+25{Margin}" << "100.00 =|001|100.00 T|===|100.00 C|25.00 M|133.33 S|33.33 P|==="
        << "display=133.33 clip=133.33 gt=100.00/1";
    QTest::newRow("margin in add mode")
        << "20 add" << "80{Enter}20{Enter}50{Margin}"
        << "80.00 +|20.00 =|002|100.00 T|===|100.00 C|50.00 M|200.00 S|100.00 P|===" << "display=200.00";
    QTest::newRow("margin of 100 % or more writes nothing")
        << "" << "100+100{Margin}" << "100 +" << "display=100 entry=100";
    QTest::newRow("margin needs a running total") << "" << "25{Margin}" << "" << "display=25";
    QTest::newRow("negative margin sells below cost")
        << "" << "100+{Neg}25{Margin}" << "100 =|001|100 T|===|100 C|-25 M|80 S|-20 P|===" << "display=80";
}

void TestCalculator::keys()
{
    QFETCH(QString, options);
    QFETCH(QString, keys);
    QFETCH(QString, tape);
    QFETCH(QString, state);
    Machine m(options);
    m.type(keys);
    QCOMPARE(m.tail(), tapeText(tape).split(u"\r\n"_s));
    QCOMPARE(m.states(state), state);
}

void TestCalculator::clearListCommand_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("header");
    QTest::newRow("day first") << "" << "09/12/2026 Wed";
    QTest::newRow("month first") << "mdy" << "12/09/2026 Wed";
}

void TestCalculator::clearListCommand()
{
    QFETCH(QString, options);
    QFETCH(QString, header);
    Machine m(options);
    m.type(u"5-3"_s);
    const QString before = m.calc.list();
    m.type(u"{Clear}"_s);
    QCOMPARE(m.port.backups, QStringList{before});
    QCOMPARE(m.calc.list(), tapeText(header + u"|==="_s));
    const QString reset = u"display=0 total=0 counter=000 entry=0 pending=+"_s;
    QCOMPARE(m.states(reset), reset);
}

void TestCalculator::capacityQuestion_data()
{
    QTest::addColumn<int>("totals"); // each "1+=" writes 4 lines of 28 characters
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asked");
    QTest::newRow("exactly 21000 characters") << 187 << true << false;
    QTest::newRow("over 21000, No keeps the list") << 188 << false << true;
    QTest::newRow("over 21000, Yes clears with backup") << 188 << true << true;
}

void TestCalculator::capacityQuestion()
{
    QFETCH(int, totals);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);
    Machine m(QString{});
    m.port.answerYes = answerYes;
    m.type(u"1+="_s.repeated(totals));
    const int written = HeaderChars + totals * 4 * tape::LineLength;
    QCOMPARE(m.port.questions.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY(m.port.questions.first().startsWith(u"Calculation's list is full."_s));
    const bool cleared = asked && answerYes;
    QCOMPARE(m.port.backups.size(), cleared ? 1 : 0);
    QCOMPARE(m.calc.list().size(), cleared ? HeaderChars : written);
    if (cleared)
        QCOMPARE(m.port.backups.first().size(), written);
}

void TestCalculator::reenterFromList_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("word"); // as the double-click selects it, with its blank
    QTest::addColumn<int>("line");     // the line of the tail it is on, from 1
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("selected");

    // The number comes back through the format's picture, which in the Standard format
    // keeps a trailing separator ("12.").
    QTest::newRow("number, result mode") << "" << "5+12+" << "12 " << 2 << "5 +|12 +|12. +" << "total=29 counter=003"
                                         << "12 +";
    QTest::newRow("number, add mode, 0,00") << "20 add" << "5{Enter}12{Enter}" << "12.00 " << 2
                                            << "5.00 +|12.00 +|12.00 +" << "total=29.00 counter=003" << "12.00 +";
    QTest::newRow("time value switches time mode on")
        << "" << "{Time}13000+{Time}5+" << "01:30:00 " << 1
        << "01:30:00 =|001|01:30:00 T|===|5 =|001|5 T|===|01:30:00 +" << "timemode=on time=01:30:00 counter=001"
        << "01:30:00 =";
    QTest::newRow("marker does nothing") << "" << "5+" << "+ " << 1 << "5 +" << "total=5 counter=001" << "";
}

void TestCalculator::reenterFromList()
{
    QFETCH(QString, options);
    QFETCH(QString, keys);
    QFETCH(QString, word);
    QFETCH(int, line);
    QFETCH(QString, tape);
    QFETCH(QString, state);
    QFETCH(QString, selected);
    Machine m(options);
    m.type(keys);
    const int start = int(m.calc.list().indexOf(word.trimmed(), HeaderChars + (line - 1) * tape::LineLength));
    m.calc.reenterFromList(word, start);
    QCOMPARE(m.tail(), tapeText(tape).split(u"\r\n"_s));
    QCOMPARE(m.states(state), state);
    if (!selected.isEmpty()) {
        QCOMPARE(m.calc.listSelectionStart(), start);
        QCOMPARE(m.calc.list().mid(start, m.calc.listSelectionLength()).trimmed(), selected);
    }
}

void TestCalculator::formatSwitchLeavesTimeMode()
{
    Machine m(QString{});
    m.type(u"{Time}130+"_s);
    m.calc.chooseNumberFormat(20);
    QVERIFY(!m.calc.timeMode());
    QCOMPARE(m.tail(), tapeText(u"00:01:30 =|001|00:01:30 T|==="_s).split(u"\r\n"_s));
    QCOMPARE(m.calc.display(), u"0.00"_s);
    QCOMPARE(m.port.settings, QStringList{u"format 20"_s});
}

void TestCalculator::enterKeyFunction()
{
    RecordingPort port;
    Calculator calc(port);
    calc.setInteractive(true);
    calc.mnuEnter_Click();
    QVERIFY(calc.addMode());
    calc.mnuEnter_Click(); // already checked: nothing stored again
    calc.mnuIgual_Click();
    QVERIFY(!calc.addMode());
    calc.mnuEnter_Click();
    QCOMPARE(port.settings, QStringList({u"add on Enter"_s, u"total on Enter"_s, u"add on Enter"_s}));
    const QString note = u"You have just set calculator to ADD when ENTER key is pressed!\r\n\r\n"
                         u"To get calculation's TOTAL press = or NUMLOCK of the numeric keypad.\r\n\r\n"
                         u"Keys + (plus) and - (minus) now convert the typed number into a positive or a negative "
                         u"one. To insert it in the calculation press ENTER.\r\n\r\n"
                         u"NOTE: If HotKeys are activated then CTRL+ALT+ENTER = Calculation's Total."_s;
    QCOMPARE(port.notes, QStringList{note});
}

void TestCalculator::addModeAtLoadShowsNoNote()
{
    RecordingPort port;
    Calculator calc(port);
    calc.mnuEnter_Click();
    calc.setInteractive(true);
    calc.mnuIgual_Click();
    calc.mnuEnter_Click();
    QVERIFY(calc.addMode());
    QVERIFY(port.notes.isEmpty());
}

void TestCalculator::listOperations_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const QString none = u"none"_s;
    const QString value22 = u"1,234,567,890,123.4567"_s;
    const QString value25 = u"-12,345,678,901,234.5678"_s + u'9';
    const QString items = tapeText(u"5 +|3 +"_s);
    // The list after a write, or "none" when the write cannot be made.
    const auto after = [&none](const QString& list, const std::optional<tape::TailEdit>& edit) {
        return edit ? list.left(edit->from) + edit->text : none;
    };

    QTest::newRow("22-char value gets 2 spaces")
        << after({}, tape::withItemLine({}, value22, tape::marker::Plus)) << u"  "_s + value22 + u" +\r\n"_s;
    QTest::newRow("25-char value is refused")
        << after(items, tape::withItemLine(items, value25, tape::marker::Plus)) << none;
    QTest::newRow("count above 999 is 27 columns") << tape::countLine(u"1000"_s) << u" 1000"_s + QString(22, u' ');
    QTest::newRow("21-char total") << tape::totalLine(value22.mid(1)) << u"   "_s + value22.mid(1) + u" T"_s;
    QTest::newRow("22-char total cut with E") << tape::totalLine(value22) << u"  "_s + value22 + u" E"_s;
    QTest::newRow("25-char total cut with E") << tape::totalLine(value25) << u"  "_s + value25.left(22) + u" E"_s;
    QTest::newRow("replace last marker") << after(items, tape::withLastMarker(items, tape::marker::Minus))
                                         << tapeText(u"5 +|3 -"_s);
    QTest::newRow("label the last line") << after(items, tape::withLastLineLabel(items, u"lunch"_s))
                                         << tapeText(u"5 +|LUNCH                 3 +"_s);
    QTest::newRow("remove the last line") << after(items, tape::withoutLastLine(items)) << tapeText(u"5 +"_s);
    QTest::newRow("tail of a separator")
        << tails(tapeText(u"5 +|3 =|002|8 T|==="_s)) << u"closed separator editable equals tool"_s;
    QTest::newRow("tail of a + item line") << tails(items) << QString();
    QTest::newRow("tail of a = item line") << tails(tapeText(u"3 ="_s)) << u"equals"_s;
}

void TestCalculator::listOperations()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

QTEST_GUILESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
