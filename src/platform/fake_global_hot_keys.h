// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <set>
#include <utility>

#include "global_hot_keys.h"

namespace numerette {

// Global hot keys for tests: registrations are recorded, keys can be marked as owned by
// another program, and a test presses a key with press().
class FakeGlobalHotKeys final : public GlobalHotKeys {
    Q_OBJECT

public:
    using GlobalHotKeys::GlobalHotKeys;

    std::optional<int> registerHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                      const HotKeyAction& action) override;
    void unregisterHotKey(int id) override;
    HotKeyDelivery delivery() const override { return m_delivery; }
    std::vector<AssignedHotKey> assignedHotKeys() const override { return m_assigned; }

    // As the desktop would answer: where the keys come from, and what the user assigned.
    void setDelivery(HotKeyDelivery delivery, std::vector<AssignedHotKey> assigned = {});
    // The action registered for this key, or nothing.
    std::optional<HotKeyAction> actionOf(Qt::Key key, Qt::KeyboardModifiers modifiers) const;

    void setOwnedElsewhere(Qt::Key key, Qt::KeyboardModifiers modifiers);
    bool isRegistered(Qt::Key key, Qt::KeyboardModifiers modifiers) const;
    int registeredCount() const { return int(m_registered.size()); }
    // Emits activated() for the registration of this key; false when there is none.
    bool press(Qt::Key key, Qt::KeyboardModifiers modifiers);

private:
    using Combination = std::pair<int, int>;
    static Combination combination(Qt::Key key, Qt::KeyboardModifiers modifiers);

    struct Registration {
        Combination combination;
        HotKeyAction action;
    };
    std::map<int, Registration> m_registered;
    HotKeyDelivery m_delivery = HotKeyDelivery::XDisplay;
    std::vector<AssignedHotKey> m_assigned;
    std::set<Combination> m_ownedElsewhere;
    int m_nextId = 1;
};

} // namespace numerette
