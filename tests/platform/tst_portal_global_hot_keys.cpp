// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QSignalSpy>
#include <QTest>

#include "portal_global_hot_keys.h"
#include "portal_shortcuts.h"

using namespace Qt::StringLiterals;
using numerette::HotKeyDelivery;
using numerette::PortalGlobalHotKeys;
namespace portal = numerette::portal;

namespace {

const QString Service = QString::fromUtf16(portal::Service);
const QString DesktopPath = QString::fromUtf16(portal::DesktopPath);
const QString Interface = QString::fromUtf16(portal::GlobalShortcutsInterface);
constexpr Qt::KeyboardModifiers CtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;

// The portal, on a connection of its own to the test's session bus: it answers each request
// after its reply, by a Response on the path the handle token names, and records the calls.
class FakePortal final : public QDBusVirtualObject {
public:
    explicit FakePortal(const QDBusConnection& bus)
        : m_bus(bus)
    {
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString member = message.member();
        if (member == u"Close") {
            closed << message.path();
            connection.send(message.createReply());
            return true;
        }
        const QList<QVariant> arguments = message.arguments();
        const QVariantMap options = qdbus_cast<QVariantMap>(arguments.constLast());
        const QString request = portal::requestPath(message.service(), options.value(u"handle_token"_s).toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        if (member == u"CreateSession") {
            session = DesktopPath + u"/session/test/" + options.value(u"session_handle_token"_s).toString();
            respond(request, 0, {{u"session_handle"_s, session}});
        } else if (member == u"BindShortcuts") {
            bound << qdbus_cast<portal::Shortcuts>(arguments.at(1));
            respond(request, bindResponse, {{u"shortcuts"_s, QVariant::fromValue(answer(bound.constLast()))}});
        }
        return true;
    }

    void emitSignal(const QString& name, const QVariantList& arguments) const
    {
        QDBusMessage signal = QDBusMessage::createSignal(DesktopPath, Interface, name);
        signal.setArguments(arguments);
        m_bus.send(signal);
    }

    void activate(const QString& name, const QString& inSession) const
    {
        emitSignal(u"Activated"_s, {QVariant::fromValue(QDBusObjectPath(inSession)), name, qulonglong(1), QVariantMap()});
    }

    // What the user chose in the dialog, by action name; the others get their preferred key.
    QMap<QString, QString> chosen;
    uint bindResponse = 0;
    QString session;
    QList<portal::Shortcuts> bound;
    QStringList closed;

private:
    portal::Shortcuts answer(const portal::Shortcuts& asked) const
    {
        portal::Shortcuts answered;
        for (const portal::Shortcut& shortcut : asked) {
            const QString preferred = shortcut.properties.value(u"preferred_trigger"_s).toString();
            answered.push_back({shortcut.name,
                                {{u"description"_s, shortcut.properties.value(u"description"_s)},
                                 {u"trigger_description"_s, chosen.value(shortcut.name, preferred)}}});
        }
        return answered;
    }

    void respond(const QString& request, uint response, const QVariantMap& results) const
    {
        QDBusMessage signal = QDBusMessage::createSignal(request, u"org.freedesktop.portal.Request"_s, u"Response"_s);
        signal << response << results;
        m_bus.send(signal);
    }

    QDBusConnection m_bus;
};

QStringList namesOf(const portal::Shortcuts& shortcuts)
{
    QStringList names;
    for (const portal::Shortcut& shortcut : shortcuts)
        names << shortcut.name;
    return names;
}

QStringList assignedOf(const PortalGlobalHotKeys& keys)
{
    QStringList texts;
    for (const numerette::AssignedHotKey& key : keys.assignedHotKeys())
        texts << key.description + u" = " + key.trigger;
    return texts;
}

} // namespace

class TstPortalGlobalHotKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void triggerText_data();
    void triggerText();
    void requestPathFollowsTheUniqueName();
    void bindsNamedActionsWithTheirKeys();
    void activationsGoByNameWhileRegistered();
    void aNewActionBindsAllAgainInANewSession();
    void answer_data();
    void answer();
    void changedShortcutsAreTaken();

private:
    void registerFive();
    QDBusConnection m_portalBus{QString()};
    std::unique_ptr<FakePortal> m_portal;
    std::unique_ptr<PortalGlobalHotKeys> m_keys;
};

void TstPortalGlobalHotKeys::initTestCase()
{
    // Without an address libdbus would start a bus of its own that outlives the test.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") || !QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus");
    portal::registerTypes();
    m_portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"fake-portal"_s);
    if (!m_portalBus.registerService(Service))
        QSKIP("the session bus has a portal of its own; run the test on a private bus");
}

