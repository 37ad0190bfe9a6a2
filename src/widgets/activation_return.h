// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {

// Gives the keyboard back to the window a dialog, message box or tool window was opened
// over, once it closes, as a window manager does for transient windows. Without a window
// manager (or with one that does not) the X focus falls back to the root window instead,
// and every key typed next would be lost. Installed on the application, it watches every
// window of the program; a window the user left for another program stays inactive.
class ActivationReturn : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace numerette
