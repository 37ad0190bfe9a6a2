// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_script.h"

#include <QCoreApplication>
#include <QHash>

namespace numerette {
namespace {

const QHash<QString, TapeStep>& namedSteps()
{
    static const QHash<QString, TapeStep> steps = [] {
        QHash<QString, TapeStep> named{
            {QStringLiteral("Enter"), TypedKey{13, false, 13}},
            {QStringLiteral("Esc"), TypedKey{27, false, 27}},
            {QStringLiteral("Backspace"), TypedKey{8, false, 8}},
            {QStringLiteral("Delete"), TypedKey{46, false, 0}},
            {QStringLiteral("NumLock"), TypedKey{144, false, 0}},
            {QStringLiteral("Neg"), Button::Neg},
            {QStringLiteral("CE"), Button::CE},
            {QStringLiteral("M+"), Button::Mmais},
            {QStringLiteral("M-"), Button::Mmenos},
            {QStringLiteral("MC"), Button::MC},
            {QStringLiteral("MR"), Button::MR},
            {QStringLiteral("Time"), TapeCommand::Time},
            {QStringLiteral("Undo"), TapeCommand::Undo},
            {QStringLiteral("Redo"), TapeCommand::Redo},
            {QStringLiteral("Clear"), TapeCommand::Clear},
        };
        for (const BusinessKey& key : BusinessKeys)
            named.insert(QLatin1String(key.name), TypedKey{0, false, key.code});
        return named;
    }();
    return steps;
}

// The key a character is typed with: letters by their capital's key code, upper case
// with Shift, as a keyboard would deliver them.
TypedKey keyForCharacter(QChar c)
{
    const int code = c.unicode();
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return {code - 'a' + 'A', false, code};
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return {code, true, code};
    if (c.isDigit() && code < 128)
        return {code, false, code};
    return {0, false, code};
}

void runCommand(Calculator& calculator, TapeCommand command)
{
    switch (command) {
    case TapeCommand::Time: calculator.mnuTempo_Click(); break;
    case TapeCommand::Undo: calculator.mnuUndo_Click(); break;
    case TapeCommand::Redo: calculator.mnuRedo_Click(); break;
    case TapeCommand::Clear: calculator.mnuLimpar_Click(); break;
    }
}

} // namespace

std::optional<std::vector<TapeStep>> parseTapeKeys(const QString& keys, QString& error)
{
    std::vector<TapeStep> steps;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys.at(i) != QLatin1Char('{')) {
            steps.push_back(keyForCharacter(keys.at(i)));
            continue;
        }
        // A name ends at the first "}"; another "{" before it means this one was never closed.
        const qsizetype close = keys.indexOf(QLatin1Char('}'), i + 1);
        const qsizetype nextOpen = keys.indexOf(QLatin1Char('{'), i + 1);
        if (close < 0 || (nextOpen >= 0 && nextOpen < close)) {
            const qsizetype end = nextOpen >= 0 ? nextOpen : keys.size();
            //: Error of the command line's key script; %1 is the unclosed key name
            error = QCoreApplication::translate("KeyScript", "the key name '%1' has no closing '}'")
                        .arg(keys.mid(i, end - i));
            return std::nullopt;
        }
        const QString name = keys.mid(i + 1, close - i - 1);
        const auto found = namedSteps().constFind(name);
        if (found == namedSteps().constEnd()) {
            //: Error of the command line's key script; %1 is the key name as typed, kept untranslated
            error = QCoreApplication::translate("KeyScript", "unknown key name '{%1}'").arg(name);
            return std::nullopt;
        }
        steps.push_back(*found);
        i = close;
    }
    return steps;
}

void runTapeSteps(Calculator& calculator, const std::vector<TapeStep>& steps, const bool& windowClosed)
{
    for (const TapeStep& step : steps) {
        if (windowClosed)
            return;
        if (const auto* key = std::get_if<TypedKey>(&step))
            calculator.typeKey(key->virtualKey, key->shift, key->character);
        else if (const auto* button = std::get_if<Button>(&step))
            calculator.pressButton(*button);
        else
            runCommand(calculator, std::get<TapeCommand>(step));
    }
}

} // namespace numerette
