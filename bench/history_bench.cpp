// SPDX-License-Identifier: GPL-3.0-or-later
// Times the tape history over 100,000 calculations (a year of heavy use, about 275 a day):
// opening the archive (checked whole, as before on the UI thread; the check alone, now on a
// thread of its own; and what the UI thread still does after it), listing its days, a day's tape, searches by amount, words and dates,
// and archiving one more total; prints the figures. Not a test.
//   bench_history [CALCULATIONS]
#include <algorithm>
#include <cstdio>
#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "archived_calculation.h"
#include "tape_archive.h"

using namespace numerette;
using namespace numerette::history;

namespace {

const QStringList Labels{QStringLiteral("RENT"), QStringLiteral("WATER"), QStringLiteral("FUEL"),
                         QStringLiteral("GROCERIES"), QStringLiteral("CAFÉ"), QString(), QString(), QString()};

QString itemLine(const QString& value, const QString& label, const QString& marker)
{
    QString line = value.rightJustified(tape::ValueColumns) + marker;
    if (!label.isEmpty())
        line = line.left(1) + label.leftJustified(tape::LabelColumns) + line.mid(1 + tape::LabelColumns);
    return line + tape::LineBreak;
}

// The n-th calculation of the year: two to six items with amounts that repeat now and then.
ArchivedCalculation calculationNumber(int n, QDate first, int perDay)
{
    ArchivedCalculation c;
    c.day = first.addDays(n / perDay);
    c.closedAt = QDateTime(c.day, QTime(8, 0).addSecs((n % perDay) * 120));
    c.numberFormat = QStringLiteral("#,##0.00");
    c.position = 2 * tape::LineLength + (n % perDay) * 6 * tape::LineLength;
    const int items = 2 + n % 5;
    qint64 cents = 0;
    for (int i = 0; i < items; ++i) {
        const qint64 amount = (n * 7919LL + i * 104729LL) % 500000 + 1;
        cents += amount;
        const QString value = QStringLiteral("%1.%2").arg(amount / 100).arg(amount % 100, 2, 10, QLatin1Char('0'));
        const QString label = Labels[(n + i) % Labels.size()];
        c.text += itemLine(value, label, i + 1 == items ? tape::marker::Equals : tape::marker::Plus);
        c.items.append({Decimal::fromPlainText(value), value, i + 1 == items ? u'=' : u'+', label});
        if (!label.isEmpty())
            c.labels += (c.labels.isEmpty() ? QString() : QStringLiteral(" ")) + label;
    }
    c.itemCount = items;
    c.totalText = QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
    c.total = Decimal::fromPlainText(c.totalText);
    c.text += tape::countLine(QStringLiteral("%1").arg(items, 3, 10, QLatin1Char('0'))) + tape::LineBreak
        + tape::totalLine(c.totalText) + tape::LineBreak + tape::Separator + tape::LineBreak;
    if (n % 50 == 0)
        c.notes = QStringLiteral("paid to the landlord in cash");
    return c;
}

double milliseconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100'000;
    constexpr int PerDay = 275;
    const QDate first(2025, 1, 1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("numeret-history.sqlite"));
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("KEEP_HISTORY"));
    if (!dir.autoRemove())
        std::printf("kept in %s\n", qPrintable(path));
    {
        TapeArchive archive;
        archive.open(path);
        QList<ArchivedCalculation> all;
        for (int n = 0; n < count; ++n)
            all.append(calculationNumber(n, first, PerDay));
        const double filled = milliseconds([&] { archive.add(all); });
        std::printf("%d calculations over %d days written in %.0f ms\n", count, count / PerDay + 1, filled);
    }
    TapeArchive archive;
    std::printf("open, checked whole          %8.2f ms\n", milliseconds([&] { archive.open(path); }));
    archive.close();
    std::printf("the check alone (its thread) %8.2f ms\n", milliseconds([&] { TapeArchive::check(path); }));
    std::printf("open after the check (UI)    %8.2f ms\n",
                milliseconds([&] { archive.open(path, TapeArchive::Check::Skip); }));
    int found = 0;
    const auto report = [&found](const char* what, double ms) { std::printf("%-28s %8.2f ms  (%d found)\n", what, ms, found); };
    report("days, newest first", milliseconds([&] { found = int(archive.days().size()); }));
    report("one day's tape", milliseconds([&] { found = int(archive.dayCalculations(first.addDays(100)).size()); }));
    ArchiveQuery exact;
    exact.amountFrom = Decimal::fromPlainText(QStringLiteral("1234.56"));
    report("amount, exact", milliseconds([&] { found = int(archive.search(exact).size()); }));
    ArchiveQuery range;
    range.amountFrom = Decimal(100);
    range.amountTo = Decimal(110);
    report("amount, range 100..110", milliseconds([&] { found = int(archive.search(range).size()); }));
    ArchiveQuery words;
    words.words = QStringLiteral("landlord");
    report("words", milliseconds([&] { found = int(archive.search(words).size()); }));
    ArchiveQuery prefix;
    prefix.words = QStringLiteral("cafe wat");
    report("two word prefixes", milliseconds([&] { found = int(archive.search(prefix).size()); }));
    ArchiveQuery days;
    days.from = first.addDays(30);
    days.to = first.addDays(36);
    report("a week of days", milliseconds([&] { found = int(archive.search(days).size()); }));
    ArchiveQuery all;
    all.amountFrom = Decimal(1);
    all.amountTo = Decimal(2000);
    all.words = QStringLiteral("rent");
    all.from = first.addDays(60);
    report("amount, words and days", milliseconds([&] { found = int(archive.search(all).size()); }));
    // Twenty more totals, one transaction each, as they close.
    QList<double> spent;
    for (int n = 0; n < 20; ++n) {
        const ArchivedCalculation one = calculationNumber(count + n, first, PerDay);
        spent.append(milliseconds([&] { archive.add({one}); }));
    }
    const double firstWrite = spent.constFirst();
    std::sort(spent.begin(), spent.end());
    std::printf("archiving a total            %8.2f ms median, %.2f ms the first, %.2f ms the slowest\n",
                spent[spent.size() / 2], firstWrite, spent.constLast());
    return 0;
}
