// SPDX-License-Identifier: GPL-3.0-or-later
#include "delivered_input.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>

namespace numerette {

namespace {

constexpr int ServerAnswerLimitMs = 1000;
constexpr char MarkerName[] = "_NUMERETTE_DELIVERED_INPUT";

} // namespace

DeliveredInput::DeliveredInput(QObject* parent)
    : QObject(parent)
{
    m_answerLimit.setSingleShot(true);
    m_answerLimit.setInterval(ServerAnswerLimitMs);
    connect(&m_answerLimit, &QTimer::timeout, this, &DeliveredInput::markerReturned);
    // Under the offscreen platform the X11 interface exists but has no connection.
    const auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const auto* x11 = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    m_connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(MarkerName)), MarkerName), nullptr);
    if (!screen || !atom) {
        std::free(atom);
        m_connection = nullptr;
        return;
    }
    m_markerType = atom->atom;
    std::free(atom);
    // An unmapped window of its own: messages sent to it with no event mask come back to
    // this program, which created it, and to no one else.
    m_window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_flush(m_connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DeliveredInput::~DeliveredInput()
{
    if (!m_connection)
        return;
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
    xcb_destroy_window(m_connection, m_window);
    xcb_flush(m_connection);
}

void DeliveredInput::afterDeliveredInput(std::function<void()> then)
{
    m_waiting.push_back(std::move(then));
    if (m_markerOut)
        return;
    if (!m_connection) {
        QTimer::singleShot(0, this, &DeliveredInput::runWaiting);
        return;
    }
    xcb_client_message_event_t marker = {};
    marker.response_type = XCB_CLIENT_MESSAGE;
    marker.format = 32;
    marker.window = m_window;
    marker.type = m_markerType;
    xcb_send_event(m_connection, 0, m_window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&marker));
    xcb_flush(m_connection);
    m_markerOut = true;
    m_answerLimit.start();
}

bool DeliveredInput::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE)
        return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->window != m_window || client->type != m_markerType)
        return false;
    markerReturned();
    return true;
}

// The keys before the marker have become the toolkit's events; the next turn of the event
// loop hands them to their windows.
void DeliveredInput::markerReturned()
{
    if (!m_markerOut)
        return;
    m_markerOut = false;
    m_answerLimit.stop();
    QTimer::singleShot(0, this, &DeliveredInput::runWaiting);
}

// The events the keys posted (a save after a total) are handled before the waiting functions.
void DeliveredInput::runWaiting()
{
    QCoreApplication::processEvents();
    for (std::function<void()>& then : std::exchange(m_waiting, {}))
        then();
}

} // namespace numerette
