// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette {

// What the print service has to offer before a print.
enum class PrintServiceState { NotRunning, NoPrinter, NoDefault, DefaultSet };

struct PrintServiceStatus {
    PrintServiceState state = PrintServiceState::NotRunning;
    // The default queue, when one is set.
    QString defaultQueue;
};

// What the service tells of a queue, and of the job just handed to it.
struct QueueFacts {
    bool jobFound = false;
    // The job was canceled or aborted.
    bool jobEnded = false;
    bool accepting = true;
    bool stopped = false;
    // The queue's own words ("out of paper"), and its state keywords ("paused", "none").
    QString stateMessage;
    QString stateReasons;
};

enum class JobFate { Accepted, Refused, Held, Failed };

struct JobCheck {
    JobFate fate = JobFate::Failed;
    // Why, in the queue's own words; empty when the queue gave none.
    QString reason;
};

// Tells from the facts whether the job is on its way. A job the queue never took was refused;
// one taken by a stopped queue waits there.
JobCheck judgeJob(const QueueFacts& facts);

// The print service behind the page printers, asked before a print and after it, because
// the printing toolkit does not say whether the service took a job.
class PrintService {
public:
    virtual ~PrintService() = default;

    virtual PrintServiceStatus status() = 0;
    // The newest job of this user that the service knows of, 0 for none: the job of the
    // next print is the first one past it.
    virtual int newestJob() = 0;
    // What became of the job printed on queue after newestJob() gave newestBefore.
    virtual JobCheck checkJob(const QString& queue, int newestBefore) = 0;
};

// CUPS, at the server its client configuration or CUPS_SERVER names.
class CupsPrintService final : public PrintService {
public:
    PrintServiceStatus status() override;
    int newestJob() override;
    JobCheck checkJob(const QString& queue, int newestBefore) override;
};

// A service for tests: it reports what it is told.
class FakePrintService final : public PrintService {
public:
    PrintServiceStatus status() override { return serviceStatus; }
    int newestJob() override { return 0; }
    JobCheck checkJob(const QString&, int) override { return check; }

    PrintServiceStatus serviceStatus;
    JobCheck check{JobFate::Accepted, {}};
};

} // namespace numerette
