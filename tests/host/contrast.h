// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QStringList>

class QMenu;
class QWidget;

namespace numerette::testing {

// The WCAG contrast ratio of two colours, from 1 (alike) to 21 (black and white).
double contrastRatio(const QColor& first, const QColor& second);

// The contrast of the text in `area` (device pixels of `picture`): the background is the
// colour most of the area shows, the ink the pixel that stands out most from it. Text drawn
// in its colour reaches that colour in the middle of its strokes.
double inkContrast(const QImage& picture, const QRect& area);

// Every enabled, visible text of a window (labels, buttons, fields, the menu bar's items, the
// tape's page) whose contrast on the window's picture is below `least`, one description each.
QStringList lowContrastTexts(QWidget& window, double least);

// The same for the enabled items of a menu that is shown.
QStringList lowContrastMenuTexts(QMenu& menu, double least);

} // namespace numerette::testing
