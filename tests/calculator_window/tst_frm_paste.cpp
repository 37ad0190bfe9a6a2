// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPointer>
#include <QTest>

#include "frm_paste.h"
#include "synthetic_input.h"

class TstFrmPaste : public QObject {
    Q_OBJECT

private slots:
    void clickIsPassedOnThenTheLineIsPasted_data();
    void clickIsPassedOnThenTheLineIsPasted();
};

void TstFrmPaste::clickIsPassedOnThenTheLineIsPasted_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("click");
    QTest::newRow("left") << Qt::LeftButton << QStringLiteral("click 1");
    QTest::newRow("right") << Qt::RightButton << QStringLiteral("click 3");
}

// The marker goes at once; the click reaches the window under it, and only a second later,
// once that program has taken the focus, the paste follows and the marker closes.
void TstFrmPaste::clickIsPassedOnThenTheLineIsPasted()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, click);
    numerette::FakeSyntheticInput input;
    QPointer<frmPaste> paste = new frmPaste(input);
    paste->show();
    QVERIFY(QTest::qWaitForWindowExposed(paste));

    QTest::mousePress(paste, button);
    QVERIFY(paste->isHidden());
    QTRY_COMPARE(input.sent, QStringList{click});
    QTest::qWait(frmPaste::PasteDelayMs / 2);
    QCOMPARE(input.sent, QStringList{click});
    QTRY_COMPARE(input.sent, (QStringList{click, u"Home"_qs, u"Shift+End"_qs, u"Ctrl+V"_qs}));
    QTRY_VERIFY(paste.isNull());
}

QTEST_MAIN(TstFrmPaste)
#include "tst_frm_paste.moc"