void TstPortalGlobalHotKeys::init()
{
    m_portal = std::make_unique<FakePortal>(m_portalBus);
    QVERIFY(m_portalBus.registerVirtualObject(DesktopPath, m_portal.get(), QDBusConnection::SubPath));
    m_keys = std::make_unique<PortalGlobalHotKeys>(QDBusConnection::sessionBus());
}

// The client closes its session as it goes; the close reaches this test's portal, not the next.
void TstPortalGlobalHotKeys::cleanup()
{
    m_keys.reset();
    if (!m_portal->session.isEmpty())
        QTRY_VERIFY(m_portal->closed.contains(m_portal->session));
    m_portalBus.unregisterObject(DesktopPath, QDBusConnection::UnregisterTree);
    m_portal.reset();
}

void TstPortalGlobalHotKeys::triggerText_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("trigger");
    QTest::newRow("keypad digit") << Qt::Key_7 << CtrlKeypad << u"CTRL+KP_7"_s;
    QTest::newRow("keypad plus") << Qt::Key_Plus << CtrlKeypad << u"CTRL+KP_Add"_s;
    QTest::newRow("keypad minus") << Qt::Key_Minus << CtrlKeypad << u"CTRL+KP_Subtract"_s;
    QTest::newRow("keypad times") << Qt::Key_Asterisk << CtrlKeypad << u"CTRL+KP_Multiply"_s;
    QTest::newRow("keypad divide") << Qt::Key_Slash << CtrlKeypad << u"CTRL+KP_Divide"_s;
    QTest::newRow("keypad decimal") << Qt::Key_Period << CtrlKeypad << u"CTRL+KP_Decimal"_s;
    QTest::newRow("keypad enter with alt") << Qt::Key_Enter << (CtrlKeypad | Qt::AltModifier)
                                           << u"CTRL+ALT+KP_Enter"_s;
    QTest::newRow("main enter") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << u"CTRL+Return"_s;
    QTest::newRow("backspace") << Qt::Key_Backspace << Qt::KeyboardModifiers(Qt::ControlModifier)
                               << u"CTRL+BackSpace"_s;
    QTest::newRow("space") << Qt::Key_Space << Qt::KeyboardModifiers(Qt::ControlModifier) << u"CTRL+space"_s;
    QTest::newRow("activation letter") << Qt::Key_C << (Qt::ControlModifier | Qt::ShiftModifier)
                                       << u"CTRL+SHIFT+c"_s;
    QTest::newRow("a key it cannot name") << Qt::Key_F13 << Qt::KeyboardModifiers(Qt::ControlModifier) << QString();
}

void TstPortalGlobalHotKeys::triggerText()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, trigger);
    QCOMPARE(portal::triggerText(key, modifiers), trigger);
}

void TstPortalGlobalHotKeys::requestPathFollowsTheUniqueName()
{
    QCOMPARE(portal::requestPath(u":1.42"_s, u"t7"_s), u"/org/freedesktop/portal/desktop/request/1_42/t7"_s);
}

void TstPortalGlobalHotKeys::registerFive()
{
    QVERIFY(m_keys->registerHotKey(Qt::Key_5, CtrlKeypad, {u"keypad-5"_s, u"Digit 5"_s}));
    QVERIFY(m_keys->registerHotKey(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier,
                                   {u"activate"_s, u"Bring up"_s}));
}

// One binding for the run of registrations, the keys asked for as preferred triggers; the
// keys assigned are the desktop's answer, the user's choice included.
void TstPortalGlobalHotKeys::bindsNamedActionsWithTheirKeys()
{
    m_portal->chosen.insert(u"keypad-5"_s, u"Ctrl+Alt+5"_s);
    QSignalSpy changed(m_keys.get(), &numerette::GlobalHotKeys::deliveryChanged);
    registerFive();
    QVERIFY(changed.wait());
    QCOMPARE(m_portal->bound.size(), 1);
    const portal::Shortcuts& asked = m_portal->bound.constFirst();
    QCOMPARE(namesOf(asked), (QStringList{u"keypad-5"_s, u"activate"_s}));
    QCOMPARE(asked.at(0).properties.value(u"preferred_trigger"_s).toString(), u"CTRL+KP_5"_s);
    QCOMPARE(asked.at(1).properties.value(u"description"_s).toString(), u"Bring up"_s);
    QCOMPARE(m_keys->delivery(), HotKeyDelivery::DesktopShortcuts);
    QCOMPARE(assignedOf(*m_keys), (QStringList{u"Digit 5 = Ctrl+Alt+5"_s, u"Bring up = CTRL+SHIFT+c"_s}));
}

