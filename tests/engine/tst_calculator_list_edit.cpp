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

const QString SavingAccount = interestReport({u"INITIAL VALUE "_s, u"1,000.00"_s, u"NUMBER OF DAYS "_s, u"45"_s,
                                      u"FINAL AMOUNT "_s, u"1,030.20"_s, u"TOTAL INTEREST AMOUNT "_s, u"30.20"_s});
const QString Installments = interestReport({u"INITIAL VALUE "_s, u"1,000.00"_s, u"TOTAL INTEREST AMOUNT "_s, u"50.39"_s,
                                     u"FINAL AMOUNT "_s, u"1,050.39"_s});

// A shown calculator on a cleared list, driven by steps: "keys:<tape keys>", "edit",
// "type:<text>" (at the caret), "caret:<from the end>", "backspace", "enter", "leave", "clip:<text>".
struct Machine {
    Machine()
    {
        calc.setInteractive(true);
        calc.clearList();
    }

    void run(const QString& step)
    {
        const QString command = step.section(u':', 0, 0);
        const QString argument = step.section(u':', 1);
        if (command == u"keys") {
            QString error;
            const auto steps = parseTapeKeys(argument, error);
            QVERIFY2(steps, qPrintable(error));
            runTapeSteps(calc, *steps, closed);
        } else if (command == u"edit") {
            const EditCommandResult result = calc.mnuEditar_Click();
            editResults << (result == EditCommandResult::Started ? u"started"_s
                                : result == EditCommandResult::Ended ? u"ended"_s
                                                                     : u"not editable"_s);
        } else if (command == u"type") {
            calc.editList(calc.listSelectionStart(), calc.listSelectionLength(), argument);
        } else if (command == u"caret") {
            calc.setListSelection(int(calc.list().size()) + argument.toInt(), 0);
        } else if (command == u"backspace") {
            calc.editList(calc.listSelectionStart() - 1, 1, QString());
        } else if (command == u"enter") {
            calc.listEnterKey();
        } else if (command == u"leave") {
            calc.listLostFocus();
        } else if (command == u"clip") {
            port.clipboard = argument;
        }
    }

    StringClipboardPort port;
    Calculator calc{port};
    bool closed = false;
    QStringList editResults;
};

// The list's lines, "|" for each CR LF.
QString shown(const QString& text)
{
    return QString(text).replace(tape::LineBreak, u"|"_s);
}

const QString Sep = tape::Separator + u'|';

} // namespace

class TestCalculatorListEdit : public QObject {
    Q_OBJECT

private slots:
    void freeText_data();
    void freeText();
    void search_data();
    void search();
    void groupTotals_data();
    void groupTotals();
    void copyDisplay();
};

void TestCalculatorListEdit::freeText_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("added"); // what the steps added to the list after the keys
    QTest::addColumn<QString>("results"); // of the edit commands, then edit mode, total, counter

    QTest::newRow("edit right after a total")
        << "5+3=" << QStringList{u"edit"_s, u"type:Paid"_s, u"enter"_s, u"type:in cash"_s, u"leave"_s}
        << u" Paid | in cash |"_s + Sep << "started off 0 000";
    QTest::newRow("a number typed after the total counts once")
        << "5+3=7" << QStringList{u"edit"_s, u"leave"_s, u"keys:+2="_s}
        << Sep + tapeText(u"7 +|2 =|002|9 T|==="_s, u"|"_s) << "started off 0 000";
    QTest::newRow("edit while calculating changes nothing")
        << "5+3" << QStringList{u"edit"_s} << "" << "not editable off 5 001";
    QTest::newRow("a line takes 24 characters, Enter starts one at the end")
        << "" << QStringList{u"edit"_s, u"type:123456789012345678901234567"_s, u"caret:-3"_s, u"enter"_s, u"type:x"_s}
        << " 123456789012345678901234 | x" << "started on 0 000";
    QTest::newRow("double quotes dropped, pasted lines in CR LF")
        << "" << QStringList{u"edit"_s, u"type:say \"hi\"\nb\rc"_s, u"leave"_s} << u" say hi|b|c |"_s + Sep
        << "started off 0 000";
    QTest::newRow("backspace takes a CR LF whole")
        << "" << QStringList{u"edit"_s, u"type:ab"_s, u"enter"_s, u"backspace"_s, u"backspace"_s, u"type:c"_s}
        << " ab c" << "started on 0 000";
    QTest::newRow("leaving at once closes with one separator")
        << "" << QStringList{u"edit"_s, u"leave"_s} << Sep << "started off 0 000";
    QTest::newRow("edit again ends edit mode")
        << "" << QStringList{u"edit"_s, u"clip:42"_s, u"edit"_s} << Sep << "started ended off 0 000";
    QTest::newRow("a key for the dispatcher closes the free text first")
        << "" << QStringList{u"edit"_s, u"type:note"_s, u"keys:5+"_s} << u" note |"_s + Sep + tapeText(u"5 +"_s, u"|"_s)
        << "started off 5 001";
}

