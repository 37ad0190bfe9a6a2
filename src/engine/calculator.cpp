// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

#include <QCoreApplication>

#include "message_catalogue.h"
#include "time_text.h"

namespace numerette {

// The captions in words are menu items, translated where the menu is built with the
// "NumberFormat" context; the others are number patterns and stay as they are.
const std::array<NumberFormatChoice, 11> NumberFormats{{
    //: Item of the number-format menu
    {0, QT_TRANSLATE_NOOP("NumberFormat", "&Floating Point Currency"), "#,##0.00####"},
    //: Item of the number-format menu
    {1, QT_TRANSLATE_NOOP("NumberFormat", "Fixed &Point Currency"), "#,##0.00####"},
    //: Item of the number-format menu
    {2, QT_TRANSLATE_NOOP("NumberFormat", "&Numerical (Standard)"), "#,##0.##########"},
    {10, "0,0", "#,##0.0"},
    {20, "0,00", "#,##0.00"},
    {30, "0,000", "#,##0.000"},
    {40, "0,0000", "#,##0.0000"},
    {50, "0,00000", "#,##0.00000"},
    {60, "0,000000", "#,##0.000000"},
    {70, "0,0000000", "#,##0.0000000"},
    {80, "0,00000000", "#,##0.00000000"},
}};

Calculator::Calculator(CalculatorPort& port, QObject* parent)
    : QObject(parent)
    , m_port(port)
    , m_numberFormat(QLatin1String(NumberFormats[StandardFormatIndex].picture))
{
}

Calculator::~Calculator() = default;

void Calculator::setNumberLocale(const NumberLocale& locale)
{
    const ChangeBatch batch(*this);
    m_locale = locale;
    reportChange();
}

// --- Number helpers --------------------------------------------------------------------

std::optional<Decimal> Calculator::valueOf(const QString& text) const
{
    return ValueOf(text, m_locale);
}

bool Calculator::isZero(const QString& text) const
{
    const auto value = valueOf(text);
    return !value || value->isZero();
}

bool Calculator::isNonZero(const QString& text) const
{
    const auto value = valueOf(text);
    return !value || !value->isZero();
}

QString Calculator::format(const Decimal& value, QStringView picture) const
{
    return FormatPicture(value, picture, m_locale);
}

QString Calculator::formatStep(const Decimal& value) const
{
    return FormatPicture(value, m_numberFormat, m_locale, m_roundingMode);
}

QString Calculator::formatText(const QString& text, QStringView picture) const
{
    return FormatPicture(QStringView(text), picture, m_locale);
}

QString Calculator::valueColumn() const
{
    return m_timeMode ? timeDisplay() : display();
}

// --- Fields and their change rules -----------------------------------------------------

void Calculator::setList(const QString& text)
{
    const ChangeBatch batch(*this);
    changeList({0, text});
}

void Calculator::changeList(const tape::TailEdit& edit)
{
    const qsizetype from = std::clamp<qsizetype>(edit.from, 0, m_list.size());
    const qsizetype oldTail = m_list.size() - from;
    qsizetype common = 0;
    const qsizetype shorter = std::min(edit.text.size(), oldTail);
    while (common < shorter && edit.text.at(common) == m_list.at(from + common))
        ++common;
    if (common == edit.text.size() && common == oldTail)
        return;
    const int removed = int(oldTail - common);
    const QString inserted = edit.text.mid(common);
    m_list.truncate(from + common);
    m_list += inserted;
    emit listEdited(int(from + common), removed, inserted);
    if (!m_listEditor.editing() && !m_commitRunning)
        commitStep();
}

void Calculator::setListSelection(int start, int length)
{
    start = std::clamp(start, 0, int(m_list.size()));
    length = std::clamp(length, 0, int(m_list.size()) - start);
    if (start == m_listSelectionStart && length == m_listSelectionLength)
        return;
    m_listSelectionStart = start;
    m_listSelectionLength = length;
    emit listSelectionChanged();
}

void Calculator::setEntryText(const QString& text)
{
    if (text == m_entry.text()) {
        m_entry.moveCaretToEnd();
        return;
    }
    m_entry.setText(text);
    entryChanged();
}

void Calculator::enterNumber(const QString& text)
{
    const ChangeBatch batch(*this);
    setEntryText(text);
    SelectEntry();
}

void Calculator::SelectEntry()
{
    m_entry.setMaxLength(EntryBox::DefaultMaxLength);
    m_entry.selectAll();
}

void Calculator::setVisor(DisplayField field, const QString& text)
{
    // The display is at most 22 characters, so that its value always fits an item line.
    const QString shown = field == DisplayField::Display ? text.left(tape::MaxValueLength) : text;
    if (shown == m_visor[std::size_t(field)])
        return;
    m_visor[std::size_t(field)] = shown;
    visorChanged(field);
    emit displaysChanged();
    reportChange();
}

void Calculator::setTotal(const QString& text)
{
    if (text == m_total)
        return;
    m_total = text;
    totalChanged();
    reportChange();
}

void Calculator::setPressed(Button button, bool pressed)
{
    if (m_pressed.test(std::size_t(button)) == pressed)
        return;
    m_pressed.set(std::size_t(button), pressed);
    reportChange();
}

void Calculator::entryChanged()
{
    const QChar sep = m_locale.decimal;
    const QString& entry = m_entry.text();
    if (!entry.contains(sep))
        setPressed(Button::Virgula, false);
    // Only a number has a clock reading; anything else is about to become "0".
    if (m_timeMode && m_pendingOperator != Operator::None && display() != entry && valueOf(entry))
        setVisor(DisplayField::Time, formatText(entry, u"#00:00:00"));
    if (!valueOf(entry) && entry != QString(sep)) {
        setEntryText(QStringLiteral("0"));
        SelectEntry();
        return;
    }
    if (m_entry.text() == QString(sep))
        setEntryText(QLatin1Char('0') + sep);

    const QString& typed = m_entry.text();
    const qsizetype sepAt = typed.indexOf(sep);
    const qsizetype pictureDecimals = m_numberFormat.size() - m_numberFormat.indexOf(QLatin1Char('.'));
    m_entry.setMaxLength(sepAt >= 0 ? int(sepAt + pictureDecimals) : EntryBox::DefaultMaxLength);

    if (m_pendingOperator != Operator::None) {
        QString shown;
        if (sepAt >= 0 || m_numberFormatIndex != CentsFormatIndex) {
            shown = formatText(typed, m_numberFormat).left(tape::MaxValueLength);
        } else if (const auto value = valueOf(typed)) {
            const QString cents = format(value->abs(), u"#000");
            shown = (typed.startsWith(QLatin1Char('-')) ? QStringLiteral("-") : QString())
                + formatText(cents.left(cents.size() - 2), u"#,##0") + sep + cents.right(2);
        }
        if (m_timeMode) {
            if (const auto seconds = ConvertTime(timeDisplay(), m_locale))
                setVisor(DisplayField::Display, *seconds);
        } else if (!shown.isEmpty()) {
            setVisor(DisplayField::Display, shown);
        }
        if (m_numberFormat == QLatin1String(NumberFormats[0].picture)
            || m_numberFormat == QLatin1String(NumberFormats[StandardFormatIndex].picture)) {
            const qsizetype shownSep = display().indexOf(sep);
            const QString typedDecimals = sepAt >= 0 ? typed.mid(sepAt) : QString();
            const QString shownDecimals = shownSep >= 0 ? display().mid(shownSep) : QString();
            const int keptFrom = m_numberFormatIndex == StandardFormatIndex ? 1 : 3;
            if (sepAt >= 0 && shownSep >= 0 && typedDecimals != shownDecimals && typedDecimals.size() > keptFrom)
                setVisor(DisplayField::Display, display().left(shownSep) + typedDecimals);
        }
        if (display().endsWith(sep) && !typed.endsWith(sep))
            setVisor(DisplayField::Display, formatText(display(), u"#,##0"));
    }

    if (m_insertText && display().size() >= 10)
        m_entry.setMaxLength(sepAt >= 0 ? int(sepAt + pictureDecimals) : int(typed.size()));
    reportChange();
}

void Calculator::visorChanged(DisplayField field)
{
    if (field == DisplayField::Counter) {
        recordHistory();
    } else {
        const QString& text = m_visor[std::size_t(field)];
        const QString& entry = m_entry.text();
        bool red = text.contains(QLatin1Char('-'));
        if (!m_timeMode && entry.contains(QLatin1Char('-')) && (m_total != text || isZero(m_total)))
            red = true;
        m_visorColour[std::size_t(field)] = red ? LabelColour::Red : LabelColour::Blue;
        if (red && entry.contains(QLatin1Char('-')) && !text.contains(QLatin1Char('-')))
            m_visor[std::size_t(field)] = QString(QLatin1Char('-') + text).left(tape::MaxValueLength);
    }
}

void Calculator::totalChanged()
{
    const QChar sep = m_locale.decimal;
    if (!m_timeMode && m_total.endsWith(sep) && isNonZero(m_total))
        m_total = formatText(m_total, u"#,##0");
}

// --- Commands --------------------------------------------------------------------------

void Calculator::chooseNumberFormat(int index)
{
    const ChangeBatch batch(*this);
    const auto choice = std::find_if(NumberFormats.begin(), NumberFormats.end(),
                                     [index](const NumberFormatChoice& c) { return c.index == index; });
    if (choice == NumberFormats.end())
        return;
    if (m_timeMode)
        mnuTempo_Click();
    m_numberFormatIndex = index;
    m_numberFormat = QLatin1String(choice->picture);
    setVisor(DisplayField::Display, formatText(display(), m_numberFormat));
    if (display().endsWith(m_locale.decimal))
        setVisor(DisplayField::Display, formatText(display(), u"#,##0"));
    if (m_interactive)
        m_port.storeNumberFormat(index);
    reportChange();
}

void Calculator::mnuEnter_Click()
{
    const ChangeBatch batch(*this);
    if (m_addMode)
        return;
    m_addMode = true;
    m_port.storeAddOnEnter(true);
    if (!m_addModeNoteShown) {
        m_addModeNoteShown = true;
        if (m_interactive)
            m_port.showInformation(LoadMessage(Message::AddOnEnterSet) + DoubleBreak
                                   + tr("NOTE: If HotKeys are activated then CTRL+ALT+ENTER = Calculation's Total."));
    }
    reportChange();
}

void Calculator::mnuIgual_Click()
{
    const ChangeBatch batch(*this);
    if (!m_addMode)
        return;
    m_addMode = false;
    m_port.storeAddOnEnter(false);
    reportChange();
}

void Calculator::setInsertText(bool on)
{
    const ChangeBatch batch(*this);
    m_insertText = on;
    reportChange();
}

void Calculator::mnuTempo_Click()
{
    const ChangeBatch batch(*this);
    int code = '=';
    Form_KeyPress(code);
    setPressed(Button::Igual, false);
    LimpaTudo();
    m_timeMode = !m_timeMode;
    if (m_timeMode)
        clearMemory();
    reportChange();
}

void Calculator::LimpaTudo()
{
    const ChangeBatch batch(*this);
    setVisor(DisplayField::Display,
             m_numberFormatIndex == StandardFormatIndex ? QStringLiteral("0") : format(Decimal(), m_numberFormat));
    setTotal(display());
    setVisor(DisplayField::Counter, QStringLiteral("000"));
    setVisor(DisplayField::Time, QStringLiteral("00:00:00"));
    m_pendingOperator = Operator::Plus;
    m_history.clear();
    setEntryText(QStringLiteral("0"));
    SelectEntry();
    reportChange();
}

void Calculator::restoreCalculation(const QString& total, Operator pendingOperator, const QString& entry,
                                    const QString& display, const QString& counter)
{
    const ChangeBatch batch(*this);
    setTotal(total);
    m_pendingOperator = pendingOperator;
    setEntryText(entry);
    setVisor(DisplayField::Display, display);
    setVisor(DisplayField::Counter, counter);
    reportChange();
}

void Calculator::mnuColar_Click(const QString& clipboardText)
{
    const ChangeBatch batch(*this);
    const auto value = valueOf(clipboardText);
    if (!value)
        return;
    m_entry.setMaxLength(int(FormatAmount(clipboardText, m_locale).size()));
    setEntryText(value->toPlainText().replace(QLatin1Char('.'), m_locale.decimal));
    SelectEntry();
}

void Calculator::mnuLimpar_Click()
{
    const ChangeBatch batch(*this);
    if (m_port.backUpList(m_list))
        clearList();
}

void Calculator::clearList()
{
    const ChangeBatch batch(*this);
    endEditMode();
    const QDate today = m_port.today();
    setList(tape::dateHeader(today, m_dateOrder, m_port.weekdayName(today)) + tape::LineBreak + tape::Separator
            + tape::LineBreak);
    // The totals it summed are gone from the list with it.
    m_grandTotal = {};
    LimpaTudo();
    emit calculationClosed();
}

// --- Memory ----------------------------------------------------------------------------

void Calculator::clearMemory()
{
    m_memoryRegister.clear();
    reportChange();
}

void Calculator::memoryAdd(bool subtract)
{
    m_memoryRegister.add(display(), subtract, m_locale);
    SelectEntry();
    reportChange();
}

} // namespace numerette
