// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_global_hot_keys.h"

namespace numerette {

FakeGlobalHotKeys::Combination FakeGlobalHotKeys::combination(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return {int(key), int(modifiers.toInt())};
}

std::optional<int> FakeGlobalHotKeys::registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                                     const HotKeyAction& action)
{
    const Combination wanted = combination(key, modifiers);
    if (m_delivery == HotKeyDelivery::Unavailable || m_ownedElsewhere.count(wanted) != 0)
        return std::nullopt;
    const int id = m_nextId++;
    m_registered.emplace(id, Registration{wanted, action});
    return id;
}

void FakeGlobalHotKeys::unregisterHotKey(int id)
{
    m_registered.erase(id);
}

void FakeGlobalHotKeys::setDelivery(HotKeyDelivery delivery, std::vector<AssignedHotKey> assigned)
{
    m_delivery = delivery;
    m_assigned = std::move(assigned);
    emit deliveryChanged();
}

void FakeGlobalHotKeys::setOwnedElsewhere(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    m_ownedElsewhere.insert(combination(key, modifiers));
}

bool FakeGlobalHotKeys::isRegistered(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    return actionOf(key, modifiers).has_value();
}

std::optional<HotKeyAction> FakeGlobalHotKeys::actionOf(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    for (const auto& [id, registered] : m_registered) {
        if (registered.combination == combination(key, modifiers))
            return registered.action;
    }
    return std::nullopt;
}

bool FakeGlobalHotKeys::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    for (const auto& [id, registered] : m_registered) {
        if (registered.combination == combination(key, modifiers)) {
            emit activated(id);
            return true;
        }
    }
    return false;
}

} // namespace numerette
