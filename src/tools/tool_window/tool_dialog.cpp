#include "tool_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

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
