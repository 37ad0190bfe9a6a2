// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include <QIcon>
#include <QImage>
#include <QTest>

#include "menu_pictures.h"

namespace {

constexpr int PictureSize = 16;
// One of the menus' pictures (the calculation list's).
constexpr int ListPicture = 12;

int differingPixels(const QImage& first, const QImage& second)
{
    int differing = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x)
            differing += first.pixel(x, y) != second.pixel(x, y);
    }
    return differing;
}

} // namespace

class TstMenuPictures : public QObject {
    Q_OBJECT

private slots:
    void drawnAtTheDeviceRatio_data();
    void drawnAtTheDeviceRatio();
    void noPictureForAnUnknownIndex();
};

void TstMenuPictures::drawnAtTheDeviceRatio_data()
{
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0})
        QTest::addRow("%g", ratio) << ratio;
}

// A menu at a scale factor asks for the picture at its device pixel ratio: it gets one with
// as many more pixels, not a 16-pixel picture to stretch; the checked picture (with its
// badge) and the disabled one likewise.
void TstMenuPictures::drawnAtTheDeviceRatio()
{
    QFETCH(qreal, ratio);
    const QIcon icon = numerette::menuImage(ListPicture);
    QVERIFY(!icon.isNull());
    const int devicePixels = int(std::lround(PictureSize * ratio));
    QImage pictures[2];
    for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
        const QPixmap picture = icon.pixmap(QSize(PictureSize, PictureSize), ratio, QIcon::Normal, state);
        QCOMPARE(picture.size(), QSize(devicePixels, devicePixels));
        QCOMPARE(picture.devicePixelRatio(), ratio);
        pictures[state] = picture.toImage();
    }
    // The badge covers the lower right quarter or so.
    QVERIFY(differingPixels(pictures[QIcon::Off], pictures[QIcon::On]) > devicePixels * devicePixels / 8);
    const QImage disabled = icon.pixmap(QSize(PictureSize, PictureSize), ratio, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), QSize(devicePixels, devicePixels));
    const QPoint middle(devicePixels / 4, devicePixels / 4);
    QVERIFY(qAlpha(disabled.pixel(middle)) < qAlpha(pictures[QIcon::Off].pixel(middle)));
}

void TstMenuPictures::noPictureForAnUnknownIndex()
{
    QVERIFY(numerette::menuImage(0).isNull());
    QVERIFY(numerette::menuImage(999).isNull());
}

QTEST_MAIN(TstMenuPictures)
#include "tst_menu_pictures.moc"
