// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever starts an action (a typed key, the keypad, a hot key, the clipboard monitor, a
// tool, a correction, a menu), the calculator reports its changes once and the window renders
// once, showing the action's result.
#include <functional>
#include <memory>

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include "calculator.h"
#include "calculator_hot_keys.h"
#include "clipboard_taker.h"
#include "pressed_key.h"
#include "window_fixture.h"
#include "xp_button.h"

using namespace Qt::StringLiterals;
using numerette::Button;
using numerette::Calculator;

namespace {

using Step = std::function<void(WindowFixture&)>;

constexpr Qt::KeyboardModifiers CtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;

void typeKeys(WindowFixture& f, const QString& keys)
{
    QTest::keyClicks(&f.window, keys);
}

Step typed(const QString& keys)
{
    return [keys](WindowFixture& f) { typeKeys(f, keys); };
}

void clickKey(WindowFixture& f, const QString& name)
{
    auto* key = f.window.findChild<XPButton*>(name);
    QVERIFY(key);
    QTest::mouseClick(key, Qt::LeftButton);
}

void trigger(WindowFixture& f, const QString& name)
{
    auto* item = f.window.findChild<QAction*>(name);
    QVERIFY(item);
    item->trigger();
}

// A double click on the first number of the tape, in its middle.
void doubleClickFirstNumber(WindowFixture& f, const QString& number)
{
    auto* tape = f.window.findChild<QPlainTextEdit*>(u"txtFita"_s);
    QVERIFY(tape);
    QTextCursor found = tape->document()->find(number);
    QVERIFY(!found.isNull());
    found.setPosition(found.selectionStart() + 1);
    QTest::mouseDClick(tape->viewport(), Qt::LeftButton, {}, tape->cursorRect(found).center());
}

// What the clipboard monitor reads, as a copy in another program leaves it.
struct CopiedText : numerette::ClipboardPort {
    QString clipboardText() const override { return text; }
    void setClipboardText(const QString& t) override { text = t; }
    void clearClipboard() override { text.clear(); }
    QString text;
};

QString display(WindowFixture& f)
{
    return f.window.findChild<QLabel*>(u"lblVisor0"_s)->text();
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TstOneRenderPerAction : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void eachActionRendersOnce_data();
    void eachActionRendersOnce();
    void savedCalculationComesBackInOneRender();

private:
    QTemporaryDir m_home;
    std::unique_ptr<WindowFixture> m_fixture;
};

void TstOneRenderPerAction::initTestCase()
{
    qputenv("HOME", m_home.path().toUtf8());
}

void TstOneRenderPerAction::init()
{
    QGuiApplication::clipboard()->clear();
    m_fixture = std::make_unique<WindowFixture>();
    m_fixture->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_fixture->window));
}

void TstOneRenderPerAction::cleanup()
{
    m_fixture.reset();
}

