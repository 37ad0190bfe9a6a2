// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_options.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>

#include "rounding_modes.h"

namespace numerette {

namespace {

constexpr char Context[] = "TapeCommandLine";

QString translated(const char* text)
{
    return QCoreApplication::translate(Context, text);
}

// The complaint about a value an option does not take.
QString refusedValue(const char* option, const QString& value, const char* first, const char* second)
{
    //: numerette-tape's complaint about an option's value: %1 is the option, %2 and %3 the values
    //: it takes, %4 what was given. The option and the values stay as they are.
    return translated(QT_TRANSLATE_NOOP("TapeCommandLine", "%1 takes %2 or %3, not '%4'"))
        .arg(QLatin1String(option), QLatin1String(first), QLatin1String(second), value);
}

// One option of the table below. An option that takes a value names it either with a word for
// what the user types (valueName, marked for translation) or with the literal values it takes
// (choices, as typed: never translated); a switch has neither. apply gets the value (empty for
// a switch) and returns why it refuses it, or nothing when it took it. The help is marked for
// translation.
struct TapeOption {
    const char* name;
    const char* valueName;
    const char* choices;
    const char* help;
    std::optional<QString> (*apply)(TapeOptions& options, const QString& value);
};

bool knownFormat(int index)
{
    return std::any_of(NumberFormats.begin(), NumberFormats.end(),
                       [index](const NumberFormatChoice& c) { return c.index == index; });
}

// A new option is one more row; help and parsing follow from it.
const std::array<TapeOption, 10> Options{{
    //: Stands for the number given to --format in numerette-tape --help.
    {"format", QT_TRANSLATE_NOOP("TapeCommandLine", "N"), nullptr,
     //: What --format does, in numerette-tape --help: at most 55 columns.
     QT_TRANSLATE_NOOP("TapeCommandLine", "number format: 2 (the default), 0, 1, or 10 to 80 for 1 to 8 decimals"),
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         bool ok = false;
         o.formatIndex = value.toInt(&ok);
         if (ok && knownFormat(o.formatIndex))
             return std::nullopt;
         //: numerette-tape's complaint about --format's value: %1 is the option, %2 what was given.
         return translated(QT_TRANSLATE_NOOP("TapeCommandLine",
                                             "%1 takes one of 0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80, not '%2'"))
             .arg(QStringLiteral("--format"), value);
     }},
    //: What --add does, in numerette-tape --help: at most 55 columns. Add mode is the calculator's
    //: mode of that name; ENTER is the key.
    {"add", nullptr, nullptr, QT_TRANSLATE_NOOP("TapeCommandLine", "Add mode: ENTER adds, as on an adding machine"),
     [](TapeOptions& o, const QString&) -> std::optional<QString> {
         o.addMode = true;
         return std::nullopt;
     }},
    {"rounding", nullptr, "half-up|half-even|up|down",
     //: What --rounding does, in numerette-tape --help: at most 55 columns.
     QT_TRANSLATE_NOOP("TapeCommandLine", "how each step rounds the total (half-up unless given)"),
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         for (const RoundingModeChoice& choice : RoundingModes) {
             if (value == QLatin1String(choice.word)) {
                 o.rounding = choice.mode;
                 return std::nullopt;
             }
         }
         //: numerette-tape's complaint about --rounding's value: %1 is the option, %2 what was given.
         return translated(QT_TRANSLATE_NOOP("TapeCommandLine", "%1 takes half-up, half-even, up or down, not '%2'"))
             .arg(QStringLiteral("--rounding"), value);
     }},
    //: Stands for the percentage given to --tax-rate in numerette-tape --help.
    {"tax-rate", QT_TRANSLATE_NOOP("TapeCommandLine", "PERCENT"), nullptr,
     //: What --tax-rate does, in numerette-tape --help: at most 55 columns. {Tax+} and {Tax-}
     //: are key names and stay as they are.
     QT_TRANSLATE_NOOP("TapeCommandLine", "rate of {Tax+} and {Tax-} in % (0, the default: off)"),
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         const auto rate = Decimal::fromPlainText(value);
         if (rate && !rate->isNegative() && *rate < Decimal(1000)) {
             o.taxRate = *rate;
             return std::nullopt;
         }
         //: numerette-tape's complaint about --tax-rate's value: %1 is the option, %2 what was given.
         return translated(QT_TRANSLATE_NOOP("TapeCommandLine", "%1 takes a percentage from 0 to 999, not '%2'"))
             .arg(QStringLiteral("--tax-rate"), value);
     }},
    {"decimal", nullptr, ",|.",
     //: What --decimal does, in numerette-tape --help: at most 55 columns.
     QT_TRANSLATE_NOOP("TapeCommandLine", "the decimal separator (\".\" unless given)"),
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         if (value != QLatin1String(",") && value != QLatin1String("."))
             return refusedValue("--decimal", value, ",", ".");
         o.decimal = value.at(0);
         return std::nullopt;
     }},
    {"date-order", nullptr, "dmy|mdy",
     //: What --date-order does, in numerette-tape --help: at most 55 columns.
     QT_TRANSLATE_NOOP("TapeCommandLine", "day or month first in the date at the top of the tape"),
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         if (value != QLatin1String("dmy") && value != QLatin1String("mdy"))
             return refusedValue("--date-order", value, "dmy", "mdy");
         o.dateOrder = value == QLatin1String("dmy") ? tape::DateOrder::DayMonthYear : tape::DateOrder::MonthDayYear;
         return std::nullopt;
     }},
    //: Stands for the date given to --today in numerette-tape --help: year, month and day
    //: written with digits and dashes.
    {"today", QT_TRANSLATE_NOOP("TapeCommandLine", "YYYY-MM-DD"), nullptr,
     //: What --today does, in numerette-tape --help: at most 55 columns.
     QT_TRANSLATE_NOOP("TapeCommandLine", "the date written at the top of the tape, instead of today's"),
     [](TapeOptions& o, const QString& value) -> std::optional<QString> {
         o.today = QDate::fromString(value, Qt::ISODate);
         if (o.today.isValid())
             return std::nullopt;
         //: numerette-tape's complaint about --today's value: %1 is the option, %2 what was given.
         //: YYYY-MM-DD as in the help.
         return translated(QT_TRANSLATE_NOOP("TapeCommandLine", "%1 takes a date as YYYY-MM-DD, not '%2'"))
             .arg(QStringLiteral("--today"), value);
     }},
    //: What --insert-text does, in numerette-tape --help: at most 55 columns.
    {"insert-text", nullptr, nullptr,
     QT_TRANSLATE_NOOP("TapeCommandLine", "letters typed become a label on the next tape line"),
     [](TapeOptions& o, const QString&) -> std::optional<QString> {
         o.insertText = true;
         return std::nullopt;
     }},
    //: What --state does, in numerette-tape --help: at most 55 columns.
    {"state", nullptr, nullptr,
     QT_TRANSLATE_NOOP("TapeCommandLine", "print the display, total, counter and memory instead of the tape"),
     [](TapeOptions& o, const QString&) -> std::optional<QString> {
         o.printState = true;
         return std::nullopt;
     }},
    //: What --csv does, in numerette-tape --help: at most 55 columns.
    {"csv", nullptr, nullptr,
     QT_TRANSLATE_NOOP("TapeCommandLine", "print the tape as CSV: date, kind, value, operator and label of each line"),
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

QString valueText(const TapeOption& option)
{
    return option.choices ? QString::fromLatin1(option.choices) : translated(option.valueName);
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
                //: numerette-tape's complaint; %1 is what was typed.
                return usageError(translated(QT_TRANSLATE_NOOP("TapeCommandLine", "unknown option '%1'")).arg(argument));
            QString value;
            if (!option->valueName && !option->choices) {
                if (equals >= 0)
                    //: numerette-tape's complaint; %1 is the option, as in "--add".
                    return usageError(translated(QT_TRANSLATE_NOOP("TapeCommandLine", "%1 takes no value"))
                                          .arg(QStringLiteral("--") + name));
            } else if (equals >= 0) {
                value = argument.sliced(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments.at(++i);
            } else {
                //: numerette-tape's complaint; %1 is the option, %2 the value it needs as the help
                //: names it.
                return usageError(translated(QT_TRANSLATE_NOOP("TapeCommandLine", "%1 needs a value: %2"))
                                      .arg(QStringLiteral("--") + name, valueText(*option)));
            }
            if (const auto refusal = option->apply(result.options, value))
                return usageError(*refusal);
        } else if (result.options.keys) {
            //: numerette-tape's complaint; KEYS as in the help, %1 and %2 are the two arguments given.
            return usageError(translated(QT_TRANSLATE_NOOP("TapeCommandLine",
                                                           "one KEYS argument only, but '%1' follows '%2' "
                                                           "(quote keys that hold blanks)"))
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
        line += translated(help);
        line += u'\n';
        return line;
    };
    //: First part of numerette-tape --help; lines stay within 80 columns. OPTION and KEYS stand
    //: for what the user types in their place; KEYS is named so in the rest of the help too.
    QString text = translated(QT_TRANSLATE_NOOP("TapeCommandLine",
                                                "Usage: numerette-tape [OPTION]... [--] [KEYS]\n"
                                                "Types KEYS into the Numerette adding machine without a window "
                                                "and prints the tape.\n"
                                                "Without KEYS the keys are read from standard input."));
    //: Heading in numerette-tape --help above the list of options.
    text += QStringLiteral("\n\n") + translated(QT_TRANSLATE_NOOP("TapeCommandLine", "Options:")) + u'\n';
    for (const TapeOption& option : Options) {
        QString left = QStringLiteral("--") + QLatin1String(option.name);
        if (option.valueName || option.choices)
            left += u' ' + valueText(option);
        text += row(left, option.help);
    }
    //: What --help does, in numerette-tape --help: at most 55 columns.
    text += row(QStringLiteral("-h, --help"), QT_TRANSLATE_NOOP("TapeCommandLine", "print this help and end"));
    //: What --version does, in numerette-tape --help: at most 55 columns.
    text += row(QStringLiteral("--version"), QT_TRANSLATE_NOOP("TapeCommandLine", "print the version and end"));
    //: What -- does, in numerette-tape --help: at most 55 columns. KEYS as above.
    text += row(QStringLiteral("--"), QT_TRANSLATE_NOOP("TapeCommandLine", "end of the options: KEYS may start with \"-\""));
    //: numerette-tape --help: lines stay within 80 columns. %1 and %2 are lists of key names and
    //: %3 is one; they stay as they are, as do the characters in brackets.
    text += u'\n'
          + translated(QT_TRANSLATE_NOOP("TapeCommandLine",
                                         "KEYS are characters typed as on the keyboard (digits, + - * / % =) plus the "
                                         "braced\n"
                                         "key names: %1\n"
                                         "%2. %3 ends the run, as it closes the calculator."))
                .arg(QStringLiteral("{Enter} {Esc} {Backspace} {Delete} {NumLock} {Neg} {CE} {M+} {M-} {MC} {MR}"),
                     QStringLiteral("{Time} {Undo} {Redo} {Clear} {GT} {Tax+} {Tax-} {Margin}"), QStringLiteral("{Esc}"));
    //: numerette-tape --help; %1 is a command line that stays as it is.
    text += QStringLiteral("\n\n")
          + translated(QT_TRANSLATE_NOOP("TapeCommandLine", "Example: %1"))
                .arg(QStringLiteral("numerette-tape --format 20 \"5+3-2=\""));
    //: Last lines of numerette-tape --help; each within 80 columns.
    text += u'\n'
          + translated(QT_TRANSLATE_NOOP("TapeCommandLine",
                                         "Exit status: 0 on success, 2 for a wrong option or key name.\n"
                                         "See numerette-tape(1)."))
          + u'\n';
    return text;
}

} // namespace numerette
