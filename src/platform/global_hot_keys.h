// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QObject>

namespace numerette {

// System-wide hot keys: a key with exactly the given modifiers, seen whichever program has
// the focus. Keypad keys are asked for with Qt::KeypadModifier. NumLock and CapsLock never
// matter. Where the desktop has no global keys every registration fails, silently.
class GlobalHotKeys : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The registration's id, or nothing when another program owns the key or the desktop
    // offers no global keys.
    virtual std::optional<int> registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers) = 0;
    virtual void unregisterHotKey(int id) = 0;

signals:
    void activated(int id);
};

} // namespace numerette
