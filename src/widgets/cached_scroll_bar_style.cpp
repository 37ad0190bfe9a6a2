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

// Copying a picture taller than the threshold goes to the thread pool as well. The picture is
// put on whole device pixels: at a fractional pixel ratio a part's place may fall between two,
// and each band would then be blended into the rows around its edges, a seam at every joint.
void drawInBands(QPainter& painter, QPoint at, const QImage& picture)
{
    const qreal ratio = picture.devicePixelRatio();
    const QTransform toDevice = painter.deviceTransform();
    const QPointF device = toDevice.map(QPointF(at));
    const QPointF origin = toDevice.inverted().map(QPointF(std::round(device.x()), std::round(device.y())));
    for (int row = 0; row < picture.height(); row += BandDevicePixels) {
        const QRect source(0, row, picture.width(), std::min(BandDevicePixels, picture.height() - row));
        painter.drawImage(QRectF(origin + QPointF(0, row / ratio), QSizeF(source.size()) / ratio), picture, source);
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
// own while it draws, so a clip on the painter would not hold it to the band. Bands start at
// whole device rows, so that at a fractional pixel ratio each band's pixels lie on the grid of
// the whole picture; bands of whole logical rows would start between device rows and leave a
// seam at each joint.
QImage CachedScrollBarStyle::paintedInBands(const QStyleOptionSlider& option, const QRect& area, qreal ratio,
                                            const QWidget* widget) const
{
    const QSize wholeSize(int(std::ceil(area.width() * ratio)), int(std::ceil(area.height() * ratio)));
    QImage whole(wholeSize, QImage::Format_ARGB32_Premultiplied);
    whole.setDevicePixelRatio(ratio);
    whole.fill(Qt::transparent);
    QPainter wholePainter(&whole);
    wholePainter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int row = 0; row < wholeSize.height(); row += BandDevicePixels) {
        QImage picture(wholeSize.width(), std::min(BandDevicePixels, wholeSize.height() - row),
                       QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        {
            QPainter bandPainter(&picture);
            bandPainter.translate(-QPointF(area.topLeft()) - QPointF(0, row / ratio));
            QProxyStyle::drawComplexControl(CC_ScrollBar, &option, &bandPainter, widget);
        }
        wholePainter.drawImage(QPointF(0, row / ratio), picture);
    }
    return whole;
}
