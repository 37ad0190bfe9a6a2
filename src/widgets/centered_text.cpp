// SPDX-License-Identifier: GPL-3.0-or-later
#include "centered_text.h"

#include <QFontMetricsF>
#include <QPainter>

void CenteredText::draw(QPainter& painter, const QRectF& area, const QString& text)
{
    if (text.contains(QLatin1Char('\n'))) {
        painter.drawText(area, Qt::AlignCenter, text);
        return;
    }
    if (m_shaped.text() != text || m_font != painter.font()) {
        m_shaped.setText(text);
        m_shaped.setTextFormat(Qt::PlainText);
        m_font = painter.font();
        m_shaped.prepare(QTransform(), m_font);
        // drawText centres the line's own height, not the whole pixels the shaped text takes.
        m_lineHeight = QFontMetricsF(m_font).height();
    }
    painter.drawStaticText(QPointF(area.x() + (area.width() - m_shaped.size().width()) / 2,
                                   area.y() + (area.height() - m_lineHeight) / 2),
                           m_shaped);
}
