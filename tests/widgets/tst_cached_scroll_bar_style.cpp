// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

#include <QImage>
#include <QScrollBar>
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

QTEST_MAIN(TstCachedScrollBarStyle)
#include "tst_cached_scroll_bar_style.moc"
