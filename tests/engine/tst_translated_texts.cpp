// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QLocale>
#include <QTest>

#include "calculator_host.h"
#include "table_translator.h"
#include "tape_lines.h"

using namespace numerette;
using namespace Qt::StringLiterals;

class TranslatedTexts : public QObject {
    Q_OBJECT

private slots:
    void englishWeekdaysAreTheFirstThreeLettersOfTheirNames_data();
    void englishWeekdaysAreTheFirstThreeLettersOfTheirNames();
    void headerTextsFollowTheLoadedTranslation();
};

void TranslatedTexts::englishWeekdaysAreTheFirstThreeLettersOfTheirNames_data()
{
    QTest::addColumn<QDate>("date");
    // A week from a Sunday to a Saturday, and a leap day.
    for (int day = 3; day <= 9; ++day) {
        const QDate date(2026, 5, day);
        QTest::newRow(qPrintable(date.toString(Qt::ISODate))) << date;
    }
    QTest::newRow("2024-02-29") << QDate(2024, 2, 29);
}

void TranslatedTexts::englishWeekdaysAreTheFirstThreeLettersOfTheirNames()
{
    QFETCH(QDate, date);
    const CalculatorHost host;
    QCOMPARE(host.weekdayName(date), QLocale(QLocale::English).dayName(date.dayOfWeek()).left(3));
}

void TranslatedTexts::headerTextsFollowTheLoadedTranslation()
{
    QCOMPARE(tape::correctionHeader(1, 5), u" CORRECTED ITEM 001 OF 005"_s);

    TableTranslator translator;
    translator.add("Weekday", u"Thu"_s, u"Qui"_s);
    translator.add("CorrectionHeader", u" CORRECTED ITEM %1 OF %2"_s, u" ITEM %1 DE %2 CORRIGIDO"_s);
    QVERIFY(QCoreApplication::installTranslator(&translator));

    const CalculatorHost host;
    QCOMPARE(host.weekdayName(QDate(2026, 5, 7)), u"Qui"_s);
    // A day the catalogue lacks stays English.
    QCOMPARE(host.weekdayName(QDate(2026, 5, 8)), u"Fri"_s);
    QCOMPARE(tape::correctionHeader(12, 345), u" ITEM 012 DE 345 CORRIGIDO"_s);
    // Lists written in English are still read while another language is loaded.
    QCOMPARE(tape::lineShape(u" CORRECTED ITEM 001 OF 005", tape::DateOrder::DayMonthYear), tape::LineKind::Header);
    QCOMPARE(tape::lineShape(u" 07/05/2026 Qui", tape::DateOrder::DayMonthYear), tape::LineKind::Header);

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(host.weekdayName(QDate(2026, 5, 7)), u"Thu"_s);
}

QTEST_GUILESS_MAIN(TranslatedTexts)
#include "tst_translated_texts.moc"
