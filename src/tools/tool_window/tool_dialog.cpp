// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace numerette {

ToolDialog::ToolDialog(QWidget* parent)
    : QDialog(parent)
{
}

void ToolDialog::setStayOnTop(bool on)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
}

void ToolDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A push button reached with Tab is pressed by Enter, as on any desktop.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        else
            focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ToolDialog::showEvent(QShowEvent* event)
{
    // QDialog makes its push buttons default-on-Enter when they are first shown.
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
}

namespace {

// Watches the window's activation; the check waits a turn of the event loop, until the
// window that took the activation is known.
class DeactivationCloser : public QObject {
public:
    DeactivationCloser(QDialog& window, std::function<bool()> mayClose)
        : QObject(&window)
        , m_window(window)
        , m_mayClose(std::move(mayClose))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::ActivationChange && !m_window.isActiveWindow())
            QTimer::singleShot(0, this, [this] {
                if (m_window.isVisible() && m_mayClose() && anotherWindowIsActive(m_window))
                    m_window.close();
            });
        return false;
    }

private:
    QDialog& m_window;
    std::function<bool()> m_mayClose;
};

} // namespace

void closeWhenAnotherWindowIsActive(QDialog& window, std::function<bool()> mayClose)
{
    new DeactivationCloser(window, std::move(mayClose));
}

bool anotherWindowIsActive(const QWidget& window)
{
    const QWidget* active = QApplication::activeWindow();
    if (!active)
        return false;
    for (; active; active = active->parentWidget()) {
        if (active == &window)
            return false;
    }
    return true;
}

} // namespace numerette
