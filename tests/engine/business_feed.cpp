// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluates the figures of the tax and margin keys read from standard input, one per line,
// for a reference check written in another language:
//   KEY FORMAT MODE PERCENT AMOUNT
// KEY is "+" (tax added to a net amount), "-" (tax taken out of a gross amount) or "m" (the
// selling price of a cost at a margin); FORMAT a number-format index; MODE a rounding word.
// Prints one line per case: the three figures as plain text (net tax gross, or sell profit
// and the format's decimal places), or "fail".
#include <algorithm>
#include <iostream>
#include <string>

#include <QString>

#include "business_figures.h"
#include "calculator.h"
#include "rounding_modes.h"

using namespace numerette;

namespace {

std::optional<Decimal> parsed(const std::string& text) { return Decimal::fromPlainText(QString::fromStdString(text)); }

std::string plain(const Decimal& value) { return value.toPlainText().toStdString(); }

std::string evaluate(const std::string& key, int formatIndex, const std::string& modeWord, const std::string& percent,
                     const std::string& amount)
{
    const auto format = std::find_if(NumberFormats.begin(), NumberFormats.end(),
                                     [formatIndex](const NumberFormatChoice& c) { return c.index == formatIndex; });
    const auto mode = std::find_if(RoundingModes.begin(), RoundingModes.end(),
                                   [&](const RoundingModeChoice& c) { return modeWord == c.word; });
    const auto rate = parsed(percent);
    const auto x = parsed(amount);
    if (format == NumberFormats.end() || mode == RoundingModes.end() || !rate || !x)
        return "bad input";
    const int places = pictureDecimals(QString::fromLatin1(format->picture));
    if (key == "m") {
        const auto figures = sellingPrice(*x, *rate, places, mode->mode);
        return figures ? plain(figures->sell) + ' ' + plain(figures->profit) + ' ' + std::to_string(places) : "fail";
    }
    const auto figures = key == "+" ? taxAdded(*x, *rate, places, mode->mode) : taxTakenOut(*x, *rate, places, mode->mode);
    return figures ? plain(figures->net) + ' ' + plain(figures->tax) + ' ' + plain(figures->gross) : "fail";
}

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    std::string key, percent, amount, mode;
    int format = 0;
    while (std::cin >> key >> format >> mode >> percent >> amount)
        std::cout << evaluate(key, format, mode, percent, amount) << '\n';
    return 0;
}
