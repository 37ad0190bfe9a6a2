// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "frm_regra.h"
#include "number_text.h"
#include "message_catalogue.h"
#include "page_printer.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    explicit Fixture(QChar decimal = u'.', PagePrinter* printer = nullptr)
    {
        window.emplace(NumberLocale::withDecimal(decimal), printer);
        window->setPrompts(prompts);
        window->show();
    }
    template <typename T = QLineEdit>
    T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }

    FakeToolPrompts prompts;
    std::optional<frmRegra> window;
};

// A key as X delivers it: the press to the field with the focus, the release to the field
// that has the focus once the press has been handled (after a Tab, the next one).
void strike(Qt::Key key)
{
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
}

void typeIntoFocus(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class TstFrmRegra : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheFirstRowOnly();
    void examplesThroughTheButtons();
    void typedRowsAndCalculation();
    void resultShownWhole();
    void tabAndEnterFillRowByRow();
    void onlyKeysThatChangeTheNewValueCount_data();
    void onlyKeysThatChangeTheNewValueCount();
    void valueFieldsTakeNumbersOnly_data();
    void valueFieldsTakeNumbersOnly();
    void printsTheWindowImage();
    void printFailures_data();
    void printFailures();
};

void TstFrmRegra::opensWithTheFirstRowOnly()
{
    Fixture f;
    QCOMPARE(f.window->windowTitle(), LoadMessage(Message::RuleOfThreeTitle));
    QVERIFY(f.child(u"txtValor0"_s)->isEnabled());
    QVERIFY(f.child(u"txtCond0"_s)->isEnabled());
    QVERIFY(!f.child(u"txtValor1"_s)->isEnabled());
    QVERIFY(!f.child(u"txtValor20"_s)->isEnabled());
    QVERIFY(f.child<QPushButton>(u"cmdExemplo"_s)->isEnabled());
    QVERIFY(f.child<QPushButton>(u"cmdExemplo2"_s)->isEnabled());
    QCOMPARE(f.child<QPushButton>(u"cmdCalcular"_s)->text(), u"&Calculate"_s);
}

void TstFrmRegra::examplesThroughTheButtons()
{
    Fixture f;
    QTest::mouseClick(f.child<QPushButton>(u"cmdExemplo"_s), Qt::LeftButton);
    QCOMPARE(f.prompts.shown.size(), 9);
    QCOMPARE(f.prompts.shown.last().text, LoadMessage(Message::ExampleOneClosing));
    QVERIFY(!f.child<QPushButton>(u"cmdExemplo"_s)->isEnabled());
    QCOMPARE(f.child(u"txtCond23"_s)->text(), u"closets"_s);
    QVERIFY(f.child<QRadioButton>(u"optInc3"_s)->isEnabled());
    QVERIFY(!f.child<QRadioButton>(u"optInc4"_s)->isEnabled());

    f.prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::Yes};
    QTest::mouseClick(f.child<QPushButton>(u"cmdCalcular"_s), Qt::LeftButton);
    QCOMPARE(f.child(u"txtValor23"_s)->text(), u"20"_s);
    QVERIFY(f.child<QPushButton>(u"cmdImprimir"_s)->isEnabled());
    QVERIFY(!f.child<QLabel>(u"imgVal0"_s)->pixmap().isNull());

    QTest::mouseClick(f.child<QPushButton>(u"cmdExemplo2"_s), Qt::LeftButton);
    QCOMPARE(f.prompts.shown.last().text, LoadMessage(Message::ExampleTwoClosing));
    f.prompts.answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::Yes};
    QTest::mouseClick(f.child<QPushButton>(u"cmdCalcular"_s), Qt::LeftButton);
    QCOMPARE(f.child(u"txtValor22"_s)->text(), u"10"_s);
    QVERIFY(!f.child<QPushButton>(u"cmdExemplo2"_s)->isEnabled());
}

