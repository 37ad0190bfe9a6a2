// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <QLabel>

// The floor the calculator is measured against: the least Qt 6 window of the calculator
// window's size that adds what is typed, showing the number being typed and, after any
// other key, the total.
class FloorWindow final : public QLabel {
public:
    FloorWindow()
        : QLabel(QStringLiteral("0"))
    {
        setWindowTitle(QStringLiteral("Floor window"));
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        resize(348, 487);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QString typed = event->text();
        if (!typed.isEmpty() && typed.front().isDigit()) {
            m_entry += typed;
            setText(m_entry);
            return;
        }
        m_total += m_entry.toLongLong();
        m_entry.clear();
        setText(QString::number(m_total));
    }

private:
    QString m_entry;
    qint64 m_total = 0;
};
