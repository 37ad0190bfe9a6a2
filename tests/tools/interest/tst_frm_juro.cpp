// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "../tape_reports_fixture.h"
#include "calculator.h"
#include "calculator_port.h"
#include "frm_juro.h"
#include "interest_reports.h"
#include "key_script.h"
#include "message_catalogue.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

// Answers the calculator's full-list question and records it.
class Port final : public CalculatorPort {
public:
    bool askYesNo(const QString& question) override
    {
        questions << question;
        return true;
    }
    QStringList questions;
};

struct Fixture {
    Fixture()
    {
        calculator.clearList();
        window.emplace(reports, u"dd/mm/yyyy"_s);
        window->setPrompts(prompts, prompts);
        window->show();
    }
    QLineEdit* field(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    QString text(const QString& name) const { return field(name)->text(); }
    // Fills the installment fields in this order, so that neither sought value erases the other.
    void fill(const QString& value, const QString& count, const QString& days, const QString& rate,
              const QString& installment)
    {
        field(u"txtValVista"_s)->setText(value);
        field(u"txtParcelas"_s)->setText(count);
        field(u"txtDias"_s)->setText(days);
        field(u"txtJuroAp"_s)->setText(rate);
        field(u"txtValPrest"_s)->setText(installment);
    }
    void click(const QString& name) { QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton); }

    Port port;
    Calculator calculator{port};
    tape_reports_fixture::ShownCalculatorReports reports{calculator};
    FakeToolPrompts prompts;
    std::optional<frmJuro> window;
};

using Shown = QList<FakeToolPrompts::Shown>;

} // namespace

class TstFrmJuro : public QObject {
    Q_OBJECT

private slots:
    void calculations_data();
    void calculations();
    void fieldRules_data();
    void fieldRules();
    void tooManyInstallments();
    void amountsShownWhole_data();
    void amountsShownWhole();
    void validation_data();
    void validation();
    void editsDropTheReport_data();
    void editsDropTheReport();
    void absurdInput_data();
    void absurdInput();
    void capitalization_data();
    void capitalization();
    void fullListIsClearedFirst();
    void runningCalculationIsTotalledFirst();
    void helpAndNumLock();
};

void TstFrmJuro::calculations_data()
{
    QTest::addColumn<QStringList>("fields");  // value, count, days, rate, installment
    QTest::addColumn<QStringList>("results"); // rate, installment, final amount, total interest
    QTest::newRow("worked example: installment from the rate")
        << QStringList{u"1000"_s, u"3"_s, u"30"_s, u"2.50"_s, u""_s}
        << QStringList{u"2.5"_s, u"350.13"_s, u"1,050.39"_s, u"50.39"_s};
    QTest::newRow("rate from the installment") << QStringList{u"1000"_s, u"3"_s, u"30"_s, u""_s, u"350.13"_s}
                                               << QStringList{u"2.498943"_s, u"350.13"_s, u"1,050.39"_s, u"50.39"_s};
    QTest::newRow("single installment above the value") << QStringList{u"1000"_s, u"1"_s, u"30"_s, u""_s, u"1100"_s}
                                                        << QStringList{u"10"_s, u"1,100.00"_s, u"1,100.00"_s, u"100.00"_s};
    QTest::newRow("cash payment") << QStringList{u"1000"_s, u"3"_s, u"0"_s, u"2.5"_s, u""_s}
                                  << QStringList{u"2.5"_s, u"341.59"_s, u"1,024.77"_s, u"24.77"_s};
    QTest::newRow("installments below the value") << QStringList{u"1000"_s, u"3"_s, u"30"_s, u""_s, u"300"_s}
                                                  << QStringList{u"-5.088544"_s, u"300.00"_s, u"900.00"_s, u"-100.00"_s};
    // Some 112,000 steps of 1,000 above the first guess of 833,333,333.33.
    QTest::newRow("ten billion in 12 at 2 %")
        << QStringList{u"10000000000"_s, u"12"_s, u"30"_s, u"2"_s, u""_s}
        << QStringList{u"2"_s, u"945,595,966.22"_s, u"11,347,151,594.64"_s, u"1,347,151,594.64"_s};
    // 360 million steps of 1,000 from 450 billion; the balance is exactly 0 at the answer.
    QTest::newRow("900 billion in 2 at 50 %")
        << QStringList{u"900000000000"_s, u"2"_s, u"30"_s, u"50"_s, u""_s}
        << QStringList{u"50"_s, u"810,000,000,000.00"_s, u"1,620,000,000,000.00"_s, u"720,000,000,000.00"_s};
    QTest::newRow("rate far above the first guess")
        << QStringList{u"1000"_s, u"2"_s, u"0"_s, u""_s, u"999.99"_s}
        << QStringList{u"9999800.00001"_s, u"999.99"_s, u"1,999.98"_s, u"999.98"_s};
}