void TestCalculatorListEdit::freeText()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, steps);
    QFETCH(QString, added);
    QFETCH(QString, results);

    Machine machine;
    machine.run(u"keys:"_s + keys);
    const QString before = machine.calc.list();
    QSignalSpy saved(&machine.calc, &Calculator::calculationClosed);
    for (const QString& step : steps)
        machine.run(step);

    QCOMPARE(shown(machine.calc.list().mid(before.size())), added);
    // Notes that went into the list for good are saved as a total is.
    if (machine.editResults.contains(u"started"_s) && !machine.calc.editMode())
        QVERIFY(saved.count() >= 1);
    QCOMPARE(machine.editResults.join(u' ') + u' ' + (machine.calc.editMode() ? u"on"_s : u"off"_s) + u' '
                 + machine.calc.total() + u' ' + machine.calc.counter(),
             results);
    if (steps.contains(u"clip:42"_s))
        QCOMPARE(machine.calc.LastClipboardText(), u"42"_s);
}

void TestCalculatorListEdit::search_data()
{
    QTest::addColumn<QStringList>("answers"); // "<lost>" takes the focus from the list
    QTest::addColumn<QStringList>("found");   // "line n: the selected text", or the result

    QTest::newRow("total finds TOTAL, again the next")
        << QStringList{u"total"_s, u"total"_s, u"total"_s}
        << QStringList{u"line 7: TOTAL"_s, u"line 9: TOTAL"_s, u"not found"_s};
    QTest::newRow("after the focus left, from the top")
        << QStringList{u"total"_s, u"<lost>"_s, u"total"_s} << QStringList{u"line 7: TOTAL"_s, u"line 7: TOTAL"_s};
    QTest::newRow("a new text from the top, blanks dropped")
        << QStringList{u"total"_s, u"total"_s, u" 1,0 "_s}
        << QStringList{u"line 7: TOTAL"_s, u"line 9: TOTAL"_s, u"line 2: 1,0"_s};
    QTest::newRow("no answer ends the search and forgets the text")
        << QStringList{u"total"_s, u" "_s, u"total"_s}
        << QStringList{u"line 7: TOTAL"_s, u"no text"_s, u"line 7: TOTAL"_s};
}

void TestCalculatorListEdit::search()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, found);

    Machine machine;
    machine.run(u"keys:1000+="_s);
    machine.calc.setList(machine.calc.list()
                         + interestReport({u"TOTAL INTEREST AMOUNT "_s, u"50.39"_s, u"TOTAL INTEREST AMOUNT "_s, u"60.00"_s}));
    QStringList results;
    for (const QString& answer : answers) {
        if (answer == u"<lost>") {
            machine.calc.listLostFocus();
            continue;
        }
        const SearchResult result = machine.calc.mnuLocalizar_Click(answer);
        const QString& list = machine.calc.list();
        const int start = machine.calc.listSelectionStart();
        results << (result == SearchResult::NoText ? u"no text"_s
                        : result == SearchResult::NotFound
                        ? u"not found"_s
                        : u"line %1: %2"_s.arg(list.left(start).count(tape::LineBreak))
                              .arg(list.mid(start, machine.calc.listSelectionLength())));
    }
    QCOMPARE(results, found);
}

