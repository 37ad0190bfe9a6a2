// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "message_catalogue.h"
#include "rule_of_three.h"

using namespace numerette;
using namespace numerette::rule_of_three;
using namespace Qt::StringLiterals;

namespace {

using Answers = QList<PromptAnswer>;

// The messages an example shows: its steps, then its closing message.
QList<Message> messages(const Example& example)
{
    QList<Message> ids;
    for (const ExampleStep& step : example.steps)
        ids << step.message;
    return ids << example.closingMessage;
}

// The example messages among the texts shown from `from` on.
QList<Message> shownMessages(const FakeToolPrompts& prompts, int from = 0)
{
    const QList<Message> candidates = messages(firstExample()) + messages(secondExample());
    QList<Message> ids;
    for (int i = from; i < prompts.shown.size(); ++i) {
        for (const Message id : candidates) {
            if (prompts.shown[i].text == LoadMessage(id))
                ids << id;
        }
    }
    return ids;
}

// Base rows typed by hand: values and descriptions, in order.
Sheet typed(const QList<std::pair<QString, QString>>& base, const NumberLocale& locale = {})
{
    Sheet sheet(locale);
    for (int i = 0; i < base.size(); ++i) {
        sheet.setValue(i, base[i].first);
        sheet.setDescription(i, base[i].second);
    }
    return sheet;
}

} // namespace

class TstRuleOfThree : public QObject {
    Q_OBJECT

private slots:
    void examples();
    void examplesOpenOnlyFilledRows_data();
    void examplesOpenOnlyFilledRows();
    void exampleQuestions();
    void product_data();
    void product();
    void failures_data();
    void failures();
    void cancelAborts();
    void answersAreReusedUntilTheSoughtIsChosenAgain();
    void rowOpening_data();
    void rowOpening();
    void soughtFreezesTheBase();
};

void TstRuleOfThree::examples()
{
    Sheet sheet{NumberLocale()};
    FakeToolPrompts prompts;
    sheet.playExample(firstExample(), prompts);
    QCOMPARE(shownMessages(prompts), (QList<Message>{Message::ExampleOneBaseCarpenters, Message::ExampleOneBaseDays,
                                                 Message::ExampleOneBaseHours, Message::ExampleOneBaseClosets,
                                                 Message::ExampleOneQuestion, Message::ExampleOneNewCarpenters,
                                                 Message::ExampleOneNewDays, Message::ExampleOneNewHours,
                                                 Message::ExampleOneClosing}));
    QCOMPARE(prompts.shown.at(4).icon, PromptIcon::Question);
    QCOMPARE(prompts.shown.last().icon, PromptIcon::Exclamation);
    QCOMPARE(prompts.shown.first().icon, PromptIcon::Information);
    QCOMPARE(sheet.sought(), 3);
    QVERIFY(sheet.calculateEnabled());
    QCOMPARE(sheet.row(0).newDescription, u"carpenters"_s);

    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::Yes};
    QCOMPARE(sheet.calculate(prompts), std::nullopt);
    QCOMPARE(sheet.row(3).newValue, u"20"_s);
    QCOMPARE(prompts.questions.size(), 3);

    const int before = prompts.shown.size();
    sheet.playExample(secondExample(), prompts);
    QCOMPARE(shownMessages(prompts, before), messages(secondExample()));
    QCOMPARE(sheet.sought(), 2);
    prompts.answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::Yes};
    QCOMPARE(sheet.calculate(prompts), std::nullopt);
    QCOMPARE(sheet.row(2).newValue, u"10"_s);
    QCOMPARE(sheet.row(0).proportion, Proportion::Inverse);
    QCOMPARE(sheet.row(3).proportion, Proportion::Direct);
    QCOMPARE(sheet.row(2).proportion, Proportion::None);
}

void TstRuleOfThree::examplesOpenOnlyFilledRows_data()
{
    QTest::addColumn<QList<int>>("examples"); // played in order: 1 first, 2 second
    QTest::addColumn<QList<int>>("openRows");

    const QList<int> filled{0, 1, 2, 3};
    QTest::newRow("first on a fresh sheet") << QList<int>{1} << filled;
    QTest::newRow("second after the first") << QList<int>{1, 2} << filled;
    QTest::newRow("first played twice") << QList<int>{1, 1} << filled;
    QTest::newRow("second on a fresh sheet") << QList<int>{2} << QList<int>{};
}

