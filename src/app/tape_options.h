// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDate>
#include <QString>
#include <QStringList>

#include "calculator.h"

namespace numerette {

// How numerette-tape is to run, as its command line sets it.
struct TapeOptions {
    int formatIndex = StandardFormatIndex;
    bool addMode = false;
    RoundingMode rounding = RoundingMode::HalfUp;
    Decimal taxRate;
    QChar decimal = QLatin1Char('.');
    tape::DateOrder dateOrder = tape::DateOrder::DayMonthYear;
    QDate today = QDate::currentDate();
    bool insertText = false;
    bool printState = false;
    bool csv = false; // the tape as CSV rows
    std::optional<QString> keys; // none: the keys come from standard input
};

struct TapeCommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, UsageError };
    Action action = Action::Run;
    TapeOptions options;
    QString error; // for UsageError: what was wrong, without the program's name
};

// The arguments after the program's name. Options are "--name VALUE" or "--name=VALUE"; "--"
// ends them, so that keys may start with "-". At most one KEYS argument.
TapeCommandLine parseTapeCommandLine(const QStringList& arguments);

// What --help prints, generated from the option table.
QString tapeHelpText();

} // namespace numerette
