// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "calculation_list.h"
#include "calculator.h"
#include "clipboard_reading.h"
#include "clipboard_taker.h"
#include "message_catalogue.h"
#include "tape_text.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

constexpr int HeaderChars = 2 * tape::LineLength;

// One clipboard for the monitor's writes and the calculator's totals.
class FakeClipboard : public CalculatorPort, public ClipboardPort {
public:
    QDate today() const override { return QDate(2026, 12, 9); }
    QString clipboardText() const override { return text; }
    void setClipboardText(const QString& t) override
    {
        if (!keepsOnWrite)
            text = t;
    }
    void clearClipboard() override
    {
        if (!keepsOnClear && !keepsOnWrite)
            text.clear();
    }
    bool askYesNo(const QString& question) override
    {
        questions.append(question);
        return false;
    }

    QString text;
    QStringList questions;
    // Another program's selection survives clearing, as under a Wayland session, or every
    // write of the calculator.
    bool keepsOnClear = false;
    bool keepsOnWrite = false;
};

// A visible calculator on a cleared list. Options are words: "add" (Add mode), "comma"
// (decimal comma), "time" (time mode), or a number format index.
struct Monitored {
    explicit Monitored(const QString& options)
    {
        int format = StandardFormatIndex;
        for (const QString& word : options.split(u' ', Qt::SkipEmptyParts)) {
            if (word == u"comma")
                calc.setNumberLocale(NumberLocale::withDecimal(u','));
            else if (word != u"add" && word != u"time")
                format = word.toInt();
        }
        calc.chooseNumberFormat(format);
        if (options.contains(u"add"))
            calc.mnuEnter_Click();
        calc.setInteractive(true);
        calc.clearList();
        if (options.contains(u"time"))
            calc.mnuTempo_Click();
    }

    // The user copies `text` in another program; the monitor reads it.
    ClipboardReading copy(const QString& text)
    {
        clipboard.text = text;
        return readClipboard(calc, clipboard, text);
    }

    // The monitor reads the clipboard after a change: `text` is a new copy, an empty text a
    // change that left the selection as it was (the program's own write, or the selection
    // offered again when the window takes the focus).
    ClipboardReading change(const QString& text)
    {
        if (!text.isEmpty())
            clipboard.text = text;
        return taker.read(calc, clipboard);
    }

    QString tail() const { return calc.list().mid(calc.list().indexOf(tape::Separator) + tape::LineLength); }

    FakeClipboard clipboard;
    Calculator calc{clipboard};
    ClipboardTaker taker;
};

} // namespace

class TestClipboardReading : public QObject {
    Q_OBJECT

private slots:
    void copies_data();
    void copies();
    void copiedFromTheList();
    void previousClipboardIsIgnored();
    void longColumns_data();
    void longColumns();
    void tooLongCopyAddsNothing();
    void eachCopyIsTakenOnce_data();
    void eachCopyIsTakenOnce();
    void switchingOnPassesOverTheClipboard_data();
    void switchingOnPassesOverTheClipboard();
};

