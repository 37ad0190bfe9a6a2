// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

class QPainter;
class QRectF;

// The program's picture, drawn rather than loaded (the scalable icon needs an image plugin the
// program cannot count on): a paper tape coming out of an adding machine.
void paintAppPicture(QPainter& painter, const QRectF& square);

// The picture as an icon for the notification area and the windows.
QIcon appIcon();