void TstPortalGlobalHotKeys::activationsGoByNameWhileRegistered()
{
    QSignalSpy changed(m_keys.get(), &numerette::GlobalHotKeys::deliveryChanged);
    const auto five = m_keys->registerHotKey(Qt::Key_5, CtrlKeypad, {u"keypad-5"_s, u"Digit 5"_s});
    QVERIFY(changed.wait());
    QSignalSpy activated(m_keys.get(), &numerette::GlobalHotKeys::activated);
    m_portal->activate(u"keypad-5"_s, u"/org/freedesktop/portal/desktop/session/test/other"_s);
    m_portal->activate(u"keypad-5"_s, m_portal->session);
    QVERIFY(activated.wait());
    QCOMPARE(activated.size(), 1);
    QCOMPARE(activated.constFirst().constFirst().toInt(), *five);

    m_keys->unregisterHotKey(*five);
    m_portal->activate(u"keypad-5"_s, m_portal->session);
    QVERIFY(!activated.wait(300));
    // Registered again, the same action answers without a new binding.
    QCOMPARE(m_keys->registerHotKey(Qt::Key_5, CtrlKeypad, {u"keypad-5"_s, u"Digit 5"_s}), five);
    m_portal->activate(u"keypad-5"_s, m_portal->session);
    QVERIFY(activated.wait());
    QCOMPARE(m_portal->bound.size(), 1);
}

// A session binds once: an action it lacks closes it and binds everything in a new one.
void TstPortalGlobalHotKeys::aNewActionBindsAllAgainInANewSession()
{
    QSignalSpy changed(m_keys.get(), &numerette::GlobalHotKeys::deliveryChanged);
    registerFive();
    QVERIFY(changed.wait());
    const QString first = m_portal->session;
    QVERIFY(m_keys->registerHotKey(Qt::Key_Space, Qt::ControlModifier, {u"minimize"_s, u"Minimize"_s}));
    QVERIFY(changed.wait());
    QCOMPARE(m_portal->bound.size(), 2);
    QCOMPARE(namesOf(m_portal->bound.constLast()), (QStringList{u"keypad-5"_s, u"activate"_s, u"minimize"_s}));
    QVERIFY(m_portal->session != first);
    QTRY_COMPARE(m_portal->closed, QStringList{first});
}

void TstPortalGlobalHotKeys::answer_data()
{
    QTest::addColumn<uint>("response");
    QTest::addColumn<HotKeyDelivery>("delivery");
    QTest::addColumn<int>("assigned");
    QTest::addColumn<bool>("registersMore");
    QTest::newRow("bound") << 0u << HotKeyDelivery::DesktopShortcuts << 2 << true;
    // The user may assign the keys later in the desktop's settings.
    QTest::newRow("dialog cancelled") << 1u << HotKeyDelivery::DesktopShortcuts << 0 << true;
    QTest::newRow("portal failed") << 2u << HotKeyDelivery::Unavailable << 0 << false;
}

void TstPortalGlobalHotKeys::answer()
{
    QFETCH(uint, response);
    QFETCH(HotKeyDelivery, delivery);
    QFETCH(int, assigned);
    QFETCH(bool, registersMore);
    m_portal->bindResponse = response;
    QSignalSpy changed(m_keys.get(), &numerette::GlobalHotKeys::deliveryChanged);
    registerFive();
    QVERIFY(changed.wait());
    QCOMPARE(m_keys->delivery(), delivery);
    QCOMPARE(int(m_keys->assignedHotKeys().size()), assigned);
    QCOMPARE(m_keys->registerHotKey(Qt::Key_1, CtrlKeypad, {u"keypad-1"_s, u"Digit 1"_s}).has_value(),
             registersMore);
}

void TstPortalGlobalHotKeys::changedShortcutsAreTaken()
{
    QSignalSpy changed(m_keys.get(), &numerette::GlobalHotKeys::deliveryChanged);
    registerFive();
    QVERIFY(changed.wait());
    const portal::Shortcuts now{{u"activate"_s, {{u"trigger_description"_s, u"Meta+C"_s}}}};
    m_portal->emitSignal(u"ShortcutsChanged"_s,
                         {QVariant::fromValue(QDBusObjectPath(m_portal->session)), QVariant::fromValue(now)});
    QVERIFY(changed.wait());
    QCOMPARE(assignedOf(*m_keys), QStringList{u"Bring up = Meta+C"_s});
}

QTEST_GUILESS_MAIN(TstPortalGlobalHotKeys)
#include "tst_portal_global_hot_keys.moc"
