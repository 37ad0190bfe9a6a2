// SPDX-License-Identifier: GPL-3.0-or-later
#include "state_file.h"

#include <algorithm>
#include <array>

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

#include "damaged_copy.h"
#include "private_files.h"
#include "time_text.h"

namespace numerette {

namespace {

// Files of earlier versions have seven fields: no separator field, the date in the
// locale's order.
constexpr qsizetype EarlierFieldCount = 7;
constexpr qsizetype FieldCount = 8;
constexpr qsizetype GrandTotalFieldCount = 9;
constexpr int MaxGrandTotalCount = 99'999;
constexpr qint64 ReadPieceBytes = qint64(256) * 1024;
// The item counter's digits: three as written, more only on a list grown past its capacity.
constexpr qsizetype MaxCounterDigits = 5;

QString shortDateFormat(tape::DateOrder order)
{
    return order == tape::DateOrder::DayMonthYear ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy");
}

// A date of an earlier file: today when it reads as today in either order (the order of the
// locale may have changed since), otherwise what it reads as in the locale's order or else
// in the other one.
QDate earlierDate(const QString& text, const StateFileReader& reader)
{
    const tape::DateOrder other = reader.dateOrder == tape::DateOrder::DayMonthYear ? tape::DateOrder::MonthDayYear
                                                                                    : tape::DateOrder::DayMonthYear;
    const QDate inOrder = QDate::fromString(text, shortDateFormat(reader.dateOrder));
    const QDate inOther = QDate::fromString(text, shortDateFormat(other));
    if (inOrder == reader.today || inOther == reader.today)
        return reader.today;
    return inOrder.isValid() ? inOrder : inOther;
}

bool isNumber(const QString& text, const NumberLocale& locale)
{
    return ValueOf(text, locale).has_value();
}

// An entry or display being typed may stop at a sign or a decimal separator ("-", "12.").
bool isTypedNumber(const QString& text, const NumberLocale& locale)
{
    return !text.isEmpty() && (isNumber(text, locale) || isNumber(text + QLatin1Char('0'), locale));
}

// The three number fields as the calculator writes them with these separators.
bool numbersReadWith(const QStringList& f, const NumberLocale& locale)
{
    const QString& total = f[2];
    const bool totalRead = isNumber(total, locale) || (total.contains(u':') && ConvertTime(total, locale));
    return totalRead && (f[4].isEmpty() || isTypedNumber(f[4], locale)) && isTypedNumber(f[5], locale);
}

NumberLocale otherSeparators(const NumberLocale& locale)
{
    return NumberLocale::withDecimal(locale.group);
}

// The separators an earlier file's numbers were written with: the reader's, unless they
// plainly read only with the other ones (e.g. "30.00" where "," is the decimal separator).
std::optional<NumberLocale> earlierSeparators(const QStringList& f, const NumberLocale& reader)
{
    const NumberLocale other = otherSeparators(reader);
    if (numbersReadWith(f, reader.withThousandsGrouping()))
        return reader;
    if (numbersReadWith(f, other.withThousandsGrouping()))
        return other;
    if (numbersReadWith(f, reader))
        return reader;
    return std::nullopt;
}

QString withSeparatorsSwapped(QString text)
{
    for (QChar& c : text) {
        if (c == u'.')
            c = u',';
        else if (c == u',')
            c = u'.';
    }
    return text;
}

bool isCounter(const QString& text)
{
    return !text.isEmpty() && text.size() <= MaxCounterDigits
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The ninth field: empty, or a count of at least one and the sum.
std::optional<GrandTotalRegister> grandTotalOf(const QString& field)
{
    if (field.isEmpty())
        return GrandTotalRegister{};
    const qsizetype blank = field.indexOf(u' ');
    bool counted = false;
    const int count = blank > 0 ? field.left(blank).toInt(&counted) : 0;
    const QStringView digits = QStringView(field).left(blank);
    const bool plainDigits = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const auto sum = blank > 0 ? Decimal::fromPlainText(QStringView(field).sliced(blank + 1)) : std::nullopt;
    if (!counted || !plainDigits || count < 1 || count > MaxGrandTotalCount || !sum)
        return std::nullopt;
    return GrandTotalRegister{*sum, count};
}

QString grandTotalField(const GrandTotalRegister& grandTotal)
{
    return QString::number(grandTotal.count) + u' ' + grandTotal.value.toPlainText();
}

// The record of parsed fields, its numbers in the reader's separators; nothing when a field
// is not what the calculator writes.
std::optional<CalculatorStateRecord> recordOf(const QStringList& f, const StateFileReader& reader)
{
    const bool earlier = f.size() == EarlierFieldCount;
    const QDate date = earlier ? earlierDate(f[0], reader) : QDate::fromString(f[0], Qt::ISODate);
    std::optional<NumberLocale> written;
    if (earlier)
        written = earlierSeparators(f, reader.locale);
    else if (f[7] == u"." || f[7] == u",")
        written = NumberLocale::withDecimal(f[7].front());
    // The file's dates are written with four-digit years; "yyyy" would also read a signed year.
    const bool writableDate = date.isValid() && date.year() >= 1 && date.year() <= 9999;
    const auto grandTotal = grandTotalOf(f.size() == GrandTotalFieldCount ? f[8] : QString());
    const auto pendingOperator = operatorFromText(f[3]);
    if (!writableDate || !written || !numbersReadWith(f, *written) || !pendingOperator || !isCounter(f[6])
        || !grandTotal)
        return std::nullopt;
    const auto converted = [&](const QString& number) {
        return written->decimal == reader.locale.decimal ? number : withSeparatorsSwapped(number);
    };
    return CalculatorStateRecord{date, f[1],       converted(f[2]), *pendingOperator, converted(f[4]), converted(f[5]),
                                 f[6], *grandTotal};
}

QString quoted(const QString& field)
{
    return QLatin1Char('"') + QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

constexpr qsizetype ListField = 1;

// Where a field's text lies, its doubled quotes still doubled.
struct FieldSpan {
    qsizetype from;
    qsizetype to;
};

// Seven, eight or nine quoted fields separated by commas; after the last one only CR LF or
// nothing.
std::optional<QList<FieldSpan>> fieldSpans(QStringView text)
{
    QList<FieldSpan> spans;
    qsizetype at = 0;
    while (spans.size() < GrandTotalFieldCount) {
        const bool mayEnd = spans.size() == EarlierFieldCount || spans.size() == FieldCount;
        if (mayEnd && (at == text.size() || text.sliced(at) == u"\r\n"))
            break;
        if (!spans.isEmpty() && (at >= text.size() || text[at++] != u','))
            return std::nullopt;
        if (at >= text.size() || text[at++] != u'"')
            return std::nullopt;
        const qsizetype from = at;
        for (;;) {
            const qsizetype quote = text.indexOf(u'"', at);
            if (quote < 0)
                return std::nullopt;
            at = quote + 1;
            if (at < text.size() && text[at] == u'"')
                ++at;
            else
                break;
        }
        spans.append({from, at - 1});
    }
    const QStringView rest = text.sliced(at);
    if (!rest.isEmpty() && rest != u"\r\n")
        return std::nullopt;
    return spans;
}

QString& withSingleQuotes(QString& field)
{
    return field.replace(QLatin1String("\"\""), QLatin1String("\""));
}

std::optional<QStringList> parseRecord(QString text)
{
    const std::optional<QList<FieldSpan>> spans = fieldSpans(text);
    if (!spans)
        return std::nullopt;
    QStringList fields;
    for (qsizetype field = 0; field < spans->size(); ++field) {
        const FieldSpan span = spans->at(field);
        QString value = field == ListField ? QString() : text.sliced(span.from, span.to - span.from);
        fields.append(withSingleQuotes(value));
    }
    // The list, by far the largest field, is cut out of the text in place rather than copied,
    // so that a large file is not held twice.
    const FieldSpan list = spans->at(ListField);
    text.truncate(list.to);
    text.remove(0, list.from);
    fields[ListField] = std::move(withSingleQuotes(text));
    return fields;
}

std::optional<QStringList> parseFile(QFile& file)
{
    if (!files::openRegularFile(file) || file.size() > MaxStateFileBytes)
        return std::nullopt;
    // Read and decoded piece by piece into text made room for once: a large file is then
    // never held as its bytes and its text at the same time. A file that grows past the
    // limit meanwhile is no state file either.
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text;
    text.reserve(file.size());
    qint64 read = 0;
    for (QByteArray piece = file.read(ReadPieceBytes); !piece.isEmpty(); piece = file.read(ReadPieceBytes)) {
        read += piece.size();
        if (read > MaxStateFileBytes)
            return std::nullopt;
        text += decoder.decode(piece);
    }
    if (decoder.hasError() || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parseRecord(std::move(text));
}

} // namespace

QString stateFilePath(int hostTag)
{
    return files::dataFilePath(QStringLiteral("numeret") + QString::number(hostTag) + QStringLiteral(".fita"));
}

StateFileContents loadStateFile(const QString& path, const StateFileReader& reader)
{
    // A dangling link is something there too, not a missing file.
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {};
    QFile file(path);
    const std::optional<QStringList> fields = parseFile(file);
    file.close();
    if (!fields)
        return {std::nullopt, true, false, files::keepDamagedCopy(path)};
    if (std::optional<CalculatorStateRecord> record = recordOf(*fields, reader))
        return {std::move(record), false, false, QString()};
    CalculatorStateRecord listOnly;
    listOnly.date = reader.today;
    listOnly.list = fields->at(1);
    return {std::move(listOnly), true, true, files::keepDamagedCopy(path)};
}

std::optional<CalculatorStateRecord> readStateFile(const QString& path, const StateFileReader& reader)
{
    const StateFileContents contents = loadStateFile(path, reader);
    return contents.listOnly ? std::nullopt : contents.record;
}

bool writeStateFile(const QString& path, const CalculatorStateRecord& record, const NumberLocale& locale,
                    QString* error)
{
    QStringList fields{record.date.toString(Qt::ISODate),
                       record.list,
                       record.total,
                       operatorText(record.pendingOperator),
                       record.entry,
                       record.display,
                       record.counter,
                       QString(locale.decimal)};
    if (record.grandTotal.count > 0)
        fields.append(grandTotalField(record.grandTotal));
    QStringList quotedFields;
    for (const QString& field : fields)
        quotedFields.append(quoted(field));
    return files::replaceFile(path, (quotedFields.join(QLatin1Char(',')) + QStringLiteral("\r\n")).toUtf8(), error);
}

} // namespace numerette
