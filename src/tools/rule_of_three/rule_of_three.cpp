// SPDX-License-Identifier: GPL-3.0-or-later
#include "rule_of_three.h"

#include <cmath>

#include "message_catalogue.h"

namespace numerette::rule_of_three {

namespace {

Fill value(int row, const char* text)
{
    return {Field::Value, row, QString::fromLatin1(text)};
}

Fill description(int row, Message message)
{
    return {Field::Description, row, LoadMessage(message)};
}

Fill newValue(int row, const char* text)
{
    return {Field::NewValue, row, QString::fromLatin1(text)};
}

} // namespace

Example firstExample()
{
    const auto info = PromptIcon::Information;
    return {true,
            {{Message::ExampleOneBaseCarpenters, info, {value(0, "8"), description(0, Message::Carpenters)}},
             {Message::ExampleOneBaseDays, info, {value(1, "5"), description(1, Message::WorkingDays)}},
             {Message::ExampleOneBaseHours, info, {value(2, "6"), description(2, Message::WorkingHoursPerDay)}},
             {Message::ExampleOneBaseClosets, info, {value(3, "12"), description(3, Message::Closets)}},
             {Message::ExampleOneQuestion, PromptIcon::Question, {}},
             {Message::ExampleOneNewCarpenters, info, {newValue(0, "5")}},
             {Message::ExampleOneNewDays, info, {newValue(1, "10")}},
             {Message::ExampleOneNewHours, info, {newValue(2, "8")}}},
            3,
            Message::ExampleOneClosing};
}

Example secondExample()
{
    const auto info = PromptIcon::Information;
    return {false,
            {{Message::ExampleTwoQuestion, PromptIcon::Question, {}},
             {Message::ExampleTwoNewCarpenters, info, {newValue(0, "3")}},
             {Message::ExampleTwoNewDays, info, {newValue(1, "12")}},
             {Message::ExampleTwoNewClosets, info, {newValue(3, "18")}}},
            2,
            Message::ExampleTwoClosing};
}

Sheet::Sheet(const NumberLocale& locale)
    : m_locale(locale)
{
    at(0).baseEnabled = true;
}

std::optional<double> Sheet::number(const QString& text) const
{
    const auto value = ValueOf(text, m_locale);
    if (!value)
        return std::nullopt;
    return value->toDouble();
}

void Sheet::setValue(int i, const QString& text)
{
    at(i).value = text;
}

void Sheet::setDescription(int i, const QString& text)
{
    Row& row = at(i);
    // Emptying an empty description is no change: clearing the sheet must not open rows
    // that were never filled.
    if (row.description == text)
        return;
    row.description = text;
    const auto value = number(row.value);
    if (!value)
        row.value.clear();
    const bool open = row.value.isEmpty() || (*value != 0 && !row.description.isEmpty());
    if (i + 1 < RowCount)
        at(i + 1).baseEnabled = open && !m_baseFrozen;
    row.newValueEnabled = open;
    row.optionEnabled = open;
    if (open) {
        row.newDescription = row.description;
    } else {
        setNewValue(i, QString());
        row.newDescription.clear();
    }
}

void Sheet::setNewValue(int i, const QString& text)
{
    at(i).newValue = text;
    if (text.isEmpty()) {
        m_calculateEnabled = true;
        m_printEnabled = false;
    }
}

void Sheet::newValueKeyReleased(int i)
{
    if (row(i).newValue.isEmpty()) {
        if (m_sought != i)
            selectSought(i);
    } else if (m_sought == i) {
        m_sought = -1;
    }
    m_calculateEnabled = true;
    m_printEnabled = false;
}

void Sheet::selectSought(int i)
{
    m_sought = i;
    m_baseFrozen = true;
    for (Row& row : m_rows)
        row.baseEnabled = false;
    m_answersGiven = false;
    m_calculateEnabled = true;
}

void Sheet::soughtReleased(int i)
{
    if (m_sought == i)
        setNewValue(i, QString());
}

std::optional<Failure> Sheet::checkInputs() const
{
    for (int i : {0, 1}) {
        const auto value = number(row(i).value);
        if (!value || *value < 0)
            return Failure{Message::FillBaseData, Focus::BaseValue, 0};
    }
    int filled = 0;
    for (int i = 0; i < RowCount; ++i) {
        if (!number(row(i).newValue) && row(i).newValueEnabled && m_sought != i)
            return Failure{Message::OnlyVariableUndefined, Focus::NewValue, i};
        const auto value = number(row(i).value);
        if (value && *value > 0)
            ++filled;
    }
    if (filled < 2)
        return Failure{Message::TwoConditionsNeeded};
    // A row without a description takes no part in the calculation, so it cannot be the
    // sought quantity either: the answer would be meaningless.
    if (m_sought < 0 || row(m_sought).description.isEmpty())
        return Failure{Message::SelectVariable};
    return std::nullopt;
}

bool Sheet::askProportions(ToolPrompts& prompts)
{
    const QString sought = row(m_sought).newDescription.toUpper();
    for (int i = 0; i < RowCount; ++i) {
        Row& row = at(i);
        if (row.description.isEmpty())
            continue;
        if (i == m_sought) {
            row.proportion = Proportion::None;
        } else if (!m_answersGiven) {
            switch (prompts.ask(LoadMessage(Message::ProportionQuestion, row.description.toUpper(), sought))) {
            case PromptAnswer::Yes: row.proportion = Proportion::Direct; break;
            case PromptAnswer::No: row.proportion = Proportion::Inverse; break;
            case PromptAnswer::Cancel: return false;
            }
        }
    }
    return true;
}

std::optional<Failure> Sheet::calculate(ToolPrompts& prompts)
{
    if (auto failure = checkInputs())
        return failure;
    if (!askProportions(prompts))
        return Failure{Message::InvalidData};

    // x = B / A: the sought quantity's base value times w / v of every direct quantity
    // and v / w of every inverse one.
    double divisor = 1;
    double product = 1;
    at(m_sought).newValue.clear();
    for (const Row& row : m_rows) {
        if (row.description.isEmpty())
            continue;
        const auto v = number(row.value);
        const auto w = number(row.newValue);
        const bool hasNew = !row.newValue.isEmpty();
        if (row.proportion == Proportion::Direct) {
            if (v)
                divisor *= *v;
            if (hasNew && w)
                product *= *w;
        } else {
            if (hasNew && w)
                divisor *= *w;
            if (v)
                product *= *v;
        }
    }
    at(m_sought).newValue = resultText(product, divisor);
    m_calculateEnabled = false;
    m_printEnabled = true;
    m_answersGiven = true;
    return std::nullopt;
}

QString Sheet::resultText(double product, double divisor) const
{
    const double x = product / divisor;
    if (divisor == 0 || !std::isfinite(x))
        return QStringLiteral("0");
    // Four decimal places, trailing zeros dropped, no grouping.
    QString text = QString::number(x, 'f', 4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    if (text == u"-0")
        text = QStringLiteral("0");
    return text.replace(u'.', m_locale.decimal);
}

void Sheet::clearAll()
{
    for (int i = 0; i < RowCount; ++i) {
        setValue(i, QString());
        setDescription(i, QString());
        setNewValue(i, QString());
        at(i).newDescription.clear();
        at(i).newValueEnabled = false;
    }
}

void Sheet::fill(const Fill& fill)
{
    switch (fill.field) {
    case Field::Value: setValue(fill.row, fill.text); break;
    case Field::Description: setDescription(fill.row, fill.text); break;
    case Field::NewValue: setNewValue(fill.row, fill.text); break;
    }
}

void Sheet::playExample(const Example& example, ToolPrompts& prompts)
{
    if (example.clearsBase) {
        clearAll();
    } else {
        for (int i = 0; i < RowCount; ++i)
            setNewValue(i, QString());
    }
    for (const ExampleStep& step : example.steps) {
        prompts.show(step.icon, LoadMessage(step.message));
        for (const Fill& f : step.fills)
            fill(f);
    }
    selectSought(example.sought);
    prompts.show(PromptIcon::Exclamation, LoadMessage(example.closingMessage));
}

} // namespace numerette::rule_of_three
