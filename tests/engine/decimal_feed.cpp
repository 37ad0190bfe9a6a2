// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluates Decimal operations read from standard input, one per line, for a reference check
// written in another language:
//   + A B | - A B | * A B | / A B   arithmetic on two plain texts
//   r A N                           A rounded to N decimal places
//   f P K                           the percentage factor of P after operator K ("+", "-", "/", "*")
// and prints one line per operation: the result as plain text, or "fail".
#include <cstdio>
#include <iostream>
#include <string>

#include <QString>

#include "decimal.h"
#include "percentage.h"

using numerette::Decimal;

namespace {

std::optional<Decimal> parsed(const std::string& text) { return Decimal::fromPlainText(QString::fromStdString(text)); }

numerette::PercentageUse useAfter(char key)
{
    using numerette::PercentageUse;
    return key == '+' || key == '/' ? PercentageUse::Added : key == '-' ? PercentageUse::TakenOff : PercentageUse::Share;
}

std::optional<Decimal> evaluate(char op, const std::string& a, const std::string& b)
{
    const auto x = parsed(a);
    if (!x)
        return std::nullopt;
    if (op == 'r')
        return x->rounded(std::stoi(b));
    if (op == 'f')
        return numerette::percentageFactor(*x, useAfter(b.at(0)));
    const auto y = parsed(b);
    if (!y)
        return std::nullopt;
    switch (op) {
    case '+': return x->plus(*y);
    case '-': return x->minus(*y);
    case '*': return x->times(*y);
    case '/': return x->dividedBy(*y);
    default: return std::nullopt;
    }
}

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    std::string op, a, b;
    while (std::cin >> op >> a >> b) {
        const auto result = evaluate(op.at(0), a, b);
        std::cout << (result ? result->toPlainText().toStdString() : std::string("fail")) << '\n';
    }
    return 0;
}
