// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_dialogs.h"

#include "message_boxes.h"

namespace message_boxes = numerette::message_boxes;

WindowPrintDialogs::WindowPrintDialogs(QWidget& window)
    : m_window(window)
{
}

void WindowPrintDialogs::showMessage(QMessageBox::Icon icon, const QString& text)
{
    message_boxes::show(&m_window, icon, text);
}

QString WindowPrintDialogs::askText(const QString& title, const QString& prompt, const QString& proposed)
{
    return message_boxes::inputBox(&m_window, title, prompt, proposed);
}

bool WindowPrintDialogs::askOkCancel(const QString& text)
{
    return message_boxes::askOkCancel(&m_window, text, QMessageBox::Information);
}
