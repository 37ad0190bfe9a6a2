// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeyEvent>
#include <QTest>

#include "virtual_keys.h"

using namespace Qt::StringLiterals;

class TstVirtualKeys : public QObject {
    Q_OBJECT

private slots:
    void keyCodes_data();
    void keyCodes();
};

void TstVirtualKeys::keyCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("character");

    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("digit") << int(Qt::Key_5) << none << u"5"_s << 53 << 53;
    QTest::newRow("keypad digit") << int(Qt::Key_5) << keypad << u"5"_s << 101 << 53;
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << keypad << u"+"_s << 107 << 43;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << keypad << u"-"_s << 109 << 45;
    QTest::newRow("keypad times") << int(Qt::Key_Asterisk) << keypad << u"*"_s << 106 << 42;
    QTest::newRow("keypad divide") << int(Qt::Key_Slash) << keypad << u"/"_s << 111 << 47;
    QTest::newRow("keypad decimal as comma") << int(Qt::Key_Comma) << keypad << u","_s << 110 << 44;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << u"\r"_s << 13 << 13;
    QTest::newRow("keypad Home without NumLock") << int(Qt::Key_Home) << keypad << QString() << 36 << 0;
    QTest::newRow("plus of the main keyboard") << int(Qt::Key_Plus) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                               << u"+"_s << 187 << 43;
    QTest::newRow("shifted digit") << int(Qt::Key_Asterisk) << Qt::KeyboardModifiers(Qt::ShiftModifier) << u"*"_s
                                   << 56 << 42;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << u"\r"_s << 13 << 13;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << u"\b"_s << 8 << 8;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << u"\x1b"_s << 27 << 27;
    QTest::newRow("Delete types nothing") << int(Qt::Key_Delete) << none << u"\x7f"_s << 46 << 0;
    QTest::newRow("Tab types nothing") << int(Qt::Key_Tab) << none << u"\t"_s << 9 << 0;
    QTest::newRow("NumLock") << int(Qt::Key_NumLock) << keypad << QString() << 144 << 0;
    QTest::newRow("small letter") << int(Qt::Key_A) << none << u"a"_s << 65 << 97;
    QTest::newRow("capital letter") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << u"A"_s << 65
                                    << 65;
    QTest::newRow("c cedilla") << int(Qt::Key_Ccedilla) << none << u"\u00E7"_s << 186 << 231;
    QTest::newRow("double quote") << int(Qt::Key_QuoteDbl) << none << u"\""_s << 222 << 34;
    QTest::newRow("function key") << int(Qt::Key_F4) << none << QString() << 115 << 0;
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << QString() << 37 << 0;
    QTest::newRow("unknown key") << int(Qt::Key_VolumeUp) << none << QString() << 0 << 0;
}

void TstVirtualKeys::keyCodes()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, virtualKey);
    QFETCH(int, character);

    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCOMPARE(numerette::keys::virtualKeyOf(event), virtualKey);
    QCOMPARE(numerette::keys::characterCodeOf(event), character);
}

QTEST_GUILESS_MAIN(TstVirtualKeys)
#include "tst_virtual_keys.moc"
