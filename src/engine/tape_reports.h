// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>

namespace numerette {

struct NumberLocale;

// What a tool window needs of the calculator it reports to: the calculator's separators,
// the list its reports go into, and the entry its result may become.
class TapeReports {
public:
    virtual ~TapeReports() = default;

    // The separators the calculator writes its numbers with.
    virtual const NumberLocale& numberLocale() const = 0;
    // A report that closes the running calculation first (marked "T" and totalled), then
    // goes on the list with a separator after it; the calculator is reset.
    virtual void appendToolReport(const QString& block) = 0;
    // A report written as it stands, lines ended by CR LF, at the end of the list.
    virtual void appendReportLines(const QString& lines) = 0;
    // A result the calculator takes up as its entry, as a pasted number.
    virtual void enterNumber(const QString& text) = 0;
    // Runs `writes` (reports, and the result taken up as the entry) as one change of the
    // calculator: its window renders once, when they are all done.
    virtual void asOneChange(const std::function<void()>& writes) = 0;
    // The calculator window is on screen (not parked in the notification area): a tool
    // hands the focus back to it as it closes.
    virtual bool calculatorShown() const = 0;
};

} // namespace numerette
