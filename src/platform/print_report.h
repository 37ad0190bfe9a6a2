// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette {

// What became of a print, as far as the print service tells it.
struct PrintReport {
    enum class Outcome {
        Printed,
        // The user closed the print dialog.
        Canceled,
        // Drawing or handing over the document failed, for no reason the service gave.
        Failed,
        ServiceDown,
        NoPrinter,
        // The queue would not take the job.
        Refused,
        // The queue took the job but is stopped: the job waits there.
        Held,
    };

    Outcome outcome = Outcome::Failed;
    QString queue;
    // The queue's own words, when it gave some.
    QString reason;
};

// The message for an outcome that says more than "printed" or "not responding": what the
// service or the queue said, and what the user can do about it. Empty for the other outcomes.
QString printTroubleText(const PrintReport& report);

} // namespace numerette
