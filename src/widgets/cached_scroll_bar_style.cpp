// SPDX-License-Identifier: GPL-3.0-or-later
#include "cached_scroll_bar_style.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QStyleOptionSlider>

namespace {

// The raster engine's threshold is 96 spans per fill: about one span per row.
constexpr int BandDevicePixels = 95;
constexpr int SliderOverhang = 2;

// Copying a picture taller than the threshold goes to the thread pool as well.
void drawInBands(QPainter& painter, QPoint at, const QImage& picture)
{
    const qreal ratio = picture.devicePixelRatio();
    for (int row = 0; row < picture.height(); row += BandDevicePixels) {
        const QRect source(0, row, picture.width(), std::min(BandDevicePixels, picture.height() - row));
        painter.drawImage(QRectF(at + QPointF(0, row / ratio), source.size() / ratio), picture, source);
    }
}

} // namespace

CachedScrollBarStyle::CachedScrollBarStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{
}

void CachedScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                              QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    // In Fusion's order: the groove, the slider, then the arrows over the slider's edge.
    const auto drawParts = [&](Picture& kept, SubControls parts, const QRect& area) {
        QStyleOptionSlider partOption = *bar;
        partOption.subControls = bar->subControls & parts;
        if (partOption.subControls && area.isValid())
            drawInBands(*painter, area.topLeft(), picture(kept, partOption, area, ratio, widget));
    };
    const SubControls arrows = SC_ScrollBarAddLine | SC_ScrollBarSubLine | SC_ScrollBarFirst | SC_ScrollBarLast;
    drawParts(m_groove, ~(arrows | SC_ScrollBarSlider), bar->rect);
    // Fusion draws the slider's outline a pixel beyond its place.
    const QRect slider = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
    const QMargins overhang(SliderOverhang, SliderOverhang, SliderOverhang, SliderOverhang);
    drawParts(m_slider, SC_ScrollBarSlider, slider.marginsAdded(overhang) & bar->rect);
    drawParts(m_arrows, arrows, bar->rect);
}

const QImage& CachedScrollBarStyle::picture(Picture& kept, const QStyleOptionSlider& option, const QRect& area,
                                            qreal ratio, const QWidget* widget) const
{
    const Look look{area.size(),
                    ratio,
                    int(option.state),
                    int(option.activeSubControls),
                    option.palette.cacheKey(),
                    option.sliderValue == option.minimum,
                    option.sliderValue == option.maximum};
    if (!(kept.look == look) || kept.image.isNull())
        kept = {look, paintedInBands(option, area, ratio, widget)};
    return kept.image;
}

// Each band is drawn whole on a picture of its own and copied in: the style sets clips of its
// own while it draws, so a clip on the painter would not hold it to the band.
QImage CachedScrollBarStyle::paintedInBands(const QStyleOptionSlider& option, const QRect& area, qreal ratio,
                                            const QWidget* widget) const
{
    const auto devicePixels = [ratio](QSize size) {
        return QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
    };
    QImage whole(devicePixels(area.size()), QImage::Format_ARGB32_Premultiplied);
    whole.setDevicePixelRatio(ratio);
    whole.fill(Qt::transparent);
    QPainter wholePainter(&whole);
    wholePainter.setCompositionMode(QPainter::CompositionMode_Source);
    const int bandHeight = std::max(1, int(BandDevicePixels / ratio));
    for (int offset = 0; offset < area.height(); offset += bandHeight) {
        const QRect band(area.left(), area.top() + offset, area.width(), std::min(bandHeight, area.height() - offset));
        QImage picture(devicePixels(band.size()), QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        {
            QPainter bandPainter(&picture);
            bandPainter.translate(-band.topLeft());
            QProxyStyle::drawComplexControl(CC_ScrollBar, &option, &bandPainter, widget);
        }
        drawInBands(wholePainter, band.topLeft() - area.topLeft(), picture);
    }
    return whole;
}
