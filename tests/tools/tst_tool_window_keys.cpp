// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <map>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "calculator.h"
#include "calculator_host.h"
#include "frm_data.h"
#include "frm_juro.h"
#include "frm_peso.h"
#include "frm_regra.h"
#include "tool_prompts.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

// The four tool windows, over fake prompts, each with the push button a test presses
// (one whose click shows at most a recorded message).
struct ToolWindow {
    std::unique_ptr<QDialog> window;
    QString button;
};

struct Fixture {
    CalculatorHost host;
    Calculator calculator{host};
    FakeToolPrompts prompts;

    ToolWindow open(const QString& name)
    {
        if (name == u"dates")
            return {std::make_unique<frmData>(calculator, u"dd/mm/yyyy"_s), u"cmdCalcula3"_s};
        if (name == u"interest") {
            auto window = std::make_unique<frmJuro>(calculator, u"dd/mm/yyyy"_s);
            window->setPrompts(prompts, prompts);
            return {std::move(window), u"cmdAjuda"_s};
        }
        if (name == u"rule of three") {
            auto window = std::make_unique<frmRegra>(calculator, nullptr);
            window->setPrompts(prompts);
            return {std::move(window), u"cmdExemplo"_s};
        }
        auto window = std::make_unique<frmPeso>(calculator);
        window->setPrompts(prompts);
        return {std::move(window), u"cmdHomem"_s};
    }
};

// The Alt letter of every control that has one: buttons, check and option boxes, and the
// labels that lead to a field.
std::multimap<QString, QString> mnemonics(const QWidget& window)
{
    std::multimap<QString, QString> letters;
    const auto add = [&letters](const QString& text, const QString& owner) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        if (!mnemonic.isEmpty())
            letters.emplace(mnemonic.toString(), owner + u" \""_s + text + u'"');
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        add(button->text(), button->objectName());
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy())
            add(label->text(), label->buddy()->objectName());
    }
    return letters;
}

} // namespace

class TstToolWindowKeys : public QObject {
    Q_OBJECT

private slots:
    void windows_data();
    void mnemonicsAreUnique_data() { windows_data(); }
    void mnemonicsAreUnique();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void enterInAFieldMovesOn_data() { windows_data(); }
    void enterInAFieldMovesOn();
};

void TstToolWindowKeys::windows_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"dates", "interest", "rule of three", "weight"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TstToolWindowKeys::mnemonicsAreUnique()
{
    QFETCH(QString, name);
    Fixture f;
    const ToolWindow tool = f.open(name);
    const auto letters = mnemonics(*tool.window);
    QStringList clashes;
    for (auto it = letters.begin(); it != letters.end(); it = letters.upper_bound(it->first)) {
        if (letters.count(it->first) < 2)
            continue;
        QStringList owners;
        for (auto [first, last] = letters.equal_range(it->first); first != last; ++first)
            owners << first->second;
        clashes << it->first + u": "_s + owners.join(u", "_s);
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u"; "_s)));
}

// Both Enter keys: the main one and the keypad's.
void TstToolWindowKeys::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::Key>("enter");
    for (const char* name : {"dates", "interest", "rule of three", "weight"}) {
        QTest::addRow("%s, Enter", name) << QString::fromLatin1(name) << Qt::Key_Return;
        QTest::addRow("%s, keypad Enter", name) << QString::fromLatin1(name) << Qt::Key_Enter;
    }
}

void TstToolWindowKeys::enterPressesTheFocusedButton()
{
    QFETCH(QString, name);
    QFETCH(Qt::Key, enter);
    Fixture f;
    const ToolWindow tool = f.open(name);
    tool.window->show();
    tool.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tool.window.get()));
    auto* button = tool.window->findChild<QPushButton*>(tool.button);
    QVERIFY(button && button->isEnabled());
    button->setFocus(Qt::TabFocusReason);
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(button, enter);
    QCOMPARE(clicked.count(), 1);
}

// Enter in a field goes on to the next field and presses no button.
void TstToolWindowKeys::enterInAFieldMovesOn()
{
    QFETCH(QString, name);
    Fixture f;
    const ToolWindow tool = f.open(name);
    tool.window->show();
    tool.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tool.window.get()));
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY2(field, "the window opens with the focus in a field");
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (auto* button : tool.window->findChildren<QPushButton*>())
        spies << std::make_shared<QSignalSpy>(button, &QPushButton::clicked);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != field);
    for (const auto& spy : spies)
        QCOMPARE(spy->count(), 0);
}

QTEST_MAIN(TstToolWindowKeys)
#include "tst_tool_window_keys.moc"
