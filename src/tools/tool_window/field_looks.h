// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

namespace numerette {

// Makes a field wide enough to show `characters` characters of average width whole.
void fitCharacters(QLineEdit& field, int characters);

// A field the user reads but does not type into: read-only, and drawn on the window's
// face instead of the white of a field that takes typing.
void showAsReadOnly(QLineEdit& field);

} // namespace numerette