// Clearing the sheet leaves rows that were never described closed, so no empty row can be
// chosen as the sought quantity.
void TstRuleOfThree::examplesOpenOnlyFilledRows()
{
    QFETCH(QList<int>, examples);
    QFETCH(QList<int>, openRows);

    Sheet sheet{NumberLocale()};
    FakeToolPrompts prompts;
    for (int example : examples)
        sheet.playExample(example == 1 ? firstExample() : secondExample(), prompts);
    for (int i = 0; i < RowCount; ++i) {
        const bool open = openRows.contains(i);
        QCOMPARE(sheet.row(i).optionEnabled, open);
        QCOMPARE(sheet.row(i).newValueEnabled, open);
        QVERIFY(!sheet.row(i).baseEnabled);
    }
}

void TstRuleOfThree::exampleQuestions()
{
    Sheet sheet{NumberLocale()};
    FakeToolPrompts prompts;
    sheet.playExample(firstExample(), prompts);
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::Yes};
    QVERIFY(!sheet.calculate(prompts));
    QCOMPARE(prompts.questions.first(), u"If you add:\r\n\"CARPENTERS\"\r\n\r\nthe result will/would add:\r\n\"CLOSETS\" ?"_s);
}

void TstRuleOfThree::product_data()
{
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("newValues"); // empty for the sought one
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("result");

    const auto yes = PromptAnswer::Yes;
    const auto no = PromptAnswer::No;
    QTest::newRow("simple direct") << QChar(u'.') << QStringList{u"2"_s, u"10"_s} << QStringList{u"3"_s, QString()}
                                   << Answers{yes} << u"15"_s;
    QTest::newRow("simple inverse") << QChar(u'.') << QStringList{u"4"_s, u"6"_s} << QStringList{u"8"_s, QString()}
                                    << Answers{no} << u"3"_s;
    QTest::newRow("two thirds") << QChar(u'.') << QStringList{u"3"_s, u"1"_s} << QStringList{u"2"_s, QString()}
                                << Answers{yes} << u"0.6667"_s;
    QTest::newRow("comma decimals") << QChar(u',') << QStringList{u"2,5"_s, u"10"_s}
                                    << QStringList{u"1,25"_s, QString()} << Answers{yes} << u"5"_s;
    QTest::newRow("comma result") << QChar(u',') << QStringList{u"3"_s, u"1"_s} << QStringList{u"2"_s, QString()}
                                  << Answers{yes} << u"0,6667"_s;
    QTest::newRow("inverse by zero") << QChar(u'.') << QStringList{u"4"_s, u"6"_s} << QStringList{u"0"_s, QString()}
                                     << Answers{no} << u"0"_s;
}

void TstRuleOfThree::product()
{
    QFETCH(QChar, decimal);
    QFETCH(QStringList, values);
    QFETCH(QStringList, newValues);
    QFETCH(Answers, answers);
    QFETCH(QString, result);

    Sheet sheet(NumberLocale::withDecimal(decimal));
    int sought = -1;
    for (int i = 0; i < values.size(); ++i) {
        sheet.setValue(i, values[i]);
        sheet.setDescription(i, u"q"_s + QString::number(i));
        sheet.setNewValue(i, newValues[i]);
        if (newValues[i].isEmpty())
            sought = i;
    }
    sheet.selectSought(sought);
    FakeToolPrompts prompts;
    prompts.answers = answers;
    QCOMPARE(sheet.calculate(prompts), std::nullopt);
    QCOMPARE(sheet.row(sought).newValue, result);
    QVERIFY(!sheet.calculateEnabled());
    QVERIFY(sheet.printEnabled());
}

void TstRuleOfThree::failures_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("newValues");
    QTest::addColumn<int>("sought");
    QTest::addColumn<Message>("message");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("row");

    QTest::newRow("row 1 empty") << QStringList{u"5"_s} << QStringList{QString()} << 0 << Message::FillBaseData
                                 << int(Focus::BaseValue) << 0;
    QTest::newRow("zero rows pass the first check but are not filled")
        << QStringList{u"0"_s, u"0"_s} << QStringList{u"1"_s, QString()} << 1 << Message::TwoConditionsNeeded << int(Focus::None) << 0;
    QTest::newRow("second new value missing")
        << QStringList{u"5"_s, u"6"_s, u"7"_s} << QStringList{QString(), QString(), u"1"_s} << 0 << Message::OnlyVariableUndefined
        << int(Focus::NewValue) << 1;
    QTest::newRow("no sought quantity")
        << QStringList{u"5"_s, u"6"_s} << QStringList{u"1"_s, u"2"_s} << -1 << Message::SelectVariable << int(Focus::None) << 0;
    QTest::newRow("sought row without a description")
        << QStringList{u"5"_s, u"6"_s} << QStringList{u"1"_s, u"2"_s} << 2 << Message::SelectVariable << int(Focus::None) << 0;
}

