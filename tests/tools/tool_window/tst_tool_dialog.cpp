// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QMessageBox>
#include <QTest>

#include "tool_dialog.h"

using namespace Qt::StringLiterals;
using numerette::closeWhenAnotherWindowIsActive;

class TstToolDialog : public QObject {
    Q_OBJECT

private slots:
    void closesWhenAnotherWindowIsActive_data();
    void closesWhenAnotherWindowIsActive();
};

void TstToolDialog::closesWhenAnotherWindowIsActive_data()
{
    QTest::addColumn<bool>("ownMessageBox");
    QTest::addColumn<bool>("mayClose");
    QTest::addColumn<bool>("closes");
    QTest::newRow("another window of the program") << false << true << true;
    QTest::newRow("the tool's own message box") << true << true << false;
    QTest::newRow("another window while the tool is busy") << false << false << false;
}

void TstToolDialog::closesWhenAnotherWindowIsActive()
{
    QFETCH(bool, ownMessageBox);
    QFETCH(bool, mayClose);
    QFETCH(bool, closes);

    QWidget calculator;
    calculator.show();
    QDialog tool;
    closeWhenAnotherWindowIsActive(tool, [mayClose] { return mayClose; });
    tool.show();
    tool.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&tool));

    QMessageBox box(QMessageBox::Information, u"t"_s, u"a message"_s, QMessageBox::Ok, &tool);
    QWidget* next = ownMessageBox ? static_cast<QWidget*>(&box) : &calculator;
    next->show();
    next->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(next));
    QTest::qWait(20);
    QCOMPARE(tool.isVisible(), !closes);
}

QTEST_MAIN(TstToolDialog)
#include "tst_tool_dialog.moc"
