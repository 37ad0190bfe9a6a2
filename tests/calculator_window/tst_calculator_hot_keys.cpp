// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QGuiApplication>
#include <QClipboard>

#include "calculator.h"
#include "calculator_port.h"
#include "fake_calculator_owner.h"
#include "fake_desktop.h"
#include "frm_calcula.h"
#include "minimized_caption.h"
#include "number_text.h"
#include "settings_store.h"

using namespace Qt::StringLiterals;
using numerette::Button;
using numerette::Calculator;

namespace {

constexpr Qt::KeyboardModifiers CtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers CtrlAlt = Qt::ControlModifier | Qt::AltModifier;

// A window over fakes; the hot keys a test presses arrive as they would from the desktop.
struct Fixture {
    explicit Fixture(bool hotKeysWanted = true, bool addMode = true)
    {
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());
        settings.setHotKey(hotKeysWanted);
        settings.setCalcEnter(addMode);
        window = std::make_unique<frmCalcula>(calculator, settings, CalculatorLaunch{}, owner,
                                              desktop.services());
        window->load();
    }
    // Presses the hot keys in turn; each acts from the event loop, as from the platform.
    void press(std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys)
    {
        for (const auto& [key, modifiers] : keys) {
            QVERIFY2(hotKeys.press(key, modifiers), "the hot key is not registered");
            QCoreApplication::processEvents();
        }
    }

    QTemporaryDir dir;
    numerette::SettingsStore settings{dir.filePath(u"numeret.ini"_s)};
    FakeCalculatorOwner owner;
    numerette::CalculatorPort port;
    Calculator calculator{port};
    FakeDesktop desktop;
    numerette::FakeGlobalHotKeys& hotKeys = desktop.hotKeys;
    numerette::FakeNumLockSwitch& numLock = desktop.numLock;
    numerette::FakeProgramStarter& programs = desktop.programs;
    std::unique_ptr<frmCalcula> window;
};

} // namespace

class TstCalculatorHotKeys : public QObject {
    Q_OBJECT

private slots:
    void minimizedCaption_data();
    void minimizedCaption();
    void addModeTotalWhileMinimized();
    void addModeSignKeys();
    void resultModeEnterKeys();
    void operatorKeysAreShownReleased_data();
    void operatorKeysAreShownReleased();
    void hotKeysOnlyWhileMinimizedWhenSwitchedOff();
    void keyOwnedElsewhereIsSkipped();
    void ctrlSpaceMinimizesAndRestores();
    void pasteTakesOnlyANumber_data();
    void pasteTakesOnlyANumber();
    void hotKeyCommandIsStoredAtClose();
    void numLockForcedAfterKeysWithoutATotal();
    void hotKeyItemSaysWhereTheKeysComeFrom_data();
    void hotKeyItemSaysWhereTheKeysComeFrom();
    void wishOutlivesASessionWithoutHotKeys();
    void desktopShortcutsAreNamedActions();
};

void TstCalculatorHotKeys::minimizedCaption_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("pendingOperator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("after a total: entry holds the total") << u"8"_s << u"8"_s << u"8"_s << u"+"_s << u" = 8 T"_s;
    QTest::newRow("nothing typed yet") << u"0"_s << u"0"_s << u"0"_s << u"+"_s << u" = 0 T"_s;
    QTest::newRow("first number typed") << u"5"_s << u"5"_s << u"0"_s << u"+"_s << u" 5 T"_s;
    QTest::newRow("running total shown with its operator")
        << u"13"_s << u"0"_s << u"13"_s << u"×"_s << u" = 13    ×"_s;
    QTest::newRow("number typed over a running total") << u"3"_s << u"3"_s << u"5"_s << u"+"_s << u" 3"_s;
    QTest::newRow("emptied entry leaves the title") << u"5"_s << u""_s << u"5"_s << u"+"_s << QString();
    QTest::newRow("total that is no number counts as zero") << u"5"_s << u"5"_s << u""_s << u"+"_s << u" 5 T"_s;
    QTest::newRow("negative number") << u"-5"_s << u"-5"_s << u"2"_s << u"-"_s << u" -5"_s;
}

void TstCalculatorHotKeys::minimizedCaption()
{
    QFETCH(QString, display);
    QFETCH(QString, entry);
    QFETCH(QString, total);
    QFETCH(QString, pendingOperator);
    QFETCH(QString, expected);
    QCOMPARE(::minimizedCaption(CaptionTexts{display, entry, total, pendingOperator}, numerette::NumberLocale{}),
             expected);
}

