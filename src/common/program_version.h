// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette {

// The release this build belongs to, as the build sets it once for everything (for example "1.0.0").
QString programVersion();

// What `--version` prints: the program's name and version, then its licence, each line ended.
QString versionNotice(const QString& programName);

} // namespace numerette
