// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_word.h"

#include "instance_channel.h"

namespace numerette {

namespace {

// Waits for the running instance to handle a close request or a hand-over; the starting
// process ends silently when it does not answer in time.
constexpr int ChannelTimeoutMs = 3000;
// At most 3 UTF-8 bytes per character, so the word and a time text stay within a message.
constexpr qsizetype MaxHandOverWord = 1024;

bool asksRunningInstanceToClose(const QString& commandWord)
{
    return commandWord == u"atualiza" || commandWord == u"fechar" || commandWord == u"mini";
}

} // namespace

QString commandWordFrom(const QStringList& arguments)
{
    const QString text = arguments.mid(1).join(u' ');
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.sliced(start);
}

// The starts that may open the calculator show the splash.
bool showsSplash(const QString& commandWord)
{
    return firstInstanceOpensCalculator(commandWord);
}

bool firstInstanceOpensCalculator(const QString& commandWord)
{
    return commandWord != u"systray" && commandWord != u"fechar";
}

QString handOverText(const QString& commandWord, const QString& timeOfDay)
{
    return commandWord.left(MaxHandOverWord) + timeOfDay;
}

StartupRoute routeStartup(const QString& commandWord, const QString& timeOfDay,
                          InstanceChannel& channel, const QString& pressedKey)
{
    using Role = InstanceChannel::Role;
    using Kind = StartupRoute::Kind;

    Role role = channel.claim();
    if (asksRunningInstanceToClose(commandWord) && role == Role::Handover) {
        channel.send({InstanceMessage::Kind::Close, {}}, ChannelTimeoutMs);
        // An instance that obeyed has given the role up; one that kept its window gets the
        // command handed over below.
        role = channel.claim();
    }
    if (commandWord == u"fechar") {
        channel.release();
        return {Kind::Ended};
    }
    if (role == Role::First)
        return {Kind::FirstInstance, firstInstanceOpensCalculator(commandWord)};
    if (!pressedKey.isEmpty()) {
        channel.send({InstanceMessage::Kind::PressKey, pressedKey}, ChannelTimeoutMs);
        return {Kind::HandedOver};
    }
    if (commandWord.startsWith(u"outra"))
        return {Kind::SecondaryCalculator, true, commandWord.endsWith(u"tempo")};
    channel.send({InstanceMessage::Kind::HandOver, handOverText(commandWord, timeOfDay)},
                 ChannelTimeoutMs);
    return {Kind::HandedOver};
}

std::optional<HandOverCommand> handOverCommand(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    const QStringView word = QStringView(text).left(4);
    if (word == u"temp")
        return HandOverCommand::TimeMode;
    if (word == u"juro")
        return HandOverCommand::Interest;
    if (word == u"peso")
        return HandOverCommand::Weight;
    return HandOverCommand::ShowOnly;
}

} // namespace numerette
