// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "calculation_list.h"
#include "correct_item_dialog.h"
#include "key_script.h"
#include "tape_positions.h"
#include "window_fixture.h"

using namespace Qt::StringLiterals;

namespace {

// Answers what opens while it lives: the Correct Item dialog through `answer`, message
// boxes with OK (keeping their texts), the tape's context menu through `menu`. The answers
// run outside the timer's own slot, so that a box one of them opens is answered too.
struct Answers {
    Answers()
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.append(box->text());
                box->done(QMessageBox::Ok);
            } else if (auto* dialog = qobject_cast<CorrectItemDialog*>(QApplication::activeModalWidget())) {
                if (answered.contains(dialog))
                    return;
                answered.append(dialog);
                QMetaObject::invokeMethod(dialog, [this, dialog] { answer(*dialog); }, Qt::QueuedConnection);
            } else if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                if (popup->isVisible() && !menus.contains(popup)) {
                    menus.append(popup);
                    QMetaObject::invokeMethod(popup, [this, popup] { menu(*popup); }, Qt::QueuedConnection);
                }
            }
        });
        timer.start(10);
    }

    std::function<void(CorrectItemDialog&)> answer = [](CorrectItemDialog& d) { d.reject(); };
    std::function<void(QMenu&)> menu = [](QMenu& m) { m.close(); };
    QTimer timer;
    QStringList messages;
    QList<QPointer<CorrectItemDialog>> answered;
    QList<QPointer<QMenu>> menus;
};

struct Fixture : WindowFixture {
    Fixture()
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void type(const QString& keys)
    {
        QString error;
        bool closed = false;
        runTapeSteps(calculator, *numerette::parseTapeKeys(keys, error), closed);
    }

    QPlainTextEdit& tape() const { return *window.findChild<QPlainTextEdit*>(u"txtFita"_s); }

    // The tape's caret on list line n (every line of these tapes is 28 characters).
    void caretOnLine(int n)
    {
        QTextCursor cursor = tape().textCursor();
        cursor.setPosition(numerette::viewPosition(calculator.list(), n * numerette::tape::LineLength + 3));
        tape().setTextCursor(cursor);
    }

    QAction& correct() const { return *window.findChild<QAction*>(u"mnuCorrigir"_s); }
};

} // namespace

class TstCorrectionCommand : public QObject {
    Q_OBJECT

private slots:
    void itemInTheListMenuWithF10();
    void correctsTheItemOnTheCaretLine();
    void dialogRefusesZero();
    void dialogTakesWhatTheKeypadTakes();
    void refusalShowsWhyAndChangesNothing();
    void focusReturnsWhereTheUserWas();
    void tapeMenuOffersItOnItemLines();
};

void TstCorrectionCommand::itemInTheListMenuWithF10()
{
    Fixture f;
    QCOMPARE(f.correct().text(), u"Co&rrect Item..."_s);
    QCOMPARE(f.correct().shortcut(), QKeySequence(Qt::Key_F10));
    QVERIFY(f.window.findChild<QMenu*>(u"mnuFita"_s)->actions().contains(&f.correct()));
    QVERIFY(f.window.findChild<QAction*>(u"mnuExportar"_s));
}

void TstCorrectionCommand::correctsTheItemOnTheCaretLine()
{
    Fixture f;
    f.type(u"5+3+2="_s);
    f.caretOnLine(3);
    Answers answers;
    QString shownValue;
    int shownItem = -1;
    answers.answer = [&](CorrectItemDialog& dialog) {
        shownItem = dialog.findChild<QComboBox*>(u"cboItem"_s)->currentIndex();
        auto* value = dialog.findChild<QLineEdit*>(u"txtValor"_s);
        shownValue = value->text();
        value->setText(u"4"_s);
        dialog.accept();
    };
    QTest::keyClick(&f.window, Qt::Key_F10);
    QCOMPARE(shownItem, 1);
    QCOMPARE(shownValue, u"3"_s);
    QVERIFY2(f.calculator.list().endsWith(u" CORRECTED ITEM 002 OF 003\r\n"_s
                                          u"                       5 +\r\n"
                                          u"                       4 +\r\n"
                                          u"                       2 =\r\n"
                                          u" 003                      \r\n"
                                          u"                      11 T\r\n"
                                          u" =========================\r\n"_s),
             qPrintable(f.calculator.list()));
    QCOMPARE(f.port.m_clipboard, u"11"_s);
    QCOMPARE(f.calculator.display(), u"11"_s);
    QVERIFY(answers.messages.isEmpty());
}

void TstCorrectionCommand::dialogRefusesZero()
{
    Fixture f;
    f.type(u"5+3="_s);
    f.caretOnLine(2);
    Answers answers;
    int tries = 0;
    answers.answer = [&](CorrectItemDialog& dialog) {
        dialog.findChild<QLineEdit*>(u"txtValor"_s)->setText(u"0"_s);
        dialog.accept();
        ++tries;
        QVERIFY(dialog.isVisible());
        dialog.reject();
    };
    const QString before = f.calculator.list();
    f.correct().trigger();
    QCOMPARE(tries, 1);
    QCOMPARE(answers.messages, QStringList{u"Type a number other than zero."_s});
    QCOMPARE(f.calculator.list(), before);
}

