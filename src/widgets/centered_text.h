// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStaticText>

class QPainter;
class QRectF;

// A line of text drawn centred in an area, as QPainter::drawText(area, Qt::AlignCenter, text)
// draws it, but shaped once for as long as the text and the font stay: a key's caption is
// drawn at every press and release. Text of several lines is drawn by drawText itself.
class CenteredText {
public:
    void draw(QPainter& painter, const QRectF& area, const QString& text);

private:
    QStaticText m_shaped;
    QFont m_font;
    qreal m_lineHeight = 0;
};
