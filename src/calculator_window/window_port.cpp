// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_port.h"

#include <QClipboard>
#include <QGuiApplication>

#include "frm_calcula.h"
#include "message_boxes.h"
#include "settings_store.h"

QString WindowPort::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

void WindowPort::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void WindowPort::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void WindowPort::closeWindow()
{
    m_window->close();
}

// The calculator asks only whether to erase a full list: Enter keeps it.
bool WindowPort::askYesNo(const QString& question)
{
    return numerette::message_boxes::askYesNo(m_window, question, QMessageBox::Question, QMessageBox::No);
}

void WindowPort::showInformation(const QString& text)
{
    numerette::message_boxes::show(m_window, QMessageBox::Information, text);
}

void WindowPort::storeNumberFormat(int index)
{
    m_window->settings().setFormato(index);
}

void WindowPort::storeAddOnEnter(bool on)
{
    m_window->settings().setCalcEnter(on);
}

bool WindowPort::backUpList(const QString& list)
{
    return m_window->backUpList(list);
}

bool WindowPort::keepErasedList(const QString& list)
{
    return m_window->keepErasedList(list);
}