void TstFrmJuro::calculations()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, results);
    Fixture f;
    f.fill(fields[0], fields[1], fields[2], fields[3], fields[4]);
    f.click(u"cmdCalcular"_s);
    QCOMPARE(f.prompts.shown, Shown{});
    QCOMPARE((QStringList{f.text(u"txtJuroAp"_s), f.text(u"txtValPrest"_s), f.text(u"txtValFinal"_s),
                          f.text(u"txtJuroTot"_s)}),
             results);
    const QString report = interest::installmentReport(
        {f.text(u"txtValVista"_s), f.text(u"txtParcelas"_s), f.text(u"txtDias"_s), results[1], results[0], results[3],
         results[2]},
        f.calculator.numberLocale());
    QSignalSpy saved(&f.calculator, &Calculator::calculationClosed);
    QTest::keyClick(&*f.window, Qt::Key_Escape);
    QVERIFY(!f.window->isVisible());
    QVERIFY(f.calculator.list().endsWith(report + u"\r\n =========================\r\n"_s));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(f.calculator.entry().text(), results[2]);
}

void TstFrmJuro::fieldRules_data()
{
    QTest::addColumn<QString>("preset");  // "field=text" set before typing
    QTest::addColumn<QString>("typedInto");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shownIn");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("inCash");
    QTest::newRow("comma is the separator") << u""_s << u"txtValVista"_s << u"12,5"_s << u"txtValVista"_s << u"12.5"_s << false;
    QTest::newRow("second separator dropped") << u""_s << u"txtJuroAp"_s << u"1.2.5"_s << u"txtJuroAp"_s << u"1.25"_s << false;
    QTest::newRow("letters dropped") << u""_s << u"txtValPrest"_s << u"1a2"_s << u"txtValPrest"_s << u"12"_s << false;
    QTest::newRow("count takes digits only") << u""_s << u"txtParcelas"_s << u"1.2"_s << u"txtParcelas"_s << u"12"_s << false;
    QTest::newRow("days take two digits") << u"txtDias="_s << u"txtDias"_s << u"4,55"_s << u"txtDias"_s << u"45"_s << false;
    QTest::newRow("installment erases the rate") << u"txtJuroAp=2"_s << u"txtValPrest"_s << u"100"_s << u"txtJuroAp"_s << u""_s << false;
    QTest::newRow("rate erases the installment") << u"txtValPrest=100"_s << u"txtJuroAp"_s << u"2"_s << u"txtValPrest"_s << u""_s << false;
    QTest::newRow("rate below 0.005 keeps the installment")
        << u"txtValPrest=100"_s << u"txtJuroAp"_s << u"0.004"_s << u"txtValPrest"_s << u"100"_s << false;
    QTest::newRow("0 days: in cash") << u"txtDias="_s << u"txtDias"_s << u"0"_s << u"txtDias"_s << u"0"_s << true;
    QTest::newRow("05 days: not in cash") << u"txtDias="_s << u"txtDias"_s << u"05"_s << u"txtDias"_s << u"05"_s << false;
}

void TstFrmJuro::fieldRules()
{
    QFETCH(QString, preset);
    QFETCH(QString, typedInto);
    QFETCH(QString, keys);
    QFETCH(QString, shownIn);
    QFETCH(QString, expected);
    QFETCH(bool, inCash);
    Fixture f;
    if (!preset.isEmpty())
        f.field(preset.section(u'=', 0, 0))->setText(preset.section(u'=', 1));
    QTest::keyClicks(f.field(typedInto), keys);
    QCOMPARE(f.text(shownIn), expected);
    QCOMPARE(f.window->findChild<QCheckBox*>(u"chkVista"_s)->isChecked(), inCash);
}