void TstCalculatorHotKeys::addModeTotalWhileMinimized()
{
    Fixture f;
    f.window->show();
    f.window->showMinimized();
    f.press({{Qt::Key_5, CtrlKeypad}, {Qt::Key_Return, Qt::ControlModifier}, {Qt::Key_3, CtrlKeypad},
             {Qt::Key_Return, Qt::ControlModifier}, {Qt::Key_Return, CtrlAlt}});
    const QString list = f.calculator.list();
    QVERIFY2(list.contains(u"5 +"_s), qPrintable(list));
    QVERIFY2(list.contains(u"8 T"_s), qPrintable(list));
    QVERIFY2(f.window->windowTitle().endsWith(u"8 T"_s), qPrintable(f.window->windowTitle()));
}

void TstCalculatorHotKeys::addModeSignKeys()
{
    Fixture f;
    f.press({{Qt::Key_5, CtrlKeypad}, {Qt::Key_Minus, CtrlKeypad}});
    QCOMPARE(f.calculator.display(), u"-5"_s);
    f.press({{Qt::Key_Minus, CtrlKeypad}});
    QCOMPARE(f.calculator.display(), u"-5"_s);
    f.press({{Qt::Key_Plus, CtrlKeypad}});
    QCOMPARE(f.calculator.display(), u"5"_s);
    f.press({{Qt::Key_Plus, CtrlKeypad}});
    QCOMPARE(f.calculator.display(), u"5"_s);
}

void TstCalculatorHotKeys::resultModeEnterKeys()
{
    Fixture f(true, false);
    f.press({{Qt::Key_5, CtrlKeypad}, {Qt::Key_Return, CtrlAlt}});
    QCOMPARE(f.calculator.display(), u"-5"_s);
    f.press({{Qt::Key_Plus, CtrlKeypad}, {Qt::Key_3, CtrlKeypad}, {Qt::Key_Enter, CtrlKeypad}});
    QVERIFY2(f.calculator.list().contains(u"-2 T"_s), qPrintable(f.calculator.list()));
}

void TstCalculatorHotKeys::operatorKeysAreShownReleased_data()
{
    QTest::addColumn<bool>("addMode");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("result mode +") << false << Qt::Key_Plus << CtrlKeypad;
    QTest::newRow("result mode -") << false << Qt::Key_Minus << CtrlKeypad;
    QTest::newRow("*") << true << Qt::Key_Asterisk << CtrlKeypad;
    QTest::newRow("/") << true << Qt::Key_Slash << CtrlKeypad;
    QTest::newRow("result mode Enter") << false << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("add mode Enter") << true << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("add mode Ctrl+Alt+Enter") << true << Qt::Key_Return << CtrlAlt;
}

// With the window shown, an operator key stays drawn pressed until its key-up; a hot key
// has none inside the window, so it releases the button itself.
void TstCalculatorHotKeys::operatorKeysAreShownReleased()
{
    QFETCH(bool, addMode);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Fixture f(true, addMode);
    f.window->show();
    f.press({{Qt::Key_5, CtrlKeypad}, {key, modifiers}});
    for (const auto button : {Button::Mais, Button::Menos, Button::Vezes, Button::Dividir, Button::Igual})
        QVERIFY2(!f.calculator.isPressed(button), qPrintable(QString::number(int(button))));
}

// Only the activation key stays when the hot keys are switched off and the window is shown.
void TstCalculatorHotKeys::hotKeysOnlyWhileMinimizedWhenSwitchedOff()
{
    Fixture f(false);
    f.window->show();
    QCOMPARE(f.hotKeys.registeredCount(), 1);
    QVERIFY(f.hotKeys.isRegistered(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier));
    f.window->showMinimized();
    QVERIFY(f.hotKeys.isRegistered(Qt::Key_5, CtrlKeypad));
    f.window->showNormal();
    QCOMPARE(f.hotKeys.registeredCount(), 1);
}

void TstCalculatorHotKeys::keyOwnedElsewhereIsSkipped()
{
    Fixture f(false);
    f.hotKeys.setOwnedElsewhere(Qt::Key_5, CtrlKeypad);
    f.window->show();
    f.window->showMinimized();
    QVERIFY(!f.hotKeys.isRegistered(Qt::Key_5, CtrlKeypad));
    f.press({{Qt::Key_4, CtrlKeypad}});
    QCOMPARE(f.calculator.display(), u"4"_s);
}

void TstCalculatorHotKeys::pasteTakesOnlyANumber_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("display");
    QTest::newRow("a grouped number") << u"1,234.5"_s << u"1234.5"_s << u"1,234.5"_s;
    QTest::newRow("a negative number") << u" -12 "_s << u"-12"_s << u"-12"_s;
    QTest::newRow("no number") << u"abc"_s << u"0"_s << u"0"_s;
}

