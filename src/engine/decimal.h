// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <optional>

#include <QString>

namespace numerette {

// How a number is rounded to fewer decimal places. HalfUp rounds a tie away from zero (2.5 to
// 3, -2.5 to -3); HalfEven rounds a tie to the even neighbour (2.5 to 2, 3.5 to 4); Up rounds
// every dropped non-zero fraction away from zero (2.01 to 3); Down cuts it (2.99 to 2, -2.99
// to -2).
enum class RoundingMode { HalfUp, HalfEven, Up, Down };

// An exact decimal number: a sign, an unsigned integer below 2^96 and a scale of
// 0 to 28 decimal places (28 significant digits, magnitude below about 7.9e28).
// Arithmetic that cannot be represented fails (std::nullopt) instead of wrapping or
// losing the integer part; inexact products and quotients keep as many decimals as
// fit and round half away from zero.
class Decimal {
public:
    static constexpr int MaxScale = 28;

    Decimal() = default;
    explicit Decimal(std::int64_t value);

    // Parses plain C-locale text: optional blanks, an optional "-", digits, an optional
    // "." and digits. Returns nothing for anything else or for values out of range;
    // decimals beyond 28 places are rounded.
    static std::optional<Decimal> fromPlainText(QStringView text);

    // Plain C-locale text with the scale trimmed of trailing zeros: "-12.5", "0".
    QString toPlainText() const;

    bool isZero() const;
    bool isNegative() const;
    int scale() const { return m_scale; }

    Decimal negated() const;
    Decimal abs() const;

    std::optional<Decimal> plus(const Decimal& other) const;
    std::optional<Decimal> minus(const Decimal& other) const;
    std::optional<Decimal> times(const Decimal& other) const;
    // Fails on division by zero as well as on overflow.
    std::optional<Decimal> dividedBy(const Decimal& other) const;

    // Rounds to the given number of decimal places (0..28), half away from zero unless
    // another mode is asked for; the dropped digits are all looked at, so the result is exact.
    Decimal rounded(int places, RoundingMode mode = RoundingMode::HalfUp) const;
    // Drops the fractional part (towards minus infinity, like floor).
    Decimal floored() const;

    // The decimal digits of the integer part of the absolute value, without sign.
    QString integerDigits() const;
    // The digits after the decimal point of the absolute value, exactly `scale()` long.
    QString fractionDigits() const;

    double toDouble() const;
    // Exact conversion of a double's shortest round-trip text limited to 15 significant
    // digits (how factors computed in double precision enter decimal arithmetic).
    static std::optional<Decimal> fromDouble15(double value);

    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) { return (a <=> b) == 0; }

private:
    // 96-bit magnitude as three 32-bit words, least significant first.
    std::uint32_t m_lo = 0, m_mid = 0, m_hi = 0;
    std::uint8_t m_scale = 0;
    bool m_negative = false;

    friend struct DecimalAccess;
};

} // namespace numerette
