// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTestEventList>
#include <QTextBlock>
#include <QTextLayout>

#include "business_keys.h"
#include "calculation_list.h"
#include "calculator.h"
#include "fake_calculator_owner.h"
#include "frm_calcula.h"
#include "settings_store.h"
#include "window_fixture.h"
#include "xp_button.h"

using namespace Qt::StringLiterals;
using numerette::Calculator;

namespace {

using Fixture = WindowFixture;

QString withoutCarriageReturns(QString text)
{
    return text.remove(QLatin1Char('\r'));
}

} // namespace

class TstFrmCalcula : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typedKeysReachTheCalculator_data();
    void typedKeysReachTheCalculator();
    void escapeClosesTheWindow();
    void menuBarGivesTheKeysBack_data();
    void menuBarGivesTheKeysBack();
    void editModeSurvivesTheMenuBar();
    void pasteFollowsTheClipboard();
    void menuMnemonicsAreUnique();
    void shortcutsAreUnique();
    void tapeShowsTotalBlockAndFollowsUndo();
    void tapeAppliesEditsInPlace();
    void keysTypedInTheTapeReachTheCalculator();
    void doubleClickReentersTheWholeNumber();
    void keypadKeysPressTheirButtons();
    void heldKeyShowsItsButtonPressed();
    void addModeMakesTheTallEnterKey();
    void timeModeDisablesDecimalAndMemoryKeys();
    void functionKeysSwitchTheEnterMode();
    void numberFormatMenuFollowsTheChoice();
    void longNumbersFitTheDisplay();
    void dialogOfAKeyShowsTheKeysResultSoFar();
    void businessKeysAndTheirSettings();

private:
    template <typename T>
    T* child(const QString& name) const
    {
        auto* found = m_fixture->window.findChild<T*>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    QString display() const { return child<QLabel>(u"lblVisor0"_s)->text(); }
    QPlainTextEdit* tape() const { return child<QPlainTextEdit>(u"txtFita"_s); }
    void trigger(const QString& action) const { child<QAction>(action)->trigger(); }
    void verifyTapeMirrorsList() const
    {
        QCOMPARE(tape()->toPlainText(), withoutCarriageReturns(m_fixture->calculator.list()));
    }

    QTemporaryDir m_home;
    std::unique_ptr<Fixture> m_fixture;
};

void TstFrmCalcula::initTestCase()
{
    qputenv("HOME", m_home.path().toUtf8());
}

void TstFrmCalcula::init()
{
    m_fixture = std::make_unique<Fixture>();
    m_fixture->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_fixture->window));
}

void TstFrmCalcula::cleanup()
{
    m_fixture.reset();
}

void TstFrmCalcula::typedKeysReachTheCalculator_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("expectedDisplay");

    QTestEventList equals;
    equals.addKeyClicks(u"5+3="_s);
    QTest::newRow("plus and equals") << equals << u"8"_s;

    QTestEventList enter;
    enter.addKeyClicks(u"5+3"_s);
    enter.addKeyClick(Qt::Key_Return);
    QTest::newRow("Enter totals in Result mode") << enter << u"8"_s;

    QTestEventList keypad;
    keypad.addKeyClick(Qt::Key_5, Qt::KeypadModifier);
    keypad.addKeyClick(Qt::Key_Asterisk, Qt::KeypadModifier);
    keypad.addKeyClick(Qt::Key_3, Qt::KeypadModifier);
    keypad.addKeyClick(Qt::Key_Enter, Qt::KeypadModifier);
    QTest::newRow("numeric keypad") << keypad << u"15"_s;

    QTestEventList backspace;
    backspace.addKeyClicks(u"12"_s);
    backspace.addKeyClick(Qt::Key_Backspace);
    backspace.addKeyClicks(u"+3="_s);
    QTest::newRow("backspace removes the last digit") << backspace << u"4"_s;

    QTestEventList comma;
    comma.addKeyClicks(u"1,5+1="_s);
    QTest::newRow("comma types the decimal separator") << comma << u"2.5"_s;

    QTestEventList control;
    control.addKeyClicks(u"5"_s);
    control.addKeyClick(Qt::Key_3, Qt::ControlModifier);
    QTest::newRow("keys with Ctrl are not typed") << control << u"5"_s;

    QTestEventList shiftLetter;
    shiftLetter.addKeyClicks(u"4"_s);
    shiftLetter.addKeyClick(Qt::Key_P, Qt::ShiftModifier);
    QTest::newRow("Shift+P changes the sign") << shiftLetter << u"-4"_s;
}

