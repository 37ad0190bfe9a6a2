// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette {

// The desktop's menu item that starts the program: a desktop entry "Numerette" in the user's
// applications folder, starting programPath in workingFolder, with Ctrl+Shift+C as its key
// where the desktop reads one. Its comment is in English, and also, as a localized key, in the
// user's language when the loaded translation has one.
QString menuEntryText(const QString& programPath, const QString& workingFolder);

// Where the entry goes: numerette.desktop in the user's applications folder, so that it stands
// in for an installed entry of the same name rather than adding a second item.
QString menuEntryPath();

// Writes the entry, replacing one written before; false when it could not be written.
bool writeMenuEntry(const QString& programPath, const QString& workingFolder);

// The menu entry an installation put beside the program, <prefix>/share/applications/numerette.desktop
// for a program in <prefix>/bin; empty when there is none, as for a program run from its build
// folder. A user entry written over an installed one would hide it behind a pinned path.
QString installedMenuEntryPath(const QString& programPath);

// The entry that starts the program with the desktop session, in the notification area only:
// numerette.desktop in the user's autostart folder, starting `"programPath" systray`.
QString autostartEntryText(const QString& programPath);
QString autostartEntryPath();
bool writeAutostartEntry(const QString& programPath);
// True also when there was no entry to remove.
bool removeAutostartEntry();
// An entry that is there and not empty.
bool autostartEntryPresent();

// A program path as one argument of a desktop entry's Exec key.
QString execArgument(const QString& programPath);

// Whether the program starts with the desktop session.
class SessionStart {
public:
    virtual ~SessionStart() = default;
    virtual bool isOn() const = 0;
    // False when the change could not be made.
    virtual bool setOn(bool on) = 0;
};

// Through the autostart entry, starting programPath.
class AutostartEntry final : public SessionStart {
public:
    explicit AutostartEntry(const QString& programPath);
    bool isOn() const override;
    bool setOn(bool on) override;

private:
    QString m_programPath;
};

// A switch for tests; one that does not work refuses every change.
class FakeSessionStart final : public SessionStart {
public:
    bool isOn() const override { return m_on; }
    bool setOn(bool on) override;
    void setWorks(bool works) { m_works = works; }

private:
    bool m_on = false;
    bool m_works = true;
};

} // namespace numerette
