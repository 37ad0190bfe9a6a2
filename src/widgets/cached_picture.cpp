// SPDX-License-Identifier: GPL-3.0-or-later
#include "cached_picture.h"

#include <QPainter>
#include <QWidget>

void CachedPictures::draw(QPainter& painter, const QWidget& widget, const QRect& exposed, int look,
                          const std::function<void(QPainter&)>& paint)
{
    const qreal ratio = widget.devicePixelRatioF();
    if (widget.size() != m_size || ratio != m_ratio) {
        m_pictures.clear();
        m_size = widget.size();
        m_ratio = ratio;
    }
    QPixmap& picture = m_pictures[look];
    if (picture.isNull()) {
        picture = QPixmap(m_size * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter pictured(&picture);
        paint(pictured);
    }
    // Only the part to repaint: a key repaints a small part of a large panel, and the rest
    // would be blended in vain under the clip.
    const QRect part = exposed.intersected(widget.rect());
    painter.drawPixmap(part, picture, QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
}