void TstFrmCalcula::typedKeysReachTheCalculator()
{
    QFETCH(QTestEventList, keys);
    QFETCH(QString, expectedDisplay);

    keys.simulate(&m_fixture->window);

    QCOMPARE(display(), expectedDisplay);
    verifyTapeMirrorsList();
}

void TstFrmCalcula::escapeClosesTheWindow()
{
    QTest::keyClick(&m_fixture->window, Qt::Key_Escape);
    QVERIFY(m_fixture->port.m_closed);
}

void TstFrmCalcula::menuBarGivesTheKeysBack_data()
{
    QTest::addColumn<Qt::Key>("menuKey");
    QTest::newRow("Options") << Qt::Key_O;
    QTest::newRow("Calculation List") << Qt::Key_L;
    QTest::newRow("Settings") << Qt::Key_S;
}

// Alt and a menu's letter, Esc closing the menu, Esc leaving the menu bar: the keys typed
// next are the calculator's again, letters included (a mnemonic must not open a menu).
void TstFrmCalcula::menuBarGivesTheKeysBack()
{
    QFETCH(Qt::Key, menuKey);
    frmCalcula& window = m_fixture->window;
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, menuKey, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(QApplication::focusWidget(), window.menuBar());
    QTest::keyClick(window.menuBar(), Qt::Key_Escape);
    QVERIFY(window.hasFocus());

    QTest::keyClicks(QApplication::focusWidget(), u"so12+3="_s);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(display(), u"15"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(m_fixture->port.m_closed);
}

void TstFrmCalcula::editModeSurvivesTheMenuBar()
{
    frmCalcula& window = m_fixture->window;
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(m_fixture->calculator.editMode());
    QCOMPARE(QApplication::focusWidget(), tape());
    QTest::keyClick(tape(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTest::keyClick(window.menuBar(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), tape());
    QVERIFY(m_fixture->calculator.editMode());
    // Ending edit mode gives the keys back to the calculator.
    QTest::keyClick(tape(), Qt::Key_F2);
    QVERIFY(!m_fixture->calculator.editMode());
    QVERIFY(window.hasFocus());
}

// Ctrl+V works as soon as a number is on the clipboard, whenever the Options menu was last
// opened.
void TstFrmCalcula::pasteFollowsTheClipboard()
{
    frmCalcula& window = m_fixture->window;
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAction* paste = child<QAction>(u"mnuColar"_s);
    QGuiApplication::clipboard()->setText(u"no number"_s);
    QTRY_VERIFY(!paste->isEnabled());
    QGuiApplication::clipboard()->setText(u"42"_s);
    QTRY_VERIFY(paste->isEnabled());
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(display(), u"42"_s);
}

// Within the menu bar and within each menu, every Alt letter leads to one item: with two,
// the letter only moves between them.
void TstFrmCalcula::menuMnemonicsAreUnique()
{
    QList<QWidget*> menus{m_fixture->window.menuBar()};
    for (QMenu* menu : m_fixture->window.findChildren<QMenu*>())
        menus << menu;
    QStringList clashes;
    for (const QWidget* menu : menus) {
        QMap<QString, QStringList> items;
        for (const QAction* action : menu->actions()) {
            const QKeySequence letter = QKeySequence::mnemonic(action->text());
            if (!action->isSeparator() && !letter.isEmpty())
                items[letter.toString()] << action->text();
        }
        for (auto it = items.cbegin(); it != items.cend(); ++it) {
            if (it.value().size() > 1)
                clashes << menu->objectName() + u" "_s + it.key() + u": "_s + it.value().join(u", "_s);
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u"; "_s)));
}

// No two actions of the window (menu items and the business keys) share a shortcut, and
// none takes the global hot key that shows the calculator.
void TstFrmCalcula::shortcutsAreUnique()
{
    QMap<QString, QStringList> owners;
    for (const QAction* action : m_fixture->window.findChildren<QAction*>()) {
        for (const QKeySequence& shortcut : action->shortcuts())
            owners[shortcut.toString()] << action->objectName();
    }
    QStringList clashes;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << it.key() + u": "_s + it.value().join(u", "_s);
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u"; "_s)));
    QVERIFY(!owners.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C).toString()));
    for (const char* key : {"Ctrl+Shift+G", "Ctrl+Shift+T", "Ctrl+Shift+N", "Ctrl+Shift+M"})
        QVERIFY2(owners.contains(QLatin1String(key)), key);
}

