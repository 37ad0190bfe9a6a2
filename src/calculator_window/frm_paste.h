// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace numerette {
class SyntheticInput;
}
class QTimer;

// The click-to-paste window `frmPaste`: a small marker that follows the mouse pointer,
// always on top, so that the user's next click lands on it wherever it is made. That
// click is passed on to the window under the pointer; a second later the field that
// click focused gets its line selected and the clipboard pasted over it. The window
// then closes itself.
class frmPaste : public QWidget {
    Q_OBJECT

public:
    explicit frmPaste(numerette::SyntheticInput& input, QWidget* parent = nullptr);

    // The delay between the click and the paste, so that the clicked program has taken the focus.
    static constexpr int PasteDelayMs = 1000;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followPointer();
    void paste();

    numerette::SyntheticInput& m_input;
    QTimer* m_follow;
};
