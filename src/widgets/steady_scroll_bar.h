// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QScrollBar>

// A scroll bar that repaints at a change of its range or value only when its picture changes:
// a growing list changes the range at every item, while the slider moves or shrinks by a
// pixel only every few items. What the bar shows is taken to depend on its size, state,
// palette, slider place and whether the slider is at either end, as it does in Fusion. A
// list that grows sets the range first and the value after, so the bar looks at itself once
// the changes are done, before the window paints.
class SteadyScrollBar final : public QScrollBar {
public:
    explicit SteadyScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void sliderChange(SliderChange change) override;

private:
    struct Shown {
        QRect rect;
        QRect slider;
        int state = 0;
        int activeParts = 0;
        int parts = 0;
        qint64 palette = 0;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool atMinimum = false;
        bool atMaximum = false;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() const;
    void repaintIfChanged();

    // What the last whole paint showed.
    std::optional<Shown> m_painted;
    bool m_lookPending = false;
};
