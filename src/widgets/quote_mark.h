// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

// A small drawn button: an opening quotation mark on a rounded badge, in the keypad's
// blue. A left click on it is reported by `clicked`; every mouse press and release on it
// stops here, so a parent that reacts to clicks of its own does not see them. Being a
// button, assistive technology reads it as one, by its accessible name, and can press it.
class QuoteMark : public QAbstractButton {
    Q_OBJECT

public:
    explicit QuoteMark(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
