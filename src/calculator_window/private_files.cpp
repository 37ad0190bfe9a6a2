// SPDX-License-Identifier: GPL-3.0-or-later
#include "private_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace numerette::files {

namespace {

constexpr QFileDevice::Permissions UserOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

QString dataFilePath(const QString& fileName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        return {};
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, UserOnly | QFileDevice::ExeOwner);
    return folder + QLatin1Char('/') + fileName;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const bool created = !QFileInfo::exists(path);
    QSaveFile file(path);
    const auto failed = [&file, error] {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly) || (created && !file.setPermissions(UserOnly)))
        return failed();
    // Qt 6.4's commit() renames even when its final flush failed (a full disk leaves a
    // truncated file), so the flush is checked first; without a commit the new file is dropped.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return failed();
    return true;
}

bool appendToFile(const QString& path, const QByteArray& bytes)
{
    const bool created = !QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    if (created)
        file.setPermissions(UserOnly);
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace numerette::files
