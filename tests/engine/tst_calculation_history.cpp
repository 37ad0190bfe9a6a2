// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "calculation_history.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

// Item lines as the list holds them: 26 columns and CR LF.
const QString PlusLine = u"                  1,234 +\r\n"_s.rightJustified(28);
const QString LabelledLine = u"    RENT           1,234 +\r\n"_s;

// The counter moving on from a shown calculator that has counted items.
void count(CalculationHistory& history, const QString& total, Operator pendingOperator)
{
    history.counterChanged(total, pendingOperator, true, false);
}

QString undo(CalculationHistory& history, const QString& line = PlusLine, Operator pendingOperator = Operator::Plus)
{
    history.beginUndo(line, pendingOperator);
    const auto step = history.takeUndo();
    history.endUndo();
    return step ? step->total + u' ' + operatorText(step->pendingOperator) : u"none"_s;
}

} // namespace

class TestCalculationHistory : public QObject {
    Q_OBJECT

private slots:
    void undoGoesBackThroughTheKeptTotals();
    void aTotalKeptWithNoOperatorKeepsNone();
    void undoNeedsACountedItemAndAShownCalculator_data();
    void undoNeedsACountedItemAndAShownCalculator();
    void countsDuringAnUndoAreNoHistory();
    void eachCountUsesUpOneRedo();
    void redoStep_data();
    void redoStep();
    void clearEmptiesBoth();
};

void TestCalculationHistory::undoGoesBackThroughTheKeptTotals()
{
    CalculationHistory history;
    count(history, u" 0"_s, Operator::Plus);
    count(history, u"5"_s, Operator::Times);
    count(history, u"40 "_s, Operator::Minus);
    QVERIFY(history.undoEnabled());
    QCOMPARE(undo(history), u"40 -"_s);
    QCOMPARE(undo(history), u"5 *"_s);
    QVERIFY(history.undoEnabled());
    QCOMPARE(undo(history), u"0 +"_s);
    QVERIFY(!history.undoEnabled());
    QVERIFY(history.redoEnabled());
}

// The operators are kept apart from the totals: a count with no operator pending (just after
// a total) keeps a total but no operator, so the undo to it takes the operator kept before.
void TestCalculationHistory::aTotalKeptWithNoOperatorKeepsNone()
{
    CalculationHistory history;
    count(history, u"0"_s, Operator::Plus);
    count(history, u"5"_s, Operator::None);
    QCOMPARE(undo(history), u"5 +"_s);
    QCOMPARE(undo(history), u"0 "_s);
}

void TestCalculationHistory::undoNeedsACountedItemAndAShownCalculator_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("counterIsZero");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("shown, items counted") << true << false << true;
    QTest::newRow("counter back at zero") << true << true << false;
    QTest::newRow("hidden calculator keeps no totals") << false << false << false;
}

void TestCalculationHistory::undoNeedsACountedItemAndAShownCalculator()
{
    QFETCH(bool, shown);
    QFETCH(bool, counterIsZero);
    QFETCH(bool, enabled);

    CalculationHistory history;
    history.counterChanged(u"0"_s, Operator::Plus, shown, counterIsZero);
    QCOMPARE(history.undoEnabled(), enabled);
}

void TestCalculationHistory::countsDuringAnUndoAreNoHistory()
{
    CalculationHistory history;
    count(history, u"0"_s, Operator::Plus);
    count(history, u"7"_s, Operator::Plus);
    history.beginUndo(PlusLine, Operator::Plus);
    // The counter steps back while the line goes: neither a kept total nor a used-up redo.
    count(history, u"99"_s, Operator::Minus);
    const auto step = history.takeUndo();
    history.endUndo();
    QVERIFY(step);
    QCOMPARE(step->total, u"7"_s);
    QVERIFY(history.redoStep(false));
    QCOMPARE(undo(history), u"0 +"_s);
}

void TestCalculationHistory::eachCountUsesUpOneRedo()
{
    CalculationHistory history;
    for (const QString& total : {u"0"_s, u"1"_s, u"2"_s})
        count(history, total, Operator::Plus);
    undo(history, PlusLine, Operator::Minus);
    undo(history, LabelledLine, Operator::Divide);
    QCOMPARE(history.redoStep(false)->pendingOperator, Operator::Divide);
    count(history, u"1"_s, Operator::Plus);
    QVERIFY(history.redoEnabled());
    QCOMPARE(history.redoStep(false)->pendingOperator, Operator::Minus);
    count(history, u"2"_s, Operator::Plus);
    QVERIFY(!history.redoEnabled());
    QVERIFY(!history.redoStep(false));
}

void TestCalculationHistory::redoStep_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("labelled");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("label");

    QTest::newRow("plain line") << PlusLine << false << u"                  1,234"_s << QString();
    QTest::newRow("labelled line") << LabelledLine << true << u"      1,234"_s << u"   RENT     "_s;
    QTest::newRow("plain line read as labelled") << PlusLine << true << u"      1,234"_s << QString(12, u' ');
}

void TestCalculationHistory::redoStep()
{
    QFETCH(QString, line);
    QFETCH(bool, labelled);
    QFETCH(QString, value);
    QFETCH(QString, label);

    CalculationHistory history;
    count(history, u"0"_s, Operator::Plus);
    undo(history, line, Operator::Times);
    const auto step = history.redoStep(labelled);
    QVERIFY(step);
    QCOMPARE(step->value, value);
    QCOMPARE(step->label, label);
    QCOMPARE(step->pendingOperator, Operator::Times);
}

void TestCalculationHistory::clearEmptiesBoth()
{
    CalculationHistory history;
    count(history, u"0"_s, Operator::Plus);
    count(history, u"3"_s, Operator::Plus);
    undo(history);
    history.clear();
    QVERIFY(!history.undoEnabled());
    QVERIFY(!history.redoEnabled());
    QVERIFY(!history.redoStep(false));
    history.beginUndo(PlusLine, Operator::Plus);
    QVERIFY(!history.takeUndo());
    history.endUndo();
}

QTEST_GUILESS_MAIN(TestCalculationHistory)
#include "tst_calculation_history.moc"
