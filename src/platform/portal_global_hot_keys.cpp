// SPDX-License-Identifier: GPL-3.0-or-later
#include "portal_global_hot_keys.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>

#include "portal_request.h"

namespace numerette {

namespace {

// An answer to the first question takes longer when the portal is started for it.
constexpr int OfferTimeout = 3000;

const QString Service = QString::fromUtf16(portal::Service);
const QString DesktopPath = QString::fromUtf16(portal::DesktopPath);
const QString Interface = QString::fromUtf16(portal::GlobalShortcutsInterface);

QDBusMessage portalCall(const QString& method)
{
    return QDBusMessage::createMethodCall(Service, DesktopPath, Interface, method);
}

} // namespace

// A program outside a sandbox tells the portal its application id, by which the desktop keeps
// the keys the user assigned, before anything else it asks; portals older than 1.18 have no
// registry and answer with an error that changes nothing.
std::unique_ptr<PortalGlobalHotKeys> PortalGlobalHotKeys::open(const QDBusConnection& bus)
{
    if (!bus.isConnected())
        return nullptr;
    const QString appId = QGuiApplication::desktopFileName();
    if (!appId.isEmpty()) {
        QDBusMessage registration = QDBusMessage::createMethodCall(
            Service, DesktopPath, QStringLiteral("org.freedesktop.host.portal.Registry"), QStringLiteral("Register"));
        registration << appId << QVariantMap();
        bus.send(registration);
    }
    QDBusMessage get = QDBusMessage::createMethodCall(Service, DesktopPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << Interface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, OfferTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()
        || reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt() < 1)
        return nullptr;
    return std::make_unique<PortalGlobalHotKeys>(bus);
}

PortalGlobalHotKeys::PortalGlobalHotKeys(const QDBusConnection& bus)
    : m_bus(bus)
{
    portal::registerTypes();
    m_bus.connect(Service, DesktopPath, Interface, QStringLiteral("Activated"), this,
                  SLOT(shortcutActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    m_bus.connect(Service, DesktopPath, Interface, QStringLiteral("ShortcutsChanged"), this,
                  SLOT(shortcutsChanged(QDBusObjectPath, QList<numerette::portal::Shortcut>)));
}

PortalGlobalHotKeys::~PortalGlobalHotKeys()
{
    closeSession();
}

std::optional<int> PortalGlobalHotKeys::registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                                       const HotKeyAction& action)
{
    if (m_failed)
        return std::nullopt;
    for (std::size_t i = 0; i < m_actions.size(); ++i) {
        if (m_actions[i].action.name == action.name) {
            m_actions[i].registered = true;
            return int(i + 1);
        }
    }
    m_actions.push_back({action, portal::triggerText(key, modifiers), {}, true});
    scheduleBinding();
    return int(m_actions.size());
}

void PortalGlobalHotKeys::unregisterHotKey(int id)
{
    if (id >= 1 && std::size_t(id) <= m_actions.size())
        m_actions[std::size_t(id - 1)].registered = false;
}

HotKeyDelivery PortalGlobalHotKeys::delivery() const
{
    return m_failed ? HotKeyDelivery::Unavailable : HotKeyDelivery::DesktopShortcuts;
}

std::vector<AssignedHotKey> PortalGlobalHotKeys::assignedHotKeys() const
{
    std::vector<AssignedHotKey> assigned;
    for (const Action& action : m_actions) {
        if (action.registered && !action.trigger.isEmpty())
            assigned.push_back({action.action.description, action.trigger});
    }
    return assigned;
}

// Registrations come in runs (all the keypad's keys at once): one binding takes the run.
void PortalGlobalHotKeys::scheduleBinding()
{
    if (m_bindingDue)
        return;
    m_bindingDue = true;
    QTimer::singleShot(0, this, [this] {
        m_bindingDue = false;
        if (!m_binding && !m_failed && m_boundCount < m_actions.size())
            bindAll();
    });
}

void PortalGlobalHotKeys::bindAll()
{
    m_binding = true;
    closeSession();
    // A token of its own for each session: the one closed may not be gone yet.
    const QVariantMap options{{QStringLiteral("session_handle_token"), QStringLiteral("numerette%1").arg(++m_sessions)}};
    portal::Request::send(m_bus, portalCall(QStringLiteral("CreateSession")), options, this,
                          [this](portal::Response response, const QVariantMap& results) {
                              const QString session = portal::objectPathOf(results.value(QStringLiteral("session_handle")));
                              if (response != portal::Response::Success || session.isEmpty())
                                  fail();
                              else
                                  sessionCreated(session);
                          });
}

void PortalGlobalHotKeys::sessionCreated(const QString& session)
{
    m_session = session;
    portal::Shortcuts shortcuts;
    for (const Action& action : m_actions) {
        QVariantMap properties{{QStringLiteral("description"), action.action.description}};
        if (!action.preferredTrigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), action.preferredTrigger);
        shortcuts.push_back({action.action.name, properties});
    }
    QDBusMessage call = portalCall(QStringLiteral("BindShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(session)) << QVariant::fromValue(shortcuts) << QString();
    const std::size_t count = m_actions.size();
    portal::Request::send(m_bus, call, {}, this,
                          [this, count](portal::Response response, const QVariantMap& results) {
                              // Cancelled: the user assigned no key now, and may later in the
                              // desktop's settings.
                              if (response == portal::Response::Ended)
                                  fail();
                              else if (response == portal::Response::Cancelled)
                                  bound(count, {});
                              else
                                  bound(count, portal::shortcutsOf(results));
                          });
}

void PortalGlobalHotKeys::bound(std::size_t count, const portal::Shortcuts& shortcuts)
{
    m_binding = false;
    m_boundCount = count;
    takeTriggers(shortcuts);
    emit deliveryChanged();
    if (m_boundCount < m_actions.size())
        scheduleBinding();
}

// The desktop's answer is the truth: an action it does not list has no key.
void PortalGlobalHotKeys::takeTriggers(const portal::Shortcuts& shortcuts)
{
    for (Action& action : m_actions) {
        action.trigger.clear();
        for (const portal::Shortcut& shortcut : shortcuts) {
            if (shortcut.name == action.action.name)
                action.trigger = shortcut.properties.value(QStringLiteral("trigger_description")).toString();
        }
    }
}

void PortalGlobalHotKeys::shortcutActivated(const QDBusObjectPath& session, const QString& name, qulonglong,
                                            const QVariantMap&)
{
    if (session.path() != m_session)
        return;
    for (std::size_t i = 0; i < m_actions.size(); ++i) {
        if (m_actions[i].action.name == name && m_actions[i].registered)
            emit activated(int(i + 1));
    }
}

void PortalGlobalHotKeys::shortcutsChanged(const QDBusObjectPath& session, const QList<portal::Shortcut>& shortcuts)
{
    if (session.path() != m_session)
        return;
    takeTriggers(shortcuts);
    emit deliveryChanged();
}

void PortalGlobalHotKeys::closeSession()
{
    if (m_session.isEmpty())
        return;
    m_bus.send(QDBusMessage::createMethodCall(Service, m_session, QStringLiteral("org.freedesktop.portal.Session"),
                                                   QStringLiteral("Close")));
    m_session.clear();
}

void PortalGlobalHotKeys::fail()
{
    m_binding = false;
    m_failed = true;
    closeSession();
    emit deliveryChanged();
}

} // namespace numerette
