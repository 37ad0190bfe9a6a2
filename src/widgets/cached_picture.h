// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>

class QPainter;
class QRect;
class QWidget;

// Draws a widget's picture that depends only on its size and a few looks (an antialiased
// panel or key face with its gradient) from the process's pixmap cache: such a picture costs
// far more to paint than to copy, and a key repaints it at every press. `look` names what the
// picture depends on besides the widget's size; `paint` paints it anew on a transparent
// picture of the widget's size. Only the part `exposed` (the paint event's) is drawn.
void drawCachedPicture(QPainter& painter, const QWidget& widget, const QRect& exposed, const QString& look,
                       const std::function<void(QPainter&)>& paint);
