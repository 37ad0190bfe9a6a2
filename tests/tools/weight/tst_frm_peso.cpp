// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "../tape_reports_fixture.h"
#include "calculator.h"
#include "calculator_port.h"
#include "frm_peso.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    explicit Fixture(QChar decimal = u'.')
    {
        calculator.setNumberLocale(NumberLocale::withDecimal(decimal));
        window.emplace(reports);
        window->setPrompts(prompts);
        window->show();
    }
    QLineEdit* field(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    void type(const QString& height, const QString& weight)
    {
        QTest::keyClicks(field(u"txtAltura"_s), height);
        QTest::keyClicks(field(u"txtPeso"_s), weight);
    }
    void calculate() { QTest::mouseClick(window->findChild<QPushButton*>(u"cmdHomem"_s), Qt::LeftButton); }
    QString frameTitle() const { return window->findChild<QGroupBox*>(u"Frame1"_s)->title(); }

    CalculatorPort port;
    Calculator calculator{port};
    tape_reports_fixture::ShownCalculatorReports reports{calculator};
    FakeToolPrompts prompts;
    std::optional<frmPeso> window;
};

} // namespace

class TstFrmPeso : public QObject {
    Q_OBJECT

private slots:
    void womanReportOnClosing();
    void switchingToManRecalculates();
    void changingTheWeightSuppressesTheReport();
    void invalidHeight();
    void refusalClearsTheResult_data();
    void refusalClearsTheResult();
    void reportIsSaved();
    void groupingOutOfPlaceIsNoNumber();
    void commaSeparator();
    void keyReleasesAskForNumLock();
};

void TstFrmPeso::womanReportOnClosing()
{
    Fixture f;
    f.type(u"1.65"_s, u"60"_s);
    f.calculate();
    QCOMPARE(f.frameTitle(), u"Result = NORMAL"_s);
    QCOMPARE(f.field(u"txtIdeal"_s)->text(), u"59.21"_s);
    QCOMPARE(f.window->arrowTwips(), 1600);
    QTest::keyClick(&*f.window, Qt::Key_Escape);
    QVERIFY(!f.window->isVisible());
    QVERIFY(f.calculator.list().endsWith(u" Optional = Lose 0.79Kg\r\n =========================\r\n"_s));
    QVERIFY(f.calculator.list().contains(u" WEIGHT CALC. - (Woman)\r\n Your Height  = 1.65m\r\n"_s));
}

void TstFrmPeso::switchingToManRecalculates()
{
    Fixture f;
    f.type(u"180"_s, u"95"_s);
    f.window->findChild<QRadioButton*>(u"Option1"_s)->click();
    QCOMPARE(f.field(u"txtAltura"_s)->text(), u"1.8"_s);
    QCOMPARE(f.frameTitle(), u"Result = FAT"_s);
    QCOMPARE(f.field(u"txtObeso"_s)->text(), u"100.76"_s);
    f.window->close();
    QVERIFY(f.calculator.list().contains(u" WEIGHT CALC. - (Man)\r\n"_s));
    QVERIFY(f.calculator.list().endsWith(u" Result = Lose 9.46Kg\r\n =========================\r\n"_s));
}

void TstFrmPeso::changingTheWeightSuppressesTheReport()
{
    Fixture f;
    f.type(u"1.65"_s, u"60"_s);
    f.calculate();
    QTest::keyClick(f.field(u"txtPeso"_s), Qt::Key_Backspace);
    f.window->close();
    QCOMPARE(f.calculator.list(), QString());
}

void TstFrmPeso::invalidHeight()
{
    Fixture f;
    f.type(u"0.9"_s, u"60"_s);
    f.calculate();
    QCOMPARE(f.prompts.shown, (QList<FakeToolPrompts::Shown>{{PromptIcon::Information, u"Height Invalid!"_s}}));
    QCOMPARE(f.field(u"txtMagro"_s)->text(), QString());
    f.window->close();
    QCOMPARE(f.calculator.list(), QString());
}

void TstFrmPeso::refusalClearsTheResult_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("message");
    QTest::newRow("height below 1 m") << u"txtAltura"_s << u"0.9"_s << u"Height Invalid!"_s;
    QTest::newRow("height above 3 m") << u"txtAltura"_s << u"3.1"_s << u"Height Invalid!"_s;
    QTest::newRow("weight below 20 kg") << u"txtPeso"_s << u"19"_s << u"Weight Invalid!"_s;
    QTest::newRow("weight above 300 kg") << u"txtPeso"_s << u"301"_s << u"Weight Invalid!"_s;
}

// A result stands only for the height and weight it was calculated from: after a refused
// calculation nothing of the earlier one is shown or written.
void TstFrmPeso::refusalClearsTheResult()
{
    QFETCH(QString, field);
    QFETCH(QString, refused);
    QFETCH(QString, message);
    Fixture f;
    f.type(u"1.65"_s, u"60"_s);
    f.calculate();
    f.field(field)->selectAll();
    QTest::keyClicks(f.field(field), refused);
    f.calculate();
    QCOMPARE(f.prompts.shown, (QList<FakeToolPrompts::Shown>{{PromptIcon::Information, message}}));
    for (const QString& limit : {u"txtMagro"_s, u"txtIdeal"_s, u"txtSobrepeso"_s, u"txtGordo"_s, u"txtObeso"_s})
        QCOMPARE(f.field(limit)->text(), QString());
    QVERIFY(!f.frameTitle().contains(u"NORMAL"_s));
    QTest::keyClick(&*f.window, Qt::Key_Escape);
    QCOMPARE(f.calculator.list(), QString());
}

void TstFrmPeso::reportIsSaved()
{
    Fixture f;
    QSignalSpy saved(&f.calculator, &Calculator::calculationClosed);
    f.type(u"1.65"_s, u"60"_s);
    f.calculate();
    QCOMPARE(saved.count(), 0);
    f.window->close();
    QVERIFY(f.calculator.list().contains(u" WEIGHT CALC. - (Woman)\r\n"_s));
    QCOMPARE(saved.count(), 1);
}

// A pasted "1,65" in a "." locale is no height, rather than 165 cm.
void TstFrmPeso::groupingOutOfPlaceIsNoNumber()
{
    Fixture f;
    f.field(u"txtAltura"_s)->setText(u"1,65"_s);
    f.field(u"txtPeso"_s)->setText(u"60"_s);
    f.calculate();
    QCOMPARE(f.prompts.shown, (QList<FakeToolPrompts::Shown>{{PromptIcon::Information, u"Height Invalid!"_s}}));
    QCOMPARE(f.field(u"txtAltura"_s)->text(), u"1,65"_s);
}

void TstFrmPeso::commaSeparator()
{
    Fixture f(u',');
    f.type(u"1.65"_s, u"60.5"_s);
    QCOMPARE(f.field(u"txtAltura"_s)->text(), u"1,65"_s);
    f.calculate();
    QCOMPARE(f.field(u"txtSobrepeso"_s)->text(), u"68,06"_s);
    f.window->close();
    QVERIFY(f.calculator.list().contains(u" Your Weight  = 60,5Kg\r\n"_s));
}

void TstFrmPeso::keyReleasesAskForNumLock()
{
    Fixture f;
    QSignalSpy released(&*f.window, &frmPeso::keyReleased);
    QTest::keyClick(f.field(u"txtPeso"_s), Qt::Key_5);
    QVERIFY(released.count() >= 1);
}

QTEST_MAIN(TstFrmPeso)
#include "tst_frm_peso.moc"
