// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_platform.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include "desktop_notifications.h"

using namespace Qt::StringLiterals;

namespace numerette {

namespace {

// The socket a Wayland client connects to: WAYLAND_DISPLAY, by default "wayland-0", in the
// runtime folder unless it is a path of its own.
bool waylandSocketExists()
{
    QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty())
        name = u"wayland-0"_s;
    if (!QDir::isAbsolutePath(name)) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return false;
        name = runtime + u'/' + name;
    }
    return QFileInfo(name).exists();
}

bool waylandPluginInstalled()
{
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
    folders.append(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    for (const QString& folder : folders) {
        if (!QDir(folder + u"/platforms"_s).entryList({u"libqwayland-*"_s}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

} // namespace

DisplayEnvironment DisplayEnvironment::current()
{
    return {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"), waylandSocketExists(),
            waylandPluginInstalled()};
}

std::optional<QString> displayPlatform(const DisplayEnvironment& environment)
{
    if (!environment.chosenPlatform.isEmpty())
        return environment.chosenPlatform;
    if (!environment.x11Display.isEmpty())
        return u"xcb"_s;
    if (environment.waylandSocket && environment.waylandPlugin)
        return u"wayland"_s;
    return std::nullopt;
}

QString noDisplayText()
{
    return QCoreApplication::translate("DisplayPlatform",
                                       "numerette: no display to open the calculator on. There is no X11 display "
                                       "(DISPLAY is not set) and no Wayland display the program can use (that "
                                       "needs Qt's Wayland support, the package qt6-wayland).\n"
                                       "Start Numerette from a desktop session.\n");
}

void notifyNoDisplay(const QString& text)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    FreedesktopNotifications(bus).notify(QCoreApplication::translate("DisplayPlatform", "Numerette cannot start"),
                                         text.trimmed());
    // The bus delivers in order: once the bus answers, the notification has left, and the
    // process may end.
    bus.call(QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s,
                                            u"org.freedesktop.DBus.Peer"_s, u"Ping"_s));
}

} // namespace numerette
