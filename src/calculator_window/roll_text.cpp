// SPDX-License-Identifier: GPL-3.0-or-later
#include "roll_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// The code points that Windows-1252 puts at 0x80 to 0x9F, by byte.
constexpr std::array<std::pair<char32_t, char>, 27> Windows1252Extras{{
    {U'\u20AC', '\x80'}, {U'\u201A', '\x82'}, {U'\u0192', '\x83'}, {U'\u201E', '\x84'}, {U'\u2026', '\x85'},
    {U'\u2020', '\x86'}, {U'\u2021', '\x87'}, {U'\u02C6', '\x88'}, {U'\u2030', '\x89'}, {U'\u0160', '\x8A'},
    {U'\u2039', '\x8B'}, {U'\u0152', '\x8C'}, {U'\u017D', '\x8E'}, {U'\u2018', '\x91'}, {U'\u2019', '\x92'},
    {U'\u201C', '\x93'}, {U'\u201D', '\x94'}, {U'\u2022', '\x95'}, {U'\u2013', '\x96'}, {U'\u2014', '\x97'},
    {U'\u02DC', '\x98'}, {U'\u2122', '\x99'}, {U'\u0161', '\x9A'}, {U'\u203A', '\x9B'}, {U'\u0153', '\x9C'},
    {U'\u017E', '\x9E'}, {U'\u0178', '\x9F'},
}};

char windows1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    const auto* extra = std::find_if(Windows1252Extras.begin(), Windows1252Extras.end(),
                                     [codePoint](const auto& entry) { return entry.first == codePoint; });
    return extra != Windows1252Extras.end() ? extra->second : '?';
}

QByteArray encodedLine(const QString& line)
{
    QByteArray bytes;
    for (const char32_t codePoint : line.toUcs4())
        bytes.append(windows1252(codePoint));
    return bytes.append("\r\n");
}

} // namespace

QList<QByteArray> rollLines(const QString& list)
{
    QString text = LineEnd + list + LineEnd + LineEnd;
    text.replace(QChar(0x00D7), QLatin1Char('*')).replace(QChar(0x00F7), QLatin1Char('/'));
    QStringList lines = text.split(LineEnd);
    // The text ends with a line end, which starts no further line.
    lines.removeLast();
    QList<QByteArray> encoded;
    encoded.reserve(lines.size());
    for (const QString& line : std::as_const(lines))
        encoded.append(encodedLine(line));
    return encoded;
}
