// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>

#include "command_word.h"

namespace numerette {

namespace {

const QString HelpText = QStringLiteral(
    "Usage: numerette [OPTION] [COMMAND-WORD]\n"
    "An adding-machine calculator with a paper tape.\n"
    "\n"
    "The first start opens the calculator and an icon in the notification area. A later start\n"
    "hands its command word over to the running calculator and ends.\n"
    "\n"
    "Command words:\n"
    "  (none)      show the calculator\n"
    "  systray     start with the notification-area icon only, as at log-in\n"
    "  tempo       switch the calculator to time mode (hours:minutes:seconds)\n"
    "  juro        open the interest and installments tool\n"
    "  peso        open the ideal weight tool\n"
    "  outra       open a second calculator in a process of its own\n"
    "  outratempo  open a second calculator in time mode\n"
    "  atualiza    close the running calculator, then start afresh\n"
    "  mini        close the running calculator, then start without menus\n"
    "  fechar      close the running calculator and end\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and end\n"
    "  -v, --version  print the version and end\n"
    "  --             end of the options\n"
    "Qt's own options, such as -style NAME or -platform NAME, are accepted too.\n"
    "\n"
    "Files: the tape and its backup in ~/.local/share/Numeret/Numeret/, the settings in\n"
    "~/.config/Numeret/Numeret.ini. See numerette(1).\n");

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
    addQtOptions(parser);

    if (!parser.parse(arguments)) {
        return {Action::UsageError, {},
                QStringLiteral("numerette: ") + parser.errorText()
                    + QStringLiteral("\nTry 'numerette --help' for more information.\n")};
    }
    if (parser.isSet(help))
        return {Action::ShowHelp, {}, HelpText};
    if (parser.isSet(version))
        return {Action::ShowVersion, {}, {}};
    return {Action::Start, commandWordFrom(QStringList{arguments.value(0)} + parser.positionalArguments()), {}};
}

} // namespace numerette
