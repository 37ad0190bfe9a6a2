// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_picture.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The picture is laid out on a 64 × 64 grid and scaled to the square it fills.
constexpr qreal Grid = 64.0;

const QColor Body(0x3b, 0x4a, 0x59);
const QColor Paper(0xfb, 0xfa, 0xf6);
const QColor PaperEdge(0xb8, 0xb2, 0xa2);
const QColor Figures(0x6b, 0x74, 0x80);
const QColor TotalMark(0xc8, 0x41, 0x2b);
const QColor KeyTop(0xe9, 0xed, 0xf1);

} // namespace

void paintAppPicture(QPainter& painter, const QRectF& square)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.topLeft());
    painter.scale(square.width() / Grid, square.height() / Grid);
    painter.setPen(Qt::NoPen);

    painter.setBrush(Body);
    painter.drawRoundedRect(QRectF(6, 27, 52, 33), 6, 6);

    painter.setPen(QPen(PaperEdge, 0.8));
    painter.setBrush(Paper);
    painter.drawRect(QRectF(19, 4, 26, 27.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Figures);
    for (const qreal y : {9.0, 13.0, 17.0})
        painter.drawRoundedRect(QRectF(29, y, 12, 1.8), 0.9, 0.9);
    painter.drawRect(QRectF(21.5, 21.2, 21, 0.8));
    painter.setBrush(TotalMark);
    painter.drawRoundedRect(QRectF(28, 24.2, 13, 2.4), 1.2, 1.2);

    painter.setBrush(KeyTop);
    for (const qreal y : {37.0, 44.5, 52.0}) {
        for (const qreal x : {11.0, 21.5, 32.0})
            painter.drawRoundedRect(QRectF(x, y, 8.5, 5.5), 1.5, 1.5);
    }
    painter.setBrush(TotalMark);
    painter.drawRoundedRect(QRectF(42.5, 37, 10, 20.5), 1.5, 1.5);
    painter.restore();
}

QIcon appIcon()
{
    QIcon icon;
    for (const int side : {16, 22, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintAppPicture(painter, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
