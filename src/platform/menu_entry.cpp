// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_entry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>

namespace numerette {

namespace {

// Characters with a meaning inside a quoted Exec argument.
bool needsBackslash(QChar c)
{
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

// Desktop entry values escape backslashes themselves, and a line break would end the value.
QString entryValue(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

// The English comment, which every desktop reads, and beside it the comment in the user's
// language when the program speaks one: the entry belongs to this user alone.
QString commentLines(const char* english)
{
    QString lines = QStringLiteral("Comment=") + QLatin1String(english) + u'\n';
    const QString translated = QCoreApplication::translate("MenuEntry", english);
    const QLocale language;
    if (translated != QLatin1String(english) && language.language() != QLocale::C)
        lines += QStringLiteral("Comment[%1]=%2\n").arg(language.name(), entryValue(translated));
    return lines;
}

bool writeEntry(const QString& path, const QString& text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace

QString execArgument(const QString& programPath)
{
    // Always quoted, as a folder with blanks needs; inside the quotes the shell-like
    // characters take a backslash, and "%" (a field code) is doubled.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : programPath) {
        if (needsBackslash(c))
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    return quoted + u'"';
}

QString menuEntryText(const QString& programPath, const QString& workingFolder)
{
    //: Tooltip of the program's item in the desktop's applications menu.
    const char* comment = QT_TRANSLATE_NOOP("MenuEntry", "Adding machine calculator with a paper tape");
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.4\n"
                          "Name=Numerette\n")
        + commentLines(comment) + QStringLiteral("Exec=") + entryValue(execArgument(programPath))
        + QStringLiteral("\nPath=") + entryValue(workingFolder)
        + QStringLiteral("\nIcon=numerette\n"
                         "Terminal=false\n"
                         "StartupNotify=true\n"
                         "StartupWMClass=numerette\n"
                         "Categories=Utility;Calculator;\n"
                         "X-KDE-Shortcuts=Ctrl+Shift+C\n");
}

QString menuEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)
        + QStringLiteral("/numerette.desktop");
}

bool writeMenuEntry(const QString& programPath, const QString& workingFolder)
{
    return writeEntry(menuEntryPath(), menuEntryText(programPath, workingFolder));
}

QString installedMenuEntryPath(const QString& programPath)
{
    const QString entry = QFileInfo(programPath).absoluteDir().filePath(
        QStringLiteral("../share/applications/numerette.desktop"));
    return QFileInfo::exists(entry) ? QDir::cleanPath(entry) : QString();
}

QString autostartEntryText(const QString& programPath)
{
    //: Description of the program's start with the desktop session, where the session's
    //: settings list what starts with it.
    const char* comment = QT_TRANSLATE_NOOP("MenuEntry", "Adding machine calculator in the notification area");
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.4\n"
                          "Name=Numerette\n")
        + commentLines(comment) + QStringLiteral("Exec=") + entryValue(execArgument(programPath))
        + QStringLiteral(" systray\n"
                         "Icon=numerette\n"
                         "Terminal=false\n"
                         "X-GNOME-Autostart-enabled=true\n");
}

QString autostartEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/numerette.desktop");
}

bool writeAutostartEntry(const QString& programPath)
{
    return writeEntry(autostartEntryPath(), autostartEntryText(programPath));
}

bool removeAutostartEntry()
{
    return QFile::remove(autostartEntryPath()) || !QFile::exists(autostartEntryPath());
}

bool autostartEntryPresent()
{
    return QFileInfo(autostartEntryPath()).size() > 0;
}

AutostartEntry::AutostartEntry(const QString& programPath)
    : m_programPath(programPath)
{
}

bool AutostartEntry::isOn() const
{
    return autostartEntryPresent();
}

bool AutostartEntry::setOn(bool on)
{
    return on ? writeAutostartEntry(m_programPath) : removeAutostartEntry();
}

bool FakeSessionStart::setOn(bool on)
{
    if (m_works)
        m_on = on;
    return m_works;
}

} // namespace numerette
