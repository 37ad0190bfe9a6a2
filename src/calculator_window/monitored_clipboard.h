// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "clipboard_reading.h"

// The clipboard the monitor reads, and the news that another program copied something. Where
// the Wayland compositor offers data control, that is the session's selection as the protocol
// delivers it, whichever window has the focus; elsewhere Qt's own clipboard. The calculator's
// writes go to Qt's clipboard in either case.
class MonitoredClipboard : public QObject, public numerette::ClipboardPort {
    Q_OBJECT

public:
    // The best clipboard the session offers.
    static MonitoredClipboard* create(QObject* parent);
    // Qt's clipboard, which needs no connection of its own.
    static MonitoredClipboard* qtClipboard(QObject* parent);

signals:
    // The clipboard holds something new, to be read by a tick.
    void changed();

protected:
    using QObject::QObject;
};
