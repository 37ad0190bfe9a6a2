// SPDX-License-Identifier: GPL-3.0-or-later
#include "private_files.h"

#include <algorithm>
#include <cerrno>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace numerette::files {

namespace {

constexpr QFileDevice::Permissions UserOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString notRegularText()
{
    return QCoreApplication::translate("PrivateFiles", "It is not a regular file.");
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Opens path with flags, never waiting, and keeps the descriptor only for a regular file;
// -1 otherwise, with the reason in error. A FIFO opened for writing with no reader fails
// with ENXIO: that too is no regular file.
int openRegular(const QString& path, int flags, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) {
        setError(error, errno == ENXIO ? notRegularText() : qt_error_string(errno));
        return -1;
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        setError(error, notRegularText());
        ::close(fd);
        return -1;
    }
    // Regular files never block; the flag goes, so that writes are whole.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

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
    // Only a regular file is replaced: the rename would put the new file in the place of a
    // FIFO or of the device a link names (for a user with the rights to that folder).
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        setError(error, notRegularText());
        return false;
    }
    const bool created = !existing.exists();
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

bool appendToFile(const QString& path, const QByteArray& bytes, QString* error)
{
    // Created with 0600 by the open itself, so the file is never readable by others.
    const int fd = openRegular(path, O_WRONLY | O_APPEND | O_CREAT, error);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Append, QFile::AutoCloseHandle)) {
        setError(error, file.errorString());
        ::close(fd);
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool openRegularFile(QFile& file)
{
    const int fd = openRegular(file.fileName(), O_RDONLY, nullptr);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* error)
{
    // A dangling link is something there too, not a missing file.
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return std::nullopt;
    const int fd = openRegular(path, O_RDONLY, error);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        setError(error, file.errorString());
        ::close(fd);
        return std::nullopt;
    }
    // One byte more than the limit shows a file past it, without a buffer larger than that.
    const QByteArray bytes = file.read(std::min(file.size(), maxBytes) + 1);
    if (bytes.size() > maxBytes) {
        setError(error, QCoreApplication::translate("PrivateFiles", "It is larger than %1 bytes.").arg(maxBytes));
        return std::nullopt;
    }
    return bytes;
}

} // namespace numerette::files
