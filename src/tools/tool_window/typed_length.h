// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

namespace numerette {

// Limits what the user types or pastes into the field to `length` characters, while a text
// the program writes into it is shown whole, however long (a field's own maximum length
// would cut it, so the field must keep the default one). An edit of such a longer text is let
// through as long as it does not make the text longer still.
void limitTypedLength(QLineEdit& field, int length);

} // namespace numerette