void TstOneRenderPerAction::eachActionRendersOnce_data()
{
    QTest::addColumn<Step>("before");
    QTest::addColumn<Step>("action");
    QTest::addColumn<QString>("shown");

    // Each of these actions changes several fields (display, total, counter, keys, list).
    QTest::newRow("typed digit") << typed(u"12+3"_s)
                                 << Step([](WindowFixture& f) { QTest::keyPress(&f.window, '4'); }) << u"34"_s;
    QTest::newRow("typed key's release") << Step([](WindowFixture& f) {
        typeKeys(f, u"12+3"_s);
        QTest::keyPress(&f.window, '4');
    }) << Step([](WindowFixture& f) { QTest::keyRelease(&f.window, '4'); }) << u"34"_s;
    QTest::newRow("typed operator") << typed(u"12+3"_s)
                                    << Step([](WindowFixture& f) { QTest::keyPress(&f.window, '+'); }) << u"15"_s;
    QTest::newRow("typed total") << typed(u"12+3"_s)
                                 << Step([](WindowFixture& f) { QTest::keyPress(&f.window, '='); }) << u"15"_s;
    QTest::newRow("keypad button") << typed(u"12+3"_s)
                                   << Step([](WindowFixture& f) { clickKey(f, u"chkMais"_s); }) << u"15"_s;
    QTest::newRow("hot key") << Step([](WindowFixture& f) {
        f.window.findChild<CalculatorHotKeys*>()->RegisterHotKeys();
        typeKeys(f, u"12+3"_s);
    }) << Step([](WindowFixture& f) {
        QVERIFY(f.desktop.hotKeys.press(Qt::Key_Plus, CtrlKeypad));
        QCoreApplication::processEvents();
    }) << u"15"_s;
    QTest::newRow("key pressed from outside")
        << typed(u"12+3"_s) << Step([](WindowFixture& f) {
               f.window.pressFromOutside({Button::Igual, numerette::PressedKey::Road::HotKey});
           })
        << u"15"_s;
    QTest::newRow("copied column taken from the clipboard") << typed(QString()) << Step([](WindowFixture& f) {
        CopiedText copy;
        copy.text = u"10\r\n20\r\n30"_s;
        QCOMPARE(numerette::ClipboardTaker().read(f.calculator, copy), numerette::ClipboardReading::Taken);
    }) << u"60"_s;
    QTest::newRow("tool report") << typed(u"12+3"_s) << Step([](WindowFixture& f) {
        f.calculator.appendToolReport(u" Tool report"_s);
    }) << u"0"_s;
    // A tool window blocks the calculator while it is open; its report still renders once.
    QTest::newRow("tool report under its tool window") << typed(u"12+3"_s) << Step([](WindowFixture& f) {
        QDialog tool(&f.window);
        tool.setWindowModality(Qt::WindowModal);
        tool.show();
        f.calculator.appendToolReport(u" Tool report"_s);
    }) << u"0"_s;
    QTest::newRow("correction") << typed(u"12+3="_s) << Step([](WindowFixture& f) {
        f.calculator.appendCorrection(u"                      12 +\r\n                       4 +\r\n"
                                      u"                      16 T\r\n =========================\r\n"_s,
                                      u"16"_s);
    }) << u"16"_s;
    QTest::newRow("menu: time mode") << typed(u"12+3"_s) << Step([](WindowFixture& f) {
        trigger(f, u"mnuTempo"_s);
    }) << u"0"_s;
    QTest::newRow("menu: number format") << typed(u"12+3"_s) << Step([](WindowFixture& f) {
        trigger(f, u"mnuNumeral20"_s);
    }) << u"3.00"_s;
    QTest::newRow("menu: undo") << typed(u"12+3+"_s) << Step([](WindowFixture& f) {
        trigger(f, u"mnuUndo"_s);
    }) << u"12"_s;
    QTest::newRow("menu: tool, after totalling") << typed(u"12+3"_s) << Step([](WindowFixture& f) {
        trigger(f, u"mnuPeso"_s);
    }) << u"0"_s;
    QTest::newRow("double-click re-entry") << typed(u"12+3="_s) << Step([](WindowFixture& f) {
        doubleClickFirstNumber(f, u"12 +"_s);
    }) << u"12"_s;
}

void TstOneRenderPerAction::eachActionRendersOnce()
{
    QFETCH(Step, before);
    QFETCH(Step, action);
    QFETCH(QString, shown);
    WindowFixture& f = *m_fixture;
    before(f);
    if (QTest::currentTestFailed())
        return;

    QSignalSpy renders(&f.calculator, &Calculator::viewChanged);
    action(f);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(renders.count(), 1);
    QCOMPARE(display(f), shown);
    QCOMPARE(display(f), f.calculator.display());
}

// The settings and the calculation saved at the last close come back in one render.
void TstOneRenderPerAction::savedCalculationComesBackInOneRender()
{
    typeKeys(*m_fixture, u"12+3"_s);
    m_fixture->window.close();

    WindowFixture& old = *m_fixture;
    old.owner.parked = false;
    RecordingPort port;
    Calculator calculator(port);
    QSignalSpy renders(&calculator, &Calculator::viewChanged);
    FakeDesktop desktop;
    frmCalcula window(calculator, old.settings, CalculatorLaunch{}, old.owner, desktop.services());
    window.load();
    QCOMPARE(renders.count(), 1);
    QCOMPARE(calculator.list(), old.calculator.list());
    QCOMPARE(window.findChild<QLabel*>(u"lblVisor0"_s)->text(), u"3"_s);
}

QTEST_MAIN(TstOneRenderPerAction)
#include "tst_one_render_per_action.moc"
