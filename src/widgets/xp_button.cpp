// SPDX-License-Identifier: GPL-3.0-or-later
#include "xp_button.h"

#include <algorithm>

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>


XPButton::XPButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(caption);
}

void XPButton::setValue(bool value)
{
    if (m_value == value)
        return;
    m_value = value;
    update();
}

void XPButton::setFaceColour(const QColor& colour)
{
    m_face = colour;
    m_faces.clear();
    update();
}

void XPButton::setCaptionColour(const QColor& colour)
{
    m_caption = colour;
    m_faces.clear();
    update();
}

QSize XPButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {std::max(40, metrics.horizontalAdvance(text()) + 16), std::max(28, metrics.height() + 12)};
}

void XPButton::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const bool down = isDown() || m_rightDown || m_value;
    const bool hover = underMouse() && isEnabled() && !down;
    const bool focus = hasFocus();
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const int look = int(down) | int(hover) << 1 | int(focus) << 2;
    m_faces.draw(painter, *this, event->rect(), look, [&](QPainter& face) { paintFace(face, frame, down, hover, focus); });

    // A key taller than wide (the tall ENTER key) stacks the words of its caption.
    QString caption = text();
    if (height() > width())
        caption.replace(QLatin1Char(' '), QLatin1Char('\n'));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(isEnabled() ? m_caption : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    const QRectF textArea = down ? frame.translated(0.5, 1) : frame;
    m_captionText.draw(painter, textArea, caption);
}

void XPButton::paintFace(QPainter& painter, const QRectF& frame, bool down, bool hover, bool focus) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor face = down ? m_face.darker(118) : hover ? m_face.lighter(110) : m_face;
    const qreal radius = std::min(frame.width(), frame.height()) * 0.18;
    QLinearGradient gradient(frame.topLeft(), frame.bottomLeft());
    gradient.setColorAt(0, down ? face.darker(110) : face.lighter(112));
    gradient.setColorAt(1, down ? face.lighter(104) : face.darker(112));
    painter.setPen(QPen(m_face.darker(down ? 190 : 160), 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(frame, radius, radius);

    if (!down) {
        // A thin highlight under the top edge gives the key its raised look.
        painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
    if (focus) {
        painter.setPen(QPen(m_caption, 1, Qt::DotLine));
        painter.drawRoundedRect(frame.adjusted(3, 3, -3, -3), radius - 2, radius - 2);
    }
}

void XPButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && hitButton(event->position().toPoint())) {
        m_rightDown = true;
        update();
        event->accept();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void XPButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = hitButton(event->position().toPoint());
    if (event->button() == Qt::RightButton && m_rightDown) {
        m_rightDown = false;
        update();
        event->accept();
        if (inside)
            emit mouseUp(RightButton);
        return;
    }
    const bool leftClick = event->button() == Qt::LeftButton && isDown() && inside;
    QAbstractButton::mouseReleaseEvent(event);
    if (leftClick)
        emit mouseUp(LeftButton);
}

void XPButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void XPButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}
