// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>
#include <QTimer>

#include "calculation_list.h"
#include "calculator.h"
#include "clipboard_reading.h"
#include "fake_calculator_owner.h"
#include "frm_calcula.h"
#include "settings_store.h"
#include "window_fixture.h"
#include "xp_button.h"

using namespace Qt::StringLiterals;
using numerette::Calculator;

namespace {

// Answers the dialogs that open while it lives: input boxes with the scripted answers in
// turn, message boxes with OK; keeps their texts and icons.
struct Dialogs {
    explicit Dialogs(QStringList scripted = {})
        : answers(std::move(scripted))
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.append(box->text());
                icons.append(box->icon());
                box->done(QMessageBox::Ok);
            } else if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                prompts.append(input->windowTitle() + u'|' + input->labelText() + u'|' + input->textValue());
                input->setTextValue(answers.isEmpty() ? QString() : answers.takeFirst());
                input->accept();
            }
        });
        timer.start(10);
    }

    QStringList answers;
    QTimer timer;
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    QStringList prompts;
};

using Fixture = WindowFixture;

} // namespace

class TstListEditing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void itemsStandInMenuOrder();
    void typedTextGoesToTheListNotTheKeypad();
    void keypadClickEndsEditing();
    void failuresShowTheirMessages();
    void searchSelectsTheMatchAndRepeats();
    void editingGoesOnAfterAMessageBox();
    void copiesWhileEditingAreNotAdded();
    void copyOfATapeSelectionIsNotAdded();
    void displayClickCopiesAndAsksForThePasteWindow();

private:
    template <typename T>
    T* child(const QString& name) const
    {
        auto* found = m_fixture->window.findChild<T*>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    QPlainTextEdit* tape() const { return child<QPlainTextEdit>(u"txtFita"_s); }
    QString display() const { return child<QLabel>(u"lblVisor0"_s)->text(); }
    void trigger(const QString& action) const { child<QAction>(action)->trigger(); }
    // What the desktop does once a box of the calculator has closed.
    void reactivate() const
    {
        m_fixture->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_fixture->window));
    }
    void verifyTapeMirrorsList() const
    {
        QCOMPARE(tape()->toPlainText(), QString(m_fixture->calculator.list()).remove(u'\r'));
    }

    QTemporaryDir m_home;
    std::unique_ptr<Fixture> m_fixture;
};

void TstListEditing::initTestCase()
{
    qputenv("HOME", m_home.path().toUtf8());
}

void TstListEditing::init()
{
    m_fixture = std::make_unique<Fixture>();
    m_fixture->window.show();
    m_fixture->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_fixture->window));
}

void TstListEditing::cleanup()
{
    m_fixture.reset();
}