// "1.239" has a decimal more than the format takes: refused, as the keypad would drop the 9;
// "2,5" is 2.5 whichever separator is typed, as on the keypad.
void TstCorrectionCommand::dialogTakesWhatTheKeypadTakes()
{
    Fixture f;
    f.calculator.chooseNumberFormat(20);
    f.type(u"10+20="_s);
    f.caretOnLine(2);
    Answers answers;
    answers.answer = [](CorrectItemDialog& dialog) {
        auto* value = dialog.findChild<QLineEdit*>(u"txtValor"_s);
        QCOMPARE(value->text(), u"10.00"_s);
        value->setText(u"1.239"_s);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        value->setText(u"2,5"_s);
        dialog.accept();
    };
    f.correct().trigger();
    QCOMPARE(answers.messages,
             QStringList{u"Too many decimals: the number format of this calculation takes no more than 2."_s});
    QCOMPARE(f.port.m_clipboard, u"22.50"_s);
}

void TstCorrectionCommand::refusalShowsWhyAndChangesNothing()
{
    Fixture f;
    f.type(u"{Time}10000+20000="_s);
    f.caretOnLine(4);
    Answers answers;
    const QString before = f.calculator.list();
    f.correct().trigger();
    QCOMPARE(answers.messages.size(), 1);
    QVERIFY2(answers.messages.constFirst().contains(u"time mode"_s), qPrintable(answers.messages.constFirst()));
    QVERIFY(answers.answered.isEmpty());
    QCOMPARE(f.calculator.list(), before);

    f.caretOnLine(0);
    f.correct().trigger();
    QCOMPARE(answers.messages.size(), 2);
    QVERIFY(answers.messages.constLast().contains(u"item line"_s));
}

// The dialog and the message boxes give the keyboard back where it was: to the window
// itself (which takes the calculator's keys when no widget has the focus) or to the tape.
void TstCorrectionCommand::focusReturnsWhereTheUserWas()
{
    Fixture f;
    f.type(u"5+3="_s);
    for (QWidget* start : {static_cast<QWidget*>(nullptr), static_cast<QWidget*>(&f.tape())}) {
        QWidget* keys = start ? start : static_cast<QWidget*>(&f.window);
        const auto focusAt = [&](int line) {
            f.caretOnLine(line);
            if (start)
                start->setFocus();
            else if (QApplication::focusWidget())
                QApplication::focusWidget()->clearFocus();
            QTRY_COMPARE(QApplication::focusWidget(), start);
        };
        const auto focusIsBack = [&] {
            QTRY_COMPARE(QApplication::activeWindow(), &f.window);
            QTRY_COMPARE(QApplication::focusWidget(), start);
        };
        Answers answers;
        focusAt(2);
        QTest::keyClick(keys, Qt::Key_F10);  // canceled
        QCOMPARE(answers.answered.size(), 1);
        focusIsBack();
        answers.answer = [](CorrectItemDialog& dialog) { dialog.accept(); };
        focusAt(2);
        QTest::keyClick(keys, Qt::Key_F10);  // corrected
        QCOMPARE(answers.answered.size(), 2);
        focusIsBack();
        focusAt(0);
        QTest::keyClick(keys, Qt::Key_F10);  // refused
        QCOMPARE(answers.messages.size(), 1);
        focusIsBack();
    }
}

void TstCorrectionCommand::tapeMenuOffersItOnItemLines()
{
    Fixture f;
    f.type(u"5+3="_s);
    const auto lineAt = [&f](int n) {
        QTextCursor cursor = f.tape().textCursor();
        cursor.setPosition(numerette::viewPosition(f.calculator.list(), n * numerette::tape::LineLength + 3));
        return f.tape().cursorRect(cursor).center();
    };
    Answers answers;
    QStringList offered;
    answers.menu = [&](QMenu& menu) {
        offered.append(menu.findChild<QAction*>(u"mnuCorrigirLinha"_s) ? u"correct"_s : u"none"_s);
        menu.close();
    };
    emit f.tape().customContextMenuRequested(lineAt(0));
    emit f.tape().customContextMenuRequested(lineAt(3));
    QCOMPARE(offered, (QStringList{u"none"_s, u"correct"_s}));

    answers.menu = [](QMenu& menu) { menu.findChild<QAction*>(u"mnuCorrigirLinha"_s)->trigger(); menu.close(); };
    answers.answer = [](CorrectItemDialog& dialog) {
        QCOMPARE(dialog.findChild<QComboBox*>(u"cboItem"_s)->currentIndex(), 1);
        dialog.findChild<QLineEdit*>(u"txtValor"_s)->setText(u"7"_s);
        dialog.accept();
    };
    emit f.tape().customContextMenuRequested(lineAt(3));
    QTRY_COMPARE(f.port.m_clipboard, u"12"_s);
}

QTEST_MAIN(TstCorrectionCommand)
#include "tst_correction_command.moc"
