// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_report.h"

#include <QCoreApplication>

namespace numerette {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("PrintReport", text);
}

// "PDF is not accepting jobs: out of paper", or without the colon when the queue said nothing.
QString queueSays(const char* what, const PrintReport& report)
{
    const QString said = translated(what).arg(report.queue);
    if (report.reason.isEmpty())
        return said + QLatin1Char('.');
    return said + QLatin1String(": ") + report.reason;
}

} // namespace

QString printTroubleText(const PrintReport& report)
{
    switch (report.outcome) {
    case PrintReport::Outcome::ServiceDown:
        return translated(QT_TRANSLATE_NOOP("PrintReport", "The printing service (CUPS) is not running.\n"
                  "Start it, for example with \"sudo systemctl start cups\", and print again."));
    case PrintReport::Outcome::NoPrinter:
        return translated(QT_TRANSLATE_NOOP("PrintReport", "No printer is installed.\n"
                  "Add one in the system's printer settings, or print to a PDF file with Print... "
                  "in the Calculation List menu."));
    case PrintReport::Outcome::Refused:
        //: %1 is the printer's queue name
        return queueSays(QT_TRANSLATE_NOOP("PrintReport", "%1 is not accepting jobs"), report)
             + translated(QT_TRANSLATE_NOOP("PrintReport", "\nNothing was printed. Check the printer, or choose another with Print... "
                  "in the Calculation List menu."));
    case PrintReport::Outcome::Held:
        //: %1 is the printer's queue name
        return queueSays(QT_TRANSLATE_NOOP("PrintReport", "%1 is stopped"), report)
             + translated(QT_TRANSLATE_NOOP("PrintReport", "\nThe job waits in the printer's queue until the printer is started again "
                  "in the system's printer settings."));
    case PrintReport::Outcome::Printed:
    case PrintReport::Outcome::Canceled:
    case PrintReport::Outcome::Failed:
        break;
    }
    return {};
}

} // namespace numerette