void TstListEditing::itemsStandInMenuOrder()
{
    QStringList names;
    for (const QAction* item : child<QMenu>(u"mnuFita"_s)->actions())
        names << item->objectName();
    QCOMPARE(names.mid(0, 4), (QStringList{u"mnuEditar"_s, u"mnuLocalizar"_s, u"mnuLimpar"_s, u"mnuAgrupar"_s}));
    names.clear();
    for (const QAction* item : child<QMenu>(u"mnu1"_s)->actions())
        names << (item->isSeparator() ? u"-"_s : item->objectName());
    QCOMPARE(names.join(u' '), u"mnuOutra mnuWindows - mnuData mnuTempo mnuRegra mnuPeso mnuJuro - "
                               "mnuUndo mnuRedo mnuCopiar mnuColar mnuUtil"_s);
    QCOMPARE(child<QAction>(u"mnuCopiar"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
}

void TstListEditing::typedTextGoesToTheListNotTheKeypad()
{
    QTest::keyClicks(&m_fixture->window, u"5+3="_s);
    QTest::keyClick(&m_fixture->window, Qt::Key_F2);
    QVERIFY(child<QAction>(u"mnuEditar"_s)->isChecked());
    QVERIFY(tape()->hasFocus());
    QVERIFY(!tape()->font().bold());

    QTest::keyClicks(tape(), u"Rent \"4\""_s);
    QTest::keyClick(tape(), Qt::Key_Return);
    QTest::keyClicks(tape(), u"paid"_s);
    QTest::keyClick(tape(), Qt::Key_Backspace);
    QTest::keyClicks(&m_fixture->window, u"7+"_s);
    verifyTapeMirrorsList();
    QCOMPARE(display(), u"8"_s);
    QVERIFY(m_fixture->calculator.list().endsWith(u" Rent 4 \r\n pai"_s));

    tape()->clearFocus();
    QVERIFY(!child<QAction>(u"mnuEditar"_s)->isChecked());
    QVERIFY(tape()->font().bold());
    QVERIFY(m_fixture->calculator.list().endsWith(u" pai \r\n"_s + numerette::tape::Separator + u"\r\n"_s));
    verifyTapeMirrorsList();
    QTest::keyClicks(&m_fixture->window, u"2+"_s);
    QCOMPARE(m_fixture->calculator.total(), u"2"_s);
}

// A click on a key gives the typing back to the calculator, closing the free text first.
void TstListEditing::keypadClickEndsEditing()
{
    QTest::keyClick(&m_fixture->window, Qt::Key_F2);
    QTest::keyClicks(tape(), u"note"_s);
    QTest::mouseClick(child<XPButton>(u"chkNum5"_s), Qt::LeftButton);
    QVERIFY(!m_fixture->calculator.editMode());
    QVERIFY(!tape()->hasFocus());
    QVERIFY(m_fixture->calculator.list().endsWith(u" note \r\n"_s + numerette::tape::Separator + u"\r\n"_s));
    QTest::keyClicks(&m_fixture->window, u"3+"_s);
    QCOMPARE(m_fixture->calculator.total(), u"53"_s);
    verifyTapeMirrorsList();
}

// Editing during a calculation (message 12) and grouping an unreadable amount (message 30)
// change nothing.
void TstListEditing::failuresShowTheirMessages()
{
    QTest::keyClicks(&m_fixture->window, u"5+"_s);
    m_fixture->calculator.setList(m_fixture->calculator.list() + u"            INITIAL VALUE \r\n   none \r\n"_s);
    const QString list = m_fixture->calculator.list();
    Dialogs dialogs;
    trigger(u"mnuEditar"_s);
    QVERIFY(!child<QAction>(u"mnuEditar"_s)->isChecked());
    trigger(u"mnuAgrupar"_s);
    const QStringList expected{
        u"You can only edit or change calculation list after finishing the current calculation."_s,
        u"Invalid Data! Operation aborted."_s};
    QCOMPARE(dialogs.messages, expected);
    QCOMPARE(dialogs.icons, (QList<QMessageBox::Icon>{QMessageBox::Warning, QMessageBox::Critical}));
    QCOMPARE(m_fixture->calculator.list(), list);
}

// The selection must survive the calculator window becoming active again after the input
// and message boxes.
void TstListEditing::searchSelectsTheMatchAndRepeats()
{
    m_fixture->calculator.setList(m_fixture->calculator.list() + u"       TOTAL INTEREST: \r\n   total 2 \r\n"_s);
    Dialogs dialogs({u" total "_s, u"total"_s, u"total"_s});
    trigger(u"mnuLocalizar"_s);
    reactivate();
    QCOMPARE(tape()->textCursor().selectedText(), u"TOTAL"_s);
    QCOMPARE(dialogs.prompts, QStringList{u" Locate on List|Enter text/number to search through calculation list.|"_s});

    trigger(u"mnuLocalizar"_s);
    reactivate();
    QCOMPARE(tape()->textCursor().selectedText(), u"total"_s);
    QCOMPARE(dialogs.prompts.last(), u" Locate on List|Enter text/number to search through calculation list.|total"_s);

    trigger(u"mnuLocalizar"_s);
    QCOMPARE(dialogs.messages, QStringList{u"End of search"_s});
    QCOMPARE(dialogs.icons, QList<QMessageBox::Icon>{QMessageBox::Information});
}

void TstListEditing::editingGoesOnAfterAMessageBox()
{
    QTest::keyClick(&m_fixture->window, Qt::Key_F2);
    QTest::keyClicks(tape(), u"ab"_s);
    Dialogs dialogs({u"xyz"_s});
    trigger(u"mnuLocalizar"_s);
    reactivate();
    QCOMPARE(dialogs.messages, QStringList{u"End of search"_s});
    QVERIFY(m_fixture->calculator.editMode());
    QTest::keyClicks(tape(), u"c"_s);
    QVERIFY(m_fixture->calculator.list().endsWith(u" abc"_s));
    verifyTapeMirrorsList();
}

void TstListEditing::copiesWhileEditingAreNotAdded()
{
    struct : numerette::ClipboardPort {
        QString clipboardText() const override { return {}; }
        void setClipboardText(const QString&) override { }
        void clearClipboard() override { }
    } clipboard;
    trigger(u"mnuEditar"_s);
    const QString list = m_fixture->calculator.list();
    QCOMPARE(numerette::readClipboard(m_fixture->calculator, clipboard, u"42"_s), numerette::ClipboardReading::Ignored);
    QVERIFY(m_fixture->calculator.editMode());
    QCOMPARE(m_fixture->calculator.list(), list);
}

// The monitor knows a number the user selected on the tape and copied: it is no new item.
void TstListEditing::copyOfATapeSelectionIsNotAdded()
{
    struct : numerette::ClipboardPort {
        QString clipboardText() const override { return {}; }
        void setClipboardText(const QString&) override { }
        void clearClipboard() override { }
    } clipboard;
    QTest::keyClicks(&m_fixture->window, u"5+8+"_s);
    const QTextCursor item = tape()->document()->find(u"8 +"_s);
    QTextCursor eight(tape()->document());
    eight.setPosition(item.selectionStart());
    eight.setPosition(item.selectionStart() + 1, QTextCursor::KeepAnchor);
    tape()->setTextCursor(eight);

    const QString list = m_fixture->calculator.list();
    QCOMPARE(numerette::readClipboard(m_fixture->calculator, clipboard, u"8"_s),
             numerette::ClipboardReading::CopiedFromList);
    QCOMPARE(m_fixture->calculator.list(), list);
    QCOMPARE(tape()->textCursor().selectedText(), u"8"_s);
}

void TstListEditing::displayClickCopiesAndAsksForThePasteWindow()
{
    QTest::keyClicks(&m_fixture->window, u"1234.5"_s);
    const auto pasteWindows = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->objectName() == u"frmPaste"_s && window->isVisible();
        });
    };
    auto* shown = child<QLabel>(u"lblVisor0"_s);

    QTest::mouseClick(shown, Qt::RightButton);
    QVERIFY(m_fixture->port.m_clipboard.isEmpty());
    if (auto* formats = child<QMenu>(u"mnuForm"_s); formats->isVisible())
        formats->close();

    QTest::mouseClick(shown, Qt::LeftButton);
    QCOMPARE(m_fixture->port.m_clipboard, u"1,234.5"_s);
    QCOMPARE(m_fixture->calculator.LastClipboardText(), u"1,234.5"_s);
    QCOMPARE(pasteWindows(), 1);
    m_fixture->port.m_clipboard.clear();
    QTest::mouseClick(child<QLabel>(u"lblVisor1"_s), Qt::LeftButton);
    QVERIFY(m_fixture->port.m_clipboard.isEmpty());
    QTest::mouseClick(child<QLabel>(u"lblVisor3"_s), Qt::MiddleButton, {}, QPoint(2, 2));
    QCOMPARE(m_fixture->port.m_clipboard, u"1,234.5"_s);
    QCOMPARE(pasteWindows(), 1);
}

QTEST_MAIN(TstListEditing)
#include "tst_list_editing.moc"
