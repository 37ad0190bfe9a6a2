// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette {
class CalculatorState;
struct NumberLocale;
}

// What the minimized caption is made of: the calculator's texts as they are shown.
struct CaptionTexts {
    QString display;
    QString entry;
    QString total;
    QString pendingOperator;
};

// The caption a minimized calculator shows on the taskbar: the display, led by " = " when
// the entry holds the total or nothing, and followed by " T" after a total or by the
// pending operator while the display shows the running total. Empty while the entry is no
// number (an emptied entry), which leaves the window its own title.
QString minimizedCaption(const CaptionTexts& texts, const numerette::NumberLocale& locale);
// The same for the calculator's present state; the time display stands in for the display
// in time mode.
QString minimizedCaption(const numerette::CalculatorState& calculator);
// The caption of the mini window, which has no display of its own: the display, led by
// " = " while it shows the running total.
QString miniCaption(const numerette::CalculatorState& calculator);
