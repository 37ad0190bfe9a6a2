// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "operators.h"

using namespace numerette;
using namespace Qt::StringLiterals;

class TestOperators : public QObject {
    Q_OBJECT

private slots:
    void storedText_data();
    void storedText();
    void foreignTextIsNoOperator_data();
    void foreignTextIsNoOperator();
};

// Every operator with the text the state file and the tape's state have always held for it.
void TestOperators::storedText_data()
{
    QTest::addColumn<Operator>("op");
    QTest::addColumn<QString>("text");

    QTest::newRow("none, just after a total") << Operator::None << QString();
    QTest::newRow("plus") << Operator::Plus << u"+"_s;
    QTest::newRow("minus") << Operator::Minus << u"-"_s;
    QTest::newRow("times") << Operator::Times << u"*"_s;
    QTest::newRow("divide") << Operator::Divide << u"/"_s;
    QTest::newRow("percent") << Operator::Percent << u"%"_s;
    QTest::newRow("tool report") << Operator::ToolReport << u"T"_s;
}

void TestOperators::storedText()
{
    QFETCH(Operator, op);
    QFETCH(QString, text);

    QCOMPARE(operatorText(op), text);
    QCOMPARE(operatorFromText(text), op);
}

void TestOperators::foreignTextIsNoOperator_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("lower-case t") << u"t"_s;
    QTest::newRow("operator twice") << u"++"_s;
    QTest::newRow("operator after a blank") << u" +"_s;
    QTest::newRow("operator before a blank") << u"+ "_s;
    QTest::newRow("multiplication sign") << u"×"_s;
    QTest::newRow("division sign") << u"÷"_s;
    QTest::newRow("equals") << u"="_s;
    QTest::newRow("word") << u"plus"_s;
}

void TestOperators::foreignTextIsNoOperator()
{
    QFETCH(QString, text);

    QCOMPARE(operatorFromText(text), std::nullopt);
}

QTEST_GUILESS_MAIN(TestOperators)
#include "tst_operators.moc"
