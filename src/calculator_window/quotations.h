// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QTimer;
class QuoteMark;

// The quotation label `lblReg` at the foot of the calculator window. Its visibility is the
// window's mode: shown in full mode, hidden in mini mode. Its timer `Timer2` puts up the
// next of the six quotations every 10 seconds while the window is visible. In the large
// layout the picture `Image2` sits at its left; a click on the picture puts up the next
// quotation at once and starts the 10 seconds again.
class QuotationLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr int QuotationCount = 6;
    static constexpr int RotationMilliseconds = 10'000;

    // Starts with the first quotation.
    explicit QuotationLabel(QWidget* parent = nullptr);

    // Quotation 1..QuotationCount as the label shows it, with its author.
    static QString quotation(int entry);

    // 1 for the large layout the label is designed for, which shows the picture; smaller for
    // the normal layout, which hides it.
    void setLayoutScale(double scale);

    // The next quotation; nothing while the window is not visible.
    void rotate();

signals:
    void rotated();
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The quotation last shown less one, cycling 0..QuotationCount - 1.
    int m_counter = 1;
    QTimer* m_timer;
    QuoteMark* m_picture;
    double m_designPointSize;
};
