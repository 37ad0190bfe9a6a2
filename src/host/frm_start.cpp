// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_start.h"

#include <utility>

#include <QPainter>

#include <QScreen>

#include "app_picture.h"

namespace {

// 3000 × 825 twips.
constexpr QSize SplashSize(200, 55);
constexpr int HostDelayMs = 1000;
constexpr int Margin = 6;

} // namespace

frmStart::frmStart(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmStart"));
    // Not the calculator's title: scripts and window lists tell the two apart by it.
    //: Title of the start-up picture in window lists; must differ from the calculator's title.
    setWindowTitle(tr("Numerette starting"));
    setWindowIcon(appIcon());
    setFixedSize(SplashSize);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setSingleShot(true);
    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer1.setInterval(HostDelayMs);
    connect(&m_timer1, &QTimer::timeout, this, &frmStart::hostDue);
    m_timer1.start();
}

void frmStart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void frmStart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int side = height() - 2 * Margin;
    windowIcon().paint(&painter, QRect(Margin, Margin, side, side));

    QFont font = painter.font();
    font.setPixelSize(side / 2);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x2c, 0x38, 0x45));
    const QRect text(2 * Margin + side, 0, width() - 3 * Margin - side, height());
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral(" Numerette"));
    if (!std::exchange(m_painted, true))
        emit painted();
}