void TstRuleOfThree::failures()
{
    QFETCH(QStringList, values);
    QFETCH(QStringList, newValues);
    QFETCH(int, sought);
    QFETCH(Message, message);
    QFETCH(int, focus);
    QFETCH(int, row);

    Sheet sheet{NumberLocale()};
    for (int i = 0; i < values.size(); ++i) {
        sheet.setValue(i, values[i]);
        sheet.setDescription(i, u"q"_s);
        sheet.setNewValue(i, newValues[i]);
    }
    if (sought >= 0)
        sheet.selectSought(sought);
    FakeToolPrompts prompts;
    QCOMPARE(sheet.calculate(prompts), (Failure{message, Focus(focus), row}));
    QVERIFY(prompts.questions.isEmpty());
}

void TstRuleOfThree::cancelAborts()
{
    Sheet sheet = typed({{u"8"_s, u"a"_s}, {u"5"_s, u"b"_s}, {u"6"_s, u"c"_s}});
    sheet.setNewValue(0, u"4"_s);
    sheet.setNewValue(1, u"5"_s);
    sheet.selectSought(2);
    FakeToolPrompts prompts;
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Cancel};
    QCOMPARE(sheet.calculate(prompts), (Failure{Message::InvalidData}));
    QCOMPARE(sheet.row(0).proportion, Proportion::Direct);
    QVERIFY(!sheet.answersGiven());
    QVERIFY(!sheet.printEnabled());
}

void TstRuleOfThree::answersAreReusedUntilTheSoughtIsChosenAgain()
{
    Sheet sheet = typed({{u"2"_s, u"a"_s}, {u"10"_s, u"b"_s}});
    sheet.setNewValue(0, u"3"_s);
    sheet.selectSought(1);
    FakeToolPrompts prompts;
    prompts.answers = {PromptAnswer::Yes};
    QVERIFY(!sheet.calculate(prompts));

    sheet.setNewValue(0, u"4"_s);
    sheet.newValueKeyReleased(0);
    QVERIFY(sheet.calculateEnabled());
    QVERIFY(!sheet.calculate(prompts));
    QCOMPARE(prompts.questions.size(), 1);
    QCOMPARE(sheet.row(1).newValue, u"20"_s);

    sheet.selectSought(1);
    prompts.answers = {PromptAnswer::No};
    QVERIFY(!sheet.calculate(prompts));
    QCOMPARE(prompts.questions.size(), 2);
    QCOMPARE(sheet.row(1).newValue, u"5"_s);
}

void TstRuleOfThree::rowOpening_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("typedBefore"); // a description typed first, if any
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("valueAfter");

    QTest::newRow("value and description") << u"5"_s << QString() << u"days"_s << true << u"5"_s;
    QTest::newRow("value zero") << u"0"_s << QString() << u"days"_s << false << u"0"_s;
    QTest::newRow("description emptied") << u"5"_s << u"days"_s << QString() << false << u"5"_s;
    QTest::newRow("no value yet") << QString() << QString() << u"days"_s << true << QString();
    QTest::newRow("value no number is emptied") << u"1.2.3"_s << QString() << u"days"_s << true << QString();
}

void TstRuleOfThree::rowOpening()
{
    QFETCH(QString, value);
    QFETCH(QString, typedBefore);
    QFETCH(QString, description);
    QFETCH(bool, open);
    QFETCH(QString, valueAfter);

    Sheet sheet{NumberLocale()};
    sheet.setValue(0, value);
    sheet.setNewValue(0, u"7"_s);
    if (!typedBefore.isEmpty())
        sheet.setDescription(0, typedBefore);
    sheet.setDescription(0, description);
    QCOMPARE(sheet.row(0).value, valueAfter);
    QCOMPARE(sheet.row(1).baseEnabled, open);
    QCOMPARE(sheet.row(0).newValueEnabled, open);
    QCOMPARE(sheet.row(0).optionEnabled, open);
    QCOMPARE(sheet.row(0).newDescription, open ? description : QString());
    QCOMPARE(sheet.row(0).newValue, open ? u"7"_s : QString());
}

void TstRuleOfThree::soughtFreezesTheBase()
{
    Sheet sheet = typed({{u"2"_s, u"a"_s}, {u"10"_s, u"b"_s}});
    sheet.newValueKeyReleased(1);
    QCOMPARE(sheet.sought(), 1);
    for (int i = 0; i < RowCount; ++i)
        QVERIFY(!sheet.row(i).baseEnabled);
    sheet.setDescription(1, u"c"_s);
    QVERIFY(!sheet.row(2).baseEnabled);

    sheet.setNewValue(1, u"3"_s);
    sheet.newValueKeyReleased(1);
    QCOMPARE(sheet.sought(), -1);
}

QTEST_GUILESS_MAIN(TstRuleOfThree)
#include "tst_rule_of_three.moc"
