// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QSignalSpy>
#include <QTest>

#include "../tape_reports_fixture.h"
#include "calculator.h"
#include "calculator_port.h"
#include "date_field.h"
#include "frm_data.h"

using namespace Qt::StringLiterals;

namespace {

// The calculator's surroundings, silent.
class QuietPort : public numerette::CalculatorPort {
public:
    QString weekdayName(QDate) const override { return {}; }
    QString clipboardText() const override { return m_clipboard; }
    void setClipboardText(const QString& text) override { m_clipboard = text; }
    void clearClipboard() override { m_clipboard.clear(); }
    void closeWindow() override {}
    bool askYesNo(const QString&) override { return false; }
    void showInformation(const QString&) override {}
    bool backUpList(const QString&) override { return true; }

private:
    QString m_clipboard;
};

} // namespace

class TestFrmData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void editsMaskedField_data();
    void editsMaskedField();
    void showsWeekdayAndEnablesButtons();
    void keyReleaseKeepsNumLockOn();
    void reportAppendedOnClose();
    void longPeriodShownWhole();
    void nothingWrittenForEqualDates();
    void finalDateFromPeriod();
    void normalLayoutAtCalculatorCorner();
    void largeFontLayout();

private:
    DateField* field(int index) const { return m_window->findChild<DateField*>(u"txtData%1"_s.arg(index)); }
    QLineEdit* result(const char* name) const { return m_window->findChild<QLineEdit*>(QLatin1String(name)); }
    QPushButton* button(int index) const { return m_window->findChild<QPushButton*>(u"cmdCalcula%1"_s.arg(index)); }

    QuietPort m_port;
    std::unique_ptr<numerette::Calculator> m_calculator;
    std::unique_ptr<tape_reports_fixture::ShownCalculatorReports> m_reports;
    std::unique_ptr<frmData> m_window;
};

void TestFrmData::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestFrmData::init()
{
    m_calculator = std::make_unique<numerette::Calculator>(m_port);
    m_calculator->setInteractive(true);
    m_reports = std::make_unique<tape_reports_fixture::ShownCalculatorReports>(*m_calculator);
    m_window = std::make_unique<frmData>(*m_reports, u"dd/mm/yyyy"_s);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestFrmData::cleanup()
{
    m_window.reset();
    m_reports.reset();
    m_calculator.reset();
}

void TestFrmData::editsMaskedField_data()
{
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("keys");  // "D" Delete, "B" Backspace, digits typed
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    QTest::newRow("delete at the start empties to the mask") << 0 << 10 << u"D"_s << u"__/__/____"_s << 0;
    QTest::newRow("digit over a selected date replaces its first character")
        << 0 << 10 << u"2"_s << u"21/01/2000"_s << 1;
    QTest::newRow("digits step over the separator") << 0 << 10 << u"150"_s << u"15/01/2000"_s << 4;
    QTest::newRow("delete in the middle blanks the rest") << 3 << 0 << u"D"_s << u"01/__/____"_s << 3;
    QTest::newRow("backspace after a separator deletes the digit before it")
        << 3 << 0 << u"B"_s << u"0_/__/____"_s << 1;
    QTest::newRow("letters are refused") << 0 << 0 << u"x"_s << u"01/01/2000"_s << 0;
}

void TestFrmData::editsMaskedField()
{
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, keys);
    DateField* date = field(0);
    date->setText(u"01/01/2000"_s);
    if (selectionLength > 0)
        date->setSelection(selectionStart, selectionLength);
    else
        date->setCursorPosition(selectionStart);
    for (const QChar key : keys) {
        if (key == u'D')
            QTest::keyClick(date, Qt::Key_Delete);
        else if (key == u'B')
            QTest::keyClick(date, Qt::Key_Backspace);
        else
            QTest::keyClick(date, key.toLatin1());
    }
    QTEST(date->text(), "expected");
    QTEST(date->caret(), "caret");
}

void TestFrmData::keyReleaseKeepsNumLockOn()
{
    QSignalSpy released(m_window.get(), &frmData::keyReleased);
    QTest::keyClick(field(0), Qt::Key_1);
    QCOMPARE(released.count(), 1);
}

void TestFrmData::showsWeekdayAndEnablesButtons()
{
    field(0)->setText(u"15/03/2006"_s);
    QCOMPARE(m_window->findChild<QLabel*>(u"lblData0"_s)->text(), QLocale::system().dayName(3));
    QVERIFY(button(0)->isEnabled());
    QVERIFY(!button(4)->isEnabled());
    field(1)->setText(QString());
    QCOMPARE(field(1)->text(), u"__/__/____"_s);
    QVERIFY(m_window->findChild<QLabel*>(u"lblData1"_s)->text().isEmpty());
    QVERIFY(!button(0)->isEnabled());
    QVERIFY(button(4)->isEnabled());
}

