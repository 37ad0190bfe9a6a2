// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

// The splash: a small white picture of the program on top of everything while the process
// starts. Its timer fires once, a second after it was made, whether it shows or not; that is
// when the host loads.
class frmStart : public QWidget {
    Q_OBJECT

public:
    explicit frmStart(QWidget* parent = nullptr);

signals:
    void hostDue();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTimer m_timer1;
};
