// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace numerette {

// Mouse clicks and key strokes sent as if the user made them, to whatever window is under
// the pointer or has the keyboard focus, in this program or another.
class SyntheticInput {
public:
    virtual ~SyntheticInput() = default;

    // A press and release of mouse button 1 (left) to 3 (right) where the pointer is.
    virtual void click(int button) = 0;
    // Selects the line of the field with the focus (Home, then Shift+End) and pastes the
    // clipboard over it (Ctrl+V).
    virtual void selectLineAndPaste() = 0;
};

// Through the X server's XTEST extension; does nothing where there is no X display.
class X11SyntheticInput final : public SyntheticInput {
public:
    void click(int button) override;
    void selectLineAndPaste() override;
};

// Records what would have been sent, as "click 1", "Home", "Shift+End", "Ctrl+V".
class FakeSyntheticInput final : public SyntheticInput {
public:
    void click(int button) override;
    void selectLineAndPaste() override;

    QStringList sent;
};

} // namespace numerette
