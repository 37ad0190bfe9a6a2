// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboard_reading.h"

#include <optional>

#include "calculation_list.h"
#include "calculator.h"
#include "message_catalogue.h"
#include "number_text.h"

namespace numerette {

namespace {

constexpr int EnterCode = 13;
constexpr QChar Cr = u'\r';
constexpr QChar Tab = u'\t';

// Trims blanks only: a tab at either end still separates columns.
QStringView trimBlanks(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.mid(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// One reading of one clipboard text. The text is read line by line from the end of each
// line back to the first character that cannot belong to a number, so a leading label
// ("Rice  1,234.50") is passed over.
class Reading {
public:
    Reading(Calculator& calculator, ClipboardPort& clipboard)
        : m_calc(calculator)
        , m_clipboard(clipboard)
        , m_locale(calculator.numberLocale())
    {
    }

    ClipboardReading run(QString text);

private:
    bool isNumber(QStringView text) const { return ValueOf(text.trimmed(), m_locale).has_value(); }
    // Whether the text's first two characters begin a number: "12", "-1", or a digit
    // followed by a separator, as in "1,234.50".
    bool beginsWithNumber(QStringView text) const
    {
        const bool digitThenSeparator = text.size() >= 2 && text.at(0).isDigit()
            && (text.at(1) == m_locale.group || text.at(1) == m_locale.decimal);
        return digitThenSeparator || isNumber(text.left(2));
    }
    QString shown(QStringView text, QStringView picture) const
    {
        return FormatPicture(text.trimmed(), picture, m_locale);
    }
    // Whether c ends a number when reading back from a line's end.
    bool endsNumber(QChar c, bool columnsJoined) const
    {
        if (columnsJoined && c == Tab)
            return false;
        return !(c.isDigit() && c.unicode() < 128) && c != u' ' && c != u'-' && c != u'.' && c != u',';
    }
    bool readTime(QString& text);
    QStringView tailPiece(const QString& text, qsizetype lineEnd, bool columnsJoined) const;
    // What one line of a copy gives: the number it adds (empty when none) and the product
    // of its two columns; nothing when its second column is no number.
    struct Line {
        QString candidate;
        QString product;
    };
    std::optional<Line> readLine(QStringView piece, bool columnsJoined) const;
    bool adds(const QString& candidate) const;
    bool columnsJoined(const QString& text) const;
    qsizetype itemCount(const QString& text) const;
    std::optional<ClipboardReading> readLines(const QString& text, bool wholeIsNumber);
    void add(const QString& candidate);

    Calculator& m_calc;
    ClipboardPort& m_clipboard;
    const NumberLocale& m_locale;
    QString m_candidate;
    bool m_added = false;
};

// In time mode a copied clock text "h:mm:ss" becomes the digits it is typed with
// (1:30:45 gives 13045), which the clipboard then holds. A copied number or several lines
// are only cleared away; other text without ":" is left alone, since writing it back
// would be taken for a new copy.
bool Reading::readTime(QString& text)
{
    if (text.isEmpty())
        return false;
    if (text.contains(Cr) || text.contains(u'\n') || isNumber(text)) {
        m_clipboard.clearClipboard();
        return false;
    }
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return false;
    m_clipboard.clearClipboard();
    text = text.left(colon) + text.mid(colon + 1, 2) + text.right(2);
    m_clipboard.setClipboardText(text);
    return true;
}

// The number-like tail of one line: back from its end to the first character that cannot
// belong to a number (a tab belongs to it when columns are joined), then, while that is no
// number, the part after its first blank.
QStringView Reading::tailPiece(const QString& text, qsizetype lineEnd, bool columnsJoined) const
{
    qsizetype from = lineEnd;
    while (from > 0 && !endsNumber(text[from - 1], columnsJoined))
        --from;
    QStringView piece = QStringView(text).mid(from, lineEnd - from);
    while (!piece.isEmpty() && !isNumber(piece)) {
        const QStringView trimmed = trimBlanks(piece);
        const qsizetype blank = trimmed.indexOf(u' ');
        if (blank < 0)
            break;
        piece = trimBlanks(trimmed.mid(blank + 1));
    }
    return piece;
}

// The text begins with a non-zero number: a tab then joins two columns of a row.
bool Reading::columnsJoined(const QString& text) const
{
    return LeadingNumber(text) != 0
        || (text.startsWith(QLatin1Char('0') + m_locale.decimal) && LeadingNumber(text.mid(2)) != 0);
}

std::optional<Reading::Line> Reading::readLine(QStringView piece, bool columnsJoined) const
{
    Line line;
    if (const qsizetype tab = piece.indexOf(Tab); columnsJoined && tab >= 0) {
        const QStringView a = piece.left(tab);
        const QStringView b = piece.mid(tab + 1);
        const auto bValue = ValueOf(b.trimmed(), m_locale);
        if (!bValue)
            return std::nullopt;
        if (const auto aValue = ValueOf(a.trimmed(), m_locale)) {
            if (const auto product = aValue->times(*bValue)) {
                line.candidate = FormatAmount(product->toPlainText(), m_locale);
                line.product = line.candidate;
            }
        }
    }
    if (isNumber(piece))
        line.candidate = piece.toString();
    return line;
}

bool Reading::adds(const QString& candidate) const
{
    const auto value = ValueOf(candidate.trimmed(), m_locale);
    return value && !value->isZero();
}

// How many items the lines would add, up to the first line that stops the reading.
qsizetype Reading::itemCount(const QString& text) const
{
    const bool joined = columnsJoined(text);
    qsizetype count = 0;
    for (qsizetype lineStart = 0; lineStart < text.size();) {
        const qsizetype lineEnd = text.indexOf(Cr, lineStart);
        const QStringView piece = tailPiece(text, lineEnd, joined);
        lineStart = lineEnd + 1;
        if (piece.isEmpty())
            continue;
        const std::optional<Line> line = readLine(piece, joined);
        if (!line)
            break;
        if (adds(line->candidate))
            ++count;
    }
    return count;
}

std::optional<ClipboardReading> Reading::readLines(const QString& text, bool wholeIsNumber)
{
    const bool joined = columnsJoined(text);
    QString products;
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        const qsizetype lineEnd = text.indexOf(Cr, lineStart);
        const QStringView piece = tailPiece(text, lineEnd, joined);
        lineStart = lineEnd + 1;
        if (piece.isEmpty())
            continue;

        const std::optional<Line> line = readLine(piece, joined);
        if (!line) {
            m_clipboard.clearClipboard();
            return ClipboardReading::InvalidSelection;
        }
        if (!line->product.isEmpty())
            products += line->product + tape::LineBreak;
        QString candidate = line->candidate;
        // A line whose tail is no number adds nothing (it does not repeat the line before).
        if (candidate.isEmpty())
            continue;
        if (adds(candidate)) {
            add(candidate);
            if (wholeIsNumber) {
                m_clipboard.clearClipboard();
                candidate.clear();
            }
        }
        m_candidate = candidate;
        m_calc.setLastClipboardText(candidate);
    }
    m_calc.setPendingClipboardText(products);
    return std::nullopt;
}

// The candidate becomes the entry and goes onto the list as an item, as the keypad's
// plus key would put it there.
void Reading::add(const QString& candidate)
{
    QString entry = shown(candidate, m_calc.NumberFormat()).left(tape::MaxValueLength);
    if (entry.endsWith(m_locale.decimal))
        entry.chop(1);
    m_calc.enterNumber(entry);
    m_added = true;
    int code = m_calc.addMode() ? EnterCode : int('+');
    m_calc.Form_KeyPress(code);
    m_calc.releaseButton(Button::Mais);
}

ClipboardReading Reading::run(QString text)
{
    m_calc.setPendingClipboardText(QString());
    // Checked before the time reading too, so that a time total the calculator put on the
    // clipboard stays there as it was written.
    if (text == m_calc.LastClipboardText() || (m_calc.timeMode() && !readTime(text)))
        return ClipboardReading::Ignored;

    const qsizetype selected = m_calc.listSelectionLength();
    if (selected > 0 && QStringView(m_calc.list()).mid(m_calc.listSelectionStart(), selected) == text) {
        m_calc.setLastClipboardText(text);
        return ClipboardReading::CopiedFromList;
    }
    const QString& last = m_calc.LastClipboardText();
    // What the user copies while editing the list is text, not numbers to add.
    if (text.isEmpty() || text.startsWith(u'(') || m_calc.editMode() || text == last
        || shown(text, u"#00:00:00") == last)
        return ClipboardReading::Ignored;
    const bool wholeIsNumber = isNumber(text);
    if (wholeIsNumber && shown(text, m_calc.NumberFormat()) == shown(last, m_calc.NumberFormat()))
        return ClipboardReading::Ignored;

    // A text that does not begin with a number ends in letters, so that its last line
    // yields no number. Every line then ends with a CR.
    QString lines = text;
    if (!beginsWithNumber(text))
        lines += QStringLiteral("aa");
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(u'\n', Cr);
    lines += Cr;
    // A copy is taken whole or not at all, never as part of a column under a total that
    // looks whole. Past the limit it stays on the clipboard, as text already seen.
    if (itemCount(lines) > MaxCopiedItems) {
        m_calc.setLastClipboardText(text);
        return ClipboardReading::TooLong;
    }
    if (const auto stop = readLines(lines, wholeIsNumber))
        return *stop;

    // More than one line was taken: the total puts the products, or else the total, on
    // the clipboard and remembers it.
    if (!m_candidate.isEmpty() && shown(m_candidate, m_calc.NumberFormat()) != shown(text, m_calc.NumberFormat())) {
        m_calc.setLastClipboardText(text);
        int code = '=';
        m_calc.Form_KeyPress(code);
        m_calc.releaseButton(Button::Igual);
    }
    return m_added ? ClipboardReading::Taken : ClipboardReading::Ignored;
}

} // namespace

ClipboardReading readClipboard(Calculator& calculator, ClipboardPort& clipboard, const QString& text)
{
    return Reading(calculator, clipboard).run(text);
}

} // namespace numerette
