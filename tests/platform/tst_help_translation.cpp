// SPDX-License-Identifier: GPL-3.0-or-later
// Both programs' --help and complaints under a translation: the words change, what the user
// types (command words, options, their literal values, key names) stays, and the descriptions
// still line up when a translated name grows.
#include <algorithm>

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include "command_line.h"
#include "tape_options.h"

using namespace Qt::StringLiterals;

namespace {

// A language that writes every text of the command lines in capitals, and names the start
// without a command word with more letters than any command word has. Qt's own texts are left
// alone.
class CapitalsTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        const QByteArray ours(context);
        if (ours != "CommandLineHelp" && ours != "TapeCommandLine" && ours != "CommandLine")
            return {};
        const QString source = QString::fromUtf8(sourceText);
        return source == u"(none)" ? u"(NO COMMAND WORD)"_s : source.toUpper();
    }
};

// The column where the description starts on the help line that begins with name.
qsizetype descriptionColumn(const QString& help, const QString& name)
{
    for (const QString& line : help.split(u'\n')) {
        if (line.startsWith(u"  "_s + name + u' '))
            return line.indexOf(QRegularExpression(u"\\S"_s), 2 + name.size());
    }
    return -1;
}

} // namespace

class TstHelpTranslation : public QObject {
    Q_OBJECT

private slots:
    // For the whole case: the data functions make the texts.
    void initTestCase() { QCoreApplication::installTranslator(&m_translator); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }

    void typedWordsStayUntranslated_data();
    void typedWordsStayUntranslated();
    void descriptionsLineUp_data();
    void descriptionsLineUp();

private:
    CapitalsTranslator m_translator;
};

void TstHelpTranslation::typedWordsStayUntranslated_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("typed"); // what must appear exactly so
    QTest::addColumn<QString>("translated"); // a piece that shows the translation took

    const QString numeretteHelp = numerette::parseStartupCommandLine({u"numerette"_s, u"--help"_s}).text;
    QTest::newRow("numerette --help")
        << numeretteHelp
        << QStringList{u"  systray "_s, u"  tempo "_s, u"  juro "_s, u"  peso "_s, u"  outra "_s,
                       u"  outratempo "_s, u"  atualiza "_s, u"  mini "_s, u"  fechar "_s, u"  -h, --help "_s,
                       u"  -v, --version "_s, u"  -- "_s, u"-style NAME"_s, u"-platform NAME"_s,
                       u"~/.config/Numeret/Numeret.ini"_s}
        << u"SHOW THE CALCULATOR"_s;
    QTest::newRow("numerette complaint")
        << numerette::parseStartupCommandLine({u"numerette"_s, u"--bogus"_s}).text
        << QStringList{u"'numerette --help'"_s} << u"FOR MORE INFORMATION"_s;

    const QString tapeHelp = numerette::tapeHelpText();
    QTest::newRow("numerette-tape --help")
        << tapeHelp
        << QStringList{u"  --format N"_s, u"  --add "_s, u"  --decimal ,|. "_s, u"  --date-order dmy|mdy "_s,
                       u"  --today YYYY-MM-DD "_s, u"  --insert-text "_s, u"  --state "_s, u"  --csv "_s,
                       u"  -h, --help "_s, u"  --version "_s, u"{Enter} {Esc} {Backspace} {Delete} {NumLock}"_s,
                       u"{Time} {Undo} {Redo} {Clear} {GT} {Tax+} {Tax-} {Margin}. {Esc} "_s, u"  --tax-rate "_s,
                       u"numerette-tape --format 20 \"5+3-2=\""_s}
        << u"PRINT THIS HELP AND END"_s;
    const auto complaint = [](const QStringList& arguments) {
        return numerette::parseTapeCommandLine(arguments).error;
    };
    QTest::newRow("--date-order complaint") << complaint({u"--date-order"_s, u"ymd"_s})
                                            << QStringList{u"--date-order "_s, u" dmy "_s, u" mdy,"_s, u"'ymd'"_s}
                                            << u"TAKES"_s;
    QTest::newRow("--format complaint") << complaint({u"--format=7"_s}) << QStringList{u"--format "_s, u"'7'"_s}
                                        << u"TAKES ONE OF"_s;
    QTest::newRow("value missing") << complaint({u"--date-order"_s}) << QStringList{u"--date-order "_s, u": dmy|mdy"_s}
                                   << u"NEEDS A VALUE"_s;
    QTest::newRow("switch given a value") << complaint({u"--add=1"_s}) << QStringList{u"--add "_s}
                                          << u"TAKES NO VALUE"_s;
}

void TstHelpTranslation::typedWordsStayUntranslated()
{
    QFETCH(QString, text);
    QFETCH(QStringList, typed);
    QFETCH(QString, translated);
    QVERIFY2(text.contains(translated), qPrintable(text));
    for (const QString& word : typed)
        QVERIFY2(text.contains(word), qPrintable(word + u"\nmissing from\n"_s + text));
}

void TstHelpTranslation::descriptionsLineUp_data()
{
    QTest::addColumn<QString>("help");
    QTest::addColumn<QStringList>("names"); // the left column of one list

    const QString help = numerette::parseStartupCommandLine({u"numerette"_s, u"--help"_s}).text;
    QTest::newRow("command words after a longer translated (none)")
        << help
        << QStringList{u"(NO COMMAND WORD)"_s, u"systray"_s, u"outratempo"_s, u"mini"_s, u"fechar"_s};
    QTest::newRow("options") << help << QStringList{u"-h, --help"_s, u"-v, --version"_s, u"--"_s};
}

void TstHelpTranslation::descriptionsLineUp()
{
    QFETCH(QString, help);
    QFETCH(QStringList, names);
    qsizetype longest = 0;
    for (const QString& name : names)
        longest = std::max(longest, name.size());
    for (const QString& name : names)
        QVERIFY2(descriptionColumn(help, name) == 2 + longest + 2, qPrintable(name + u"\n"_s + help));
}

QTEST_GUILESS_MAIN(TstHelpTranslation)
#include "tst_help_translation.moc"
