// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style, painting scroll bars in bands a few dozen rows long. Qt's
// raster engine hands every fill more than 95 rows long to its thread pool; for the thin
// gradients and lines of a long scroll bar, waking those threads and waiting for them
// costs far more than the fill, and a list that grows moves its scroll bar at every item.
// Band by band each fill stays on the painting thread. The bar looks exactly the same.
class BandedScrollBarStyle final : public QProxyStyle {
public:
    BandedScrollBarStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};
