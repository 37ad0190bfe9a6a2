// SPDX-License-Identifier: GPL-3.0-or-later
#include "first_paint.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, QObject* context, std::function<void()> action)
        : QObject(&window)
        , m_context(context)
        , m_action(std::move(action))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            if (m_context)
                QTimer::singleShot(0, m_context, std::move(m_action));
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QObject> m_context;
    std::function<void()> m_action;
};

} // namespace

void whenFirstPainted(QWidget& window, QObject* context, std::function<void()> action)
{
    new FirstPaintWatch(window, context, std::move(action));
}