void TstFrmCalcula::tapeShowsTotalBlockAndFollowsUndo()
{
    QTest::keyClicks(&m_fixture->window, u"5+3-"_s);
    QVERIFY(child<QAction>(u"mnuUndo"_s)->isEnabled());
    trigger(u"mnuUndo"_s);
    verifyTapeMirrorsList();
    QVERIFY(child<QAction>(u"mnuRedo"_s)->isEnabled());

    QTest::keyClicks(&m_fixture->window, u"="_s);
    using namespace numerette::tape;
    const QString totalBlock = countLine(u"001"_s) + u'\n' + totalLine(u"5"_s) + u'\n' + Separator + u'\n';
    QVERIFY2(tape()->toPlainText().endsWith(totalBlock), qPrintable(tape()->toPlainText()));
    verifyTapeMirrorsList();
    QVERIFY(!child<QAction>(u"mnuUndo"_s)->isEnabled());
}

// A key changes the tape's tail only; the view must not be rebuilt from scratch.
void TstFrmCalcula::tapeAppliesEditsInPlace()
{
    for (int i = 0; i < 40; ++i)
        QTest::keyClicks(&m_fixture->window, u"12+3="_s);
    verifyTapeMirrorsList();

    const int lengthBefore = tape()->document()->characterCount();
    QSignalSpy changes(tape()->document(), &QTextDocument::contentsChange);
    QTest::keyClicks(&m_fixture->window, u"7+"_s);
    QVERIFY(!changes.isEmpty());
    for (const QList<QVariant>& change : changes) {
        QVERIFY(change.at(0).toInt() >= lengthBefore - numerette::tape::LineLength);
        QVERIFY(change.at(2).toInt() <= numerette::tape::LineLength);
    }
    verifyTapeMirrorsList();

    // Only the last few dozen lines keep their shaped text, however long the tape grows.
    int keepingShapes = 0;
    for (QTextBlock block = tape()->document()->begin(); block.isValid(); block = block.next())
        keepingShapes += block.layout()->cacheEnabled() ? 1 : 0;
    QVERIFY2(keepingShapes > 0 && keepingShapes <= 64, qPrintable(QString::number(keepingShapes)));

    trigger(u"mnuLimpar"_s);
    verifyTapeMirrorsList();
}

void TstFrmCalcula::keysTypedInTheTapeReachTheCalculator()
{
    tape()->setFocus();
    QTest::keyClicks(tape(), u"9"_s);
    QCOMPARE(display(), u"9"_s);

    QTest::keyClick(tape(), Qt::Key_Down);
    QCOMPARE(display(), u"9"_s);
}

void TstFrmCalcula::doubleClickReentersTheWholeNumber()
{
    QTest::keyClicks(&m_fixture->window, u"1234.5+1="_s);
    const QString list = m_fixture->calculator.list();

    const QTextBlock line = tape()->document()->findBlockByNumber(2);
    QVERIFY2(line.text().endsWith(u"1,234.5 +"_s), qPrintable(line.text()));
    // Inside the group after the thousands separator, which a plain word search would
    // take as a word of its own.
    QTextCursor cursor(line);
    cursor.setPosition(line.position() + int(line.text().indexOf(u"34"_s)) + 1);
    QTest::mouseDClick(tape()->viewport(), Qt::LeftButton, {}, tape()->cursorRect(cursor).center());

    QCOMPARE(display(), u"1,234.5"_s);
    QVERIFY(m_fixture->calculator.list().startsWith(list));
    QVERIFY2(m_fixture->calculator.list().endsWith(u"1,234.5 +\r\n"_s), qPrintable(m_fixture->calculator.list()));
    verifyTapeMirrorsList();
}

