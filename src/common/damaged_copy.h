// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette::files {

// Renames a file that cannot be read to "<path>.damaged" (or ".damaged.2" and on, up to 999
// copies), so that it is kept for the user and a new file can start in its place. Gives the
// name it was kept under, or an empty string when it stays where it is. The rename refuses to
// replace a file that exists, so no earlier copy is ever lost.
QString keepDamagedCopy(const QString& path);

} // namespace numerette::files
