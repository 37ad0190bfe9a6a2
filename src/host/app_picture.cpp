// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_picture.h"

#include <optional>

#include <QCoreApplication>
#include <QDir>

namespace {

QIcon builtPicture()
{
    QIcon builtIn;
    const QDir sizes(QStringLiteral(":/app_icon"));
    for (const QString& size : sizes.entryList(QDir::Dirs))
        builtIn.addFile(sizes.filePath(size + QStringLiteral("/numerette.png")));
    return QIcon::fromTheme(QStringLiteral("numerette"), builtIn);
}

// The picture and the icon theme it was looked up in.
struct CachedPicture {
    QString theme;
    QStringList themePaths;
    QIcon picture;
};

std::optional<CachedPicture>& cachedPicture()
{
    static std::optional<CachedPicture> cached;
    return cached;
}

} // namespace

// Built once per application and icon theme: the theme lookup and the pictures cost a tenth
// of the start. Let go with the application, so that no icon outlives the platform that drew it.
QIcon appIcon()
{
    std::optional<CachedPicture>& cached = cachedPicture();
    const QString theme = QIcon::themeName();
    const QStringList themePaths = QIcon::themeSearchPaths();
    if (!cached) {
        qAddPostRoutine([] { cachedPicture().reset(); });
        cached = CachedPicture{};
    }
    if (cached->picture.isNull() || cached->theme != theme || cached->themePaths != themePaths)
        *cached = CachedPicture{theme, themePaths, builtPicture()};
    return cached->picture;
}
