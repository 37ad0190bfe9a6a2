// SPDX-License-Identifier: GPL-3.0-or-later
#include "activation_return.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace numerette {

namespace {

bool isDialogLike(const QWidget& widget)
{
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && widget.parentWidget() && type != Qt::Popup && type != Qt::ToolTip
        && type != Qt::SplashScreen;
}

} // namespace

// Only a window the program hides (not one the window manager iconifies), and only when no
// other window of the program has taken the activation meanwhile (the user's click on it
// may be what closed a tool window); checked a turn of the event
// loop later, once the closing window's own activation has been settled.
bool ActivationReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Hide || event->spontaneous() || !watched->isWidgetType())
        return false;
    auto* closing = static_cast<QWidget*>(watched);
    if (!isDialogLike(*closing))
        return false;
    QPointer<QWidget> opener = closing->parentWidget()->window();
    QPointer<QWidget> closed = closing;
    QTimer::singleShot(0, opener, [opener, closed] {
        const QWidget* active = QApplication::activeWindow();
        const bool activeElsewhere = active && active != closed && active->isVisible();
        // A modal window still open over the opener keeps the keys.
        const QWidget* modal = QApplication::activeModalWidget();
        if (opener && opener->isVisible() && !opener->isMinimized() && !activeElsewhere && (!modal || modal == opener))
            opener->activateWindow();
    });
    return false;
}

} // namespace numerette
