// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "pressed_key.h"

using namespace Qt::StringLiterals;
using numerette::Button;
using numerette::PressedKey;

class TstPressedKey : public QObject {
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void everyListedNameIsKnown();
};

void TstPressedKey::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::addColumn<Button>("button");
    QTest::addColumn<bool>("asHotKey");

    const auto none = Button::Count;
    QTest::newRow("digit") << u"7"_s << true << Button::Num7 << true;
    QTest::newRow("plus") << u"+"_s << true << Button::Mais << true;
    QTest::newRow("comma is the decimal key") << u","_s << true << Button::Virgula << true;
    QTest::newRow("Enter is Ctrl+Enter") << u"{Enter}"_s << true << Button::Igual << true;
    QTest::newRow("Delete is the clear key") << u"{Delete}"_s << true << Button::CE << true;
    QTest::newRow("equals is the keypad's button") << u"="_s << true << Button::Igual << false;
    QTest::newRow("percent is no paste") << u"%"_s << true << Button::Percent << false;
    QTest::newRow("MC is no minimize") << u"{MC}"_s << true << Button::MC << false;
    QTest::newRow("M+") << u"{M+}"_s << true << Button::Mmais << false;
    QTest::newRow("Neg is the sign key") << u"{Neg}"_s << true << Button::Neg << false;
    QTest::newRow("empty") << QString() << false << none << false;
    QTest::newRow("two digits") << u"77"_s << false << none << false;
    QTest::newRow("name without braces") << u"Enter"_s << false << none << false;
    QTest::newRow("names are compared as typed") << u"{enter}"_s << false << none << false;
    QTest::newRow("Esc closes the window, no keypad key") << u"{Esc}"_s << false << none << false;
    QTest::newRow("a menu command") << u"{Undo}"_s << false << none << false;
    QTest::newRow("a letter") << u"a"_s << false << none << false;
    QTest::newRow("a multiplication sign") << u"×"_s << false << none << false;
}

void TstPressedKey::names()
{
    QFETCH(QString, name);
    QFETCH(bool, known);
    const std::optional<PressedKey> key = numerette::pressedKeyNamed(name);
    QCOMPARE(bool(key), known);
    if (!key)
        return;
    QTEST(key->button, "button");
    QTEST(key->road == PressedKey::Road::HotKey, "asHotKey");
}

// The list that help and errors print names only keys that are taken.
void TstPressedKey::everyListedNameIsKnown()
{
    const QStringList names = numerette::pressedKeyNames().split(u' ');
    QCOMPARE(names.first(), u"0-9"_s);
    for (const QString& name : names.mid(1))
        QVERIFY2(numerette::pressedKeyNamed(name), qPrintable(name));
    for (char digit = '0'; digit <= '9'; ++digit)
        QVERIFY(numerette::pressedKeyNamed(QString(QLatin1Char(digit))));
}

QTEST_GUILESS_MAIN(TstPressedKey)
#include "tst_pressed_key.moc"
