// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "accessible_program.h"
#include "quote_mark.h"

using namespace Qt::StringLiterals;

// How the program and its drawn quotation button read to assistive technology.
class TstAccessibleWidgets : public QObject {
    Q_OBJECT

private slots:
    void quoteMarkIsAPushButton();
    void programIsAnnouncedByItsOwnName();
};

// A button by role, name and action: pressing it through its action is a click, as a left
// click of the mouse is, and another button's click is none.
void TstAccessibleWidgets::quoteMarkIsAPushButton()
{
    QWidget window;
    auto* mark = new QuoteMark(&window);
    mark->setAccessibleName(u"Next quotation"_s);
    mark->resize(24, 24);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(mark);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), u"Next quotation"_s);
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    QSignalSpy clicked(mark, &QuoteMark::clicked);
    // The press shows the button down a moment before it clicks.
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicked.count(), 1);
    QTest::mouseClick(mark, Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);
    QTest::mouseClick(mark, Qt::RightButton);
    QCOMPARE(clicked.count(), 2);
}

// The settings and data folders keep the application object's name.
void TstAccessibleWidgets::programIsAnnouncedByItsOwnName()
{
    QCoreApplication::setApplicationName(u"Numeret"_s);
    numerette::announceProgramAs(u"Numerette"_s);
    QAccessibleInterface* program = QAccessible::queryAccessibleInterface(qApp);
    QVERIFY(program);
    QCOMPARE(program->role(), QAccessible::Application);
    QCOMPARE(program->text(QAccessible::Name), u"Numerette"_s);
    QCOMPARE(QCoreApplication::applicationName(), u"Numeret"_s);
}

QTEST_MAIN(TstAccessibleWidgets)
#include "tst_accessible_widgets.moc"
