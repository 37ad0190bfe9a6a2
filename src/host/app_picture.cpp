// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_picture.h"

#include <QDir>

QIcon appIcon()
{
    QIcon builtIn;
    const QDir sizes(QStringLiteral(":/app_icon"));
    for (const QString& size : sizes.entryList(QDir::Dirs))
        builtIn.addFile(sizes.filePath(size + QStringLiteral("/numerette.png")));
    return QIcon::fromTheme(QStringLiteral("numerette"), builtIn);
}
