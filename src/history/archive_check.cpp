// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive_check.h"

#include <QThread>

namespace numerette::history {

ArchiveCheck::ArchiveCheck(QObject* parent)
    : QObject(parent)
{
}

ArchiveCheck::~ArchiveCheck()
{
    if (m_thread)
        m_thread->wait();
}

void ArchiveCheck::start(const QString& path)
{
    if (m_thread)
        return;
    m_path = path;
    const int run = ++m_runs;
    m_thread.reset(QThread::create([this, path, run] {
        m_opening = TapeArchive::check(path);
        // Dropped by the event loop if this object has gone by then, and ignored if the
        // result was told already (finish) and another check started since.
        QMetaObject::invokeMethod(
            this, [this, run] {
                if (run == m_runs)
                    finish();
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}

void ArchiveCheck::finish()
{
    if (!m_thread)
        return;
    m_thread->wait();
    m_thread.reset();
    emit checked(m_opening);
}

} // namespace numerette::history
