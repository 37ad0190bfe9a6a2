// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette {

// Assistive technology names the program after its application object, whose name is also
// the settings' and data folders' name. This gives it the program's own name instead,
// leaving those paths alone.
void announceProgramAs(const QString& name);

} // namespace numerette
