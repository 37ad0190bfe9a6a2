// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_catalogue.h"

#include <array>
#include <charconv>
#include <string>
#include <utility>

#include <QCoreApplication>

#include "languages.h"
#include "message_texts.h"

using namespace Qt::StringLiterals;

namespace numerette {

const QString DoubleBreak = u"\r\n\r\n"_s;

namespace {

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

QString LoadMessage(Message id, const QString& a1, const QString& a2, const QString& a3)
{
    QString text = QCoreApplication::translate("Message", messageSource(id));
    text.replace(u'\n', u"\r\n"_s);

    // One pass over the text fills the first place of each argument, so an argument holding
    // "%2" is inserted as it is and never taken for a later place; any other "%" stays.
    const std::array<const QString*, 3> arguments{&a1, &a2, &a3};
    std::array<bool, 3> filled{};
    QString result;
    result.reserve(text.size() + a1.size() + a2.size() + a3.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t next = i + 1 < text.size() ? text[i + 1].unicode() : u'\0';
        if (c == u'%' && next >= u'1' && next <= u'3') {
            const auto index = std::size_t(next - u'1');
            if (!filled[index]) {
                filled[index] = true;
                result += *arguments[index];
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

QStringList messageInEachLanguage(Message id)
{
    QStringList forms = textInEachLanguage("Message", messageSource(id));
    for (QString& form : forms)
        form.replace(u'\n', u"\r\n"_s);
    return forms;
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