void TestClipboardReading::copies_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("copies");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<ClipboardReading>("reading");

    const auto taken = ClipboardReading::Taken;
    const auto ignored = ClipboardReading::Ignored;
    QTest::newRow("single number is added and leaves the clipboard")
        << "" << QStringList{u"125.50"_s} << "125.5 +" << "" << taken;
    QTest::newRow("single number with blanks and a line break")
        << "" << QStringList{u"  42\r\n"_s} << "42 +" << "" << taken;
    QTest::newRow("decimal comma, result mode")
        << "comma 20" << QStringList{u"125,50"_s} << "125,50 +" << "" << taken;
    QTest::newRow("grouped single number")
        << "" << QStringList{u"1,234.50"_s} << "1,234.5 +" << "" << taken;
    QTest::newRow("grouped single number, decimal comma")
        << "comma 20" << QStringList{u"1.234,50"_s} << "1.234,50 +" << "" << taken;
    QTest::newRow("the same number copied again is added again")
        << "" << QStringList{u"7"_s, u"7"_s} << "7 +|7 +" << "" << taken;
    QTest::newRow("column with CR LF")
        << "" << QStringList{u"10\r\n20\r\n30"_s} << "10 +|20 +|30 =|003|60 T|===" << "60" << taken;
    QTest::newRow("column with LF only")
        << "" << QStringList{u"10\n20\n30\n"_s} << "10 +|20 +|30 =|003|60 T|===" << "60" << taken;
    QTest::newRow("column in add mode")
        << "add" << QStringList{u"10\r\n20\r\n30"_s} << "10 +|20 +|30 =|003|60 T|===" << "60" << taken;
    QTest::newRow("the total put on the clipboard is not taken up again")
        << "" << QStringList{u"10\r\n20\r\n30"_s, u"60"_s} << "10 +|20 +|30 =|003|60 T|===" << "60" << ignored;
    QTest::newRow("two columns multiply row by row, products left")
        << "20" << QStringList{u"2\t3\r\n4\t5\r\n"_s} << "6.00 +|20.00 =|002|26.00 T|===" << "6.00\r\n20.00\r\n"
        << taken;
    QTest::newRow("two columns with LF only")
        << "" << QStringList{u"2\t3\n4\t5"_s} << "6 +|20 =|002|26 T|===" << "6.00\r\n20.00\r\n" << taken;
    QTest::newRow("labels before the numbers are passed over")
        << "" << QStringList{u"Rice 2\r\nBeans:  1,000.5\r\n"_s} << "2 +|1,000.5 =|002|1,002.5 T|==="
        << "1,002.5" << taken;
    QTest::newRow("a heading line adds nothing")
        << "" << QStringList{u"Item\r\n5\r\n"_s} << "5 =|001|5 T|===" << "5" << taken;
    QTest::newRow("a line whose tail is no number does not repeat the line before")
        << "" << QStringList{u"5\r\n5-3\r\n2"_s} << "5 +|2 =|002|7 T|===" << "7" << taken;
    QTest::newRow("zero lines add nothing")
        << "" << QStringList{u"0\r\n4"_s} << "4 =|001|4 T|===" << "4" << taken;
    QTest::newRow("text ending in words adds nothing")
        << "" << QStringList{u"Total: 99"_s} << "" << "Total: 99" << ignored;
    QTest::newRow("text in brackets is ignored") << "" << QStringList{u"(12)"_s} << "" << "(12)" << ignored;
    QTest::newRow("empty clipboard is ignored") << "" << QStringList{QString()} << "" << "" << ignored;
    QTest::newRow("three columns are no valid selection")
        << "" << QStringList{u"1\t2\t3"_s} << "" << "" << ClipboardReading::InvalidSelection;
    QTest::newRow("a later row of three columns is no valid selection, earlier rows stay")
        << "" << QStringList{u"2\t3\r\n4\t5\t6\r\n"_s} << "6 +" << "" << ClipboardReading::InvalidSelection;
    QTest::newRow("time mode enters a copied time")
        << "time" << QStringList{u"1:30:45"_s} << "01:30:45 +" << "" << taken;
    QTest::newRow("time mode clears a copied number and adds nothing")
        << "time" << QStringList{u"5"_s} << "" << "" << ignored;
    QTest::newRow("time mode clears several lines and adds nothing")
        << "time" << QStringList{u"1:00:00\r\n2:00:00"_s} << "" << "" << ignored;
}

void TestClipboardReading::copies()
{
    QFETCH(QString, options);
    QFETCH(QStringList, copies);
    QFETCH(QString, tape);
    QFETCH(QString, clipboard);
    QFETCH(ClipboardReading, reading);

    Monitored m(options);
    ClipboardReading last = ClipboardReading::Ignored;
    for (const QString& text : copies)
        last = m.copy(text);
    QCOMPARE(m.tail(), tapeText(tape));
    QCOMPARE(m.clipboard.text, clipboard);
    QCOMPARE(last, reading);
    QVERIFY(m.calc.PendingClipboardText().isEmpty());
}

void TestClipboardReading::copiedFromTheList()
{
    Monitored m{QString()};
    int code = '5';
    m.calc.Form_KeyPress(code);
    m.copy(u"8"_s);
    const QString before = m.calc.list();
    const qsizetype at = before.lastIndexOf(u"8 +"_s);
    m.calc.setListSelection(int(at), 1);
    QCOMPARE(m.copy(u"8"_s), ClipboardReading::CopiedFromList);
    QCOMPARE(m.calc.list(), before);
    QCOMPARE(m.calc.LastClipboardText(), u"8"_s);
}

// What was on the clipboard when the calculator opened is remembered and never added.
void TestClipboardReading::previousClipboardIsIgnored()
{
    Monitored m{QString()};
    m.calc.setLastClipboardText(u"a\tb"_s);
    QCOMPARE(m.copy(u"a\tb"_s), ClipboardReading::Ignored);
    m.calc.setLastClipboardText(u"12"_s);
    QCOMPARE(m.copy(u"12.00"_s), ClipboardReading::Ignored);
    QCOMPARE(m.tail(), QString());
}

namespace {

QString column(int from, int to)
{
    QString text;
    for (int n = from; n <= to; ++n)
        text += QString::number(n) + u"\r\n"_s;
    return text;
}

} // namespace

void TestClipboardReading::longColumns_data()
{
    QTest::addColumn<int>("alreadyListed");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("total");

    QTest::newRow("a thousand lines") << 0 << 1000 << u"500,500"_s;
    QTest::newRow("two thousand lines, past the list's capacity") << 0 << 2000 << u"2,001,000"_s;
    QTest::newRow("ten lines onto a list of 45,000 characters") << 1600 << 10 << u"55"_s;
    QTest::newRow("as many lines as one copy takes") << 0 << int(MaxCopiedItems) << u"50,005,000"_s;
}

