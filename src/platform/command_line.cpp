// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include <QCommandLineParser>
#include <QCoreApplication>

#include "command_word.h"
#include "pressed_key.h"

namespace numerette {

namespace {

// One line of a two-column list in the help: a name that stays as typed and its description.
struct HelpRow {
    const char* name;
    const char* description; // marked for translation in the "CommandLineHelp" context
};

// The command words are typed as they stand; only what they do is translated.
constexpr std::array CommandWords{
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"systray", QT_TRANSLATE_NOOP("CommandLineHelp", "start with the notification-area icon only, as at log-in")},
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"tempo", QT_TRANSLATE_NOOP("CommandLineHelp", "switch the calculator to time mode (hours:minutes:seconds)")},
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"juro", QT_TRANSLATE_NOOP("CommandLineHelp", "open the interest and installments tool")},
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"peso", QT_TRANSLATE_NOOP("CommandLineHelp", "open the ideal weight tool")},
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"outra", QT_TRANSLATE_NOOP("CommandLineHelp", "open a second calculator in a process of its own")},
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"outratempo", QT_TRANSLATE_NOOP("CommandLineHelp", "open a second calculator in time mode")},
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"atualiza", QT_TRANSLATE_NOOP("CommandLineHelp", "close the running calculator, then start afresh")},
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"mini", QT_TRANSLATE_NOOP("CommandLineHelp", "close the running calculator, then start without menus")},
    //: What a command word does, in numerette --help: at most 64 columns.
    HelpRow{"fechar", QT_TRANSLATE_NOOP("CommandLineHelp", "close the running calculator and end")},
};

constexpr std::array Options{
    //: What an option does, in numerette --help: at most 62 columns.
    HelpRow{"-h, --help", QT_TRANSLATE_NOOP("CommandLineHelp", "print this help and end")},
    //: What an option does, in numerette --help: at most 62 columns.
    HelpRow{"-v, --version", QT_TRANSLATE_NOOP("CommandLineHelp", "print the version and end")},
    //: What an option does, in numerette --help: at most 62 columns. KEY stays as it is.
    HelpRow{"--press KEY", QT_TRANSLATE_NOOP("CommandLineHelp", "press one keypad key in the running calculator")},
    //: What an option does, in numerette --help: at most 62 columns.
    HelpRow{"--", QT_TRANSLATE_NOOP("CommandLineHelp", "end of the options")},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("CommandLineHelp", text);
}

// "  name  description" lines, the descriptions lined up after the longest name.
QString helpRows(const std::vector<std::pair<QString, QString>>& rows)
{
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto& [name, description] : rows)
        text += QStringLiteral("  ") + name.leftJustified(width) + QStringLiteral("  ") + description + u'\n';
    return text;
}

std::vector<std::pair<QString, QString>> translatedRows(const auto& table)
{
    std::vector<std::pair<QString, QString>> rows;
    rows.reserve(std::size(table));
    for (const HelpRow& row : table)
        rows.emplace_back(QString::fromLatin1(row.name), translated(row.description));
    return rows;
}

