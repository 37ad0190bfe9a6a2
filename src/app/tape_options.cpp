// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_options.h"

#include <algorithm>
#include <array>

namespace numerette {

namespace {

// One option of the table below. A switch has no valueName; apply gets the value (empty for a
// switch) and returns why it refuses it, or nothing when it took it.
struct TapeOption {
    const char* name;
    const char* valueName;
    const char* help;
    std::optional<QString> (*apply)(TapeOptions& options, const QString& value);
};

bool knownFormat(int index)
{
    return std::any_of(NumberFormats.begin(), NumberFormats.end(),
                       [index](const NumberFormatChoice& c) { return c.index == index; });
}

// A new option is one more row; help and parsing follow from it.
const std::array<TapeOption, 8> Options{{
    {"format", "N", "number format: 2 (the default), 0, 1, or 10 to 80 for 1 to 8 decimals",
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         bool ok = false;
         o.formatIndex = value.toInt(&ok);
         if (ok && knownFormat(o.formatIndex))
             return std::nullopt;
         return QStringLiteral("--format takes one of 0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80, not '%1'").arg(value);
     }},
    {"add", nullptr, "Add mode: ENTER adds, as on an adding machine",
     [](TapeOptions& o, const QString&) -> std::optional<QString> {
         o.addMode = true;
         return std::nullopt;
     }},
    {"decimal", ",|.", "the decimal separator (\".\" unless given)",
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         if (value != QLatin1String(",") && value != QLatin1String("."))
             return QStringLiteral("--decimal takes , or ., not '%1'").arg(value);
         o.decimal = value.at(0);
         return std::nullopt;
     }},
    {"date-order", "dmy|mdy", "day or month first in the date at the top of the tape",
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         if (value != QLatin1String("dmy") && value != QLatin1String("mdy"))
             return QStringLiteral("--date-order takes dmy or mdy, not '%1'").arg(value);
         o.dateOrder = value == QLatin1String("dmy") ? tape::DateOrder::DayMonthYear : tape::DateOrder::MonthDayYear;
         return std::nullopt;
     }},
    {"today", "YYYY-MM-DD", "the date written at the top of the tape, instead of today's",
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         o.today = QDate::fromString(value, Qt::ISODate);
         if (o.today.isValid())
             return std::nullopt;
         return QStringLiteral("--today takes a date as YYYY-MM-DD, not '%1'").arg(value);
     }},
    {"insert-text", nullptr, "letters typed become a label on the next tape line",
     [](TapeOptions& o, const QString&) -> std::optional<QString> {
         o.insertText = true;
         return std::nullopt;
     }},
    {"state", nullptr, "print the display, total, counter and memory instead of the tape",
     [](TapeOptions& o, const QString&) -> std::optional<QString> {
         o.printState = true;
         return std::nullopt;
     }},
    {"csv", nullptr, "print the tape as CSV: date, kind, value, operator and label of each line",
     [](TapeOptions& o, const QString&) -> std::optional<QString> {
         o.csv = true;
         return std::nullopt;
     }},
}};

const TapeOption* findOption(QStringView name)
{
    const auto found = std::find_if(Options.begin(), Options.end(),
                                    [name](const TapeOption& o) { return name == QLatin1String(o.name); });
    return found == Options.end() ? nullptr : &*found;
}

TapeCommandLine usageError(const QString& error)
{
    TapeCommandLine result;
    result.action = TapeCommandLine::Action::UsageError;
    result.error = error;
    return result;
}

} // namespace

TapeCommandLine parseTapeCommandLine(const QStringList& arguments)
{
    TapeCommandLine result;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool isOption = !optionsEnded && argument.startsWith(QLatin1String("--"));
        if (isOption && argument.size() == 2) {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            result.action = TapeCommandLine::Action::ShowHelp;
            return result;
        } else if (isOption && argument == QLatin1String("--version")) {
            result.action = TapeCommandLine::Action::ShowVersion;
            return result;
        } else if (isOption) {
            const qsizetype equals = argument.indexOf(u'=');
            const QStringView name = QStringView(argument).sliced(2, (equals < 0 ? argument.size() : equals) - 2);
            const TapeOption* option = findOption(name);
            if (!option)
                return usageError(QStringLiteral("unknown option '%1'").arg(argument));
            QString value;
            if (!option->valueName) {
                if (equals >= 0)
                    return usageError(QStringLiteral("--%1 takes no value").arg(name));
            } else if (equals >= 0) {
                value = argument.sliced(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments.at(++i);
            } else {
                return usageError(QStringLiteral("--%1 needs a value: %2")
                                      .arg(name, QLatin1String(option->valueName)));
            }
            if (const auto refusal = option->apply(result.options, value))
                return usageError(*refusal);
        } else if (result.options.keys) {
            return usageError(QStringLiteral("one KEYS argument only, but '%1' follows '%2' "
                                             "(quote keys that hold blanks)")
                                  .arg(argument, *result.options.keys));
        } else {
            result.options.keys = argument;
        }
    }
    return result;
}

QString tapeHelpText()
{
    const auto row = [](const QString& left, const char* help) {
        QString line = QStringLiteral("  ");
        line += left;
        line = line.leftJustified(24);
        line += u' ';
        line += QLatin1String(help);
        line += u'\n';
        return line;
    };
    QString text = QStringLiteral(
        "Usage: numerette-tape [OPTION]... [--] [KEYS]\n"
        "Types KEYS into the Numerette adding machine without a window and prints the tape.\n"
        "Without KEYS the keys are read from standard input.\n"
        "\n"
        "Options:\n");
    for (const TapeOption& option : Options) {
        QString left = QStringLiteral("--") + QLatin1String(option.name);
        if (option.valueName)
            left += u' ' + QLatin1String(option.valueName);
        text += row(left, option.help);
    }
    text += row(QStringLiteral("-h, --help"), "print this help and end");
    text += row(QStringLiteral("--version"), "print the version and end");
    text += row(QStringLiteral("--"), "end of the options: KEYS may start with \"-\"");
    text += QStringLiteral(
              "\n"
              "KEYS are characters typed as on the keyboard (digits, + - * / % =) plus the braced\n"
              "key names: {Enter} {Esc} {Backspace} {Delete} {NumLock} {Neg} {CE} {M+} {M-} {MC} {MR}\n"
              "{Time} {Undo} {Redo} {Clear}. {Esc} ends the run, as it closes the calculator.\n"
              "\n"
              "Example: numerette-tape --format 20 \"5+3-2=\"\n"
              "Exit status: 0 on success, 2 for a wrong option or key name.\n"
              "See numerette-tape(1).\n");
    return text;
}

} // namespace numerette
