// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "tape_archive.h"

class QThread;

namespace numerette::history {

// Runs TapeArchive::check on a thread of its own, so that the caller's thread goes on while a
// large archive is read whole; the result comes back on the caller's event loop (checked), or
// at once when the caller cannot wait for it (finish).
class ArchiveCheck : public QObject {
    Q_OBJECT

public:
    explicit ArchiveCheck(QObject* parent = nullptr);
    ~ArchiveCheck() override;  // waits for the check, without telling its result

    void start(const QString& path);
    // Started, and its result not told yet.
    bool isRunning() const { return bool(m_thread); }
    QString path() const { return m_path; }
    // Waits for the check, and tells its result now if it has not been told.
    void finish();

signals:
    void checked(const numerette::history::TapeArchive::Opening& opening);

private:
    std::unique_ptr<QThread> m_thread;
    QString m_path;
    int m_runs = 0;
    TapeArchive::Opening m_opening;  // written by the thread, read once it has ended
};

} // namespace numerette::history
