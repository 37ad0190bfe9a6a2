// SPDX-License-Identifier: GPL-3.0-or-later
#include "power_off.h"

#include <utility>

#include <QDBusMessage>

namespace numerette {

namespace {

// logind answers at once; a bus that hangs must not keep the program from ending.
constexpr int CallTimeoutMs = 5000;

} // namespace

LogindPowerOff::LogindPowerOff(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

PowerOffResult LogindPowerOff::powerOff()
{
    const QDBusConnection bus = m_bus.value_or(QDBusConnection::systemBus());
    if (!bus.isConnected())
        return {false, QStringLiteral("no bus connection")};
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false; // not interactive
    const QDBusMessage reply = bus.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return {false, reply.errorName() + QStringLiteral(": ") + reply.errorMessage()};
    return {true, {}};
}

PowerOffResult FakePowerOff::powerOff()
{
    ++m_requests;
    return m_result;
}

} // namespace numerette
