// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

namespace numerette {

// Writes bytes into the write end of a pipe without ever waiting on it: what does not fit is
// written as the event loop reports the pipe writable again, so a reader in this very thread
// can take it meanwhile. A reader that goes away ends the writing (no SIGPIPE). Owns the
// descriptor, closes it when done, and deletes itself then.
class PipeWriter : public QObject {
    Q_OBJECT

public:
    PipeWriter(int writeEnd, QByteArray content, QObject* parent);
    ~PipeWriter() override;
    PipeWriter(const PipeWriter&) = delete;
    PipeWriter& operator=(const PipeWriter&) = delete;

private:
    void writeSome();
    void finish();

    int m_fd;
    QByteArray m_content;
    qsizetype m_written = 0;
    QSocketNotifier* m_notifier;
};

} // namespace numerette
