// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

namespace numerette {

// What the session offers the program's windows, read before the application object exists:
// Qt ends the process with an abort when no platform plugin can start.
struct DisplayEnvironment {
    QString chosenPlatform; // QT_QPA_PLATFORM, the user's own choice
    QString x11Display;     // DISPLAY
    bool waylandSocket = false;
    bool waylandPlugin = false; // Qt's Wayland plugin is installed

    static DisplayEnvironment current();
};

// The platform plugin to start on (the value for QT_QPA_PLATFORM), or nothing when no display
// can be reached. Hot keys, NumLock and typed keys need X11, so on a Wayland desktop the
// program runs through XWayland whenever it is there; the user's own choice stands.
std::optional<QString> displayPlatform(const DisplayEnvironment& environment);

// The program's own words for a start without a display, for standard error and, where a
// session bus exists, a desktop notification. Needs a QCoreApplication.
QString noDisplayText();
void notifyNoDisplay(const QString& text);

} // namespace numerette
