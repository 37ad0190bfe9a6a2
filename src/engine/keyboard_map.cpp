// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_map.h"

#include <optional>

#include <QChar>
#include <QtGlobal>

namespace numerette {

const std::array<BusinessKey, 4> BusinessKeys{{
    {keycode::GrandTotal, 'G', "GT",
     //: Hot-key help line; CTRL and SHIFT are the keys' names. GT is the grand-total key.
     QT_TRANSLATE_NOOP("HotKeyHelp", "CTRL+SHIFT+G = Grand total (GT) of the totals: write it and start it again")},
    {keycode::TaxAdded, 'T', "Tax+",
     //: Hot-key help line; CTRL and SHIFT are the keys' names.
     QT_TRANSLATE_NOOP("HotKeyHelp", "CTRL+SHIFT+T = Tax+: add the tax to the figure (net, tax, gross)")},
    {keycode::TaxTakenOut, 'N', "Tax-",
     //: Hot-key help line; CTRL and SHIFT are the keys' names.
     QT_TRANSLATE_NOOP("HotKeyHelp", "CTRL+SHIFT+N = Tax-: take the tax out of the figure (gross, tax, net)")},
    {keycode::Margin, 'M', "Margin",
     //: Hot-key help line; CTRL and SHIFT are the keys' names. The margin is a share of the selling price.
     QT_TRANSLATE_NOOP("HotKeyHelp",
                       "CTRL+SHIFT+M = Selling price: cost + margin % (margin on the selling price), with the profit")},
}};

namespace {

namespace vk {
constexpr int Delete = 46;
constexpr int NumLock = 144;
} // namespace vk

std::optional<Button> shiftShortcut(int virtualKey)
{
    switch (virtualKey) {
    case 'A': return Button::Mmais;
    case 'D': return Button::Mmenos;
    case 'R': return Button::MR;
    case 'C': return Button::MC;
    case 'P': return Button::Neg;
    default: return std::nullopt;
    }
}

// Letters of a laptop's embedded keypad and the digits they stand for.
int laptopKeypadDigit(int code)
{
    switch (QChar(code).toUpper().unicode()) {
    case 'U': return '4';
    case 'I': return '5';
    case 'O': return '6';
    case 'J': return '1';
    case 'K': return '2';
    case 'L': return '3';
    case 'M': return '0';
    default: return code;
    }
}

} // namespace

KeyDown KeyboardMap::keyDown(int virtualKey, bool shift, bool addMode)
{
    if (const auto button = shiftShortcut(virtualKey); shift && button)
        return {KeyDownAction::PressButton, *button};
    if (virtualKey == vk::Delete)
        return {KeyDownAction::Clear};
    if (virtualKey == vk::NumLock) {
        const bool total = addMode && !m_syntheticNumLock;
        m_syntheticNumLock = false;
        if (total)
            return {KeyDownAction::Total};
    }
    return {};
}

int KeyboardMap::character(int code, bool lettersAreLabels) const
{
    return m_numLockAlways || lettersAreLabels ? code : laptopKeypadDigit(code);
}

int KeyboardMap::operatorCode(int code, bool addMode)
{
    if (code == keycode::Enter)
        return addMode ? keycode::Add : '=';
    if (code == ';' || code == 231)
        return keycode::Add;
    return code;
}

} // namespace numerette
