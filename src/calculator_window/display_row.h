// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QMargins>

#include "cached_picture.h"

namespace numerette {
class Calculator;
}

// The display row `lblVisor3`: a panel holding the item counter `lblVisor1`, the display
// `lblVisor0` and, in time mode in its place, the time display `lblVisor2`.
class DisplayRow : public QLabel {
    Q_OBJECT

public:
    explicit DisplayRow(const numerette::Calculator& calculator, QWidget* parent = nullptr);

    void render();
    // 1 for the large layout the row is designed for; smaller for the normal layout.
    void setLayoutScale(double scale);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A right click on the row, the display or the time display.
    void formatMenuRequested(const QPoint& globalPosition);
    // A double click on the item counter.
    void counterDoubleClicked();
    // A click with any other button than the right one on the row, the display or the time
    // display (not on the item counter).
    void displayClicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* addDisplay(const QString& name);
    void fitText(QLabel* label);
    QLabel* shownDisplay() const;
    int spacing() const;
    QSize rowSize(QSize counter, QSize display) const;
    void placeTexts();

    struct Heights {
        QFont font;
        const QLabel* display = nullptr;
        bool empty = true;
        int hint = 0;
        int minimum = 0;
    };
    Heights displayHeights() const;

    // What a display was last fitted to.
    struct Fitted {
        QString text;
        int room = -1;
        double scale = 0;
    };

    const numerette::Calculator& m_calculator;
    QLabel* m_display;
    QLabel* m_counter;
    QLabel* m_timeDisplay;
    double m_scale = 1.0;
    // A display is never lower than a line of the design's font.
    int m_displayMinimumHeight = 0;
    QMargins m_margins;
    // The sizes last told to the window.
    QSize m_toldSizeHint;
    QSize m_toldMinimumSize;
    Fitted m_displayFitted;
    Fitted m_timeDisplayFitted;
    mutable Heights m_displayHeights;
    // The panel behind the texts, painted once per size.
    CachedPictures m_panel;
};
