// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QMargins>
#include <QVariant>

#include "cached_picture.h"
#include "number_text.h"

namespace numerette {
class CalculatorState;
}

// The display row `lblVisor3`: a panel holding the item counter `lblVisor1`, the display
// `lblVisor0` and, in time mode in its place, the time display `lblVisor2`. The row holds
// the keyboard focus while the calculator takes keys and passes every key on to the window;
// assistive technology reads it as the display (see DisplayAccessible), the labels by their
// texts.
class DisplayRow : public QLabel {
    Q_OBJECT

public:
    explicit DisplayRow(const numerette::CalculatorState& calculator, QWidget* parent = nullptr);

    void render();
    // What the last key did, as assistive technology reads the row: the figure shown, or,
    // when the key wrote to the list, that line in words ("30 plus", "Total 42").
    const QString& reading() const;
    // The number on the shown display; none when it shows no number.
    QVariant figureValue() const;
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
    void updateReading();

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

    const numerette::CalculatorState& m_calculator;
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
    // What the renders since the reading was last taken made of it.
    enum class PendingReading { None, ListEnd, Figure };
    mutable PendingReading m_pendingReading = PendingReading::None;
    mutable QString m_reading;
    QVariant m_readValue;
    // Whether m_readValue is the value last told; not while nobody is told.
    bool m_readValueKnown = false;
    QString m_readFigure;
    numerette::NumberLocale m_readLocale;
    // The list's length when the reading was last taken: a longer list is a key that wrote.
    qsizetype m_readListLength = 0;
    mutable Heights m_displayHeights;
    // The panel behind the texts, painted once per size.
    CachedPictures m_panel;
};
