// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include <QDBusConnection>

#include "global_hot_keys.h"
#include "portal_shortcuts.h"

class QDBusObjectPath;

namespace numerette {

// Global hot keys as the desktop's global shortcuts, through the GlobalShortcuts portal
// (KDE Plasma 5.27 and later, GNOME 48 and later). Each registration is a named action bound
// in a portal session with its key as the preferred trigger; the desktop, and in its dialog
// the user, decides the key, and the keys it assigned come back with the binding and with
// every later change. A session binds its shortcuts once, so an action not bound yet starts
// a new session for all of them; a registration taken back only stops its activations. When
// the portal refuses or fails, every registration fails and delivery() says Unavailable.
class PortalGlobalHotKeys final : public GlobalHotKeys {
    Q_OBJECT

public:
    // The global shortcuts of the session bus's portal, or nothing when it has none. Waits for
    // the portal's answer, a few seconds at most.
    static std::unique_ptr<PortalGlobalHotKeys> open(const QDBusConnection& bus);
    // On a bus whose portal has the interface, as open() found it.
    explicit PortalGlobalHotKeys(const QDBusConnection& bus);
    ~PortalGlobalHotKeys() override;

    std::optional<int> registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                      const HotKeyAction& action) override;
    void unregisterHotKey(int id) override;
    HotKeyDelivery delivery() const override;
    std::vector<AssignedHotKey> assignedHotKeys() const override;

private slots:
    void shortcutActivated(const QDBusObjectPath& session, const QString& name, qulonglong timestamp,
                           const QVariantMap& options);
    void shortcutsChanged(const QDBusObjectPath& session, const QList<numerette::portal::Shortcut>& shortcuts);

private:
    struct Action {
        HotKeyAction action;
        QString preferredTrigger;
        // The key the desktop assigned, in its words; empty while none is.
        QString trigger;
        bool registered = true;
    };
    void scheduleBinding();
    void bindAll();
    void sessionCreated(const QString& session);
    void bound(std::size_t count, const portal::Shortcuts& shortcuts);
    void takeTriggers(const portal::Shortcuts& shortcuts);
    void closeSession();
    void fail();

    QDBusConnection m_bus;
    // By registration id, from 1.
    std::vector<Action> m_actions;
    QString m_session;
    std::size_t m_boundCount = 0;
    int m_sessions = 0;
    bool m_bindingDue = false;
    bool m_binding = false;
    bool m_failed = false;
};

} // namespace numerette
