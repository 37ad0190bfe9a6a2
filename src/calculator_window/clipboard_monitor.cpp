// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboard_monitor.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QWidget>

#include "calculator.h"
#include "clipboard_reading.h"
#include "menu_item.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "monitored_clipboard.h"
#include "settings_store.h"

ClipboardMonitor::ClipboardMonitor(QWidget& window, numerette::Calculator& calculator,
                                   numerette::SettingsStore& settings, bool secondary)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_secondary(secondary)
    , m_clipboard(secondary ? MonitoredClipboard::qtClipboard(this) : MonitoredClipboard::create(this))
{
    m_item = newCheckItem(this, QStringLiteral("mnuMonit"), tr("&Monitor Clipboard"));
    connect(m_item, &QAction::triggered, this, &ClipboardMonitor::mnuMonit_Click);
    connect(m_item, &QAction::triggered, this, [&settings](bool on) { settings.setMonitor(on); });
    connect(m_clipboard, &MonitoredClipboard::changed, this, [this] {
        m_changed = true;
        emit clipboardChanged();
    });
}

QString ClipboardMonitor::clipboardText() const
{
    return m_clipboard->clipboardText();
}

void ClipboardMonitor::clearClipboard()
{
    m_clipboard->clearClipboard();
}

bool ClipboardMonitor::isOn() const
{
    return m_item->isChecked();
}

void ClipboardMonitor::setOn(bool on)
{
    m_item->setChecked(on);
}

// What the clipboard holds now is not taken up.
void ClipboardMonitor::mnuMonit_Click(bool checked)
{
    m_taker.passOver(*m_clipboard);
    if (checked)
        numerette::message_boxes::show(&m_window, QMessageBox::Information, numerette::LoadMessage(numerette::Message::ClipboardMonitorHelp));
}

void ClipboardMonitor::tick()
{
    if (!m_changed || m_reading)
        return;
    m_changed = false;
    if (m_secondary || !isOn() || !m_calculator.keysAccepted())
        return;
    const QScopedValueRollback reading(m_reading, true);
    switch (m_taker.read(m_calculator, *m_clipboard)) {
    case numerette::ClipboardReading::InvalidSelection:
        numerette::message_boxes::show(&m_window, QMessageBox::Warning, numerette::LoadMessage(numerette::Message::InvalidClipboardSelection));
        break;
    case numerette::ClipboardReading::TooLong:
        numerette::message_boxes::show(
            &m_window, QMessageBox::Warning,
            tr("The copied column is too long: it holds more than %L1 numbers.").arg(numerette::MaxCopiedItems)
                + numerette::DoubleBreak + tr("Nothing was added. Copy it in parts of at most %L1 lines.")
                                              .arg(numerette::MaxCopiedItems));
        break;
    case numerette::ClipboardReading::CopiedFromList: emit copiedFromList(); break;
    case numerette::ClipboardReading::Ignored:
    case numerette::ClipboardReading::Taken: break;
    }
}
