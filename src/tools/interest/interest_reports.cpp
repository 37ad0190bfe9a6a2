// SPDX-License-Identifier: GPL-3.0-or-later
#include "interest_reports.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QStringList>

#include "calculation_list.h"
#include "interest_calculation.h"
#include "message_catalogue.h"

namespace numerette::interest {

namespace {

constexpr double DaysInMonth = 30;
constexpr int ValueWidth = 25;
constexpr int PercentWidth = 23;
constexpr int PeriodLabelWidth = 11;
constexpr int MonthLabelWidth = 13;
constexpr int DateValueWidth = 15;

// A text longer than its width is written whole rather than lost.
QString rightAligned(const QString& text, qsizetype width)
{
    return QString(std::max<qsizetype>(width - text.size(), 0), u' ') + text;
}

QString label(Message message)
{
    return rightAligned(LoadMessage(message), tape::TapeColumns);
}

QString valueLine(const QString& value)
{
    return rightAligned(value, ValueWidth) + u' ';
}

QString rateLine(const QString& rate)
{
    return rightAligned(rate, PercentWidth) + QStringLiteral(" % ");
}

QString itemLine(const QString& value, const QString& marker)
{
    return rightAligned(value, tape::ValueColumns) + marker;
}

QString calculationLine()
{
    //: Tape line that opens the calculation of an interest report: 26 columns exactly, keep
    //: the "=" on both sides so the line stays as wide
    return QCoreApplication::translate("InterestReport", " =========== CALCULATION =");
}

// A period's days, right-aligned to four columns: "  30 days".
QString daysLabel(const QString& days)
{
    //: Interest report: a period's length; %1 is the number of days, right-aligned to four
    //: columns. The tape line adds the rate after it and has at most 26 columns
    return QCoreApplication::translate("InterestReport", "%1 days").arg(rightAligned(days, 4));
}

// The date with a two-digit year, then an amount.
QString dateLine(QDate date, const dates::DateStyle& style, const QString& amount, const QString& marker)
{
    const QString format = style.order == tape::DateOrder::DayMonthYear ? QStringLiteral("dd/MM/yy")
                                                                         : QStringLiteral("MM/dd/yy");
    return QLatin1Char(' ') + date.toString(format).replace(u'/', style.separator)
        + rightAligned(amount, DateValueWidth) + marker;
}

// The lines of the installments, from the initial value to what is left after the last.
void addInstallments(QStringList& lines, const InstallmentReportTexts& texts, const NumberLocale& locale)
{
    const auto terms = readTerms({texts.initial, texts.count, texts.days, texts.installment, texts.rate}, locale);
    if (!terms)
        return;
    double balance = terms->initial;
    for (int period = 1; period <= terms->count; ++period) {
        const double rate = periodRate(terms->rate, terms->days, period);
        // The rate as the field holds it, or the pro-rata rate of a first period of other than 30 days.
        const bool proRata = period == 1 && terms->days != 30;
        const QString shownRate = (proRata ? numberText(rate, locale.decimal).value_or(QString()) : texts.rate).left(8);
        QString periodLabel = daysLabel(QStringLiteral("30"));
        if (period == 1)
            periodLabel = terms->days == 0 ? LoadMessage(Message::InCash) : daysLabel(texts.days);
        const double grown = (rate / 100 + 1) * balance;
        lines << itemLine(amountText(balance, locale), tape::marker::Plus)
              << QString(std::max<qsizetype>(PeriodLabelWidth - shownRate.size(), 0), u' ') + periodLabel
                     + QStringLiteral(" (") + shownRate + QStringLiteral("%) =")
              << itemLine(amountText(grown, locale), tape::marker::Minus)
              << QLatin1Char(' ') + FormatPicture(Decimal(period), u"000", locale) + QChar(0x00AA)
                     + rightAligned(texts.installment, 19) + tape::marker::Equals;
        balance = significant15(grown - terms->installment);
    }
    lines << itemLine(amountText(balance, locale), QStringLiteral(" T"));
}

QString monthLine(const QString& days, const QString& rate)
{
    const QString shown = rate.left(7);
    //: Tape line of an interest report: %1 is a number of days, %2 the rate of those days;
    //: at most 26 columns with up to 7 characters of rate
    return QString(std::max<qsizetype>(MonthLabelWidth - shown.size(), 0), u' ')
        + QCoreApplication::translate("InterestReport", "%1 days (%2%) =").arg(days, shown);
}

} // namespace

QString installmentReport(const InstallmentReportTexts& texts, const NumberLocale& locale)
{
    QStringList lines{tape::Separator,
                      label(Message::ReportInitialValue),
                      valueLine(texts.initial),
                      label(Message::ReportInstallmentCount),
                      rightAligned(texts.count, PercentWidth) + QStringLiteral(" x "),
                      label(Message::ReportInstallmentValue),
                      valueLine(texts.installment),
                      label(Message::ReportMonthlyRate),
                      rateLine(texts.rate),
                      calculationLine(),
                      itemLine(texts.initial, QStringLiteral(" T"))};
    addInstallments(lines, texts, locale);
    lines << QString() << label(Message::ReportTotalInterest) << valueLine(texts.totalInterest) << QString()
          << label(Message::ReportFinalAmount) << valueLine(texts.finalAmount);
    return lines.join(tape::LineBreak);
}

QString capitalizationReport(const CapitalizationReportTexts& texts, const dates::DateStyle& style,
                             const NumberLocale& locale)
{
    QStringList lines{tape::Separator,
                      label(Message::ReportInitialValue),
                      valueLine(texts.value),
                      label(Message::ReportDayCount),
                      valueLine(texts.days),
                      label(Message::ReportFinalAmount),
                      valueLine(texts.result),
                      label(Message::ReportMonthlyRate),
                      rateLine(texts.rate),
                      calculationLine(),
                      dateLine(texts.initialDate, style, texts.value, tape::marker::Plus)};
    const double value = numberOf(texts.value, locale).value_or(0);
    const double rate = numberOf(texts.rate, locale).value_or(0);
    const double days = numberOf(texts.days, locale).value_or(0);
    const double months = std::floor(days / DaysInMonth);
    const double rest = std::round(days - DaysInMonth * months);
    double amount = value;
    for (int month = 1; month <= months; ++month) {
        const QString reached = amountText(amount + amount * rate / 100, locale);
        amount = numberOf(reached, locale).value_or(0);
        lines << monthLine(QStringLiteral("30"), texts.rate)
              << itemLine(reached, month == months && rest == 0 ? QStringLiteral(" T") : tape::marker::Plus);
    }
    if (rest != 0) {
        const QString restRate = numberText(significant15(rate / DaysInMonth * rest), locale.decimal).value_or(QString());
        lines << monthLine(FormatPicture(Decimal(std::int64_t(rest)), u"00", locale), restRate)
              << dateLine(texts.initialDate.addDays(std::int64_t(std::floor(days))), style, texts.result,
                          QStringLiteral(" T"));
    }
    const double result = numberOf(texts.result, locale).value_or(0);
    lines << QString() << label(Message::ReportTotalInterest) << valueLine(amountText(result - value, locale));
    return lines.join(tape::LineBreak);
}

} // namespace numerette::interest
