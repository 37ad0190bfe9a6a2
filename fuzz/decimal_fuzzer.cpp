// SPDX-License-Identifier: GPL-3.0-or-later
// Parses arbitrary texts as numbers and checks what must hold between the parsers, the
// formatter and the arithmetic.
//
// Input: UTF-8 text; up to the first line break is the first number, the rest the second.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "calculator.h"
#include "decimal.h"
#include "fuzz_failure.h"
#include "number_text.h"

using namespace numerette;

namespace {

const NumberLocale PointLocale = NumberLocale::withDecimal(u'.');
const NumberLocale CommaLocale = NumberLocale::withDecimal(u',');

QString shown(const std::optional<Decimal>& value)
{
    return value ? value->toPlainText() : QStringLiteral("(none)");
}

void expectEqual(const std::optional<Decimal>& actual, const std::optional<Decimal>& expected, const QString& what)
{
    if (actual != expected)
        fuzzFailure(what + QStringLiteral(": ") + shown(actual) + QStringLiteral(" instead of ") + shown(expected));
}

// 10^-places, the step of the last decimal place kept.
const Decimal& unitOfPlace(int places)
{
    static const std::array<Decimal, Decimal::MaxScale + 1> units = [] {
        std::array<Decimal, Decimal::MaxScale + 1> all;
        all[0] = Decimal(1);
        for (int p = 1; p <= Decimal::MaxScale; ++p)
            all[std::size_t(p)] = *Decimal::fromPlainText(QString(QStringLiteral("0.") + QString(p - 1, u'0') + u'1'));
        return all;
    }();
    return units[std::size_t(places)];
}

int decimalPlaces(QStringView picture)
{
    const qsizetype point = picture.indexOf(u'.');
    return point < 0 ? 0 : int(picture.size() - point - 1);
}

void checkText(QStringView text)
{
    if (const auto plain = Decimal::fromPlainText(text)) {
        const QString written = plain->toPlainText();
        const auto reread = Decimal::fromPlainText(written);
        expectEqual(reread, plain, QStringLiteral("plain text \"") + written + u'"');
        if (reread->toPlainText() != written)
            fuzzFailure(QStringLiteral("plain text not canonical: ") + written);
    }
    // Without grouping separators in the text, both parsers read the same.
    if (!text.contains(u','))
        expectEqual(ValueOf(text, PointLocale), Decimal::fromPlainText(text),
                    QStringLiteral("ValueOf and plain text of \"") + text + u'"');

    const QString everyDecimal = QStringLiteral("#,##0.") + QString(Decimal::MaxScale, u'#');
    for (const NumberLocale& locale : {PointLocale, CommaLocale}) {
        const auto value = ValueOf(text, locale);
        if (!value)
            continue;
        const QString full = FormatPicture(*value, everyDecimal, locale);
        expectEqual(ValueOf(full, locale), value, QStringLiteral("formatted \"") + full + u'"');
        for (const NumberFormatChoice& format : NumberFormats) {
            const QString picture = QLatin1String(format.picture);
            const QString formatted = FormatPicture(*value, picture, locale);
            expectEqual(ValueOf(formatted, locale), value->rounded(decimalPlaces(picture)),
                        QStringLiteral("formatted with ") + picture + QStringLiteral(" \"") + formatted + u'"');
        }
        FormatPicture(*value, u"#00:00:00", locale);
        FormatPicture(*value, u"000", locale);
    }
}

void checkRounding(const Decimal& a)
{
    for (int places = 0; places <= Decimal::MaxScale; ++places) {
        const Decimal r = a.rounded(places);
        if (r.scale() > places)
            fuzzFailure(QStringLiteral("rounded to %1 places keeps %2").arg(places).arg(r.scale()));
        const auto error = a.minus(r);
        if (!error || *error->abs().times(Decimal(2)) > unitOfPlace(places))
            fuzzFailure(a.toPlainText() + QStringLiteral(" rounded to %1 places: ").arg(places) + r.toPlainText());
        if (*error->abs().times(Decimal(2)) == unitOfPlace(places) && r.abs() < a.abs())
            fuzzFailure(a.toPlainText() + QStringLiteral(" not rounded half away from zero: ") + r.toPlainText());
    }
    const Decimal f = a.floored();
    const auto fraction = a.minus(f);
    if (f.scale() != 0 || !fraction || fraction->isNegative() || *fraction >= Decimal(1))
        fuzzFailure(a.toPlainText() + QStringLiteral(" floored: ") + f.toPlainText());
    Decimal::fromDouble15(a.toDouble());
}

void checkArithmetic(const Decimal& a, const Decimal& b)
{
    const QString pair = a.toPlainText() + QStringLiteral(", ") + b.toPlainText();
    expectEqual(a.plus(b), b.plus(a), QStringLiteral("a + b against b + a for ") + pair);
    expectEqual(a.times(b), b.times(a), QStringLiteral("a × b against b × a for ") + pair);
    const auto difference = a.minus(b);
    const auto reverse = b.minus(a);
    expectEqual(difference, reverse ? std::optional(reverse->negated()) : std::nullopt,
                QStringLiteral("a - b against -(b - a) for ") + pair);
    if (difference && (*difference <=> Decimal()) != (a <=> b))
        fuzzFailure(QStringLiteral("the sign of a - b does not order ") + pair);
    if ((a == b) != (a.toPlainText() == b.toPlainText()))
        fuzzFailure(QStringLiteral("equal values with different texts: ") + pair);

    // Exact results undo exactly.
    const auto sum = a.plus(b);
    if (sum && sum->scale() == std::max(a.scale(), b.scale()))
        expectEqual(sum->minus(b), a, QStringLiteral("(a + b) - b for ") + pair);
    const auto product = a.times(b);
    if (product && !b.isZero() && product->scale() == a.scale() + b.scale())
        expectEqual(product->dividedBy(b), a, QStringLiteral("(a × b) ÷ b for ") + pair);
    if (b.isZero() && a.dividedBy(b))
        fuzzFailure(QStringLiteral("division by zero gave a value for ") + pair);
    a.dividedBy(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype lineBreak = input.indexOf(u'\n');
    const QStringView first = QStringView(input).first(lineBreak < 0 ? input.size() : lineBreak);
    const QStringView second = lineBreak < 0 ? QStringView() : QStringView(input).sliced(lineBreak + 1);
    checkText(first);
    checkText(second);

    const auto a = ValueOf(first, PointLocale);
    const auto b = ValueOf(second, PointLocale);
    if (a)
        checkRounding(*a);
    if (a && b)
        checkArithmetic(*a, *b);
    return 0;
}