void TstFrmJuro::amountsShownWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("initial value of 16 digits") << u"txtValVista"_s << u"1234567890123456"_s
                                                << u"1,234,567,890,123,456.00"_s;
    QTest::newRow("installment of 15 digits") << u"txtValPrest"_s << u"123456789012345"_s
                                              << u"123,456,789,012,345.00"_s;
    QTest::newRow("typing stops at 20 characters") << u"txtValVista"_s << u"1234567890123456789012345"_s
                                                   << u"12,345,678,901,234,567,890.00"_s;
}

// The fields' length limits what is typed, never what the window writes into them.
void TstFrmJuro::amountsShownWhole()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Fixture f;
    QApplication::setActiveWindow(&*f.window);
    f.field(name)->setFocus();
    QTest::keyClicks(f.field(name), typed);
    QTest::keyClick(f.field(name), Qt::Key_Tab);
    QCOMPARE(f.text(name), shown);
    QTest::keyClick(f.field(name), Qt::Key_Backspace);
    QCOMPARE(f.text(name).size(), shown.size() - 1);
}

void TstFrmJuro::tooManyInstallments()
{
    Fixture f;
    QTest::keyClicks(f.field(u"txtParcelas"_s), u"250"_s);
    QCOMPARE(f.prompts.shown, Shown{});
    f.field(u"txtParcelas"_s)->clear();
    QTest::keyClicks(f.field(u"txtParcelas"_s), u"251"_s);
    QCOMPARE(f.prompts.shown, (Shown{{PromptIcon::Critical, u"Digite a quantidade de parcelas entre 01 e 250"_s}}));
    QCOMPARE(f.text(u"txtParcelas"_s), QString());
}

void TstFrmJuro::validation_data()
{
    QTest::addColumn<QStringList>("fields");  // value, count, days, rate, installment
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no initial value") << QStringList{u""_s, u"3"_s, u"30"_s, u"2"_s, u""_s} << Message::InsertInitialValue << u"txtValVista"_s;
    QTest::newRow("no count") << QStringList{u"1000"_s, u""_s, u"30"_s, u"2"_s, u""_s} << Message::EnterInstallmentCount << u"txtParcelas"_s;
    QTest::newRow("count 00") << QStringList{u"1000"_s, u"00"_s, u"30"_s, u"2"_s, u""_s} << Message::EnterInstallmentCount << u"txtParcelas"_s;
    QTest::newRow("no days") << QStringList{u"1000"_s, u"3"_s, u""_s, u"2"_s, u""_s} << Message::EnterDaysToFirstInstallment << u"txtDias"_s;
    QTest::newRow("nothing sought") << QStringList{u"1000"_s, u"3"_s, u"30"_s, u""_s, u""_s} << Message::EnterInstallmentOrRate << u"txtValPrest"_s;
    QTest::newRow("rate below 0.005 is none") << QStringList{u"1000"_s, u"3"_s, u"30"_s, u"0.004"_s, u""_s} << Message::EnterInstallmentOrRate
                                              << u"txtValPrest"_s;
    QTest::newRow("installment as high as the value") << QStringList{u"1000"_s, u"3"_s, u"30"_s, u""_s, u"1000"_s} << Message::InstallmentTooHigh
                                                      << u"txtValPrest"_s;
    QTest::newRow("01 is no single installment") << QStringList{u"1000"_s, u"01"_s, u"30"_s, u""_s, u"1000"_s} << Message::InstallmentTooHigh
                                                 << u"txtValPrest"_s;
    QTest::newRow("value grouped by twos") << QStringList{u"1,23,4"_s, u"3"_s, u"30"_s, u"2"_s, u""_s} << Message::InsertInitialValue
                                           << u"txtValVista"_s;
    QTest::newRow("comma in the rate is no decimal") << QStringList{u"1000"_s, u"3"_s, u"30"_s, u"2,5"_s, u""_s} << Message::EnterInstallmentOrRate
                                                     << u"txtValPrest"_s;
}

