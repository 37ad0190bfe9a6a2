// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

class QDBusArgument;

namespace numerette::portal {

inline constexpr char16_t Service[] = u"org.freedesktop.portal.Desktop";
inline constexpr char16_t DesktopPath[] = u"/org/freedesktop/portal/desktop";
inline constexpr char16_t GlobalShortcutsInterface[] = u"org.freedesktop.portal.GlobalShortcuts";

// One shortcut as the GlobalShortcuts portal passes it: a name and its properties
// (description, preferred_trigger when asked for; description, trigger_description when
// answered). D-Bus type (sa{sv}).
struct Shortcut {
    QString name;
    QVariantMap properties;
};
using Shortcuts = QList<Shortcut>;

QDBusArgument& operator<<(QDBusArgument& argument, const Shortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, Shortcut& shortcut);
// Makes Shortcut and Shortcuts known to QtDBus; call before the first use.
void registerTypes();

// A key as the portal's preferred triggers write it (the XDG shortcuts format, an xkb keysym
// name after the modifiers: "CTRL+KP_5", "CTRL+ALT+Return"); empty for a key it cannot name.
QString triggerText(Qt::Key key, Qt::KeyboardModifiers modifiers);

// The object path of the request a portal call with this handle token announces its answer
// on, for the connection with this unique bus name.
QString requestPath(const QString& uniqueName, const QString& token);

// The shortcuts in a Response's results ("shortcuts", a(sa{sv})); none when missing.
Shortcuts shortcutsOf(const QVariantMap& results);

// The object path in a result that the portal may send as a string or as an object path.
QString objectPathOf(const QVariant& value);

} // namespace numerette::portal

Q_DECLARE_METATYPE(numerette::portal::Shortcut)
