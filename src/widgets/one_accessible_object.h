// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace numerette {

// A widget drawn from several labels (tick marks, an arrow) that means one thing: assistive
// technology sees it as one object with the widget's accessible name and description, and
// none of its parts.
void readAsOneObject(QWidget& widget);

} // namespace numerette