void TstFrmJuro::validation()
{
    QFETCH(QStringList, fields);
    QFETCH(Message, message);
    QFETCH(QString, focus);
    Fixture f;
    f.fill(fields[0], fields[1], fields[2], fields[3], fields[4]);
    const QString before = f.calculator.list();
    f.click(u"cmdCalcular"_s);
    QCOMPARE(f.prompts.shown, (Shown{{PromptIcon::Exclamation, LoadMessage(message)}}));
    QCOMPARE(f.window->focusWidget()->objectName(), focus);
    f.window->close();
    QCOMPARE(f.calculator.list(), before);
}

void TstFrmJuro::editsDropTheReport_data()
{
    QTest::addColumn<QString>("edited");
    QTest::addColumn<bool>("written");
    for (const char* name : {"txtValVista", "txtValPrest", "txtParcelas", "txtDias", "txtJuroAp"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    QTest::newRow("txtValFinal keeps it") << u"txtValFinal"_s << true;
}

void TstFrmJuro::editsDropTheReport()
{
    QFETCH(QString, edited);
    QFETCH(bool, written);
    Fixture f;
    f.fill(u"1000"_s, u"3"_s, u"30"_s, u"2.5"_s, u""_s);
    f.click(u"cmdCalcular"_s);
    const QString before = f.calculator.list();
    f.field(edited)->setText(u"2"_s);
    f.window->close();
    QCOMPARE(f.calculator.list() != before, written);
}

void TstFrmJuro::absurdInput_data()
{
    QTest::addColumn<QStringList>("fields");  // value, count, days, rate, installment
    QTest::newRow("rate that overflows") << QStringList{u"1000"_s, u"250"_s, u"30"_s, u"1000000"_s, u""_s};
    QTest::newRow("balance beyond 1 % of the value") << QStringList{u"1000"_s, u"250"_s, u"30"_s, u"100"_s, u""_s};
    QTest::newRow("installment beyond the largest amount")
        << QStringList{u"10000000000000000000"_s, u"2"_s, u"30"_s, u"50"_s, u""_s};
    QTest::newRow("one installment paid in cash: no rate") << QStringList{u"1000"_s, u"1"_s, u"0"_s, u""_s, u"900"_s};
}

void TstFrmJuro::absurdInput()
{
    QFETCH(QStringList, fields);
    Fixture f;
    f.fill(fields[0], fields[1], fields[2], fields[3], fields[4]);
    const QString before = f.calculator.list();
    f.click(u"cmdCalcular"_s);
    QCOMPARE(f.prompts.shown, (Shown{{PromptIcon::Critical, LoadMessage(Message::CalculationError)}}));
    QCOMPARE(f.text(u"txtJuroAp"_s), u"Erro"_s);
    QCOMPARE(f.text(u"txtValPrest"_s), u"Erro"_s);
    f.window->close();
    QCOMPARE(f.calculator.list(), before);
}

void TstFrmJuro::capitalization_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("entry");  // empty: refused, nothing written
    QTest::addColumn<QString>("dateLine");
    const QStringList terms{u"1000"_s, u"2"_s, u"01/03/2006"_s, u"45"_s};
    QTest::newRow("saving account") << u"cmdCapitalizar"_s << terms << LoadMessage(Message::CapitalizedAmountResult, u"1,030.20"_s) << u"1,030.20"_s
                                    << u" 15/04/06       1,030.20 T"_s;
    QTest::newRow("cash check") << u"cmdDescontar"_s << terms << LoadMessage(Message::NetAmountResult, u"970.69"_s) << u"970.69"_s
                                << u" 15/04/06       1,000.00 T"_s;
    QTest::newRow("saving account refused") << u"cmdCapitalizar"_s << QStringList{u"0"_s} << LoadMessage(Message::InvalidData) << u""_s
                                            << u""_s;
    QTest::newRow("cash check cancelled") << u"cmdDescontar"_s << QStringList{} << LoadMessage(Message::InvalidData) << u""_s << u""_s;
    // Some 205,000 steps of 100 below the first guess of 99 million.
    QTest::newRow("cash check of 100 million over two years")
        << u"cmdDescontar"_s << QStringList{u"100000000"_s, u"1"_s, u"01/03/2006"_s, u"730"_s}
        << LoadMessage(Message::NetAmountResult, u"78,494,962.87"_s) << u"78,494,962.87"_s << u" 29/02/08 100,000,000.00 T"_s;
    QTest::newRow("saving account: comma in the rate")
        << u"cmdCapitalizar"_s << QStringList{u"1000"_s, u"2,5"_s, u"01/03/2006"_s, u"45"_s} << LoadMessage(Message::InvalidData)
        << u""_s << u""_s;
    QTest::newRow("cash check: value grouped by twos")
        << u"cmdDescontar"_s << QStringList{u"1,23,4"_s, u"2"_s, u"01/03/2006"_s, u"45"_s} << LoadMessage(Message::InvalidData) << u""_s
        << u""_s;
    QTest::newRow("saving account: days grouped badly")
        << u"cmdCapitalizar"_s << QStringList{u"1000"_s, u"2"_s, u"01/03/2006"_s, u"4,5"_s} << LoadMessage(Message::InvalidData) << u""_s
        << u""_s;
}

void TstFrmJuro::capitalization()
{
    QFETCH(QString, button);
    QFETCH(QStringList, answers);
    QFETCH(QString, message);
    QFETCH(QString, entry);
    QFETCH(QString, dateLine);
    Fixture f;
    for (const QString& answer : answers)
        f.prompts.typed.append(answer);
    const QString before = f.calculator.list();
    QSignalSpy saved(&f.calculator, &Calculator::calculationClosed);
    f.click(button);
    // A report goes into the state file at once, as a total does.
    QCOMPARE(saved.count() > 0, !entry.isEmpty());
    QCOMPARE(f.prompts.shown.size(), 1);
    QCOMPARE(f.prompts.shown.first().text, message);
    QCOMPARE(f.window->isVisible(), entry.isEmpty());
    QCOMPARE(f.calculator.list() == before, entry.isEmpty());
    QVERIFY(f.calculator.list().contains(dateLine + u"\r\n"_s));
    QCOMPARE(f.calculator.entry().text(), entry.isEmpty() ? u"0"_s : entry);
}

void TstFrmJuro::fullListIsClearedFirst()
{
    Fixture f;
    f.calculator.setList(f.calculator.list() + u" =========================\r\n"_s.repeated(800));
    f.prompts.typed = {u"1000"_s, u"2"_s, u"01/03/2006"_s, u"45"_s};
    f.click(u"cmdCapitalizar"_s);
    QCOMPARE(f.port.questions, QStringList{LoadMessage(Message::ListFull)});
    QVERIFY(f.calculator.list().size() < 1000);
    QVERIFY(f.calculator.list().contains(u"    TOTAL INTEREST AMOUNT \r\n                    30.20 \r\n"_s));
}

void TstFrmJuro::runningCalculationIsTotalledFirst()
{
    Fixture f;
    QString error;
    const bool closed = false;
    runTapeSteps(f.calculator, *parseTapeKeys(u"5+3+"_s, error), closed);
    f.prompts.typed = {u"1000"_s, u"2"_s, u"01/03/2006"_s, u"30"_s};
    f.click(u"cmdCapitalizar"_s);
    QVERIFY(f.calculator.list().contains(u"                       8 T\r\n =========================\r\n"
                                         " =========================\r\n            INITIAL VALUE \r\n"_s));
    QCOMPARE(f.calculator.counter(), u"000"_s);
    QCOMPARE(f.calculator.entry().text(), u"1,020.00"_s);
}

void TstFrmJuro::helpAndNumLock()
{
    Fixture f;
    QSignalSpy released(&*f.window, &frmJuro::keyReleased);
    QTest::keyClick(f.field(u"txtValVista"_s), Qt::Key_F1);
    f.click(u"cmdAjuda"_s);
    QCOMPARE(f.prompts.shown, (Shown{{PromptIcon::Information, LoadMessage(Message::InterestHelp)}, {PromptIcon::Information, LoadMessage(Message::InterestHelp)}}));
    QVERIFY(released.count() >= 1);
}

QTEST_MAIN(TstFrmJuro)
#include "tst_frm_juro.moc"
