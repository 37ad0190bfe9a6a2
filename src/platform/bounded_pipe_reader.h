// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

namespace numerette {

// Reads the read end of a pipe to its end without ever waiting on it: the bytes are taken as
// the event loop reports them readable. The writer is another program, so the reading is
// bounded: past `limit` bytes it stops and reports nothing. Owns the descriptor and closes it
// when done or destroyed.
class BoundedPipeReader : public QObject {
    Q_OBJECT

public:
    BoundedPipeReader(int readEnd, qsizetype limit, QObject* parent = nullptr);
    ~BoundedPipeReader() override;
    BoundedPipeReader(const BoundedPipeReader&) = delete;
    BoundedPipeReader& operator=(const BoundedPipeReader&) = delete;

signals:
    // Once: the whole content, or nothing when it passed the limit or the pipe failed.
    void finished(const std::optional<QByteArray>& content);

private:
    void readAvailable();
    void finish(const std::optional<QByteArray>& content);

    int m_fd;
    qsizetype m_limit;
    QByteArray m_content;
    QSocketNotifier* m_notifier;
};

} // namespace numerette
