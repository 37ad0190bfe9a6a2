// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_notifications.h"

#include <utility>

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace numerette {

namespace {

// Stays until the user dismisses it, as the alarm's message box does.
constexpr int NeverExpires = 0;

} // namespace

FreedesktopNotifications::FreedesktopNotifications(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

void FreedesktopNotifications::notify(const QString& summary, const QString& body)
{
    QDBusConnection bus = m_bus.value_or(QDBusConnection::sessionBus());
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))},
                            {QStringLiteral("desktop-entry"), QStringLiteral("numerette")}};
    call << QStringLiteral("Numerette") << 0u << QStringLiteral("numerette") << summary << body << QStringList()
         << hints << NeverExpires;
    bus.send(call);
}

} // namespace numerette
