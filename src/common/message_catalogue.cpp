// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_catalogue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "message_texts.h"

using namespace Qt::StringLiterals;

namespace numerette {

const QString DoubleBreak = u"\r\n\r\n"_s;

namespace {

// English, the only language the catalogue holds.
constexpr int LanguageDigit = 2;

// What the platform's open call returns: 0 to 2 mean failure, anything above success.
constexpr int OpenFailed = 0;
constexpr int OpenSucceeded = 33;

DocumentOpener& installedOpener()
{
    static DocumentOpener opener;
    return opener;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString LoadMessage(int n, const QString& a1, const QString& a2, const QString& a3)
{
    QString text = storedMessageText(qint64(n) * 10 + LanguageDigit).toString();
    text.replace(u'|', u"\r\n"_s);

    // One pass over the stored text fills the first place of each argument, so an argument
    // holding a mark character is inserted as it is and never taken for a later place.
    const std::array<const QString*, 3> arguments{&a1, &a2, &a3};
    std::array<bool, 3> filled{};
    QString result;
    result.reserve(text.size() + a1.size() + a2.size() + a3.size());
    for (const QChar c : std::as_const(text)) {
        const auto mark = std::find(ArgumentMarks.begin(), ArgumentMarks.end(), c.unicode());
        const auto index = std::size_t(mark - ArgumentMarks.begin());
        if (mark != ArgumentMarks.end() && !filled[index]) {
            filled[index] = true;
            result += *arguments[index];
        } else {
            result += c;
        }
    }
    return result;
}

int OpenDocument(const QString& target)
{
    const DocumentOpener& opener = installedOpener();
    if (target.trimmed().isEmpty() || !opener)
        return OpenFailed;
    return opener(target) ? OpenSucceeded : OpenFailed;
}

void SetDocumentOpener(DocumentOpener opener)
{
    installedOpener() = std::move(opener);
}

double LeadingNumber(const QString& text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && isBlank(text[i]))
        ++i;

    // The accepted characters, rewritten in the form std::from_chars reads (no "+").
    std::string number;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    const auto takeDigits = [&](qsizetype& at, std::string& into) {
        const qsizetype start = at;
        for (; at < size && isDigit(text[at]); ++at)
            into += char(text[at].unicode());
        return at > start;
    };
    bool hasDigits = takeDigits(i, number);
    if (i < size && text[i] == u'.') {
        number += '.';
        ++i;
        hasDigits = takeDigits(i, number) || hasDigits;
    }
    if (!hasDigits)
        return 0;

    // An exponent counts only when digits follow the "E" and its sign.
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < size && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        if (takeDigits(j, exponent))
            number += exponent;
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    // A number beyond the range of double is no usable number; callers take 0 as "none".
    if (result.ec != std::errc{})
        return 0;
    return value;
}

} // namespace numerette
