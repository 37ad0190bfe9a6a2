// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>

struct xcb_connection_t;

namespace numerette {

// Runs a function once the program has taken in the input delivered to it so far: keys the
// X server has already sent reach their windows first. The server sends a client its events
// in order, so a message the program sends itself comes back after every key sent before
// it; once it is back and the events of that turn are handled, the function runs. Without
// X11 (offscreen, Wayland) the events already queued are handled first. A server that does
// not answer within a second is not waited for any longer.
class DeliveredInput final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit DeliveredInput(QObject* parent = nullptr);
    ~DeliveredInput() override;

    DeliveredInput(const DeliveredInput&) = delete;
    DeliveredInput& operator=(const DeliveredInput&) = delete;

    // From the event loop: `then` runs later, on the event loop too.
    void afterDeliveredInput(std::function<void()> then);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void markerReturned();
    void runWaiting();

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_window = 0;
    std::uint32_t m_markerType = 0;
    bool m_markerOut = false;
    QTimer m_answerLimit;
    std::vector<std::function<void()>> m_waiting;
};

} // namespace numerette
