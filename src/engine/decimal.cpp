// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace numerette {

namespace {

// Unsigned 256-bit integer for exact intermediate results. Operands stay far below
// the limit: aligned sums and products need at most 193 bits, quotients and their
// remainders at most 194.
struct Wide {
    static constexpr int Limbs = 8;
    std::array<std::uint32_t, Limbs> limb{}; // least significant first

    bool isZero() const { return std::all_of(limb.begin(), limb.end(), [](auto w) { return w == 0; }); }
    bool fits96() const { return std::all_of(limb.begin() + 3, limb.end(), [](auto w) { return w == 0; }); }
    bool bit(int i) const { return (limb[i / 32] >> (i % 32)) & 1u; }

    int bitLength() const
    {
        for (int i = Limbs - 1; i >= 0; --i) {
            if (limb[i] != 0)
                return i * 32 + 32 - std::countl_zero(limb[i]);
        }
        return 0;
    }

    void mulSmall(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (auto& w : limb) {
            carry += std::uint64_t(w) * factor;
            w = std::uint32_t(carry);
            carry >>= 32;
        }
    }

    void addSmall(std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (auto& w : limb) {
            carry += w;
            w = std::uint32_t(carry);
            carry >>= 32;
        }
    }

    // Divides in place and returns the remainder.
    std::uint32_t divSmall(std::uint32_t divisor)
    {
        std::uint64_t rest = 0;
        for (int i = Limbs - 1; i >= 0; --i) {
            rest = (rest << 32) | limb[i];
            limb[i] = std::uint32_t(rest / divisor);
            rest %= divisor;
        }
        return std::uint32_t(rest);
    }

    // Divides by 10^count and returns the most significant digit dropped, the only one
    // rounding half away from zero needs.
    std::uint32_t dropDigits(int count)
    {
        std::uint32_t first = 0;
        for (; count > 0; --count)
            first = divSmall(10);
        return first;
    }

    void scaleUp(int powerOfTen)
    {
        static constexpr std::array<std::uint32_t, 10> Powers = {
            1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
        for (; powerOfTen > 0; powerOfTen -= 9)
            mulSmall(Powers[std::min(powerOfTen, 9)]);
    }

    Wide& operator+=(const Wide& other)
    {
        std::uint64_t carry = 0;
        for (int i = 0; i < Limbs; ++i) {
            carry += std::uint64_t(limb[i]) + other.limb[i];
            limb[i] = std::uint32_t(carry);
            carry >>= 32;
        }
        return *this;
    }

    // Requires *this >= other.
    Wide& operator-=(const Wide& other)
    {
        std::int64_t borrow = 0;
        for (int i = 0; i < Limbs; ++i) {
            const std::int64_t d = std::int64_t(limb[i]) - other.limb[i] - borrow;
            limb[i] = std::uint32_t(d);
            borrow = d < 0 ? 1 : 0;
        }
        return *this;
    }

    friend std::strong_ordering operator<=>(const Wide& a, const Wide& b)
    {
        for (int i = Limbs - 1; i >= 0; --i) {
            if (a.limb[i] != b.limb[i])
                return a.limb[i] <=> b.limb[i];
        }
        return std::strong_ordering::equal;
    }

    // Products of operands below 2^128 only (the upper limbs are ignored).
    friend Wide operator*(const Wide& a, const Wide& b)
    {
        Wide product;
        for (int i = 0; i < Limbs / 2; ++i) {
            std::uint64_t carry = 0;
            for (int j = 0; j < Limbs / 2; ++j) {
                carry += std::uint64_t(a.limb[i]) * b.limb[j] + product.limb[i + j];
                product.limb[i + j] = std::uint32_t(carry);
                carry >>= 32;
            }
            product.limb[i + Limbs / 2] = std::uint32_t(carry);
        }
        return product;
    }

    // Binary long division; returns the quotient and leaves the remainder in `rest`.
    static Wide divide(const Wide& numerator, const Wide& divisor, Wide& rest)
    {
        Wide quotient;
        rest = Wide();
        for (int i = numerator.bitLength() - 1; i >= 0; --i) {
            rest.mulSmall(2);
            rest.limb[0] |= numerator.bit(i);
            if (rest >= divisor) {
                rest -= divisor;
                quotient.limb[i / 32] |= 1u << (i % 32);
            }
        }
        return quotient;
    }

    // Subtracts `divisor` as often as it fits (at most nine times here) and returns the count.
    std::uint32_t takeMultiplesOf(const Wide& divisor)
    {
        std::uint32_t count = 0;
        for (; *this >= divisor; ++count)
            *this -= divisor;
        return count;
    }
};

} // namespace

struct DecimalAccess {
    static Wide magnitude(const Decimal& d)
    {
        Wide w;
        w.limb = {d.m_lo, d.m_mid, d.m_hi};
        return w;
    }

