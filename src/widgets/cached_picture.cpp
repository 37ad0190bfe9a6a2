// SPDX-License-Identifier: GPL-3.0-or-later
#include "cached_picture.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QWidget>

void drawCachedPicture(QPainter& painter, const QWidget& widget, const QRect& exposed, const QString& look,
                       const std::function<void(QPainter&)>& paint)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QString key = QStringLiteral("%1 %2x%3@%4").arg(look).arg(widget.width()).arg(widget.height()).arg(ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(widget.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter pictured(&picture);
        paint(pictured);
        pictured.end();
        QPixmapCache::insert(key, picture);
    }
    // Only the part to repaint: a key repaints a small part of a large panel, and the rest
    // would be blended in vain under the clip.
    const QRect part = exposed.intersected(widget.rect());
    painter.drawPixmap(part, picture, QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
}
