// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

class QFile;

// Files the calculator keeps for its user: the state file, the backup and saved lists.
namespace numerette::files {

// fileName inside the per-user data folder, which is created readable by its owner only
// (0700) when missing; empty when the platform names no such folder.
QString dataFilePath(const QString& fileName);

// Replaces the file with bytes by writing a new file and renaming it over the old one, so
// a failure at any moment leaves the old file whole. A new file is created user-only
// (0600); a file that exists keeps its permissions; anything at the path that is no regular
// file (a FIFO, a device, a link to one) is left alone. False when anything failed; error
// (when given) then says why.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Appends bytes to a regular file, creating it user-only (0600) when missing. Anything else
// at the path (a FIFO, a device, a link to one) is refused without being waited on. False
// on failure; error (when given) then says why.
bool appendToFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Opens the file's path for reading when it is a regular file, and never waits: a FIFO or a
// device at the path would block an ordinary open until another program writes to it.
bool openRegularFile(QFile& file);

// The contents of a regular file of at most maxBytes. Nothing when the file is missing
// (error stays empty) or is anything else: no regular file, larger, unreadable (error,
// when given, says which).
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* error = nullptr);

} // namespace numerette::files
