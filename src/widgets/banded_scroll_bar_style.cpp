// SPDX-License-Identifier: GPL-3.0-or-later
#include "banded_scroll_bar_style.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOptionSlider>

namespace {

// The raster engine's threshold is 96 spans per fill: one span per row of a band.
constexpr int BandDevicePixels = 95;

} // namespace

BandedScrollBarStyle::BandedScrollBarStyle()
    : QProxyStyle(QApplication::style()->name())
{
}

// Each band is drawn whole on a picture of its own and copied in: the style sets clips of its
// own while it draws, so a clip on the painter would not hold it to the band.
void BandedScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                              QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const int bandLength = std::max(1, int(BandDevicePixels / ratio));
    const QRect whole = option->rect;
    const bool vertical = bar->orientation == Qt::Vertical;
    const int length = vertical ? whole.height() : whole.width();
    for (int offset = 0; offset < length; offset += bandLength) {
        const int size = std::min(bandLength, length - offset);
        const QRect band = vertical ? QRect(whole.left(), whole.top() + offset, whole.width(), size)
                                    : QRect(whole.left() + offset, whole.top(), size, whole.height());
        QImage picture(QSize(int(std::ceil(band.width() * ratio)), int(std::ceil(band.height() * ratio))),
                       QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        {
            QPainter bandPainter(&picture);
            bandPainter.translate(-band.topLeft());
            QProxyStyle::drawComplexControl(control, option, &bandPainter, widget);
        }
        painter->drawImage(band.topLeft(), picture);
    }
}
