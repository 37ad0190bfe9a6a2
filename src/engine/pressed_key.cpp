// SPDX-License-Identifier: GPL-3.0-or-later
#include "pressed_key.h"

#include <array>

namespace numerette {
namespace {

struct NamedKey {
    const char* name;
    PressedKey key;
};

constexpr PressedKey hotKey(Button button)
{
    return {button, PressedKey::Road::HotKey};
}

constexpr PressedKey keypad(Button button)
{
    return {button, PressedKey::Road::Button};
}

// The digits come first and are listed as one range in pressedKeyNames(). {Enter} is
// Ctrl+Enter (a total, or an addition in Add mode) and "=" the keypad's equals button;
// {Delete}, the clear key on the keyboard, is the CE key here too.
constexpr std::array<NamedKey, 27> Keys{{
    {"0", hotKey(Button::Num0)},
    {"1", hotKey(Button::Num1)},
    {"2", hotKey(Button::Num2)},
    {"3", hotKey(Button::Num3)},
    {"4", hotKey(Button::Num4)},
    {"5", hotKey(Button::Num5)},
    {"6", hotKey(Button::Num6)},
    {"7", hotKey(Button::Num7)},
    {"8", hotKey(Button::Num8)},
    {"9", hotKey(Button::Num9)},
    {"+", hotKey(Button::Mais)},
    {"-", hotKey(Button::Menos)},
    {"*", hotKey(Button::Vezes)},
    {"/", hotKey(Button::Dividir)},
    {".", hotKey(Button::Virgula)},
    {",", hotKey(Button::Virgula)},
    {"{Enter}", hotKey(Button::Igual)},
    {"{Backspace}", hotKey(Button::Back)},
    {"{CE}", hotKey(Button::CE)},
    {"{Delete}", hotKey(Button::CE)},
    {"=", keypad(Button::Igual)},
    {"%", keypad(Button::Percent)},
    {"{Neg}", keypad(Button::Neg)},
    {"{M+}", keypad(Button::Mmais)},
    {"{M-}", keypad(Button::Mmenos)},
    {"{MC}", keypad(Button::MC)},
    {"{MR}", keypad(Button::MR)},
}};

} // namespace

std::optional<PressedKey> pressedKeyNamed(const QString& name)
{
    for (const NamedKey& key : Keys) {
        if (name == QLatin1String(key.name))
            return key.key;
    }
    return std::nullopt;
}

QString pressedKeyNames()
{
    QString names = QStringLiteral("0-9");
    for (std::size_t i = 10; i < Keys.size(); ++i)
        names += u' ' + QLatin1String(Keys[i].name);
    return names;
}

} // namespace numerette
