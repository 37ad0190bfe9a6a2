// SPDX-License-Identifier: GPL-3.0-or-later
#include "time_text.h"

namespace numerette {
namespace {

const Decimal SecondsPerHour(3600);
const Decimal SecondsPerMinute(60);

std::optional<QString> secondsOf(const QString& text, qsizetype colon, const NumberLocale& locale)
{
    const auto hours = ValueOf(text.left(colon), locale);
    const auto minutes = ValueOf(text.mid(colon + 1, 2), locale);
    const auto seconds = ValueOf(text.right(2), locale);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    auto total = hours->times(SecondsPerHour);
    if (total)
        total = total->plus(*minutes->times(SecondsPerMinute));
    if (total)
        total = total->plus(*seconds);
    if (!total)
        return std::nullopt;
    return total->toPlainText();
}

std::optional<QString> clockOf(const QString& text, const NumberLocale& locale)
{
    const auto seconds = ValueOf(text, locale);
    if (!seconds)
        return std::nullopt;
    const Decimal hours = seconds->dividedBy(SecondsPerHour)->floored();
    const auto afterHours = seconds->minus(*hours.times(SecondsPerHour));
    if (!afterHours)
        return std::nullopt;
    const Decimal minutes = afterHours->dividedBy(SecondsPerMinute)->floored();
    const auto rest = afterHours->minus(*minutes.times(SecondsPerMinute));
    if (!rest)
        return std::nullopt;
    const QString two = QStringLiteral("00");
    return FormatPicture(hours, two, locale) + QLatin1Char(':') + FormatPicture(minutes, two, locale)
        + QLatin1Char(':') + FormatPicture(*rest, two, locale);
}

} // namespace

std::optional<QString> ConvertTime(const QString& text, const NumberLocale& locale)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QString unsignedText = negative ? text.mid(1) : text;
    const qsizetype colon = unsignedText.indexOf(QLatin1Char(':'));
    const auto converted = colon >= 0 ? secondsOf(unsignedText, colon, locale) : clockOf(unsignedText, locale);
    if (!converted)
        return std::nullopt;
    return negative ? QLatin1Char('-') + *converted : *converted;
}

QString TimeDigits(const QString& timeText)
{
    const qsizetype colon = timeText.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return timeText;
    return timeText.left(colon) + timeText.mid(colon + 1, 2) + timeText.right(2);
}

} // namespace numerette
