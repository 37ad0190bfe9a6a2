// SPDX-License-Identifier: GPL-3.0-or-later
#include "damaged_copy.h"

#include <QFile>
#include <QFileInfo>

namespace numerette::files {

QString keepDamagedCopy(const QString& path)
{
    constexpr int MaxDamagedCopies = 999;
    for (int copy = 1; copy <= MaxDamagedCopies; ++copy) {
        QString aside = path + QStringLiteral(".damaged")
            + (copy == 1 ? QString() : QLatin1Char('.') + QString::number(copy));
        if (QFile::rename(path, aside))
            return aside;
        if (!QFileInfo::exists(aside) && !QFileInfo(aside).isSymLink())
            return {};
    }
    return {};
}

} // namespace numerette::files
