// numerette-tape: the adding machine without a window, for scripts and tests.
#include <cstdio>

#include <QDate>
#include <QStringList>

#include "calculator.h"
#include "key_script.h"
#include "tape_csv.h"

using namespace numerette;

namespace {

constexpr int UsageError = 2;

struct TapeOptions {
    int formatIndex = StandardFormatIndex;
    bool addMode = false;
    QChar decimal = QLatin1Char('.');
    tape::DateOrder dateOrder = tape::DateOrder::DayMonthYear;
    QDate today = QDate::currentDate();
    bool insertText = false;
    bool printState = false;
    bool csv = false;
    std::optional<QString> keys;
};

// The tape's world: a clipboard of its own, a fixed day, and Esc ending the run.
class TapeHost : public CalculatorHost {
public:
    explicit TapeHost(QDate today) : m_today(today) { }
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

bool knownFormat(int index)
{
    return std::any_of(NumberFormats.begin(), NumberFormats.end(),
                       [index](const NumberFormatChoice& c) { return c.index == index; });
}

std::optional<TapeOptions> parseOptions(const QStringList& args, QString& error)
{
    TapeOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args.at(++i);
        };
        if (arg == QLatin1String("--add")) {
            options.addMode = true;
        } else if (arg == QLatin1String("--insert-text")) {
            options.insertText = true;
        } else if (arg == QLatin1String("--state")) {
            options.printState = true;
        } else if (arg == QLatin1String("--csv")) {
            options.csv = true;
        } else if (arg == QLatin1String("--format")) {
            bool ok = false;
            const auto text = value();
            options.formatIndex = text ? text->toInt(&ok) : -1;
            if (!ok || !knownFormat(options.formatIndex)) {
                error = QStringLiteral("--format takes one of 0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80");
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--decimal")) {
            const auto text = value();
            if (!text || (*text != QLatin1String(",") && *text != QLatin1String("."))) {
                error = QStringLiteral("--decimal takes , or .");
                return std::nullopt;
            }
            options.decimal = text->at(0);
        } else if (arg == QLatin1String("--date-order")) {
            const auto text = value();
            if (!text || (*text != QLatin1String("dmy") && *text != QLatin1String("mdy"))) {
                error = QStringLiteral("--date-order takes dmy or mdy");
                return std::nullopt;
            }
            options.dateOrder = *text == QLatin1String("dmy") ? tape::DateOrder::DayMonthYear
                                                              : tape::DateOrder::MonthDayYear;
        } else if (arg == QLatin1String("--today")) {
            const auto text = value();
            options.today = text ? QDate::fromString(*text, Qt::ISODate) : QDate();
            if (!options.today.isValid()) {
                error = QStringLiteral("--today takes a date as YYYY-MM-DD");
                return std::nullopt;
            }
        } else if (arg.startsWith(QLatin1String("--")) || options.keys) {
            error = QStringLiteral("unknown option: ") + arg;
            return std::nullopt;
        } else {
            options.keys = arg;
        }
    }
    return options;
}

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
        {QStringLiteral("pending"), calculator.PendingOperator()},
        {QStringLiteral("entry"), calculator.entry().text()},
        {QStringLiteral("memory"), calculator.memory()},
        {QStringLiteral("time"), calculator.timeDisplay()},
    };
    QString report;
    for (const auto& line : lines)
        report += line[0] + QStringLiteral(": ") + line[1] + QLatin1Char('\n');
    return report;
}

int usageError(const QString& message)
{
    std::fprintf(stderr, "numerette-tape: %s\n", message.toUtf8().constData());
    return UsageError;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    QString error;
    const auto options = parseOptions(args, error);
    if (!options)
        return usageError(error);
    const auto steps = parseTapeKeys(options->keys.value_or(QString()), error);
    if (!steps)
        return usageError(QStringLiteral("unknown key name: ") + error);
    std::vector<TapeStep> stdinSteps;
    if (!options->keys) {
        const auto typed = parseTapeKeys(readStandardInput(), error);
        if (!typed)
            return usageError(QStringLiteral("unknown key name: ") + error);
        stdinSteps = *typed;
    }

    TapeHost host(options->today);
    Calculator calculator(host);
    calculator.setNumberLocale(NumberLocale::withDecimal(options->decimal));
    calculator.setDateOrder(options->dateOrder);
    calculator.chooseNumberFormat(options->formatIndex);
    if (options->addMode)
        calculator.mnuEnter_Click();
    calculator.setInsertText(options->insertText);
    calculator.setWindowVisible(true);
    calculator.clearList();
    runTapeSteps(calculator, options->keys ? *steps : stdinSteps, host.closed());

    QString out = options->printState ? stateReport(calculator) : calculator.list();
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // CSV keeps its CR LF row ends.
    if (options->csv)
        out = tapeCsv(calculator.list(), options->dateOrder, calculator.numberLocale());
    const QByteArray bytes = out.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
