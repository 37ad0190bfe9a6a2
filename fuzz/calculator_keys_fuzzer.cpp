// SPDX-License-Identifier: GPL-3.0-or-later
// Types arbitrary keys into the calculator and checks after every key that the calculation
// list is still whole tape lines and that the entry and the total are still numbers.
//
// Input: the first byte picks the number format, the second the options (bit 0 add mode,
// bit 1 insert text, bit 2 decimal comma, bit 3 NumLock kept on, bit 4 a full list is
// cleared when the calculator asks). Every further byte is one step: a printable Latin-1
// character is typed as itself; any other byte b ("{", the control bytes) is step b mod n
// of the n steps Enter, Esc, Backspace, Delete, NumLock, Time, Undo, Redo, Clear, the
// business keys GT, Tax+, Tax- and Margin, and the keypad buttons in `Button` order (so 0x00
// is Enter and 0x0D the button 0). The tax rate is 21 %, so that the tax keys write figures.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include <QDate>

#include "calculator.h"
#include "decimal.h"
#include "fuzz_failure.h"
#include "key_script.h"

using namespace numerette;

namespace {

class FuzzPort : public CalculatorPort {
public:
    explicit FuzzPort(bool clearFullList) : m_clearFullList(clearFullList) { }
    QDate today() const override { return QDate(2026, 12, 9); }
    QString clipboardText() const override { return m_clipboard; }
    void setClipboardText(const QString& text) override { m_clipboard = text; }
    void clearClipboard() override { m_clipboard.clear(); }
    bool askYesNo(const QString&) override { return m_clearFullList; }

private:
    bool m_clearFullList;
    QString m_clipboard;
};

const std::array<TapeStep, 256>& stepsByByte()
{
    static const std::array<TapeStep, 256> steps = [] {
        QString error;
        std::vector<TapeStep> named = *parseTapeKeys(
            QStringLiteral("{Enter}{Esc}{Backspace}{Delete}{NumLock}{Time}{Undo}{Redo}{Clear}{GT}{Tax+}{Tax-}{Margin}"),
            error);
        for (int button = 0; button < ButtonCount; ++button)
            named.push_back(Button(button));
        std::array<TapeStep, 256> byByte;
        for (std::size_t byte = 0; byte < byByte.size(); ++byte) {
            const bool printable = (byte >= 0x20 && byte < 0x7F && byte != '{') || byte >= 0xA0;
            byByte[byte] = printable ? parseTapeKeys(QString(QChar(char16_t(byte))), error)->front()
                                     : named[byte % named.size()];
        }
        return byByte;
    }();
    return steps;
}

qsizetype lastLineStart(const QString& list)
{
    const qsizetype previousEnd = list.size() < 3 ? -1 : list.lastIndexOf(tape::LineBreak, list.size() - 3);
    return previousEnd < 0 ? 0 : previousEnd + 2;
}

// The count line is the one line longer than the tape once the count passes 999.
bool isCountLine(QStringView line)
{
    constexpr int Blanks = 22;
    if (line.size() <= tape::TapeColumns || !line.startsWith(u' ') || line.count(u' ') != Blanks + 1
        || !line.endsWith(QString(Blanks, u' ')))
        return false;
    const QStringView digits = line.sliced(1, line.size() - 1 - Blanks);
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A key only rewrites the list's last line or appends to it (or clears the list, which
// the check then reads from the start), so only the lines from there on are checked.
void checkList(const QString& list, const QString& before)
{
    qsizetype from = lastLineStart(before);
    if (!list.startsWith(QStringView(before).first(from)))
        from = 0;
    from = std::min(from, lastLineStart(list));
    if (!list.endsWith(tape::LineBreak))
        fuzzFailure(QStringLiteral("the list does not end with CR LF: ") + list.right(60));
    for (const QStringView line : QStringView(list).sliced(from).chopped(2).split(tape::LineBreak)) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            fuzzFailure(QStringLiteral("a lone CR or LF in: ") + line);
        if (line.size() != tape::TapeColumns && !isCountLine(line))
            fuzzFailure(QStringLiteral("a line of %1 columns: \"%2\"").arg(line.size()).arg(line));
    }
}

void checkNumbers(const Calculator& calculator)
{
    if (!ValueOf(calculator.entry().text(), calculator.numberLocale()))
        fuzzFailure(QStringLiteral("the entry is no number: ") + calculator.entry().text());
    if (!ValueOf(calculator.total(), calculator.numberLocale()))
        fuzzFailure(QStringLiteral("the total is no number: ") + calculator.total());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t OptionBytes = 2;
    if (size < OptionBytes)
        return 0;
    const std::uint8_t options = data[1];
    FuzzPort port(options & 0x10);
    Calculator calculator(port);
    calculator.setNumberLocale(NumberLocale::withDecimal(options & 0x04 ? u',' : u'.'));
    calculator.chooseNumberFormat(NumberFormats[data[0] % NumberFormats.size()].index);
    if (options & 0x01)
        calculator.mnuEnter_Click();
    calculator.setInsertText(options & 0x02);
    calculator.setNumLockAlways(options & 0x08);
    static const Decimal taxRate = *Decimal::fromPlainText(u"21");
    calculator.setTaxRate(taxRate);
    calculator.setInteractive(true);
    calculator.clearList();

    // Esc asks the port to close the window; the fuzzer's window stays open.
    const bool windowClosed = false;
    for (std::size_t i = OptionBytes; i < size; ++i) {
        const QString before = calculator.list();
        runTapeSteps(calculator, {stepsByByte()[data[i]]}, windowClosed);
        checkList(calculator.list(), before);
        checkNumbers(calculator);
    }
    return 0;
}
