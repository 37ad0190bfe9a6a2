// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdlib>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "banded_scroll_bar_style.h"

namespace {

constexpr int RoundingLevels = 2;

} // namespace

class TstBandedScrollBarStyle : public QObject {
    Q_OBJECT

private slots:
    void looksLikeTheApplicationStyle_data();
    void looksLikeTheApplicationStyle();
};

void TstBandedScrollBarStyle::looksLikeTheApplicationStyle_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("value");
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        const char* name = orientation == Qt::Vertical ? "vertical" : "horizontal";
        // Shorter than one band, one band exactly, a band and a row, many bands and a rest.
        for (const int length : {40, 95, 96, 153, 431}) {
            QTest::addRow("%s, %d long, at the start", name, length) << orientation << length << 0;
            QTest::addRow("%s, %d long, in the middle", name, length) << orientation << length << 500;
            QTest::addRow("%s, %d long, at the end", name, length) << orientation << length << 1000;
        }
    }
}

// Band by band, the bar is drawn as the style draws it whole. A partly covered pixel is
// composed twice, band picture and then bar, so it may be a level or two off.
void TstBandedScrollBarStyle::looksLikeTheApplicationStyle()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, length);
    QFETCH(int, value);
    BandedScrollBarStyle banded;
    const auto picture = [&](QStyle* style) {
        QScrollBar bar(orientation);
        if (style)
            bar.setStyle(style);
        bar.setRange(0, 1000);
        bar.setPageStep(100);
        bar.setValue(value);
        const int thickness = orientation == Qt::Vertical ? bar.sizeHint().width() : bar.sizeHint().height();
        bar.resize(orientation == Qt::Vertical ? QSize(thickness, length) : QSize(length, thickness));
        return bar.grab().toImage();
    };
    const QImage whole = picture(nullptr);
    QVERIFY(!whole.isNull());
    const QImage bands = picture(&banded);
    QCOMPARE(bands.size(), whole.size());
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const QRgb a = whole.pixel(x, y);
            const QRgb b = bands.pixel(x, y);
            const int difference = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                             std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            QVERIFY2(difference <= RoundingLevels, qPrintable(QStringLiteral("pixel %1,%2: %3 drawn whole, %4 in bands")
                                                                 .arg(x).arg(y).arg(a, 8, 16).arg(b, 8, 16)));
        }
    }
}

QTEST_MAIN(TstBandedScrollBarStyle)
#include "tst_banded_scroll_bar_style.moc"