void TstFrmCalcula::keypadKeysPressTheirButtons()
{
    QTest::mouseClick(child<XPButton>(u"chkNum7"_s), Qt::LeftButton);
    QTest::mouseClick(child<XPButton>(u"chkNum4"_s), Qt::RightButton);
    QCOMPARE(display(), u"74"_s);

    const QString list = m_fixture->calculator.list();
    for (const QString& key : {u"chkMais"_s, u"chkIgual"_s}) {
        QTest::mouseClick(child<XPButton>(key), Qt::RightButton);
        QMenu* enterKeyMenu = child<QMenu>(u"mnu4"_s);
        QTRY_VERIFY(enterKeyMenu->isVisible());
        enterKeyMenu->close();
    }
    QCOMPARE(m_fixture->calculator.list(), list);
    QCOMPARE(display(), u"74"_s);

    QTest::mouseClick(child<XPButton>(u"chkMais"_s), Qt::LeftButton);
    QTest::mouseClick(child<XPButton>(u"chkNum6"_s), Qt::LeftButton);
    QTest::mouseClick(child<XPButton>(u"chkIgual"_s), Qt::LeftButton);
    QCOMPARE(display(), u"80"_s);
    verifyTapeMirrorsList();
}

void TstFrmCalcula::heldKeyShowsItsButtonPressed()
{
    auto* five = child<XPButton>(u"chkNum5"_s);
    QTest::keyPress(&m_fixture->window, Qt::Key_5);
    QVERIFY(five->value());
    QTest::keyRelease(&m_fixture->window, Qt::Key_5);
    QVERIFY(!five->value());
}

void TstFrmCalcula::addModeMakesTheTallEnterKey()
{
    auto* plus = child<XPButton>(u"chkMais"_s);
    auto* minus = child<XPButton>(u"chkMenos"_s);
    auto* equals = child<XPButton>(u"chkIgual"_s);

    trigger(u"mnuEnter"_s);
    QCOMPARE(plus->text(), u"EN TER"_s);
    QTRY_VERIFY(plus->height() > minus->height());
    QCOMPARE(plus->y(), minus->y());
    QCOMPARE(plus->geometry().bottom(), equals->geometry().bottom());
    QCOMPARE(plus->toolTip(), u" Enter "_s);
    QCOMPARE(equals->toolTip(), u" NumLock "_s);
    QVERIFY(child<QAction>(u"mnuEnter"_s)->isChecked());
    QVERIFY(!child<QAction>(u"mnuIgual"_s)->isChecked());
    QCOMPARE(m_fixture->port.m_notes.size(), 1);
    QVERIFY(m_fixture->port.m_notes.constFirst().contains(u"ADD"_s));

    trigger(u"mnuIgual"_s);
    QCOMPARE(plus->text(), u"+"_s);
    QTRY_COMPARE(plus->height(), minus->height());
    QCOMPARE(plus->y(), equals->y());
    QCOMPARE(plus->toolTip(), u" + "_s);
    QCOMPARE(equals->toolTip(), u" Enter "_s);
    QVERIFY(child<QAction>(u"mnuIgual"_s)->isChecked());

    trigger(u"mnuEnter"_s);
    QCOMPARE(m_fixture->port.m_notes.size(), 1);
}

void TstFrmCalcula::timeModeDisablesDecimalAndMemoryKeys()
{
    const QStringList numberOnly{u"chkVirgula"_s, u"MC"_s, u"MR"_s, u"Mmais"_s, u"Mmenos"_s};
    for (const bool timeMode : {true, false}) {
        trigger(u"mnuTempo"_s);
        QCOMPARE(m_fixture->calculator.timeMode(), timeMode);
        for (const QString& name : numberOnly)
            QVERIFY2(child<XPButton>(name)->isEnabled() != timeMode, qPrintable(name));
        QVERIFY(child<XPButton>(u"chkNum5"_s)->isEnabled());
    }
}

void TstFrmCalcula::functionKeysSwitchTheEnterMode()
{
    m_fixture->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_fixture->window));
    QTest::keyClick(&m_fixture->window, Qt::Key_F4);
    QVERIFY(m_fixture->calculator.addMode());
    QTest::keyClick(&m_fixture->window, Qt::Key_F9);
    QVERIFY(!m_fixture->calculator.addMode());
}

