// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDBusConnection>
#include <QList>
#include <QString>

namespace numerette {

// A notification in the desktop's own notification area, besides the program's windows.
class DesktopNotifications {
public:
    virtual ~DesktopNotifications() = default;
    // Sent without waiting for an answer; a desktop without a notification service shows nothing.
    virtual void notify(const QString& summary, const QString& body) = 0;
};

// org.freedesktop.Notifications.Notify on the session bus, reached only when a notification is
// sent, or on the bus given (tests).
class FreedesktopNotifications : public DesktopNotifications {
public:
    FreedesktopNotifications() = default;
    explicit FreedesktopNotifications(QDBusConnection bus);
    void notify(const QString& summary, const QString& body) override;

private:
    std::optional<QDBusConnection> m_bus;
};

// Records what was sent; for tests.
class FakeDesktopNotifications : public DesktopNotifications {
public:
    struct Sent {
        QString summary;
        QString body;
    };

    void notify(const QString& summary, const QString& body) override { m_sent.append({summary, body}); }
    const QList<Sent>& sent() const { return m_sent; }

private:
    QList<Sent> m_sent;
};

} // namespace numerette
