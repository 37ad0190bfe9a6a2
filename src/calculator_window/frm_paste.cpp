// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_paste.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "synthetic_input.h"

namespace {

// 240 twips.
constexpr int MarkerSize = 16;
constexpr int FollowIntervalMs = 10;
// Time for the X server to take the marker away before the click is passed on.
constexpr int HideDelayMs = 50;

int mouseButtonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return 3;
    case Qt::MiddleButton: return 2;
    default: return 1;
    }
}

} // namespace

frmPaste::frmPaste(numerette::SyntheticInput& input, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
    , m_input(input)
    , m_follow(new QTimer(this))
{
    setObjectName(QStringLiteral("frmPaste"));
    setWindowTitle(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(MarkerSize, MarkerSize);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    m_follow->setInterval(FollowIntervalMs);
    connect(m_follow, &QTimer::timeout, this, &frmPaste::followPointer);
    m_follow->start();
    followPointer();
}

void frmPaste::followPointer()
{
    const QPoint pointer = QCursor::pos();
    const QPoint centred = pointer - QPoint(MarkerSize / 2, MarkerSize / 2);
    if (pos() != centred)
        move(centred);
}

void frmPaste::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_follow->stop();
    hide();
    const int button = mouseButtonNumber(event->button());
    QTimer::singleShot(HideDelayMs, this, [this, button] {
        m_input.click(button);
        QTimer::singleShot(PasteDelayMs, this, &frmPaste::paste);
    });
}

void frmPaste::paste()
{
    m_input.selectLineAndPaste();
    close();
}

// A clipboard-coloured dot with a dark rim, easy to see on any background.
void frmPaste::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1a, 0x23, 0x33), 2));
    painter.setBrush(QColor(0xff, 0xcc, 0x73));
    painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}
