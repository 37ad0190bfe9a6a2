// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <memory>

#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include "steady_scroll_bar.h"

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

using Change = std::function<void(QScrollBar&)>;
Q_DECLARE_METATYPE(Change)

class TstSteadyScrollBar : public QObject {
    Q_OBJECT

private slots:
    void repaintsWhenThePictureChanges_data();
    void repaintsWhenThePictureChanges();
};

void TstSteadyScrollBar::repaintsWhenThePictureChanges_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("repaints");
    // Paints of pictures taken of the bar, not of the bar on screen.
    QTest::addColumn<int>("grabs");
    // The bar starts at the end of a long list, its slider at its shortest.
    QTest::newRow("the list grows, the slider stays at the end") << Change([](QScrollBar& bar) {
        bar.setRange(0, bar.maximum() + 15);
        bar.setValue(bar.maximum());
    }) << false << 0;
    QTest::newRow("the list grows, the view stays") << Change([](QScrollBar& bar) {
        bar.setRange(0, bar.maximum() + 15);
    }) << true << 0;
    QTest::newRow("a step back from the end") << Change([](QScrollBar& bar) { bar.setValue(bar.maximum() - 1); })
                                              << true << 0;
    QTest::newRow("to the middle") << Change([](QScrollBar& bar) { bar.setValue(bar.maximum() / 2); }) << true << 0;
    QTest::newRow("a longer page") << Change([](QScrollBar& bar) { bar.setPageStep(bar.maximum()); }) << true << 0;
    QTest::newRow("nothing to scroll") << Change([](QScrollBar& bar) { bar.setRange(0, 0); }) << true << 0;
    QTest::newRow("the same value again") << Change([](QScrollBar& bar) { bar.setValue(bar.maximum()); }) << false << 0;
    // A picture taken before the bar looked at its change is not what the screen shows.
    QTest::newRow("grabbed before it repainted") << Change([](QScrollBar& bar) {
        bar.setValue(0);
        bar.grab();
    }) << true << 1;
}

// A change of range or value repaints the bar when, and only when, what it shows changes.
void TstSteadyScrollBar::repaintsWhenThePictureChanges()
{
    QFETCH(Change, change);
    QFETCH(bool, repaints);
    QFETCH(int, grabs);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    SteadyScrollBar bar(Qt::Vertical);
    bar.setStyle(fusion.get());
    bar.setRange(0, 100000);
    bar.setPageStep(20);
    bar.setValue(bar.maximum());
    bar.resize(bar.sizeHint().width(), 300);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCoreApplication::processEvents();
    PaintCounter counter;
    bar.installEventFilter(&counter);
    change(bar);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints > grabs, repaints);
}

QTEST_MAIN(TstSteadyScrollBar)
#include "tst_steady_scroll_bar.moc"
