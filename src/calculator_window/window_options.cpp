// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_options.h"

#include <QAction>
#include <QWidget>

#include "calculator.h"
#include "menu_item.h"
#include "settings_store.h"

using numerette::Calculator;
using numerette::SettingsStore;

WindowOptions::WindowOptions(QWidget& window, Calculator& calculator, SettingsStore& settings, QAction* insertText)
    : QObject(&window)
    , m_window(window)
    , m_stayInTray(newCheckItem(this, QStringLiteral("mnuSystray"), tr("Stay on &System Tray when Exit")))
    //: Keeps the keyboard's NumLock switched on; NumLock is the key's name
    , m_numLock(newCheckItem(this, QStringLiteral("mnuNumLock"), tr("\"N&umLock\" always ON")))
    , m_alwaysOnTop(newCheckItem(this, QStringLiteral("mnuVisivel"), tr("Always &Visible (On Top)")))
{

    connect(m_numLock, &QAction::toggled, this, [&calculator](bool on) { calculator.setNumLockAlways(on); });
    connect(m_alwaysOnTop, &QAction::toggled, this, &WindowOptions::applyAlwaysOnTop);

    connect(m_stayInTray, &QAction::triggered, this, [this, &settings](bool on) {
        settings.setMnuSystray(on);
        emit stayInTrayToggled(on);
    });
    connect(m_numLock, &QAction::triggered, this, [&settings](bool on) { settings.setNumLock(on); });
    connect(m_alwaysOnTop, &QAction::triggered, this, [&settings](bool on) { settings.setVisivel(on); });
    connect(insertText, &QAction::triggered, this, [&settings](bool on) { settings.setInserirTexto(on); });

    m_numLock->setChecked(true);
}

bool WindowOptions::stayInTray() const
{
    return m_stayInTray->isChecked();
}

void WindowOptions::setStayInTray(bool on)
{
    m_stayInTray->setChecked(on);
}

void WindowOptions::setNumLockAlways(bool on)
{
    m_numLock->setChecked(on);
}

bool WindowOptions::numLockAlways() const
{
    return m_numLock->isChecked();
}

void WindowOptions::setAlwaysOnTop(bool on)
{
    m_alwaysOnTop->setChecked(on);
}

// Changing a window flag hides a shown window; it comes back at once.
void WindowOptions::applyAlwaysOnTop(bool on)
{
    const bool shown = m_window.isVisible();
    m_window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        m_window.show();
}
