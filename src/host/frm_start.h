// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

// The splash: a small white picture of the program on top of everything while the process
// starts. Its timer fires once, a second after it was made, whether it shows or not; that is
// when the host loads. The second is exact: a coarse timer could stretch it by 50 ms.
class frmStart : public QWidget {
    Q_OBJECT

public:
    explicit frmStart(QWidget* parent = nullptr);

signals:
    void hostDue();
    // The splash has painted itself for the first time: the start-up may use the rest of
    // its second.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTimer m_timer1;
    bool m_painted = false;
};
