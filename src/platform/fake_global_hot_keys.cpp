// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_global_hot_keys.h"

namespace numerette {

FakeGlobalHotKeys::Combination FakeGlobalHotKeys::combination(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return {int(key), int(modifiers.toInt())};
}

std::optional<int> FakeGlobalHotKeys::registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const Combination wanted = combination(key, modifiers);
    if (m_ownedElsewhere.count(wanted) != 0)
        return std::nullopt;
    const int id = m_nextId++;
    m_registered.emplace(id, wanted);
    return id;
}

void FakeGlobalHotKeys::unregisterHotKey(int id)
{
    m_registered.erase(id);
}

void FakeGlobalHotKeys::setOwnedElsewhere(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    m_ownedElsewhere.insert(combination(key, modifiers));
}

bool FakeGlobalHotKeys::isRegistered(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    for (const auto& [id, registered] : m_registered) {
        if (registered == combination(key, modifiers))
            return true;
    }
    return false;
}

bool FakeGlobalHotKeys::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    for (const auto& [id, registered] : m_registered) {
        if (registered == combination(key, modifiers)) {
            emit activated(id);
            return true;
        }
    }
    return false;
}

} // namespace numerette
