// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_lines.h"

#include <algorithm>

#include <QCoreApplication>
#include <QRegularExpression>

#include "languages.h"

namespace numerette::tape {
namespace {

//: Tape line above a corrected item, at most 26 columns; %1 is the item's number and %2
//: the number of items, three digits each
const char* const CorrectionHeaderText = QT_TRANSLATE_NOOP("CorrectionHeader", " CORRECTED ITEM %1 OF %2");

constexpr QChar Times = QChar(0x00D7);
constexpr QChar Divide = QChar(0x00F7);

bool isOperatorMark(QChar c)
{
    return c == u'+' || c == u'-' || c == Times || c == Divide || c == u'%' || c == u'=';
}

// A value as an item line shows it: a number in either locale or a duration, without
// letters or inner blanks.
bool isValueText(QStringView text)
{
    static const QRegularExpression value(QStringLiteral("^-?[0-9.,]*[0-9][0-9.,]*(:[0-9]{2}:[0-9]{2})?$"));
    return value.match(text).hasMatch();
}

std::optional<QDate> headerDate(QStringView line, DateOrder order)
{
    static const QRegularExpression header(QStringLiteral("^ (\\d{2}/\\d{2}/\\d{4}) \\S{1,3} *$"));
    const auto match = header.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(match.captured(1), order == DateOrder::DayMonthYear
                                                                 ? QStringLiteral("dd/MM/yyyy")
                                                                 : QStringLiteral("MM/dd/yyyy"));
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// What every language's header holds: a word and an item number. Most lines lack one, and
// are told apart without the other languages' catalogues, which the full test loads.
bool mayBeCorrectionHeader(QStringView line)
{
    static const QRegularExpression wordAndNumber(QStringLiteral("\\p{L}{2}.*\\d{3}|\\d{3}.*\\p{L}{2}"));
    return wordAndNumber.match(line).hasMatch();
}

// Reads the header in every language the program speaks, whichever one wrote it.
bool isCorrectionHeader(QStringView line)
{
    if (!mayBeCorrectionHeader(line))
        return false;
    static const QRegularExpression header = [] {
        QStringList patterns;
        for (const QString& form : textInEachLanguage("CorrectionHeader", CorrectionHeaderText)) {
            // The item numbers stand where %1 and %2 stand; the words around them are literal.
            static const QRegularExpression place(QStringLiteral("%[12]"));
            QStringList words = form.split(place);
            for (QString& word : words)
                word = QRegularExpression::escape(word);
            const QString pattern = words.join(QStringLiteral("\\d{3,}"));
            if (!patterns.contains(pattern))
                patterns.append(pattern);
        }
        return QRegularExpression(QStringLiteral("^(?:") + patterns.join(u'|') + QStringLiteral(")$"));
    }();
    return header.match(line).hasMatch();
}

bool isCountLine(QStringView line)
{
    static const QRegularExpression count(QStringLiteral("^ \\d{3,} {22}$"));
    return count.match(line).hasMatch();
}

bool isTotalLine(QStringView line)
{
    return line.size() == TapeColumns && line.at(24) == u' ' && (line.at(25) == u'T' || line.at(25) == u'E')
        && !line.left(ValueColumns).trimmed().isEmpty();
}

bool isFigureMark(QChar c)
{
    static const QString marks = [] {
        QString letters;
        for (const QString& marker : {marker::GrandTotal, marker::Net, marker::Tax, marker::Gross, marker::Cost,
                                      marker::Margin, marker::Sell, marker::Profit})
            letters += marker.back();
        return letters;
    }();
    return marks.contains(c);
}

bool isSeparatorLine(QStringView line)
{
    const QStringView bare = line.trimmed();
    return !bare.isEmpty() && bare.count(u'=') == bare.size();
}

} // namespace

LineKind lineShape(QStringView line, DateOrder order)
{
    if (headerDate(line, order) || isCorrectionHeader(line))
        return LineKind::Header;
    if (isSeparatorLine(line))
        return LineKind::Separator;
    if (line == Divider)
        return LineKind::Divider;
    if (isCountLine(line))
        return LineKind::Count;
    if (isTotalLine(line))
        return LineKind::Total;
    if (itemParts(line))
        return LineKind::Item;
    if (figureParts(line))
        return LineKind::Figure;
    return line.size() == TapeColumns ? LineKind::Report : LineKind::Text;
}

std::optional<FigureParts> figureParts(QStringView line)
{
    if (line.size() != TapeColumns || line.at(24) != u' ' || !isFigureMark(line.at(25)))
        return std::nullopt;
    const QStringView value = line.left(ValueColumns).trimmed();
    if (!isValueText(value))
        return std::nullopt;
    return FigureParts{value.toString(), line.at(25)};
}

namespace {

// Free text is at most 25 columns wide; the tools write whole 26-column lines. The business
// keys write figures, the grand total below the count of its totals.
LineKind outsideCalculation(const QList<TapeLine>& lines, qsizetype i)
{
    const TapeLine& line = lines[i];
    if (line.kind == LineKind::Header || line.kind == LineKind::Separator || line.kind == LineKind::Figure)
        return line.kind;
    const bool countOfGrandTotal = line.kind == LineKind::Count && i + 1 < lines.size()
        && lines[i + 1].kind == LineKind::Figure && lines[i + 1].text.back() == marker::GrandTotal.back();
    if (countOfGrandTotal)
        return LineKind::Count;
    return line.text.size() == TapeColumns ? LineKind::Report : LineKind::Text;
}

// Lines from `first` up to `end` (a separator or the end of the list): a calculation when
// a count line and a total line close it, a running calculation when it is the list's
// open end and holds only items, otherwise text and tool reports.
void settleBlock(QList<TapeLine>& lines, qsizetype first, qsizetype end, bool open)
{
    qsizetype count = -1;
    for (qsizetype i = first; i + 1 < end; ++i) {
        if (lines[i].kind == LineKind::Count && lines[i + 1].kind == LineKind::Total)
            count = i;
    }
    bool running = open && count < 0;
    for (qsizetype i = first; running && i < end; ++i)
        running = lines[i].kind == LineKind::Item || lines[i].kind == LineKind::Header;
    for (qsizetype i = first; i < end; ++i) {
        TapeLine& line = lines[i];
        const bool inCalculation = running || (count >= 0 && i <= count + 1);
        if (!inCalculation)
            line.kind = outsideCalculation(lines, i);
        else if (i < count && line.kind != LineKind::Item && line.kind != LineKind::Divider)
            line.kind = line.kind == LineKind::Header ? LineKind::Header : LineKind::Text;
    }
}

} // namespace

std::optional<ItemParts> itemParts(QStringView line)
{
    if (line.size() != TapeColumns || line.at(24) != u' ' || !isOperatorMark(line.at(25)))
        return std::nullopt;
    const QStringView whole = line.left(ValueColumns).trimmed();
    if (isValueText(whole))
        return ItemParts{whole.toString(), line.at(25), QString()};
    // A labelled item: the label in columns 2 to 13, the value in columns 14 to 24.
    const QStringView value = line.mid(LabelColumns + 1, ValueColumns - LabelColumns - 1).trimmed();
    if (line.at(0) != u' ' || !isValueText(value))
        return std::nullopt;
    return ItemParts{value.toString(), line.at(25), line.mid(1, LabelColumns).trimmed().toString()};
}

int operatorKeyOf(QChar op, bool addMode)
{
    switch (op.unicode()) {
    case u'+': return addMode ? 2 : u'+';
    case u'-': return u'-';
    case 0x00D7: return u'*';
    case 0x00F7: return u'/';
    case u'%': return u'%';
    case u'=': return u'=';
    default: return 0;
    }
}

QChar operatorOf(int key)
{
    switch (key) {
    case 2:
    case u'+': return u'+';
    case u'-': return u'-';
    case u'*': return Times;
    case u'/': return Divide;
    case u'%': return u'%';
    case u'=': return u'=';
    default: return {};
    }
}

QList<TapeLine> readLines(const QString& list, DateOrder order)
{
    QList<TapeLine> lines;
    QDate date;
    for (qsizetype at = 0; at < list.size();) {
        qsizetype end = list.indexOf(LineBreak, at);
        if (end < 0)
            end = list.size();
        TapeLine line;
        line.text = list.mid(at, end - at);
        line.position = at;
        line.kind = lineShape(line.text, order);
        if (const auto header = headerDate(line.text, order))
            date = *header;
        line.date = date;
        lines.append(line);
        at = end + LineBreak.size();
    }
    qsizetype first = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Separator) {
            settleBlock(lines, first, i, false);
            first = i + 1;
        }
    }
    settleBlock(lines, first, lines.size(), true);
    return lines;
}

QString correctionHeader(int item, int itemCount)
{
    const auto number = [](int n) { return QString::number(n).rightJustified(3, u'0'); };
    return QCoreApplication::translate("CorrectionHeader", CorrectionHeaderText)
        .arg(number(item), number(itemCount));
}

qsizetype lineStartAt(const QString& list, qsizetype position)
{
    position = std::clamp<qsizetype>(position, 0, list.size());
    const qsizetype previous = position > 0 ? list.lastIndexOf(u'\n', position - 1) : -1;
    return previous + 1;
}

qsizetype nextLineStart(const QString& list, qsizetype position)
{
    const qsizetype end = list.indexOf(u'\n', std::clamp<qsizetype>(position, 0, list.size()));
    return end < 0 ? list.size() : end + 1;
}

} // namespace numerette::tape
