// SPDX-License-Identifier: GPL-3.0-or-later
#include "archived_calculation.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include "tape_lines.h"

namespace numerette::history {
namespace {

using tape::LineKind;

std::optional<Decimal> amountOf(const QString& shown, const NumberLocale& locale)
{
    if (shown.contains(u':'))
        return std::nullopt;
    return ValueOf(shown, locale.withThousandsGrouping());
}

// Reads one line into the block it belongs to.
void takeLine(ArchivedCalculation& block, const tape::TapeLine& line, const NumberLocale& locale)
{
    switch (line.kind) {
    case LineKind::Item:
        if (const auto parts = tape::itemParts(line.text)) {
            block.items.append({amountOf(parts->value, locale), parts->value, parts->op, parts->label.trimmed()});
            if (!parts->label.trimmed().isEmpty())
                block.labels += (block.labels.isEmpty() ? QString() : QStringLiteral(" ")) + parts->label.trimmed();
        }
        break;
    case LineKind::Count:
        block.itemCount = line.text.trimmed().toInt();
        break;
    case LineKind::Total:
        block.totalText = line.text.left(tape::ValueColumns).trimmed();
        block.total = amountOf(block.totalText, locale);
        break;
    case LineKind::Text:
    case LineKind::Report:
    case LineKind::Figure:
        if (!line.text.trimmed().isEmpty())
            block.notes += (block.notes.isEmpty() ? QString() : QStringLiteral("\n")) + line.text.trimmed();
        break;
    case LineKind::Header:
    case LineKind::Separator:
    case LineKind::Divider:
        break;
    }
}

bool worthKeeping(const ArchivedCalculation& block)
{
    return !block.totalText.isEmpty() || !block.notes.isEmpty() || !block.items.isEmpty();
}

} // namespace

QString ArchivedCalculation::fingerprint() const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(day.toString(Qt::ISODate).toUtf8());
    hash.addData(QByteArray::number(position));
    hash.addData(text.toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}

QList<ArchivedCalculation> closedBlocks(const QString& list, const TapeReading& reading, qsizetype from)
{
    QList<ArchivedCalculation> blocks;
    std::optional<ArchivedCalculation> open;
    for (const tape::TapeLine& line : tape::readLines(list, reading.dateOrder)) {
        if (line.position < from)
            continue;
        if (!open) {
            open.emplace();
            open->day = line.date.isValid() ? line.date : reading.closedAt.date();
            open->closedAt = reading.closedAt;
            open->calculator = reading.calculator;
            open->numberFormat = reading.numberFormat;
            open->decimal = reading.locale.decimal;
            open->position = line.position;
        }
        open->text += line.text + tape::LineBreak;
        takeLine(*open, line, reading.locale);
        if (line.kind == LineKind::Separator) {
            if (worthKeeping(*open))
                blocks.append(std::move(*open));
            open.reset();
        }
    }
    return blocks;
}

NumberLocale separatorsOfTape(const QString& list, const NumberLocale& fallback)
{
    // A value at the right of an item or total line: its last "." or "," and what follows.
    static const QRegularExpression value(QStringLiteral("[\\d.,]*([.,])(\\d*) [-+=T E%\u00D7\u00F7]$"));
    int dots = 0;
    int commas = 0;
    for (const QString& line : list.split(tape::LineBreak)) {
        const auto match = value.match(line);
        if (!match.hasMatch() || match.capturedLength(2) == 3)
            continue;
        (match.captured(1) == QLatin1String(".") ? dots : commas) += 1;
    }
    if (dots == commas)
        return fallback;
    return NumberLocale::withDecimal(dots > commas ? QLatin1Char('.') : QLatin1Char(','));
}

tape::DateOrder dateOrderOfTape(const QString& list, tape::DateOrder fallback)
{
    static const QRegularExpression header(QStringLiteral("^ (\\d{2})/(\\d{2})/\\d{4} \\S{1,3} *\\r?$"),
                                           QRegularExpression::MultilineOption);
    for (auto it = header.globalMatch(list); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(1).toInt() > 12)
            return tape::DateOrder::DayMonthYear;
        if (match.captured(2).toInt() > 12)
            return tape::DateOrder::MonthDayYear;
    }
    return fallback;
}

} // namespace numerette::history
