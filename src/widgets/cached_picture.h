// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>

#include <QPixmap>
#include <QSize>

class QPainter;
class QRect;
class QWidget;

// A widget's pictures that depend only on its size and a few looks (an antialiased panel or
// key face with its gradient), kept once painted: such a picture costs far more to paint than
// to copy, and a key repaints at every press.
class CachedPictures {
public:
    // Draws the part `exposed` (the paint event's) of the picture of `look`, a small number
    // naming what the picture depends on besides the widget's size; `paint` paints it anew on
    // a transparent picture of the widget's size when there is none yet for that size.
    void draw(QPainter& painter, const QWidget& widget, const QRect& exposed, int look,
              const std::function<void(QPainter&)>& paint);
    // Forgets every picture: something they show has changed.
    void clear() { m_pictures.clear(); }

private:
    QSize m_size;
    qreal m_ratio = 0;
    std::map<int, QPixmap> m_pictures;
};
