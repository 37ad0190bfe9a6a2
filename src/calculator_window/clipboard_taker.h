// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "clipboard_reading.h"

namespace numerette {

class Calculator;

// Takes each copy into the calculator once. A taken single number is cleared from the
// clipboard, but a clipboard cannot always be cleared: under a Wayland session another
// program keeps its selection, and the clipboard still announces a change and is offered
// to the calculator again whenever it takes the focus. What the clipboard still holds
// after it was taken is therefore remembered and passed over until the clipboard holds
// something else. Where clearing works (X11) nothing is remembered, and copying the same
// number again adds it again.
class ClipboardTaker {
public:
    ClipboardReading read(Calculator& calculator, ClipboardPort& clipboard);
    // What the clipboard holds now is not to be taken (the monitor is being switched on).
    void passOver(ClipboardPort& clipboard);

private:
    QString m_taken;
};

} // namespace numerette
