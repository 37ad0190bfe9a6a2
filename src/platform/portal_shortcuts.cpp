// SPDX-License-Identifier: GPL-3.0-or-later
#include "portal_shortcuts.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>

namespace numerette::portal {

namespace {

QString keypadKeysym(Qt::Key key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QStringLiteral("KP_") + QChar(u'0' + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Plus: return QStringLiteral("KP_Add");
    case Qt::Key_Minus: return QStringLiteral("KP_Subtract");
    case Qt::Key_Asterisk: return QStringLiteral("KP_Multiply");
    case Qt::Key_Slash: return QStringLiteral("KP_Divide");
    case Qt::Key_Period:
    case Qt::Key_Comma: return QStringLiteral("KP_Decimal");
    case Qt::Key_Enter: return QStringLiteral("KP_Enter");
    default: return {};
    }
}

QString keysym(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier))
        return keypadKeysym(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(u'a' + (key - Qt::Key_A));
    switch (key) {
    case Qt::Key_Delete: return QStringLiteral("Delete");
    case Qt::Key_Backspace: return QStringLiteral("BackSpace");
    case Qt::Key_Return: return QStringLiteral("Return");
    case Qt::Key_Enter: return QStringLiteral("KP_Enter");
    case Qt::Key_Insert: return QStringLiteral("Insert");
    case Qt::Key_Space: return QStringLiteral("space");
    default: return {};
    }
}

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const Shortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.name << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Shortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.name >> shortcut.properties;
    argument.endStructure();
    return argument;
}

void registerTypes()
{
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<Shortcuts>();
}

QString triggerText(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const QString name = keysym(key, modifiers);
    if (name.isEmpty())
        return {};
    QString text;
    if (modifiers.testFlag(Qt::ControlModifier))
        text += u"CTRL+";
    if (modifiers.testFlag(Qt::AltModifier))
        text += u"ALT+";
    if (modifiers.testFlag(Qt::ShiftModifier))
        text += u"SHIFT+";
    if (modifiers.testFlag(Qt::MetaModifier))
        text += u"LOGO+";
    return text + name;
}

// The portal's rule: the unique name without its leading colon, dots made underscores.
QString requestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName.startsWith(u':') ? uniqueName.mid(1) : uniqueName;
    sender.replace(u'.', u'_');
    return QString::fromUtf16(DesktopPath) + u"/request/" + sender + u'/' + token;
}

Shortcuts shortcutsOf(const QVariantMap& results)
{
    const QVariant value = results.value(QStringLiteral("shortcuts"));
    if (!value.canConvert<QDBusArgument>())
        return {};
    return qdbus_cast<Shortcuts>(value.value<QDBusArgument>());
}

QString objectPathOf(const QVariant& value)
{
    if (value.canConvert<QDBusObjectPath>() && value.userType() == qMetaTypeId<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace numerette::portal
