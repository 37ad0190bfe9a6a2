// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <random>

#include "calculator.h"
#include "key_script.h"

using namespace numerette;
using namespace Qt::StringLiterals;

namespace {

constexpr int Sequences = 200;
constexpr int KeysPerSequence = 500;
constexpr std::uint32_t FixedSeed = 20261209;

// What is typed, digits three times as often as the rest; the capitals are the Shift shortcuts
// of the memory and sign keys; the braced names at the end are the business keys. Esc is left
// out: it ends a run.
const QStringList& keyPool()
{
    static const QStringList pool = [] {
        QStringList keys;
        for (int copy = 0; copy < 3; ++copy)
            for (char d = '0'; d <= '9'; ++d)
                keys << QString(QLatin1Char(d));
        keys << u"+"_s << u"-"_s << u"*"_s << u"/"_s << u"%"_s << u"="_s << u"."_s << u","_s << u";"_s
             << u"\""_s << u"{Enter}"_s << u"{Enter}"_s << u"{Backspace}"_s << u"{Delete}"_s << u"{NumLock}"_s
             << u"{Neg}"_s << u"{CE}"_s << u"{M+}"_s << u"{M-}"_s << u"{MC}"_s << u"{MR}"_s << u"{Time}"_s
             << u"{Undo}"_s << u"{Undo}"_s << u"{Redo}"_s << u"{Clear}"_s << u"a"_s << u"u"_s << u"m"_s
             << u"x"_s << u" "_s << u"A"_s << u"D"_s << u"R"_s << u"C"_s << u"P"_s << u"{GT}"_s << u"{Tax+}"_s
             << u"{Tax-}"_s << u"{Margin}"_s;
        return keys;
    }();
    return pool;
}

class QuietPort : public CalculatorPort {
public:
    QDate today() const override { return QDate(2026, 12, 9); }
    QString clipboardText() const override { return m_clipboard; }
    void setClipboardText(const QString& text) override { m_clipboard = text; }
    void clearClipboard() override { m_clipboard.clear(); }

private:
    QString m_clipboard;
};

qsizetype lastLineStart(const QString& list)
{
    const qsizetype previousEnd = list.size() < 3 ? -1 : list.lastIndexOf(u"\r\n"_s, list.size() - 3);
    return previousEnd < 0 ? 0 : previousEnd + 2;
}

// What must hold between any two keys. `before` is the list before the key: only its last
// line may have changed (or the whole list was cleared), so only the lines from there on
// are checked. Returns what is wrong, or nothing.
QString brokenInvariant(const Calculator& calc, const QString& before, const QString& clearedList)
{
    static const QRegularExpression counter(u"^\\d{3,}$"_s);
    static const QRegularExpression countLine(u"^ \\d{4,} {22}$"_s);
    static const QRegularExpression clock(u"^-?\\d{2,}:\\d{2}:\\d{2}$"_s);
    const QString& list = calc.list();
    const NumberLocale& locale = calc.numberLocale();

    if (!list.endsWith(u"\r\n"_s))
        return u"the list does not end with CR LF"_s;
    qsizetype from = lastLineStart(before);
    if (list == clearedList)
        from = 0;
    else if (!list.startsWith(QStringView(before).left(from)))
        return u"a line before the last one changed"_s;
    from = std::min(from, lastLineStart(list));
    for (const QString& line : list.mid(from).chopped(2).split(u"\r\n"_s)) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            return u"a lone CR or LF"_s;
        if (line.size() != 26 && !countLine.match(line).hasMatch())
            return u"a line of "_s + QString::number(line.size()) + u" columns: \""_s + line + u'"';
    }
    if (!counter.match(calc.counter()).hasMatch())
        return u"counter "_s + calc.counter();
    if (!ValueOf(calc.entry().text(), locale))
        return u"entry is no number: "_s + calc.entry().text();
    if (!ValueOf(calc.total(), locale))
        return u"total is no number: "_s + calc.total();
    if (!calc.timeMode() && calc.display().size() > 22)
        return u"display longer than 22: "_s + calc.display();
    const Operator pending = calc.PendingOperator();
    if (pending != Operator::Plus && pending != Operator::Minus && pending != Operator::Times
        && pending != Operator::Divide)
        return u"pending operator \""_s + operatorText(pending) + u'"';
    if (!clock.match(calc.timeDisplay()).hasMatch() || (!calc.timeMode() && calc.timeDisplay() != u"00:00:00"))
        return u"time display "_s + calc.timeDisplay();
    const QString& memory = calc.memory();
    if (!memory.isEmpty() && (calc.timeMode() || !ValueOf(memory, locale) || memory.contains(locale.group)))
        return u"memory "_s + calc.memory();
    if (calc.undoEnabled() && calc.counter() == u"000")
        return u"undo enabled with no item"_s;
    if (calc.grandTotal().count == 0 && !calc.grandTotal().value.isZero())
        return u"a grand total of no totals"_s;
    return {};
}

} // namespace

class TestRandomKeys : public QObject {
    Q_OBJECT

private slots:
    void invariantsHold_data();
    void invariantsHold();
};

void TestRandomKeys::invariantsHold_data()
{
    QTest::addColumn<uint>("seed");
    QTest::newRow("fixed seed") << uint(FixedSeed);
    bool ok = false;
    const uint seed = qEnvironmentVariable("NUMERETTE_SEED").toUInt(&ok);
    if (ok)
        QTest::newRow("seed from NUMERETTE_SEED") << seed;
}

void TestRandomKeys::invariantsHold()
{
    QFETCH(uint, seed);
    std::mt19937 random(seed);
    const QStringList& pool = keyPool();
    std::vector<TapeStep> poolSteps;
    for (const QString& key : pool) {
        QString error;
        poolSteps.push_back(parseTapeKeys(key, error)->front());
    }
    const bool notClosed = false;

    for (int sequence = 0; sequence < Sequences; ++sequence) {
        const int format = NumberFormats[random() % NumberFormats.size()].index;
        const bool add = random() % 2;
        const bool insert = random() % 4 == 0;
        const bool comma = random() % 4 == 0;
        QuietPort port;
        Calculator calc(port);
        calc.setNumberLocale(NumberLocale::withDecimal(comma ? u',' : u'.'));
        calc.chooseNumberFormat(format);
        if (add)
            calc.mnuEnter_Click();
        calc.setInsertText(insert);
        const bool taxed = random() % 2;
        if (taxed)
            calc.setTaxRate(Decimal(19));
        calc.setInteractive(true);
        calc.clearList();
        const QString clearedList = calc.list();

        QString typed;
        for (int k = 0; k < KeysPerSequence; ++k) {
            const std::size_t pick = random() % pool.size();
            typed += pool.at(qsizetype(pick));
            const QString before = calc.list();
            runTapeSteps(calc, {poolSteps[pick]}, notClosed);
            const QString problem = brokenInvariant(calc, before, clearedList);
            if (!problem.isEmpty()) {
                const QString options = u"--format "_s + QString::number(format) + (add ? u" --add"_s : QString())
                    + (insert ? u" --insert-text"_s : QString()) + (comma ? u" --decimal ,"_s : QString())
                    + (taxed ? u" --tax-rate 19"_s : QString());
                QFAIL(qPrintable(u"seed "_s + QString::number(seed) + u", sequence "_s + QString::number(sequence)
                                 + u": "_s + problem + u"\n  numerette-tape "_s + options + u" '"_s + typed + u'\''));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestRandomKeys)
#include "tst_random_keys.moc"
