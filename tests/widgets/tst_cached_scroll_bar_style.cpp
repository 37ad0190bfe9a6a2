// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QStyleFactory>
#include <QTest>

#include "cached_scroll_bar_style.h"

namespace {

// A partly covered pixel is composed twice, on its picture and then on the bar, so it may be
// a level or two off.
constexpr int RoundingLevels = 2;

QString difference(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = expected.pixel(x, y);
            const QRgb b = actual.pixel(x, y);
            const int levels = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                         std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            if (levels > RoundingLevels)
                return QStringLiteral("pixel %1,%2: %3 in Fusion, %4 from the pictures")
                    .arg(x)
                    .arg(y)
                    .arg(a, 8, 16)
                    .arg(b, 8, 16);
        }
    }
    return {};
}

} // namespace

class TstCachedScrollBarStyle : public QObject {
    Q_OBJECT

private slots:
    void looksLikeFusion_data();
    void looksLikeFusion();
    void noBandSeams_data();
    void noBandSeams();
};

using Change = std::function<void(QScrollBar&)>;
Q_DECLARE_METATYPE(Change)

void TstCachedScrollBarStyle::looksLikeFusion_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("length");
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        const char* name = orientation == Qt::Vertical ? "vertical" : "horizontal";
        // Shorter than one band, one band exactly, a band and a row, many bands and a rest.
        for (const int length : {40, 95, 96, 153, 431})
            QTest::addRow("%s, %d long", name, length) << orientation << length;
    }
}

// One bar goes through the changes a list's scroll bar sees, and after each it looks as
// Fusion draws it: a kept picture is never shown for a look it was not drawn for.
void TstCachedScrollBarStyle::looksLikeFusion()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, length);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    CachedScrollBarStyle cached;
    QScrollBar plain(orientation);
    QScrollBar bar(orientation);
    plain.setStyle(fusion.get());
    bar.setStyle(&cached);
    const auto both = [&](const Change& change) {
        change(plain);
        change(bar);
    };
    const auto resize = [orientation](QScrollBar& each, int along) {
        const int thickness = orientation == Qt::Vertical ? each.sizeHint().width() : each.sizeHint().height();
        each.resize(orientation == Qt::Vertical ? QSize(thickness, along) : QSize(along, thickness));
    };
    both([&](QScrollBar& each) {
        each.setRange(0, 1000);
        each.setPageStep(100);
        resize(each, length);
    });
    const QList<std::pair<const char*, Change>> changes = {
        {"at the start", [](QScrollBar&) {}},
        {"in the middle", [](QScrollBar& each) { each.setValue(500); }},
        {"at the end", [](QScrollBar& each) { each.setValue(1000); }},
        {"a longer list", [](QScrollBar& each) { each.setRange(0, 5000); }},
        {"a shorter list", [](QScrollBar& each) { each.setRange(0, 10); }},
        {"nothing to scroll", [](QScrollBar& each) { each.setRange(0, 0); }},
        {"back to scrolling", [](QScrollBar& each) { each.setRange(0, 1000); each.setValue(300); }},
        {"disabled", [](QScrollBar& each) { each.setEnabled(false); }},
        {"enabled", [](QScrollBar& each) { each.setEnabled(true); }},
        {"longer", [&](QScrollBar& each) { resize(each, length + 37); }},
    };
    for (const auto& [name, change] : changes) {
        both(change);
        const QString found = difference(plain.grab().toImage(), bar.grab().toImage());
        QVERIFY2(found.isEmpty(), qPrintable(QString::fromLatin1(name) + u": " + found));
    }
}

void TstCachedScrollBarStyle::noBandSeams_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("at the start") << 0;
    QTest::newRow("in the middle") << 500;
    QTest::newRow("at the end") << 1000;
}

// At any scale factor (the test runs under several), wherever Fusion draws two rows of a
// long bar alike, the kept pictures draw them alike too: no joint of two bands shows.
void TstCachedScrollBarStyle::noBandSeams()
{
    QFETCH(int, value);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    CachedScrollBarStyle cached;
    QScrollBar plain(Qt::Vertical);
    QScrollBar bar(Qt::Vertical);
    plain.setStyle(fusion.get());
    bar.setStyle(&cached);
    for (QScrollBar* each : {&plain, &bar}) {
        each->setRange(0, 1000);
        each->setPageStep(400);
        each->setValue(value);
        each->resize(each->sizeHint().width(), 613);
    }
    const QImage expected = plain.grab().toImage();
    const QImage actual = bar.grab().toImage();
    QCOMPARE(actual.size(), expected.size());
    const auto row = [](const QImage& image, int y) {
        return QByteArrayView(image.constScanLine(y), image.bytesPerLine());
    };
    // Between the arrows, which Fusion places from pictures of its own.
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    const qreal ratio = bar.devicePixelRatioF();
    const QRect up = cached.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, &bar);
    const QRect down = cached.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, &bar);
    QVERIFY(down.top() > up.bottom());
    QStringList seams;
    // The pictures are put on whole device pixels, so an edge of the slider may come a row
    // from where Fusion puts it; a seam is a step within rows Fusion draws all alike.
    const auto uniform = [&](int from, int to) {
        for (int y = from; y < to; ++y) {
            if (row(expected, y) != row(expected, y + 1))
                return false;
        }
        return true;
    };
    for (int y = int((up.bottom() + 2) * ratio); y + 2 < int(down.top() * ratio); ++y) {
        if (row(actual, y) != row(actual, y + 1) && uniform(y - 1, y + 2))
            seams << QString::number(y);
    }
    QVERIFY2(seams.isEmpty(), qPrintable(QStringLiteral("at a pixel ratio of %1, rows differ from the next below: %2")
                                             .arg(ratio)
                                             .arg(seams.join(u' '))));
}

QTEST_MAIN(TstCachedScrollBarStyle)
#include "tst_cached_scroll_bar_style.moc"
