// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "clipboard_taker.h"

namespace numerette {
class Calculator;
class SettingsStore;
}
class MonitoredClipboard;
class QAction;
class QWidget;

// The "&Settings" item `mnuMonit` and the monitor it switches: numbers the user copies in
// other programs are added to the running calculation, each copy once (see ClipboardTaker
// and readClipboard). The clipboard is only read after it changed: its change signal marks
// the change and starts the window's 50 ms `Timer1`, which takes it up, so the monitor costs
// nothing while nothing is copied. A secondary calculator never reads the clipboard. The
// clipboard is the one MonitoredClipboard chooses, which under a Wayland session can be the
// session's selection rather than Qt's clipboard.
class ClipboardMonitor : public QObject {
    Q_OBJECT

public:
    ClipboardMonitor(QWidget& window, numerette::Calculator& calculator, numerette::SettingsStore& settings,
                     bool secondary);

    QAction* mnuMonit() const { return m_item; }

    // The clipboard as the monitor sees it, and clearing it (the calculator's load).
    QString clipboardText() const;
    void clearClipboard();

    bool isOn() const;
    // Checks the item without storing the setting (load, opening a second calculator).
    void setOn(bool on);
    // One tick of `Timer1`: reads the clipboard if it changed since the last tick.
    void tick();
    // A change not yet taken up by a tick.
    bool changePending() const { return m_changed; }

signals:
    // The clipboard changed: `Timer1` has work.
    void clipboardChanged();
    // The user copied from the calculation list itself: the entry takes the focus back.
    void copiedFromList();

private:
    void mnuMonit_Click(bool checked);

    QWidget& m_window;
    numerette::Calculator& m_calculator;
    QAction* m_item;
    bool m_secondary;
    MonitoredClipboard* m_clipboard;
    bool m_changed = false;
    // Set while a reading runs: a message box it opens lets ticks run.
    bool m_reading = false;
    numerette::ClipboardTaker m_taker;
};
