// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "spoken_line.h"
#include "window_fixture.h"

using namespace Qt::StringLiterals;
using numerette::tape::DateOrder;

namespace {

QString itemLine(const QString& value, const QString& marker, const QString& label = {})
{
    if (label.isEmpty())
        return value.rightJustified(numerette::tape::ValueColumns) + marker;
    return u' ' + label.leftJustified(numerette::tape::LabelColumns) + value.rightJustified(11) + marker;
}

} // namespace

// The calculator as a screen reader follows it: the display holds the focus and reads each
// key, the list is a Tab away.
class TstDisplayAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void spokenLines_data();
    void spokenLines();
    void listEnds_data();
    void listEnds();
    void displayHoldsTheFocus();
    void everyKeyIsRead();
    void tabAndEscMoveBetweenDisplayAndList();

private:
    QWidget* displayRow() const { return m_fixture->window.findChild<QWidget*>(u"lblVisor3"_s); }
    QPlainTextEdit* tape() const { return m_fixture->window.findChild<QPlainTextEdit*>(u"txtFita"_s); }
    void showWindow();

    std::unique_ptr<WindowFixture> m_fixture;
};

void TstDisplayAccessibility::init()
{
    m_fixture = std::make_unique<WindowFixture>();
}

void TstDisplayAccessibility::cleanup()
{
    m_fixture.reset();
}

void TstDisplayAccessibility::showWindow()
{
    m_fixture->window.show();
    m_fixture->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_fixture->window));
}

void TstDisplayAccessibility::spokenLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("added") << itemLine(u"12"_s, u" +"_s) << u"12 plus"_s;
    QTest::newRow("subtracted") << itemLine(u"1,234.5"_s, u" -"_s) << u"1,234.5 minus"_s;
    QTest::newRow("multiplied") << itemLine(u"3"_s, u" \u00D7"_s) << u"3 times"_s;
    QTest::newRow("divided") << itemLine(u"4"_s, u" \u00F7"_s) << u"4 divided by"_s;
    QTest::newRow("percentage") << itemLine(u"10"_s, u" %"_s) << u"10 percent"_s;
    QTest::newRow("last item") << itemLine(u"-30"_s, u" ="_s) << u"-30 equals"_s;
    QTest::newRow("labelled item") << itemLine(u"12"_s, u" +"_s, u"SAL"_s) << u"SAL 12 plus"_s;
    QTest::newRow("total") << itemLine(u"42"_s, u" T"_s) << u"Total 42"_s;
    QTest::newRow("count") << (u" 003"_s + QString(22, u' ')) << u"Items: 3"_s;
    QTest::newRow("separator") << (u' ' + QString(25, u'=')) << u"End of calculation"_s;
    QTest::newRow("free text") << u"  a note"_s << u"a note"_s;
}

void TstDisplayAccessibility::spokenLines()
{
    QFETCH(QString, line);
    QFETCH(QString, spoken);
    QCOMPARE(SpokenLine::of(line, DateOrder::DayMonthYear), spoken);
}

void TstDisplayAccessibility::listEnds_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("spoken");
    const QString separator = u' ' + QString(25, u'=');
    const QString count = u" 002"_s + QString(22, u' ');
    QTest::newRow("item") << QStringList{separator, itemLine(u"12"_s, u" +"_s)} << u"12 plus"_s;
    QTest::newRow("closed calculation") << QStringList{itemLine(u"12"_s, u" +"_s), itemLine(u"30"_s, u" ="_s), count,
                                                       itemLine(u"42"_s, u" T"_s), separator}
                                        << u"Total 42"_s;
    QTest::newRow("a new day") << QStringList{u" 05/03/2024 Tue"_s.leftJustified(26), separator} << QString();
    QTest::newRow("empty list") << QStringList{} << QString();
}

void TstDisplayAccessibility::listEnds()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, spoken);
    QString list;
    for (const QString& line : lines)
        list += line + u"\r\n"_s;
    QCOMPARE(SpokenLine::ofListEnd(list, DateOrder::DayMonthYear), spoken);
}

void TstDisplayAccessibility::displayHoldsTheFocus()
{
    showWindow();
    QCOMPARE(QApplication::focusWidget(), displayRow());
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(displayRow());
    QVERIFY(display);
    QCOMPARE(display->role(), QAccessible::EditableText);
    QCOMPARE(display->text(QAccessible::Name), u"Display"_s);
    QVERIFY(display->state().focusable);
    QVERIFY(display->state().focused);
    QVERIFY(display->state().readOnly);
    QVERIFY(display->textInterface());
    QCOMPARE(display->textInterface()->text(0, display->textInterface()->characterCount()), u"0"_s);
    QVERIFY(display->valueInterface());
    QCOMPARE(display->valueInterface()->currentValue().toDouble(), 0.0);
}

// Each key typed where the focus is: the display reads its figure, an operator the item it
// wrote, the total the closed calculation; the labels are named by what they show. (The
// events that tell of each change need a platform bridge: the end-to-end test hears them.)
void TstDisplayAccessibility::everyKeyIsRead()
{
    showWindow();
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(displayRow());
    QAccessibleTextInterface* text = display->textInterface();
    const struct {
        char key;
        QString reading;
        double value;
    } steps[] = {{'1', u"1"_s, 1}, {'2', u"12"_s, 12}, {'+', u"12 plus"_s, 12},
                 {'3', u"3"_s, 3}, {'0', u"30"_s, 30}, {'=', u"Total 42"_s, 42}};
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        QCOMPARE(QApplication::focusWidget(), displayRow());
        QCOMPARE(text->text(0, text->characterCount()), step.reading);
        QCOMPARE(display->valueInterface()->currentValue().toDouble(), step.value);
    }
    for (const QString& name : {u"lblVisor0"_s, u"lblVisor1"_s}) {
        auto* label = m_fixture->window.findChild<QLabel*>(name);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(iface->text(QAccessible::Name), label->text());
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
    }
    QCOMPARE(m_fixture->window.findChild<QLabel*>(u"lblVisor0"_s)->text(), u"42"_s);
}

void TstDisplayAccessibility::tabAndEscMoveBetweenDisplayAndList()
{
    showWindow();
    QTest::keyClicks(QApplication::focusWidget(), u"5+3="_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tape());
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tape());
    QCOMPARE(list->role(), QAccessible::EditableText);
    QCOMPARE(list->text(QAccessible::Name), u"Calculation list"_s);
    QVERIFY(list->state().readOnly);
    QVERIFY(list->state().focused);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), displayRow());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), tape());
    // Up in the list reads the line above: the caret moves line by line.
    const int lineBefore = tape()->textCursor().blockNumber();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(tape()->textCursor().blockNumber(), lineBefore - 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), displayRow());
    QVERIFY(!m_fixture->port.m_closed);
    // From the display, Esc closes the calculator as ever, and the keys still count.
    QTest::keyClicks(QApplication::focusWidget(), u"2+2="_s);
    QCOMPARE(m_fixture->calculator.display(), u"4"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(m_fixture->port.m_closed);
}

QTEST_MAIN(TstDisplayAccessibility)
#include "tst_display_accessibility.moc"
