// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "quote_mark.h"

using namespace Qt::StringLiterals;

// How the drawn quotation button reads to assistive technology.
class TstAccessibleWidgets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void quoteMarkIsAPushButton();
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

QTEST_MAIN(TstAccessibleWidgets)
#include "tst_accessible_widgets.moc"
