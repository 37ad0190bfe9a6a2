// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "keyboard_map.h"

using namespace numerette;

Q_DECLARE_METATYPE(numerette::KeyDownAction)
Q_DECLARE_METATYPE(numerette::Button)

namespace {
constexpr int DeleteKey = 46;
constexpr int NumLockKey = 144;
} // namespace

class TestKeyboardMap : public QObject {
    Q_OBJECT

private slots:
    void keyDown_data();
    void keyDown();
    void programsNumLockPressIsNoTotalOnce();
    void character_data();
    void character();
    void operatorCode_data();
    void operatorCode();
};

void TestKeyboardMap::keyDown_data()
{
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("addMode");
    QTest::addColumn<KeyDownAction>("action");
    QTest::addColumn<Button>("button");

    const Button none = Button::Count;
    QTest::newRow("Shift+A is M+") << int('A') << true << false << KeyDownAction::PressButton << Button::Mmais;
    QTest::newRow("Shift+D is M-") << int('D') << true << false << KeyDownAction::PressButton << Button::Mmenos;
    QTest::newRow("Shift+R is MR") << int('R') << true << true << KeyDownAction::PressButton << Button::MR;
    QTest::newRow("Shift+C is MC") << int('C') << true << false << KeyDownAction::PressButton << Button::MC;
    QTest::newRow("Shift+P is the sign key") << int('P') << true << false << KeyDownAction::PressButton << Button::Neg;
    QTest::newRow("A without Shift") << int('A') << false << false << KeyDownAction::None << none;
    QTest::newRow("Shift+B is nothing") << int('B') << true << false << KeyDownAction::None << none;
    QTest::newRow("Delete clears") << DeleteKey << false << false << KeyDownAction::Clear << none;
    QTest::newRow("Shift+Delete clears") << DeleteKey << true << false << KeyDownAction::Clear << none;
    QTest::newRow("NumLock totals in Add mode") << NumLockKey << false << true << KeyDownAction::Total << none;
    QTest::newRow("NumLock outside Add mode") << NumLockKey << false << false << KeyDownAction::None << none;
    QTest::newRow("a digit key") << int('5') << false << true << KeyDownAction::None << none;
}

void TestKeyboardMap::keyDown()
{
    QFETCH(int, virtualKey);
    QFETCH(bool, shift);
    QFETCH(bool, addMode);
    QFETCH(KeyDownAction, action);
    QFETCH(Button, button);

    KeyboardMap map;
    const KeyDown down = map.keyDown(virtualKey, shift, addMode);
    QCOMPARE(down.action, action);
    if (action == KeyDownAction::PressButton)
        QCOMPARE(down.button, button);
}

void TestKeyboardMap::programsNumLockPressIsNoTotalOnce()
{
    KeyboardMap map;
    map.setSyntheticNumLock(true);
    // Other keys leave the mark for the NumLock press it stands for.
    QCOMPARE(map.keyDown('7', false, true).action, KeyDownAction::None);
    QCOMPARE(map.keyDown(NumLockKey, false, true).action, KeyDownAction::None);
    QCOMPARE(map.keyDown(NumLockKey, false, true).action, KeyDownAction::Total);
    // Outside Add mode the mark is used up as well.
    map.setSyntheticNumLock(true);
    QCOMPARE(map.keyDown(NumLockKey, false, false).action, KeyDownAction::None);
    QCOMPARE(map.keyDown(NumLockKey, false, true).action, KeyDownAction::Total);
}

void TestKeyboardMap::character_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("numLockAlways");
    QTest::addColumn<bool>("labels");
    QTest::addColumn<int>("expected");

    const QList<std::pair<char, char>> keypad{{'u', '4'}, {'i', '5'}, {'o', '6'}, {'j', '1'},
                                              {'k', '2'}, {'l', '3'}, {'m', '0'}};
    for (const auto& [letter, digit] : keypad) {
        const QByteArray small(1, letter);
        const QByteArray capital(1, char(QChar::toUpper(uint(letter))));
        QTest::newRow(small) << int(letter) << false << false << int(digit);
        QTest::newRow(capital) << int(capital.at(0)) << false << false << int(digit);
        QTest::newRow(QByteArray(small + " with NumLock kept on")) << int(letter) << true << false << int(letter);
        QTest::newRow(QByteArray(small + " as a label")) << int(letter) << false << true << int(letter);
    }
    QTest::newRow("another letter") << int('x') << false << false << int('x');
    QTest::newRow("a digit") << int('7') << false << false << int('7');
    QTest::newRow("an operator") << int('+') << false << false << int('+');
}

void TestKeyboardMap::character()
{
    QFETCH(int, code);
    QFETCH(bool, numLockAlways);
    QFETCH(bool, labels);
    QFETCH(int, expected);

    KeyboardMap map;
    map.setNumLockAlways(numLockAlways);
    QCOMPARE(map.character(code, labels), expected);
}

void TestKeyboardMap::operatorCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("addMode");
    QTest::addColumn<int>("expected");

    QTest::newRow("Enter totals") << keycode::Enter << false << int('=');
    QTest::newRow("Enter adds in Add mode") << keycode::Enter << true << keycode::Add;
    QTest::newRow("semicolon adds") << int(';') << false << keycode::Add;
    QTest::newRow("c cedilla adds") << 231 << false << keycode::Add;
    QTest::newRow("plus stays") << int('+') << true << int('+');
    QTest::newRow("equals stays") << int('=') << true << int('=');
    QTest::newRow("Backspace stays") << keycode::Backspace << false << keycode::Backspace;
}

void TestKeyboardMap::operatorCode()
{
    QFETCH(int, code);
    QFETCH(bool, addMode);
    QFETCH(int, expected);
    QCOMPARE(KeyboardMap::operatorCode(code, addMode), expected);
}

QTEST_GUILESS_MAIN(TestKeyboardMap)
#include "tst_keyboard_map.moc"