void TstFrmCalcula::numberFormatMenuFollowsTheChoice()
{
    trigger(u"mnuNumeral20"_s);
    const QList<QAction*> formats = child<QMenu>(u"mnuForm"_s)->actions();
    QCOMPARE(formats.size(), 11);
    for (const QAction* format : formats)
        QCOMPARE(format->isChecked(), format->objectName() == u"mnuNumeral20"_s);
    QTest::keyClicks(&m_fixture->window, u"5"_s);
    QCOMPARE(display(), u"5.00"_s);

    auto* shown = child<QLabel>(u"lblVisor0"_s);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, shown->rect().center(),
                                 shown->mapToGlobal(shown->rect().center()));
    QApplication::sendEvent(shown, &rightClick);
    QMenu* formatMenu = child<QMenu>(u"mnuForm"_s);
    QTRY_VERIFY(formatMenu->isVisible());
    formatMenu->close();
}

void TstFrmCalcula::longNumbersFitTheDisplay()
{
    QTest::keyClicks(&m_fixture->window, u"999999999999*999999999="_s);
    auto* shown = child<QLabel>(u"lblVisor0"_s);
    QCOMPARE(shown->text().size(), numerette::tape::MaxValueLength);
    QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) <= shown->contentsRect().width());
}

// The window renders once per key, when the key is done; a dialog the key opens (here the
// full list's question at a total) still shows over what the key has done so far.
void TstFrmCalcula::dialogOfAKeyShowsTheKeysResultSoFar()
{
    Fixture& f = *m_fixture;
    f.calculator.setList(u"                       1 +\r\n"_s.repeated(numerette::tape::CapacityChars / 27 + 1));
    QString shown;
    bool timeDisplayShown = false;
    f.port.m_answer = [&](const QString&) {
        QDialog question(&f.window);
        question.setModal(true);
        question.show();
        shown = display();
        // A change while the dialog is open shows at once.
        f.calculator.mnuTempo_Click();
        timeDisplayShown = child<QLabel>(u"lblVisor2"_s)->isVisibleTo(&f.window);
        return false;
    };
    QTest::keyClicks(&f.window, u"5*3="_s);
    QCOMPARE(shown, u"15"_s);
    QVERIFY(timeDisplayShown);
}

// The business keys' settings are stored as they are chosen and read back at the next load;
// their Ctrl+Shift shortcuts reach the dispatcher, and the grand total shows above the keys.
void TstFrmCalcula::businessKeysAndTheirSettings()
{
    numerette::SettingsStore& settings = m_fixture->settings;
    Calculator& calculator = m_fixture->calculator;
    QCOMPARE(child<QAction>(u"mnuArredonda0"_s)->isChecked(), true);
    trigger(u"mnuArredonda1"_s);
    QCOMPARE(settings.Arredondamento(), u"half-even"_s);
    QCOMPARE(calculator.roundingMode(), numerette::RoundingMode::HalfEven);
    trigger(u"mnuCopiaSimples"_s);
    QVERIFY(settings.CopiaSemGrupo());

    settings.setImposto(u"10"_s);
    settings.setArredondamento(u"no such mode"_s);
    m_fixture->window.findChild<BusinessKeys*>()->loadSettings();
    QCOMPARE(child<QAction>(u"mnuImposto"_s)->text(), u"&Tax Rate (10 %)..."_s);
    QCOMPARE(calculator.roundingMode(), numerette::RoundingMode::HalfUp);
    QVERIFY(child<QAction>(u"mnuArredonda0"_s)->isChecked());

    QGroupBox* keypad = child<QGroupBox>(u"fraTeclado"_s);
    QTest::keyClicks(&m_fixture->window, u"1000+234="_s);
    QCOMPARE(m_fixture->port.m_clipboard, u"1234"_s);
    QCOMPARE(keypad->title(), u"GT 1,234"_s);
    QTest::keyClicks(&m_fixture->window, u"100"_s);
    QTest::keyClick(&m_fixture->window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY2(calculator.list().endsWith(u"110 B\r\n =========================\r\n"_s), qPrintable(calculator.list()));
    QTest::keyClick(&m_fixture->window, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY2(calculator.list().endsWith(u" 001                      \r\n                   1,234 G\r\n =========================\r\n"_s),
             qPrintable(calculator.list()));
    QCOMPARE(keypad->title(), QString());
    verifyTapeMirrorsList();
}

QTEST_MAIN(TstFrmCalcula)
#include "tst_frm_calcula.moc"
