// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_version.h"

namespace numerette {

QString programVersion()
{
    return QStringLiteral(NUMERETTE_VERSION);
}

QString versionNotice(const QString& programName)
{
    return programName + u' ' + programVersion()
        + QStringLiteral("\nLicense GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                         "This is free software: you are free to change and redistribute it.\n"
                         "There is NO WARRANTY, to the extent permitted by law.\n");
}

} // namespace numerette