void TstFrmRegra::typedRowsAndCalculation()
{
    Fixture f(u',');
    QTest::keyClicks(f.child(u"txtValor0"_s), u"2.5"_s);
    QTest::keyClicks(f.child(u"txtCond0"_s), u"kg"_s);
    QVERIFY(f.child(u"txtValor1"_s)->isEnabled());
    QCOMPARE(f.child(u"txtCond20"_s)->text(), u"kg"_s);
    QTest::keyClicks(f.child(u"txtValor1"_s), u"10"_s);
    QTest::keyClicks(f.child(u"txtCond1"_s), u"price"_s);
    QTest::keyClicks(f.child(u"txtValor20"_s), u"5"_s);
    // Erasing the new value with a key makes it the sought one.
    QTest::keyClicks(f.child(u"txtValor21"_s), u"7"_s);
    QTest::keyClick(f.child(u"txtValor21"_s), Qt::Key_Backspace);
    QVERIFY(!f.child(u"txtValor0"_s)->isEnabled());
    f.prompts.answers = {PromptAnswer::Yes};
    QTest::mouseClick(f.child<QPushButton>(u"cmdCalcular"_s), Qt::LeftButton);
    QCOMPARE(f.child(u"txtValor21"_s)->text(), u"20"_s);
    QCOMPARE(f.prompts.questions.size(), 1);
}

// Ten digits may be typed into a value; a result is shown with all of its digits.
void TstFrmRegra::resultShownWhole()
{
    Fixture f;
    QTest::keyClicks(f.child(u"txtValor0"_s), u"1"_s);
    QTest::keyClicks(f.child(u"txtCond0"_s), u"kg"_s);
    QTest::keyClicks(f.child(u"txtValor1"_s), u"9999"_s);
    QTest::keyClicks(f.child(u"txtCond1"_s), u"price"_s);
    QTest::keyClicks(f.child(u"txtValor20"_s), u"99999999999"_s);
    QCOMPARE(f.child(u"txtValor20"_s)->text(), u"9999999999"_s);
    // Erasing a typed digit is what makes the new value the sought one.
    QTest::keyClicks(f.child(u"txtValor21"_s), u"7"_s);
    QTest::keyClick(f.child(u"txtValor21"_s), Qt::Key_Backspace);
    f.prompts.answers = {PromptAnswer::Yes};
    QTest::mouseClick(f.child<QPushButton>(u"cmdCalcular"_s), Qt::LeftButton);
    QCOMPARE(f.child(u"txtValor21"_s)->text(), u"99989999990001"_s);
}

void TstFrmRegra::tabAndEnterFillRowByRow()
{
    Fixture f;
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&*f.window));
    QCOMPARE(focusName(), u"txtValor0"_s);
    typeIntoFocus(u"8"_s);
    strike(Qt::Key_Tab);
    QCOMPARE(focusName(), u"txtCond0"_s);
    typeIntoFocus(u"carpenters"_s);
    strike(Qt::Key_Tab);
    QCOMPARE(focusName(), u"txtValor1"_s);
    typeIntoFocus(u"5"_s);
    strike(Qt::Key_Return);
    QCOMPARE(focusName(), u"txtCond1"_s);
    typeIntoFocus(u"days"_s);
    strike(Qt::Key_Tab);
    QCOMPARE(focusName(), u"txtValor2"_s);
    // Past the last opened row: the new values, then the sought quantity.
    strike(Qt::Key_Tab);
    strike(Qt::Key_Tab);
    QCOMPARE(focusName(), u"txtValor20"_s);
    strike(Qt::Key_Tab);
    QCOMPARE(focusName(), u"txtValor21"_s);
    strike(Qt::Key_Tab);
    QCOMPARE(focusName(), u"optInc0"_s);
    // Walking through the empty new values chose nothing and locked nothing.
    QVERIFY(f.child(u"txtValor0"_s)->isEnabled());
    QVERIFY(!f.child<QRadioButton>(u"optInc0"_s)->isChecked());
    QVERIFY(!f.child<QRadioButton>(u"optInc1"_s)->isChecked());
}

void TstFrmRegra::onlyKeysThatChangeTheNewValueCount_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("sought");

    QTest::newRow("Tab arriving in an empty field") << QString() << Qt::Key_Tab << false;
    QTest::newRow("Enter arriving in an empty field") << QString() << Qt::Key_Return << false;
    QTest::newRow("arrow key in an empty field") << QString() << Qt::Key_Left << false;
    QTest::newRow("Backspace in an empty field") << QString() << Qt::Key_Backspace << false;
    QTest::newRow("a letter, which the field drops") << QString() << Qt::Key_A << false;
    QTest::newRow("Backspace erasing the last digit") << u"7"_s << Qt::Key_Backspace << true;
    QTest::newRow("Delete erasing the last digit") << u"7"_s << Qt::Key_Delete << true;
}

