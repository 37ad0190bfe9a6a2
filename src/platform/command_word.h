// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace numerette {

class InstanceChannel;

// The whole argument text of the command line: the arguments after the program's name joined
// by blanks, leading blanks removed. Words are compared exactly as typed.
QString commandWordFrom(const QStringList& arguments);

// Whether the splash shows during start-up; "systray" and "fechar" start unseen.
bool showsSplash(const QString& commandWord);

// Whether a start that becomes the first instance shows the calculator: all but "systray"
// (the icon only) and "fechar" (which ends).
bool firstInstanceOpensCalculator(const QString& commandWord);

// What a second start hands over: the command word directly followed by the time of day, for
// example "juro14:30:05". An absurdly long word is cut so that the hand-over still fits a message.
QString handOverText(const QString& commandWord, const QString& timeOfDay);

struct StartupRoute {
    enum class Kind {
        FirstInstance,       // holds the role: tray icon and, unless showCalculator is false, the calculator
        SecondaryCalculator, // "outra…" beside a running instance: a calculator of its own, host tag 2
        HandedOver,          // the running instance took the command (or it was lost); this process ends
        Ended,               // "fechar": a running instance was asked to close; this process ends
    };

    Kind kind = Kind::Ended;
    bool showCalculator = false;
    bool timeMode = false; // a secondary calculator whose word ends in "tempo"

    // The tag of the host window: 2 marks a secondary calculator process, 1 any other.
    int hostTag() const { return kind == Kind::SecondaryCalculator ? 2 : 1; }
};

// Decides what this process becomes. Claims the first-instance role through the channel and
// sends the close request and the hand-over on the way; timeOfDay is in the user's time format.
// With a pressedKey (numerette --press) a running instance gets the key instead of a hand-over;
// without one this process becomes the first instance and shows its calculator.
StartupRoute routeStartup(const QString& commandWord, const QString& timeOfDay,
                          InstanceChannel& channel, const QString& pressedKey = {});

// What the first instance does with a received hand-over text after showing its calculator.
enum class HandOverCommand { ShowOnly, TimeMode, Interest, Weight };

// Only the first four characters count, so any word beginning with "temp" means time mode.
// No value for an empty text, which is ignored altogether.
std::optional<HandOverCommand> handOverCommand(const QString& text);

} // namespace numerette
