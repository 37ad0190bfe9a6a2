// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Files the calculator keeps for its user: the state file, the backup and saved lists.
namespace numerette::files {

// fileName inside the per-user data folder, which is created readable by its owner only
// (0700) when missing; empty when the platform names no such folder.
QString dataFilePath(const QString& fileName);

// Replaces the file with bytes by writing a new file and renaming it over the old one, so
// a failure at any moment leaves the old file whole. A new file is created user-only
// (0600); a file that exists keeps its permissions. False when anything failed; error (when
// given) then says why.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Appends bytes, creating the file user-only (0600) when missing. False on failure.
bool appendToFile(const QString& path, const QByteArray& bytes);

} // namespace numerette::files