// Made when asked for, so that it is in the language of the translation loaded by then.
QString helpText()
{
    //: First part of numerette --help; lines stay within 80 columns. OPTION and COMMAND-WORD
    //: name what the user types in their place.
    QString text = QCoreApplication::translate("CommandLineHelp",
                                               "Usage: numerette [OPTION] [COMMAND-WORD]\n"
                                               "An adding-machine calculator with a paper tape.\n"
                                               "\n"
                                               "The first start opens the calculator and an icon in the notification area. "
                                               "A later start\n"
                                               "hands its command word over to the running calculator and ends.");
    //: Heading in numerette --help above the list of command words.
    text += QStringLiteral("\n\n") + QCoreApplication::translate("CommandLineHelp", "Command words:") + u'\n';
    auto words = translatedRows(CommandWords);
    words.insert(words.begin(),
                 //: Stands in numerette --help where a command word would, for a start without one: at
                 //: most 10 columns.
                 {QCoreApplication::translate("CommandLineHelp", "(none)"),
                  //: What a start without a command word does, in numerette --help: at most 64 columns.
                  QCoreApplication::translate("CommandLineHelp", "show the calculator")});
    text += helpRows(words);
    //: Heading in numerette --help above the list of options.
    text += u'\n' + QCoreApplication::translate("CommandLineHelp", "Options:") + u'\n';
    text += helpRows(translatedRows(Options));
    //: %1 and %2 are option names (-style, -platform) and stay as they are; NAME stands for
    //: what the user types after them.
    text += QCoreApplication::translate("CommandLineHelp", "Qt's own options, such as %1 NAME or %2 NAME, are accepted too.")
                .arg(QStringLiteral("-style"), QStringLiteral("-platform"))
          + u'\n';
    //: Part of numerette --help about --press; %1 is the list of key names, which stay as they are.
    //: Lines stay within 80 columns.
    text += u'\n'
          + QCoreApplication::translate("CommandLineHelp", "--press takes the same key as its hot key (CTRL with the numeric keypad), for\n"
                                                           "a shortcut of the desktop to run. KEY is one of:\n%1")
                .arg(pressedKeyNames())
          + u'\n';
    //: Last part of numerette --help; %1 and %2 are the files' paths. Lines stay within
    //: 80 columns.
    text += u'\n'
          + QCoreApplication::translate("CommandLineHelp", "Files: the tape and its backup in %1, the settings in\n"
                                                           "%2. See numerette(1).")
                .arg(QStringLiteral("~/.local/share/Numeret/Numeret/"), QStringLiteral("~/.config/Numeret/Numeret.ini"))
          + u'\n';
    return text;
}

// Options QApplication reads for itself; they are known here so that they are no error, and
// stay in the arguments for the application to take out.
void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "display", "geometry", "name", "title", "style", "stylesheet",
                             "session", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "sync", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString usageError(const QString& complaint)
{
    return QStringLiteral("numerette: ") + complaint + u'\n'
         //: Ends the complaint about a wrong option; %1 is the command to type.
         + QCoreApplication::translate("CommandLine", "Try '%1' for more information.")
               .arg(QStringLiteral("numerette --help"))
         + u'\n';
}

StartupCommandLine pressCommandLine(const QString& key, const QStringList& words)
{
    using Action = StartupCommandLine::Action;
    if (!pressedKeyNamed(key)) {
        //: %1 is the key name as typed; %2 the list of key names. Both stay as they are.
        return {Action::UsageError, {}, usageError(QCoreApplication::translate("CommandLine",
                                                                               "unknown key '%1' for --press; the keys are:\n%2")
                                                       .arg(key, pressedKeyNames())), {}};
    }
    if (!words.isEmpty()) {
        //: %1 is the command word as typed.
        return {Action::UsageError, {}, usageError(QCoreApplication::translate("CommandLine",
                                                                               "--press takes no command word ('%1')")
                                                       .arg(words.join(u' '))), {}};
    }
    return {Action::Start, {}, {}, key};
}

} // namespace

StartupCommandLine parseStartupCommandLine(const QStringList& arguments)
{
    using Action = StartupCommandLine::Action;
    QCommandLineParser parser;
    // Qt's options take one dash ("-style"), so a single dash starts a whole word here too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption press(QStringLiteral("press"), QString(), QStringLiteral("KEY"));
    parser.addOption(press);
    addQtOptions(parser);

    if (!parser.parse(arguments))
        return {Action::UsageError, {}, usageError(parser.errorText()), {}};
    if (parser.isSet(help))
        return {Action::ShowHelp, {}, helpText(), {}};
    if (parser.isSet(version))
        return {Action::ShowVersion, {}, {}, {}};
    if (parser.isSet(press))
        return pressCommandLine(parser.value(press), parser.positionalArguments());
    return {Action::Start, commandWordFrom(QStringList{arguments.value(0)} + parser.positionalArguments()), {}, {}};
}

} // namespace numerette