void TestFrmData::reportAppendedOnClose()
{
    field(0)->setText(u"01/01/2000"_s);
    field(1)->setText(u"15/03/2006"_s);
    button(0)->click();
    QCOMPARE(result("txtAnos")->text(), u"6"_s);
    QCOMPARE(m_window->findChild<QLabel*>(u"lblBissextos"_s)->text(), u"2"_s);
    QVERIFY(m_window->findChild<QLabel*>(u"lblBis"_s)->isVisible());

    const QString before = m_calculator->list();
    QSignalSpy saved(m_calculator.get(), &numerette::Calculator::calculationClosed);
    QTest::keyClick(result("txtAnos"), Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    // The report goes into the state file at once, as a total does.
    QCOMPARE(saved.count(), 1);
    QCOMPARE(m_calculator->list(), before
                 + u"         [15/03/2006] - \r\n"
                   "         [01/01/2000] = \r\n"
                   "               years: 6 \r\n"
                   "              months: 2 \r\n"
                   "               weeks: 1 \r\n"
                   "                days: 6 \r\n"
                   " =========================\r\n"_s);
    QCOMPARE(m_calculator->total(), u"0"_s);
    QCOMPARE(field(1)->text(), u"__/__/____"_s);
}

// Three digits may be typed for the years; a count of more is shown whole.
void TestFrmData::longPeriodShownWhole()
{
    field(0)->setText(u"01/01/1000"_s);
    field(1)->setText(u"01/01/2600"_s);
    button(0)->click();
    QCOMPARE(result("txtAnos")->text(), u"1600"_s);
    result("txtAnos")->selectAll();
    QTest::keyClicks(result("txtAnos"), u"12345"_s);
    QCOMPARE(result("txtAnos")->text(), u"123"_s);
}

void TestFrmData::nothingWrittenForEqualDates()
{
    const QString before = m_calculator->list();
    m_window->reject();
    QCOMPARE(m_calculator->list(), before);
}

void TestFrmData::finalDateFromPeriod()
{
    field(0)->setText(u"01/01/2004"_s);
    QLineEdit* years = result("txtAnos");
    years->setFocus();
    QTest::keyClick(years, '2');
    QCOMPARE(field(1)->text(), u"__/__/____"_s);
    QVERIFY(m_window->findChild<QCheckBox*>(u"Check10"_s)->isChecked());
    QVERIFY(button(4)->isEnabled());
    button(4)->click();
    QCOMPARE(field(1)->text(), u"01/01/2006"_s);
    QCOMPARE(years->text(), u"2"_s);
    QCOMPARE(m_window->findChild<QLabel*>(u"lblBissextos"_s)->text(), u"1"_s);
}

void TestFrmData::normalLayoutAtCalculatorCorner()
{
    QWidget calculatorWindow;
    calculatorWindow.move(140, 90);
    calculatorWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calculatorWindow));
    frmData dates(*m_reports, u"dd/mm/yyyy"_s, &calculatorWindow);
    dates.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dates));
    QCOMPARE(dates.pos(), calculatorWindow.pos());
    QCOMPARE(dates.size(), m_window->size());
}

// Against the normal window: twice as wide, 1.9 times as tall, every control's font doubled
// and the control grown with it, nothing pushed out of the window, centred on the screen.
void TestFrmData::largeFontLayout()
{
    QWidget calculatorWindow;
    calculatorWindow.move(140, 90);
    frmData large(*m_reports, u"dd/mm/yyyy"_s, &calculatorWindow);
    large.useLargeFontLayout();
    large.show();
    QVERIFY(QTest::qWaitForWindowExposed(&large));

    const QSize normal = m_window->size();
    QCOMPARE(large.width(), 2 * normal.width());
    QVERIFY2(qAbs(large.height() - 1.9 * normal.height()) <= 1,
             qPrintable(u"%1 for a normal %2"_s.arg(large.height()).arg(normal.height())));
    const QList<QWidget*> controls = large.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        const QString name = control->objectName();
        const QWidget* original = m_window->findChild<QWidget*>(name);
        QCOMPARE(control->font().pointSizeF(), 2 * original->font().pointSizeF());
        if (!control->isVisible())
            continue;
        QVERIFY2(large.rect().contains(control->geometry()), qPrintable(name));
        QVERIFY2(control->width() >= 1.5 * original->width() && control->height() >= 1.5 * original->height(),
                 qPrintable(name));
    }
    const QRect screen = large.screen()->geometry();
    QCOMPARE(large.pos(), QPoint(screen.x() + (screen.width() - large.width()) / 2,
                                 screen.y() + (screen.height() - large.height()) / 2));
}

QTEST_MAIN(TestFrmData)
#include "tst_frm_data.moc"
