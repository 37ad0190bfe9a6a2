// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <QVarLengthArray>

namespace numerette {

namespace {

// What a picture asks for. Integer part: each '0' is a digit always written, ',' turns
// on grouping by thousands, ':' is written before the digits that follow it in the picture.
// After '.': each '0' is a decimal always written, each '#' one written unless it is zero.
struct Picture {
    int minIntegerDigits = 0;
    bool grouping = false;
    QVarLengthArray<int, 4> colonsFromRight; // digit counts to the right of each ':'
    bool hasPoint = false;
    int fixedDecimals = 0;
    int optionalDecimals = 0;

    explicit Picture(QStringView picture)
    {
        int integerPlaces = 0;
        for (const QChar c : picture) {
            if (c == u'.') {
                hasPoint = true;
            } else if (hasPoint) {
                fixedDecimals += c == u'0';
                optionalDecimals += c == u'#';
            } else if (c == u'0' || c == u'#') {
                minIntegerDigits += c == u'0';
                ++integerPlaces;
            } else if (c == u',') {
                grouping = true;
            } else if (c == u':') {
                colonsFromRight.append(integerPlaces);
            }
        }
        for (int& colon : colonsFromRight)
            colon = integerPlaces - colon;
    }
};

QString integerText(const Decimal& value, const Picture& picture, QChar group)
{
    QString digits = value.integerDigits();
    if (picture.minIntegerDigits == 0 && digits == u"0")
        digits.clear();
    digits = digits.rightJustified(picture.minIntegerDigits, u'0');
    if (picture.grouping) {
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
            digits.insert(at, group);
    }
    for (const int fromRight : picture.colonsFromRight) {
        if (fromRight > 0 && fromRight < digits.size())
            digits.insert(digits.size() - fromRight, u':');
    }
    return digits;
}

} // namespace

NumberLocale NumberLocale::withDecimal(QChar decimal)
{
    return {decimal, decimal == u',' ? QLatin1Char('.') : QLatin1Char(',')};
}

NumberLocale NumberLocale::withThousandsGrouping() const
{
    NumberLocale strict = *this;
    strict.thousandsGrouping = true;
    return strict;
}

std::optional<Decimal> ValueOf(QStringView text, const NumberLocale& locale)
{
    text = text.trimmed();
    QString plain;
    plain.reserve(text.size());
    bool afterPoint = false;
    // Integer digits since the start or since the last grouping separator.
    int groupDigits = 0;
    bool grouped = false;
    // By thousands, the first group holds one to three digits and every later one three.
    const auto groupIsWhole = [&] { return !locale.thousandsGrouping || !grouped || groupDigits == 3; };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            plain.append(c);
            groupDigits += afterPoint ? 0 : 1;
        } else if (c == u'-' && i == 0) {
            plain.append(c);
        } else if (c == locale.decimal && !afterPoint) {
            if (!groupIsWhole())
                return std::nullopt;
            afterPoint = true;
            plain.append(u'.');
        } else if (c != locale.group || afterPoint || i == 0 || !text[i - 1].isDigit()
                   || i + 1 == text.size() || !text[i + 1].isDigit()) {
            // A grouping separator is only accepted between two digits of the integer part.
            return std::nullopt;
        } else {
            if (!groupIsWhole() || (locale.thousandsGrouping && groupDigits > 3))
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
        }
    }
    if (!afterPoint && !groupIsWhole())
        return std::nullopt;
    return Decimal::fromPlainText(plain);
}

QString FormatPicture(const Decimal& value, QStringView picture, const NumberLocale& locale,
                      RoundingMode rounding)
{
    const Picture format(picture);
    const Decimal shown = value.rounded(format.fixedDecimals + format.optionalDecimals, rounding);

    QString text = value.isNegative() ? QStringLiteral("-") : QString();
    text += integerText(shown, format, locale.group);
    if (format.hasPoint) {
        QString decimals = shown.fractionDigits().leftJustified(
            format.fixedDecimals + format.optionalDecimals, u'0');
        while (decimals.size() > format.fixedDecimals && decimals.endsWith(u'0'))
            decimals.chop(1);
        text += locale.decimal + decimals;
    }
    return text;
}

QString FormatPicture(QStringView text, QStringView picture, const NumberLocale& locale)
{
    const std::optional<Decimal> value = ValueOf(text, locale);
    return value ? FormatPicture(*value, picture, locale) : text.toString();
}

QString FormatAmount(QStringView text, const NumberLocale& locale)
{
    return FormatPicture(ValueOf(text, locale).value_or(Decimal()), u"#,##0.00", locale);
}

} // namespace numerette
