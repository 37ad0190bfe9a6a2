// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QLocale>
#include <QTest>

#include "calculator_port.h"
#include "capitalization_totals.h"
#include "languages.h"
#include "message_catalogue.h"
#include "table_translator.h"
#include "tape_text.h"
#include "tape_lines.h"

using namespace numerette;
using namespace Qt::StringLiterals;

class TranslatedTexts : public QObject {
    Q_OBJECT

private slots:
    void englishWeekdaysAreTheFirstThreeLettersOfTheirNames_data();
    void englishWeekdaysAreTheFirstThreeLettersOfTheirNames();
    void headerTextsFollowTheLoadedTranslation();
    void everyShippedLanguageIsSpoken();
    void tapesOfEveryLanguageReadBack_data();
    void tapesOfEveryLanguageReadBack();
};

namespace {

// The interest report's labels as language `language` (0 English, then the shipped ones) writes them.
QString label(Message id, qsizetype language)
{
    return messageInEachLanguage(id).at(language);
}

} // namespace

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
    const CalculatorPort port;
    QCOMPARE(port.weekdayName(date), QLocale(QLocale::English).dayName(date.dayOfWeek()).left(3));
}

void TranslatedTexts::headerTextsFollowTheLoadedTranslation()
{
    QCOMPARE(tape::correctionHeader(1, 5), u" CORRECTED ITEM 001 OF 005"_s);

    TableTranslator translator;
    translator.add("Weekday", u"Thu"_s, u"Qui"_s);
    translator.add("CorrectionHeader", u" CORRECTED ITEM %1 OF %2"_s, u" ITEM %1 DE %2 CORRIGIDO"_s);
    QVERIFY(QCoreApplication::installTranslator(&translator));

    const CalculatorPort port;
    QCOMPARE(port.weekdayName(QDate(2026, 5, 7)), u"Qui"_s);
    // A day the catalogue lacks stays English.
    QCOMPARE(port.weekdayName(QDate(2026, 5, 8)), u"Fri"_s);
    QCOMPARE(tape::correctionHeader(12, 345), u" ITEM 012 DE 345 CORRIGIDO"_s);
    // Lists written in English are still read while another language is loaded.
    QCOMPARE(tape::lineShape(u" CORRECTED ITEM 001 OF 005", tape::DateOrder::DayMonthYear), tape::LineKind::Header);
    QCOMPARE(tape::lineShape(u" 07/05/2026 Qui", tape::DateOrder::DayMonthYear), tape::LineKind::Header);

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(port.weekdayName(QDate(2026, 5, 7)), u"Thu"_s);
}

// The build embeds every catalogue, and each one really translates.
void TranslatedTexts::everyShippedLanguageIsSpoken()
{
    const QStringList languages = shippedLanguages();
    QVERIFY2(languages.contains(u"pt_BR"_s) && languages.contains(u"es"_s), qPrintable(languages.join(u", "_s)));
    const QStringList forms = messageInEachLanguage(Message::ReportFinalAmount);
    QCOMPARE(forms.size(), languages.size() + 1);
    for (qsizetype i = 1; i < forms.size(); ++i)
        QVERIFY2(forms.at(i) != forms.at(0), qPrintable(languages.at(i - 1)));
}

void TranslatedTexts::tapesOfEveryLanguageReadBack_data()
{
    QTest::addColumn<qsizetype>("language");
    QTest::newRow("en") << qsizetype(0);
    const QStringList languages = shippedLanguages();
    for (qsizetype i = 0; i < languages.size(); ++i)
        QTest::newRow(qPrintable(languages.at(i))) << i + 1;
}

// A tape holding reports and a correction written in this language and in English (as after
// the desktop's language changed) reads back whichever language is loaded now.
void TranslatedTexts::tapesOfEveryLanguageReadBack()
{
    QFETCH(qsizetype, language);
    const QString header = textInEachLanguage("CorrectionHeader", " CORRECTED ITEM %1 OF %2")
                               .at(language).arg(u"002"_s, u"013"_s);
    QCOMPARE(tape::lineShape(header, tape::DateOrder::DayMonthYear), tape::LineKind::Header);

    const QString english = interestReport({label(Message::ReportInitialValue, 0), u"1,000.00"_s,
                                    label(Message::ReportTotalInterest, 0), u"50.39"_s,
                                    label(Message::ReportFinalAmount, 0), u"1,050.39"_s});
    const QString translated = interestReport({label(Message::ReportInitialValue, language), u"2,000.00"_s,
                                       label(Message::ReportFinalAmount, language), u"2,060.40"_s,
                                       label(Message::ReportTotalInterest, language), u"60.40"_s});
    const NumberLocale locale = NumberLocale::withDecimal(u'.');
    const auto totals = tape::capitalizationTotals(english + translated + english, locale);
    QVERIFY(totals);
    QCOMPARE(totals->initial.toPlainText(), u"4000"_s);
    QCOMPARE(totals->interest.toPlainText(), u"161.18"_s);
    QCOMPARE(totals->finalAmount.toPlainText(), u"4161.18"_s);
}

QTEST_GUILESS_MAIN(TranslatedTexts)
#include "tst_translated_texts.moc"