// The new value of row 1 gets the key; the key arrives there from row 0's new value when it
// moves the focus.
void TstFrmRegra::onlyKeysThatChangeTheNewValueCount()
{
    QFETCH(QString, before);
    QFETCH(Qt::Key, key);
    QFETCH(bool, sought);

    Fixture f;
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&*f.window));
    QTest::keyClicks(f.child(u"txtValor0"_s), u"8"_s);
    QTest::keyClicks(f.child(u"txtCond0"_s), u"carpenters"_s);
    QTest::keyClicks(f.child(u"txtValor1"_s), u"5"_s);
    QTest::keyClicks(f.child(u"txtCond1"_s), u"days"_s);
    QLineEdit* field = f.child(u"txtValor21"_s);
    if (key == Qt::Key_Tab || key == Qt::Key_Return)
        f.child(u"txtValor20"_s)->setFocus();
    else
        field->setFocus();
    QTest::keyClicks(field, before);
    if (key == Qt::Key_Delete)
        field->home(false);
    strike(key);

    QCOMPARE(f.child<QRadioButton>(u"optInc1"_s)->isChecked(), sought);
    QCOMPARE(f.child(u"txtValor0"_s)->isEnabled(), !sought);
}

void TstFrmRegra::valueFieldsTakeNumbersOnly_data()
{
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("point locale, comma typed") << QChar(u'.') << u"1,5"_s << u"1.5"_s;
    QTest::newRow("comma locale, point typed") << QChar(u',') << u"1.5"_s << u"1,5"_s;
    QTest::newRow("second separator dropped") << QChar(u'.') << u"1.5.2"_s << u"1.52"_s;
    QTest::newRow("letters and minus dropped") << QChar(u'.') << u"-a1b2"_s << u"12"_s;
}

void TstFrmRegra::valueFieldsTakeNumbersOnly()
{
    QFETCH(QChar, decimal);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Fixture f(decimal);
    QTest::keyClicks(f.child(u"txtValor0"_s), typed);
    QCOMPARE(f.child(u"txtValor0"_s)->text(), shown);
}

void TstFrmRegra::printsTheWindowImage()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"regra.pdf"_s);
    PdfPagePrinter printer(file);
    Fixture f(u'.', &printer);
    f.window->cmdImprimir_Click();
    QCOMPARE(f.prompts.shown.last(), (FakeToolPrompts::Shown{PromptIcon::Information, LoadMessage(Message::SentToPrinter)}));
    QVERIFY(QFileInfo(file).size() > 1000);
    QVERIFY(f.window->isVisible());
}

void TstFrmRegra::printFailures_data()
{
    using Outcome = PrintReport::Outcome;
    QTest::addColumn<bool>("hasPrinter");
    QTest::addColumn<PrintReport>("report");
    QTest::addColumn<QString>("message");
    const PrintReport refused{Outcome::Refused, u"PDF"_s, u"out of paper"_s};
    const PrintReport down{Outcome::ServiceDown, {}, {}};
    QTest::newRow("no printer") << false << PrintReport{} << LoadMessage(Message::PrinterNotResponding);
    QTest::newRow("printing failed") << true << PrintReport{Outcome::Failed, u"PDF"_s, {}}
                                     << LoadMessage(Message::PrinterNotResponding);
    QTest::newRow("queue refused the job") << true << refused << printTroubleText(refused);
    QTest::newRow("service not running") << true << down << printTroubleText(down);
    QTest::newRow("print dialog canceled") << true << PrintReport{Outcome::Canceled, {}, {}} << QString();
}

// A print that did not reach a printer says why and closes the window; a canceled dialog
// says nothing and keeps it.
void TstFrmRegra::printFailures()
{
    QFETCH(bool, hasPrinter);
    QFETCH(PrintReport, report);
    QFETCH(QString, message);
    FakePagePrinter printer;
    printer.setReport(report);
    Fixture f(u'.', hasPrinter ? &printer : nullptr);
    f.window->cmdImprimir_Click();
    QCOMPARE(printer.pictures(), hasPrinter ? 1 : 0);
    if (message.isEmpty()) {
        QVERIFY(f.prompts.shown.isEmpty());
        QVERIFY(f.window->isVisible());
        return;
    }
    QCOMPARE(f.prompts.shown.last(), (FakeToolPrompts::Shown{PromptIcon::Critical, message}));
    QVERIFY(message.contains(report.reason));
    QVERIFY(!f.window->isVisible());
}

QTEST_MAIN(TstFrmRegra)
#include "tst_frm_regra.moc"
