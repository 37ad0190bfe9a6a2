// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace numerette {

class DeliveredInput;

// Turns SIGTERM, SIGINT and SIGHUP (a session that ends, Ctrl+C in a terminal, a closed
// terminal) into the `requested` signal on the event loop, so that the program can close
// as the Exit command does and lose nothing: `requested` comes once the input delivered
// before the signal (keys typed just before it) has been taken in. One per process; the
// signals keep their default action until it exists.
class TerminationSignal : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

    TerminationSignal(const TerminationSignal&) = delete;
    TerminationSignal& operator=(const TerminationSignal&) = delete;

signals:
    void requested();

private:
    QSocketNotifier* m_notifier = nullptr;
    DeliveredInput* m_input = nullptr;
};

} // namespace numerette
