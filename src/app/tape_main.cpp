// SPDX-License-Identifier: GPL-3.0-or-later
// numerette-tape: the adding machine without a window, for scripts and tests.
#include <cstdio>

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

#include "calculator.h"
#include "key_script.h"
#include "languages.h"
#include "program_version.h"
#include "tape_csv.h"
#include "tape_options.h"

using namespace numerette;

namespace {

constexpr int UsageError = 2;

// The tape's world: a clipboard of its own, a fixed day, and Esc ending the run.
class TapePort : public CalculatorPort {
public:
    explicit TapePort(QDate today) : m_today(today) { }
    QDate today() const override { return m_today; }
    QString clipboardText() const override { return m_clipboard; }
    void setClipboardText(const QString& text) override { m_clipboard = text; }
    void clearClipboard() override { m_clipboard.clear(); }
    void closeWindow() override { m_closed = true; }
    const bool& closed() const { return m_closed; }

private:
    QDate m_today;
    QString m_clipboard;
    bool m_closed = false;
};

QString readStandardInput()
{
    QByteArray bytes;
    char buffer[4096];
    while (const size_t n = std::fread(buffer, 1, sizeof buffer, stdin))
        bytes.append(buffer, qsizetype(n));
    return QString::fromUtf8(bytes);
}

QString stateReport(const Calculator& calculator)
{
    const QString lines[][2] = {
        {QStringLiteral("display"), calculator.display()},
        {QStringLiteral("total"), calculator.total()},
        {QStringLiteral("counter"), calculator.counter()},
        {QStringLiteral("pending"), operatorText(calculator.PendingOperator())},
        {QStringLiteral("entry"), calculator.entry().text()},
        {QStringLiteral("memory"), calculator.memory()},
        {QStringLiteral("time"), calculator.timeDisplay()},
    };
    QString report;
    for (const auto& line : lines)
        report += line[0] + QStringLiteral(": ") + line[1] + QLatin1Char('\n');
    return report;
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int usageError(const QString& message)
{
    //: Ends the complaint about a wrong option; %1 is the command to type.
    const QString hint = QCoreApplication::translate("CommandLine", "Try '%1' for more information.")
                             .arg(QStringLiteral("numerette-tape --help"));
    print(stderr, QStringLiteral("numerette-tape: ") + message + u'\n' + hint + u'\n');
    return UsageError;
}

} // namespace

int main(int argc, char* argv[])
{
    // The texts it writes (help, errors, the weekday of the tape's header) follow the user's language.
    const QCoreApplication application(argc, argv);
    installTranslations();
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const TapeCommandLine commandLine = parseTapeCommandLine(args);
    switch (commandLine.action) {
    case TapeCommandLine::Action::ShowHelp:
        print(stdout, tapeHelpText());
        return 0;
    case TapeCommandLine::Action::ShowVersion:
        print(stdout, versionNotice(QStringLiteral("numerette-tape")));
        return 0;
    case TapeCommandLine::Action::UsageError:
        return usageError(commandLine.error);
    case TapeCommandLine::Action::Run:
        break;
    }
    const TapeOptions& options = commandLine.options;
    QString error;
    const auto steps = parseTapeKeys(options.keys.value_or(QString()), error);
    if (!steps)
        return usageError(error);
    std::vector<TapeStep> stdinSteps;
    if (!options.keys) {
        const auto typed = parseTapeKeys(readStandardInput(), error);
        if (!typed)
            return usageError(error);
        stdinSteps = *typed;
    }

    TapePort port(options.today);
    Calculator calculator(port);
    calculator.setNumberLocale(NumberLocale::withDecimal(options.decimal));
    calculator.setDateOrder(options.dateOrder);
    calculator.chooseNumberFormat(options.formatIndex);
    calculator.setRoundingMode(options.rounding);
    calculator.setTaxRate(options.taxRate);
    if (options.addMode)
        calculator.mnuEnter_Click();
    calculator.setInsertText(options.insertText);
    calculator.setInteractive(true);
    calculator.clearList();
    runTapeSteps(calculator, options.keys ? *steps : stdinSteps, port.closed());

    QString out = options.printState ? stateReport(calculator) : calculator.list();
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // CSV keeps its CR LF row ends.
    if (options.csv)
        out = tapeCsv(calculator.list(), options.dateOrder, calculator.numberLocale());
    print(stdout, out);
    return 0;
}