// Ctrl+Insert and the menu's "&Paste" put a copied number into the entry, selected.
void TstCalculatorHotKeys::pasteTakesOnlyANumber()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, entry);
    QFETCH(QString, display);
    Fixture f(true, false);
    QGuiApplication::clipboard()->setText(clipboard);
    f.press({{Qt::Key_Insert, Qt::ControlModifier}});
    QCOMPARE(f.calculator.entry().text(), entry);
    QCOMPARE(f.calculator.display(), display);
    QCOMPARE(f.calculator.entry().selectionLength(), int(entry.size()));
    f.window->findChild<QAction*>(u"mnuColar"_s)->trigger();
    QCOMPARE(f.calculator.entry().text(), entry);
}

void TstCalculatorHotKeys::ctrlSpaceMinimizesAndRestores()
{
    Fixture f;
    f.window->show();
    f.press({{Qt::Key_Space, Qt::ControlModifier}});
    QVERIFY(f.window->isMinimized());
    f.press({{Qt::Key_Space, Qt::ControlModifier}});
    QVERIFY(!f.window->isMinimized());
    QCOMPARE(f.window->windowTitle(), u" Numerette FREE"_s);
}

void TstCalculatorHotKeys::hotKeyCommandIsStoredAtClose()
{
    Fixture f;
    auto* item = f.window->findChild<QAction*>(u"mnuHotKey"_s);
    QVERIFY(item && item->isChecked());
    item->trigger();
    QVERIFY(!item->isChecked());
    QCOMPARE(f.hotKeys.registeredCount(), 1);
    f.window->close();
    QCOMPARE(f.hotKeys.registeredCount(), 0);
    QVERIFY(!f.settings.HotKey());
}

// The program's own NumLock press is no total; the user's next one is.
void TstCalculatorHotKeys::numLockForcedAfterKeysWithoutATotal()
{
    Fixture f;
    f.window->show();
    f.numLock.setOn(false);
    f.numLock.setPressesKey(true);
    QTest::keyClick(f.window.get(), Qt::Key_5);
    QCOMPARE(f.numLock.switchOnCount(), 1);
    QTest::keyClick(f.window.get(), Qt::Key_Return);
    const QString before = f.calculator.list();
    QTest::keyClick(f.window.get(), Qt::Key_NumLock);
    QCOMPARE(f.calculator.list(), before);
    QTest::keyClick(f.window.get(), Qt::Key_NumLock);
    QVERIFY2(f.calculator.list().contains(u"5 T"_s), qPrintable(QString(f.calculator.list()).remove(u'\r')));
}

void TstCalculatorHotKeys::hotKeyItemSaysWhereTheKeysComeFrom_data()
{
    using numerette::HotKeyDelivery;
    QTest::addColumn<HotKeyDelivery>("delivery");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("on");
    QTest::newRow("X display") << HotKeyDelivery::XDisplay << u"&HotKeys (CTRL + Numeric Keyboard)"_s << true;
    QTest::newRow("XWayland") << HotKeyDelivery::XWaylandWindows
                              << u"&HotKeys (CTRL + Numeric Keyboard, in X11 windows only)"_s << true;
    QTest::newRow("desktop shortcuts") << HotKeyDelivery::DesktopShortcuts << u"&HotKeys (desktop shortcuts)"_s
                                       << true;
    QTest::newRow("nothing delivers them") << HotKeyDelivery::Unavailable
                                           << u"&HotKeys (not available in this session)"_s << false;
}

// The item follows the desktop's answer, which may come after the window is up.
void TstCalculatorHotKeys::hotKeyItemSaysWhereTheKeysComeFrom()
{
    QFETCH(numerette::HotKeyDelivery, delivery);
    QFETCH(QString, caption);
    QFETCH(bool, on);
    Fixture f;
    f.hotKeys.setDelivery(delivery);
    const auto* item = f.window->findChild<QAction*>(u"mnuHotKey"_s);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->isEnabled(), on);
    QCOMPARE(item->isChecked(), on);
}

// Hot keys wanted, in a session that cannot deliver them: shown off, stored on.
void TstCalculatorHotKeys::wishOutlivesASessionWithoutHotKeys()
{
    Fixture f;
    f.hotKeys.setDelivery(numerette::HotKeyDelivery::Unavailable);
    f.window->close();
    QVERIFY(f.settings.HotKey());
}

void TstCalculatorHotKeys::desktopShortcutsAreNamedActions()
{
    Fixture f;
    const auto five = f.hotKeys.actionOf(Qt::Key_5, CtrlKeypad);
    const auto activation = f.hotKeys.actionOf(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const auto total = f.hotKeys.actionOf(Qt::Key_Return, CtrlAlt);
    QVERIFY(five && activation && total);
    QCOMPARE(five->name, u"keypad-5"_s);
    QCOMPARE(five->description, u"Digit 5"_s);
    QCOMPARE(activation->name, u"activate"_s);
    QCOMPARE(total->name, u"alt-enter"_s);
}

QTEST_MAIN(TstCalculatorHotKeys)
#include "tst_calculator_hot_keys.moc"
