// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;
class QWidget;

// Runs `action` once `window` has painted for the first time, in a later turn of the event
// loop (the painted picture is on the screen by then), unless `context` has gone. For work
// that the window does not need to come up, but that should be done before the user needs it.
void whenFirstPainted(QWidget& window, QObject* context, std::function<void()> action);
