// SPDX-License-Identifier: GPL-3.0-or-later
#include "quote_mark.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The picture is drawn on a 24 × 24 grid, stretched to the widget's size.
constexpr int Grid = 24;

} // namespace

QuoteMark::QuoteMark(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    // Pressed by the mouse or by assistive technology; the keyboard's Tab stays with the
    // calculator's display and list.
    setFocusPolicy(Qt::NoFocus);
}

void QuoteMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setWindow(0, 0, Grid, Grid);
    painter.setPen(QPen(QColor(0x8d, 0x99, 0xab), 1));
    painter.setBrush(QColor(0xd6, 0xe2, 0xf1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, Grid - 1, Grid - 1), 5, 5);

    // Two "6"-shaped strokes: a round blob with a tail rising to the right.
    const QColor ink(0x15, 0x39, 0x6a);
    constexpr double Radius = 2.6;
    for (const double x : {8.5, 15.5}) {
        const QPointF blob(x, 14.5);
        QPainterPath tail(blob - QPointF(Radius, 0));
        tail.quadTo(blob + QPointF(-Radius, -6), blob + QPointF(2, -7.5));
        painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tail);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(blob, Radius, Radius);
    }
}

void QuoteMark::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
    event->accept();
}

void QuoteMark::mouseReleaseEvent(QMouseEvent* event)
{
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}