void TestCalculatorListEdit::groupTotals_data()
{
    QTest::addColumn<QString>("reports");
    QTest::addColumn<QString>("keys");    // typed after the reports
    QTest::addColumn<QString>("closing"); // what the running calculation's total wrote
    QTest::addColumn<QStringList>("sums"); // initial value, interest, final amount; none: failed

    QTest::newRow("two reports summed") << SavingAccount + Installments << "" << ""
                                        << QStringList{u"2,000.00"_s, u"80.59"_s, u"2,080.59"_s};
    QTest::newRow("no report shows 0.00 three times")
        << "" << "" << "" << QStringList{u"0.00"_s, u"0.00"_s, u"0.00"_s};
    QTest::newRow("the running calculation is totalled first")
        << SavingAccount << "7+" << tapeText(u"7 =|001|7 T|==="_s, u"|"_s)
        << QStringList{u"1,000.00"_s, u"30.20"_s, u"1,030.20"_s};
    QTest::newRow("an unreadable amount fails")
        << SavingAccount + interestReport({u"INITIAL VALUE "_s, u"Erro"_s, u"TOTAL INTEREST AMOUNT "_s, u"1"_s,
                                   u"FINAL AMOUNT "_s, u"1"_s})
        << "" << "" << QStringList{};
    QTest::newRow("a report without its final amount fails")
        << interestReport({u"INITIAL VALUE "_s, u"1"_s, u"TOTAL INTEREST AMOUNT "_s, u"1"_s}) << "" << "" << QStringList{};
    QTest::newRow("a list of more than 32,767 characters fails")
        << QString(33000, u'x') + tape::LineBreak << "" << "" << QStringList{};
}

void TestCalculatorListEdit::groupTotals()
{
    QFETCH(QString, reports);
    QFETCH(QString, keys);
    QFETCH(QString, closing);
    QFETCH(QStringList, sums);

    Machine machine;
    machine.calc.setList(machine.calc.list() + reports);
    machine.run(u"keys:"_s + keys);
    const QString before = machine.calc.list();

    QCOMPARE(machine.calc.mnuAgrupar_Click(), !sums.isEmpty());
    if (sums.isEmpty()) {
        QCOMPARE(machine.calc.list(), before);
        return;
    }
    QString block = closing + u"     CAPITALIZATION TOTAL:| -------------------------|"_s;
    const QStringList labels{u"INITIAL VALUE:"_s, u"TOTAL INTEREST:"_s, u"FINAL AMOUNT:"_s};
    for (int i = 0; i < 3; ++i)
        block += labels[i].rightJustified(26) + u'|' + QString(sums[i] + u' ').rightJustified(26) + u'|';
    QVERIFY2(shown(machine.calc.list()).endsWith(block + Sep), qPrintable(shown(machine.calc.list())));
    QCOMPARE(machine.calc.display() + machine.calc.total() + machine.calc.counter(), u"00000"_s);
    // The block's own labels are not those of a report: grouping again sums the same.
    QVERIFY(machine.calc.mnuAgrupar_Click());
    QVERIFY(shown(machine.calc.list()).endsWith(block.mid(closing.size()) + Sep));
}

void TestCalculatorListEdit::copyDisplay()
{
    Machine machine;
    machine.run(u"keys:1234.5"_s);
    machine.calc.mnuCopiar_Click();
    QCOMPARE(machine.port.clipboard, u"1,234.5"_s);
    QCOMPARE(machine.calc.LastClipboardText(), u"1,234.5"_s);
    machine.run(u"keys:{Time}130"_s);
    machine.calc.mnuCopiar_Click();
    QCOMPARE(machine.calc.LastClipboardText(), u"00:01:30"_s);
}

QTEST_GUILESS_MAIN(TestCalculatorListEdit)
#include "tst_calculator_list_edit.moc"