// A column is added whole however far past its capacity the list grows; the total then
// asks to clear the list, as the = key does.
void TestClipboardReading::longColumns()
{
    QFETCH(int, alreadyListed);
    QFETCH(int, lines);
    QFETCH(QString, total);
    Monitored m{QString()};
    if (alreadyListed > 0)
        QCOMPARE(m.copy(column(1, alreadyListed) + u"x"_s), ClipboardReading::Taken);
    const qsizetype listedBefore = m.calc.list().size();
    m.clipboard.questions.clear();

    QCOMPARE(m.copy(column(1, lines)), ClipboardReading::Taken);
    QCOMPARE(m.clipboard.text, total);
    // The count line holds the number of items added.
    const QString added = m.calc.list().mid(listedBefore);
    QVERIFY(added.endsWith(tapeText(QString::number(lines).rightJustified(3, u'0') + u'|' + total + u" T|==="_s)));
    QCOMPARE(m.clipboard.questions,
             m.calc.list().size() > tape::CapacityChars ? QStringList{LoadMessage(Message::ListFull)} : QStringList());
}

// More numbers than one copy takes: nothing is added, and the same text copied again is
// not counted a second time.
void TestClipboardReading::tooLongCopyAddsNothing()
{
    Monitored m{QString()};
    const QString list = m.calc.list();
    const QString huge = column(1, int(MaxCopiedItems) + 1);
    QCOMPARE(m.copy(huge), ClipboardReading::TooLong);
    QCOMPARE(m.calc.list(), list);
    QCOMPARE(m.clipboard.text, huge);
    QCOMPARE(m.copy(huge), ClipboardReading::Ignored);
    QCOMPARE(m.copy(u"1\r\n"_s.repeated(3'500'000)), ClipboardReading::TooLong);
    QCOMPARE(m.calc.list(), list);
}

void TestClipboardReading::eachCopyIsTakenOnce_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<int>("rejected");

    const QStringList again(100, QString());
    QTest::newRow("cleared: the same number copied again is added again")
        << "" << QStringList{u"77"_s, {}, {}, u"77"_s, {}} << "77 +|77 +" << 0;
    QTest::newRow("not cleared: a number offered again and again is added once")
        << "keepsOnClear" << QStringList{u"77"_s} + again << "77 +" << 0;
    QTest::newRow("not cleared: a different number is taken")
        << "keepsOnClear" << QStringList{u"77"_s, {}, u"88"_s, {}} << "77 +|88 +" << 0;
    QTest::newRow("not cleared: a number copied again after another is added again")
        << "keepsOnClear" << QStringList{u"77"_s, u"88"_s, {}, u"77"_s, {}} << "77 +|88 +|77 +" << 0;
    QTest::newRow("not cleared: a column and its total are taken once")
        << "keepsOnClear" << QStringList{u"10\r\n20"_s, {}, {}} << "10 +|20 =|002|30 T|===" << 0;
    QTest::newRow("not written: a column offered again is totalled once")
        << "keepsOnWrite" << QStringList{u"10\r\n20"_s} + again << "10 +|20 =|002|30 T|===" << 0;
    QTest::newRow("not cleared: an invalid selection is reported once")
        << "keepsOnClear" << QStringList{u"1\t2\t3"_s} + again << "" << 1;
    QTest::newRow("cleared: an invalid selection copied again is reported again")
        << "" << QStringList{u"1\t2\t3"_s, {}, u"1\t2\t3"_s} << "" << 2;
}

// Whether or not the clipboard can be cleared, one copy adds its numbers once, and the
// same selection read again after later changes adds nothing.
void TestClipboardReading::eachCopyIsTakenOnce()
{
    QFETCH(QString, clipboard);
    QFETCH(QStringList, changes);
    QFETCH(QString, tape);
    QFETCH(int, rejected);

    Monitored m{QString()};
    m.clipboard.keepsOnClear = clipboard == u"keepsOnClear";
    m.clipboard.keepsOnWrite = clipboard == u"keepsOnWrite";
    int reports = 0;
    for (const QString& text : changes) {
        if (m.change(text) == ClipboardReading::InvalidSelection)
            ++reports;
    }
    QCOMPARE(m.tail(), tapeText(tape));
    QCOMPARE(reports, rejected);
}

void TestClipboardReading::switchingOnPassesOverTheClipboard_data()
{
    QTest::addColumn<bool>("keepsOnClear");
    QTest::newRow("cleared") << false;
    QTest::newRow("not cleared") << true;
}

// What the clipboard holds when the monitor is switched on is not added, however often it
// is read; the next copy is.
void TestClipboardReading::switchingOnPassesOverTheClipboard()
{
    QFETCH(bool, keepsOnClear);
    Monitored m{QString()};
    m.clipboard.keepsOnClear = keepsOnClear;
    m.clipboard.text = u"77"_s;
    m.taker.passOver(m.clipboard);
    QCOMPARE(m.change({}), ClipboardReading::Ignored);
    QCOMPARE(m.change({}), ClipboardReading::Ignored);
    QCOMPARE(m.change(u"88"_s), ClipboardReading::Taken);
    QCOMPARE(m.tail(), tapeText(u"88 +"_s));
}

QTEST_GUILESS_MAIN(TestClipboardReading)
#include "tst_clipboard_reading.moc"
