// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;

namespace numerette {

// A checkable button that is not auto-exclusive reads as a check box to assistive
// technology, even where its window lets only one of a set be chosen. This has it read as
// the radio button it is, with its check state and its press action.
void readAsExclusiveChoice(QAbstractButton& button);

} // namespace numerette
