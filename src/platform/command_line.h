// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace numerette {

// What numerette's command line asks for. Read before the application or the instance channel
// exists, so that --help and --version neither need a display nor reach a running instance.
struct StartupCommandLine {
    enum class Action {
        Start,       // a normal start with commandWord
        ShowHelp,    // print text on standard output, end with status 0
        ShowVersion, // print the version notice, end with status 0
        UsageError,  // print text on standard error, end with status 2
    };

    Action action = Action::Start;
    QString commandWord;
    QString text;
    // --press KEY: a keypad key for the running calculator (or a new one), by its name; empty
    // for a start without it.
    QString pressedKey;
};

// arguments as main() receives them, the program's name first. The words after the options
// form the command word exactly as before there were options: joined by blanks, leading blanks
// removed. Qt's own options (-style NAME, -platform NAME, ...) pass through to the application.
// "--" ends the options. --press takes one key name and no command word.
StartupCommandLine parseStartupCommandLine(const QStringList& arguments);

} // namespace numerette