    // The magnitude scaled by 10^(scale - d.scale()), for comparing and adding exactly.
    static Wide aligned(const Decimal& d, int scale)
    {
        Wide w = magnitude(d);
        w.scaleUp(scale - d.m_scale);
        return w;
    }

    static Decimal make(const Wide& magnitude, int scale, bool negative)
    {
        Decimal d;
        d.m_lo = magnitude.limb[0];
        d.m_mid = magnitude.limb[1];
        d.m_hi = magnitude.limb[2];
        d.m_scale = std::uint8_t(scale);
        d.m_negative = negative && !magnitude.isZero();
        return d;
    }

    // Rounds an exact value magnitude / 10^scale half away from zero to the most decimals
    // (at most MaxScale) that leave the magnitude below 2^96; nothing when even the whole
    // number does not fit.
    static std::optional<Decimal> fit(Wide magnitude, int scale, bool negative)
    {
        std::uint32_t firstDropped = magnitude.dropDigits(scale - Decimal::MaxScale);
        scale = std::min(scale, Decimal::MaxScale);
        for (;;) {
            Wide candidate = magnitude;
            if (firstDropped >= 5)
                candidate.addSmall(1);
            if (candidate.fits96())
                return make(candidate, scale, negative);
            if (scale == 0)
                return std::nullopt;
            firstDropped = magnitude.divSmall(10);
            --scale;
        }
    }

