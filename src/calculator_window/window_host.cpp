// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_host.h"

#include <QClipboard>
#include <QGuiApplication>

#include "frm_calcula.h"
#include "message_boxes.h"
#include "settings_store.h"

QString WindowHost::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

void WindowHost::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void WindowHost::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void WindowHost::closeWindow()
{
    m_window->close();
}

// The calculator asks only whether to erase a full list: Enter keeps it.
bool WindowHost::askYesNo(const QString& question)
{
    return numerette::message_boxes::askYesNo(m_window, question, QMessageBox::Question, QMessageBox::No);
}

void WindowHost::showInformation(const QString& text)
{
    numerette::message_boxes::show(m_window, QMessageBox::Information, text);
}

void WindowHost::storeNumberFormat(int index)
{
    m_window->settings().setFormato(index);
}

void WindowHost::storeAddOnEnter(bool on)
{
    m_window->settings().setCalcEnter(on);
}

bool WindowHost::backUpList(const QString& list)
{
    return m_window->backUpList(list);
}

bool WindowHost::keepErasedList(const QString& list)
{
    return m_window->keepErasedList(list);
}
