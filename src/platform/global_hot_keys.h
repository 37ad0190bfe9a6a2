// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include <QObject>
#include <QString>

namespace numerette {

// What a hot key does, for desktops that let the user assign the keys: a stable name the
// desktop remembers the user's choice by, and a text the desktop shows beside it.
struct HotKeyAction {
    QString name;
    QString description;
};

// Where the hot keys come from, for the menu and the help to say.
enum class HotKeyDelivery {
    // Nothing in this session can deliver keys pressed in other programs.
    Unavailable,
    // Grabs on the X display: the keys reach the program whichever window has the focus.
    XDisplay,
    // Grabs through XWayland: the keys arrive only while an X11 window has the focus.
    XWaylandWindows,
    // The desktop's global shortcuts: the keys the user assigned there.
    DesktopShortcuts,
};

// A key the desktop assigned to an action, in the desktop's own words.
struct AssignedHotKey {
    QString description;
    QString trigger;
};

// System-wide hot keys: a key with exactly the given modifiers, seen whichever program has
// the focus. Keypad keys are asked for with Qt::KeypadModifier. NumLock and CapsLock never
// matter. Where the desktop has no global keys every registration fails, silently.
class GlobalHotKeys : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The registration's id, or nothing when another program owns the key or the desktop
    // offers no global keys. Where the desktop assigns the keys, the key is only the one
    // preferred, and the action is what the user sees.
    virtual std::optional<int> registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                              const HotKeyAction& action) = 0;
    virtual void unregisterHotKey(int id) = 0;

    virtual HotKeyDelivery delivery() const = 0;
    // The keys the desktop assigned to the registered actions; empty where the program's own
    // keys apply.
    virtual std::vector<AssignedHotKey> assignedHotKeys() const { return {}; }

signals:
    void activated(int id);
    // delivery() or assignedHotKeys() changed: the desktop answered or the user chose keys.
    void deliveryChanged();
};

} // namespace numerette
