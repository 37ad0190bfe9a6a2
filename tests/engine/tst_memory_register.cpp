// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "memory_register.h"

using namespace numerette;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(numerette::MemoryColour)

class TestMemoryRegister : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
};

void TestMemoryRegister::keys_data()
{
    QTest::addColumn<QChar>("decimal");
    // Each step is "+" or "-" and the shown number (M+, M-), or "C" (MC).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<MemoryColour>("colour");

    const QChar point = u'.';
    const QChar comma = u',';
    QTest::newRow("empty") << point << QStringList{} << QString() << MemoryColour::White;
    QTest::newRow("M+ into empty stores the shown number")
        << point << QStringList{u"+1,234.50"_s} << u"1234.5"_s << MemoryColour::White;
    QTest::newRow("M- into empty stores it negated")
        << point << QStringList{u"-7"_s} << u"-7"_s << MemoryColour::Yellow;
    QTest::newRow("adds and subtracts") << point << QStringList{u"+10"_s, u"+2.5"_s, u"-0.25"_s} << u"12.25"_s
                                        << MemoryColour::White;
    QTest::newRow("turns negative") << point << QStringList{u"+3"_s, u"-5"_s} << u"-2"_s << MemoryColour::Yellow;
    QTest::newRow("back to positive") << point << QStringList{u"-3"_s, u"+5"_s} << u"2"_s << MemoryColour::White;
    QTest::newRow("a stored zero is a value") << point << QStringList{u"+0"_s, u"-4"_s} << u"-4"_s
                                              << MemoryColour::Yellow;
    QTest::newRow("decimal comma") << comma << QStringList{u"+1.000,5"_s, u"+0,25"_s} << u"1000,75"_s
                                   << MemoryColour::White;
    QTest::newRow("a shown text that is no number changes nothing")
        << point << QStringList{u"+8"_s, u"+00:01:30"_s, u"+"_s} << u"8"_s << MemoryColour::White;
    QTest::newRow("an overflowing sum keeps the stored value")
        << point << QStringList{u"+79228162514264337593543950335"_s, u"+1"_s}
        << u"79228162514264337593543950335"_s << MemoryColour::White;
    QTest::newRow("MC empties, the colour stays until the next key")
        << point << QStringList{u"-1"_s, u"C"_s} << QString() << MemoryColour::Yellow;
    QTest::newRow("M+ after MC starts afresh") << point << QStringList{u"-1"_s, u"C"_s, u"+6"_s} << u"6"_s
                                               << MemoryColour::White;
}

void TestMemoryRegister::keys()
{
    QFETCH(QChar, decimal);
    QFETCH(QStringList, steps);
    QFETCH(QString, stored);
    QFETCH(MemoryColour, colour);

    const NumberLocale locale = NumberLocale::withDecimal(decimal);
    MemoryRegister memory;
    for (const QString& step : std::as_const(steps)) {
        if (step == u"C")
            memory.clear();
        else
            memory.add(step.mid(1), step.startsWith(u'-'), locale);
    }
    QCOMPARE(memory.text(), stored);
    QCOMPARE(memory.colour(), colour);
}

QTEST_GUILESS_MAIN(TestMemoryRegister)
#include "tst_memory_register.moc"
