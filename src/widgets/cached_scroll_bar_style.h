// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QProxyStyle>
#include <QStyleOptionSlider>

// The Fusion style, drawing a scroll bar from kept pictures of its groove and its arrows,
// which Fusion draws the same wherever the slider is, and of its slider. A list that
// grows moves its scroll bar at every item; the pictures are drawn again only when the bar's
// size, look or slider length changes, and are then drawn in bands a few dozen rows long:
// Qt's raster engine hands every fill more than 95 rows long to its thread pool, and for the
// thin gradients and lines of a scroll bar, waking those threads costs far more than the fill.
class CachedScrollBarStyle final : public QProxyStyle {
public:
    CachedScrollBarStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    // What a picture depends on besides what it shows.
    struct Look {
        QSize size;
        qreal ratio = 0;
        int state = 0;
        int activeParts = 0;
        qint64 palette = 0;
        bool atMinimum = false;
        bool atMaximum = false;
        bool operator==(const Look&) const = default;
    };
    struct Picture {
        Look look;
        QImage image;
    };

    // The parts of `option` within `area` (a band at a time), on a transparent picture.
    QImage paintedInBands(const QStyleOptionSlider& option, const QRect& area, qreal ratio,
                          const QWidget* widget) const;
    const QImage& picture(Picture& kept, const QStyleOptionSlider& option, const QRect& area, qreal ratio,
                          const QWidget* widget) const;

    mutable Picture m_groove;
    mutable Picture m_slider;
    mutable Picture m_arrows;
};
