// SPDX-License-Identifier: GPL-3.0-or-later
#include "steady_scroll_bar.h"

#include <utility>

#include <QPaintEvent>
#include <QStyle>
#include <QStyleOptionSlider>

SteadyScrollBar::SteadyScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
}

SteadyScrollBar::Shown SteadyScrollBar::shown() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {option.rect,
            style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
            int(option.state),
            int(option.activeSubControls),
            int(option.subControls),
            option.palette.cacheKey(),
            option.direction,
            option.sliderValue == option.minimum,
            option.sliderValue == option.maximum};
}

// Only a paint of the whole bar tells what the whole bar shows. A paint while a change is yet
// to be looked at may be a picture taken of the bar (a grab), not the bar on screen.
void SteadyScrollBar::paintEvent(QPaintEvent* event)
{
    if (!m_lookPending && event->region().contains(rect()))
        m_painted = shown();
    else
        m_painted.reset();
    QScrollBar::paintEvent(event);
}

// The window paints at a posted request of low priority; the look is posted at the normal
// one, and so comes first.
void SteadyScrollBar::sliderChange(SliderChange)
{
    if (std::exchange(m_lookPending, true))
        return;
    QMetaObject::invokeMethod(this, &SteadyScrollBar::repaintIfChanged, Qt::QueuedConnection);
}

void SteadyScrollBar::repaintIfChanged()
{
    m_lookPending = false;
    if (!m_painted || !(*m_painted == shown()))
        update();
}
