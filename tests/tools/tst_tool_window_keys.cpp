// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <map>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tool_window_fixture.h"

using namespace numerette;
using namespace Qt::StringLiterals;
using tool_window_fixture::Fixture;
using tool_window_fixture::ToolWindow;

namespace {

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
