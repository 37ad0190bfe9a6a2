// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QStringView>

namespace numerette {

// The characters that mark where arguments 1, 2 and 3 go in a stored message text.
inline constexpr std::array<char16_t, 3> ArgumentMarks{char16_t{0x008D}, char16_t{0x017D},
                                                       char16_t{0x008F}};

// The stored text under a catalogue key (the message number followed by the language
// digit), still holding its "|" line-break marks and argument marks; a null view when the
// key has no entry.
QStringView storedMessageText(qint64 key);

} // namespace numerette