    // All digits of the magnitude, at least scale + 1 of them (zero-padded on the left).
    static QString digits(const Decimal& d)
    {
        Wide w = magnitude(d);
        QString text;
        do {
            text.prepend(QChar(u'0' + w.divSmall(10)));
        } while (!w.isZero());
        return text.rightJustified(d.m_scale + 1, u'0');
    }
};

Decimal::Decimal(std::int64_t value)
{
    const std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    m_lo = std::uint32_t(magnitude);
    m_mid = std::uint32_t(magnitude >> 32);
    m_negative = value < 0;
}

std::optional<Decimal> Decimal::fromPlainText(QStringView text)
{
    text = text.trimmed();
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.mid(1);

    // Decimals past MaxScale + 1 cannot change the rounding, so they are read but not kept.
    Wide magnitude;
    int scale = 0;
    int digitCount = 0;
    bool afterPoint = false;
    for (const QChar c : text) {
        if (c == u'.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        ++digitCount;
        if (afterPoint && scale > MaxScale)
            continue;
        magnitude.mulSmall(10);
        magnitude.addSmall(c.unicode() - u'0');
        if (afterPoint)
            ++scale;
        else if (!magnitude.fits96())
            return std::nullopt;
    }
    if (digitCount == 0)
        return std::nullopt;
    return DecimalAccess::fit(magnitude, scale, negative);
}

QString Decimal::toPlainText() const
{
    QString text = DecimalAccess::digits(*this);
    if (m_scale > 0) {
        text.insert(text.size() - m_scale, u'.');
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (m_negative)
        text.prepend(u'-');
    return text;
}

bool Decimal::isZero() const { return m_lo == 0 && m_mid == 0 && m_hi == 0; }

bool Decimal::isNegative() const { return m_negative; }

Decimal Decimal::negated() const
{
    Decimal d = *this;
    d.m_negative = !m_negative && !isZero();
    return d;
}

Decimal Decimal::abs() const
{
    Decimal d = *this;
    d.m_negative = false;
    return d;
}

std::optional<Decimal> Decimal::plus(const Decimal& other) const
{
    const int scale = std::max(m_scale, other.m_scale);
    Wide a = DecimalAccess::aligned(*this, scale);
    const Wide b = DecimalAccess::aligned(other, scale);
    if (m_negative == other.m_negative)
        return DecimalAccess::fit(a += b, scale, m_negative);
    if (a >= b)
        return DecimalAccess::fit(a -= b, scale, m_negative);
    Wide difference = b;
    return DecimalAccess::fit(difference -= a, scale, other.m_negative);
}

std::optional<Decimal> Decimal::minus(const Decimal& other) const { return plus(other.negated()); }

std::optional<Decimal> Decimal::times(const Decimal& other) const
{
    return DecimalAccess::fit(DecimalAccess::magnitude(*this) * DecimalAccess::magnitude(other),
                              m_scale + other.m_scale, m_negative != other.m_negative);
}

std::optional<Decimal> Decimal::dividedBy(const Decimal& other) const
{
    if (other.isZero())
        return std::nullopt;
    // (a / 10^sa) / (b / 10^sb) = (a * 10^sb) / (b * 10^sa): the integer quotient first,
    // then one decimal at a time while it fits, plus one more digit to round by.
    const Wide numerator = DecimalAccess::aligned(*this, m_scale + other.m_scale);
    const Wide divisor = DecimalAccess::aligned(other, m_scale + other.m_scale);
    Wide rest;
    Wide quotient = Wide::divide(numerator, divisor, rest);
    int scale = 0;
    while (!rest.isZero() && scale <= MaxScale && quotient.fits96()) {
        rest.mulSmall(10);
        quotient.mulSmall(10);
        quotient.addSmall(rest.takeMultiplesOf(divisor));
        ++scale;
    }
    return DecimalAccess::fit(quotient, scale, m_negative != other.m_negative);
}

Decimal Decimal::rounded(int places, RoundingMode mode) const
{
    places = std::clamp(places, 0, MaxScale);
    if (places >= m_scale)
        return *this;
    // Dropping at least one digit always leaves room for rounding up.
    Wide w = DecimalAccess::magnitude(*this);
    std::uint32_t firstDropped = 0;
    bool restNonZero = false; // any non-zero digit dropped after the first one
    for (int count = m_scale - places; count > 0; --count) {
        restNonZero = restNonZero || firstDropped != 0;
        firstDropped = w.divSmall(10);
    }
    bool up = false;
    switch (mode) {
    case RoundingMode::HalfUp:
        up = firstDropped >= 5;
        break;
    case RoundingMode::HalfEven:
        up = firstDropped > 5 || (firstDropped == 5 && (restNonZero || (w.limb[0] & 1) != 0));
        break;
    case RoundingMode::Up:
        up = firstDropped != 0 || restNonZero;
        break;
    case RoundingMode::Down:
        break;
    }
    if (up)
        w.addSmall(1);
    return DecimalAccess::make(w, places, m_negative);
}

Decimal Decimal::floored() const
{
    Wide w = DecimalAccess::magnitude(*this);
    bool hadFraction = false;
    for (int s = m_scale; s > 0; --s)
        hadFraction = w.divSmall(10) != 0 || hadFraction;
    if (m_negative && hadFraction)
        w.addSmall(1);
    return DecimalAccess::make(w, 0, m_negative);
}

QString Decimal::integerDigits() const
{
    const QString all = DecimalAccess::digits(*this);
    return all.left(all.size() - m_scale);
}

QString Decimal::fractionDigits() const { return DecimalAccess::digits(*this).right(m_scale); }

double Decimal::toDouble() const { return toPlainText().toDouble(); }

std::optional<Decimal> Decimal::fromDouble15(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Scientific notation with 14 digits after the point: "-1.23450000000000e+05".
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                       std::chars_format::scientific, 14);
    if (written.ec != std::errc())
        return std::nullopt;
    std::uint64_t mantissa = 0;
    const char* p = text.data();
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            mantissa = mantissa * 10 + std::uint64_t(*p - '0');
    }
    int exponent = std::atoi(p + 1) - 14; // value = mantissa * 10^exponent
    while (mantissa != 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    if (exponent > 29) // 15 digits shifted that far exceed 2^96 anyway
        return std::nullopt;
    Wide magnitude;
    magnitude.limb[0] = std::uint32_t(mantissa);
    magnitude.limb[1] = std::uint32_t(mantissa >> 32);
    magnitude.scaleUp(std::max(exponent, 0));
    return DecimalAccess::fit(magnitude, std::max(-exponent, 0), value < 0);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b)
{
    if (a.m_negative != b.m_negative)
        return a.m_negative ? std::strong_ordering::less : std::strong_ordering::greater;
    const int scale = std::max(a.m_scale, b.m_scale);
    const auto order = DecimalAccess::aligned(a, scale) <=> DecimalAccess::aligned(b, scale);
    return a.m_negative ? 0 <=> order : order;
}

} // namespace numerette
