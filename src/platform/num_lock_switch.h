// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;
using Display = struct _XDisplay;

namespace numerette {

// The keyboard's NumLock state, which the calculator can keep switched on.
class NumLockSwitch {
public:
    virtual ~NumLockSwitch() = default;

    // True also where the state cannot be read or set, so that nothing is attempted there.
    virtual bool isOn() const = 0;
    // Whether NumLock was on when the key event happened, as cheaply as can be told.
    virtual bool wasOnAt(const QKeyEvent& event) const = 0;
    // Whether switchOn() does it with a NumLock key press that the program receives as well.
    virtual bool pressesKey() const = 0;
    virtual void switchOn() = 0;
};

// The X display's NumLock, locked through XKB without a key event. Elsewhere it reports
// NumLock as on and changes nothing. Reading it from the modifier state an X key event
// carries spares a round trip to the X server at every key.
class X11NumLockSwitch final : public NumLockSwitch {
public:
    bool isOn() const override;
    bool wasOnAt(const QKeyEvent& event) const override;
    bool pressesKey() const override { return false; }
    void switchOn() override;

private:
    unsigned numLockMask(Display* display) const;

    mutable unsigned m_mask = 0;
    mutable bool m_maskKnown = false;
};

// A NumLock for tests: a switch and a count of the times it was switched on.
class FakeNumLockSwitch final : public NumLockSwitch {
public:
    bool isOn() const override { return m_on; }
    bool wasOnAt(const QKeyEvent&) const override { return m_on; }
    bool pressesKey() const override { return m_pressesKey; }
    void switchOn() override;

    void setOn(bool on) { m_on = on; }
    void setPressesKey(bool presses) { m_pressesKey = presses; }
    int switchOnCount() const { return m_switchOnCount; }

private:
    bool m_on = true;
    bool m_pressesKey = false;
    int m_switchOnCount = 0;
};

} // namespace numerette
