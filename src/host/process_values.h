// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

class QLocale;
class QTime;

namespace numerette {

// The values the whole process reads, established once when the host loads.
struct ProcessValues {
    // The command-line argument text; the first calculator takes it and clears it.
    QString CommandWord;
    // The running program's folder with a trailing "/" and its file name: together they start
    // the program again.
    QString AppDir;
    QString ExeFileName;
    // "dd/mm/yyyy" or "mm/dd/yyyy", after the day/month order of the user's short date.
    QString DateFormat;
    // "." or ",": the decimal separator the calculator reads and writes numbers with.
    QChar DecimalSeparator = QLatin1Char('.');
    // The operating-system family as the calculator's platform paths know it; always the
    // family with synthesized keystrokes and the shutdown privilege step.
    static constexpr int OsFamily = 2;
};

ProcessValues establishProcessValues(const QString& commandWord, const QString& programPath,
                                     const QLocale& locale);

// The folder of programPath ending in "/".
QString appDirOf(const QString& programPath);

// 31 December 2000 written in the locale's short date: "31" in front gives "dd/mm/yyyy",
// anything else (month or year first) "mm/dd/yyyy".
QString dateFormatOf(const QLocale& locale);

// The locale's decimal separator, unless it is also the grouping separator: then "," when that
// is "." and "." otherwise, so that numbers stay readable. This changes the separator for the
// program only, never the user's settings. A decimal separator other than "." or "," reads as ".".
QChar decimalSeparatorOf(const QLocale& locale);
QChar decimalSeparatorFor(const QString& decimal, const QString& group);

// The time of day in the user's long time format without its time zone, as in "14:30:05".
QString timeOfDayText(const QTime& time, const QLocale& locale);

} // namespace numerette
