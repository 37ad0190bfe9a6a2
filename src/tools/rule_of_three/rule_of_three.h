// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include <QList>
#include <QString>

#include "message_ids.h"
#include "number_text.h"
#include "tool_prompts.h"

namespace numerette::rule_of_three {

constexpr int RowCount = 6;

// The answer given for a quantity: increasing it increases the sought one (direct) or
// decreases it (inverse). A quantity never asked about, and the sought one, count as inverse.
enum class Proportion { None, Direct, Inverse };

// One quantity: its base value and description, its new value and the copy of the
// description shown beside it, and which of its fields are open for input.
struct Row {
    QString value;          // txtValor
    QString description;    // txtCond
    QString newValue;       // txtValor2
    QString newDescription; // txtCond2
    bool baseEnabled = false;     // txtValor and txtCond
    bool newValueEnabled = false; // txtValor2
    bool optionEnabled = false;   // optInc
    Proportion proportion = Proportion::None; // imgVal
};

enum class Focus { None, BaseValue, NewValue };

// Why a calculation stopped: the message shown and the field that gets the focus.
struct Failure {
    Message message;
    Focus focus = Focus::None;
    int row = 0;
    bool operator==(const Failure&) const = default;
};

enum class Field { Value, Description, NewValue };

// A field an example fills after one of its messages.
struct Fill {
    Field field;
    int row;
    QString text;
};

struct ExampleStep {
    Message message;
    PromptIcon icon;
    QList<Fill> fills;
};

// A guided example: optionally clears the base data, shows its messages filling fields,
// selects the sought quantity and ends with a message telling what to do next.
struct Example {
    bool clearsBase;
    QList<ExampleStep> steps;
    int sought;
    Message closingMessage;
};

// 8 carpenters, 5 days, 6 hours a day, 12 closets: how many closets by 5 carpenters in
// 10 days at 8 hours a day (20).
Example firstExample();
// On the base of the first: how many hours a day for 3 carpenters in 12 days and
// 18 closets (10).
Example secondExample();

// The six rows of the rule-of-three window with the rules that run when a field changes,
// the calculation and the examples. The window renders this state.
class Sheet {
public:
    explicit Sheet(const NumberLocale& locale);

    const Row& row(int i) const { return m_rows.at(std::size_t(i)); }
    // The sought quantity, or -1.
    int sought() const { return m_sought; }
    bool calculateEnabled() const { return m_calculateEnabled; }
    bool printEnabled() const { return m_printEnabled; }
    bool answersGiven() const { return m_answersGiven; }

    void setValue(int i, const QString& text);
    // A changed description opens the row (and the next row's base fields) or closes it;
    // the same text again changes nothing.
    void setDescription(int i, const QString& text);
    void setNewValue(int i, const QString& text);
    // A key released in the new value: an empty new value makes the row the sought one.
    void newValueKeyReleased(int i);
    // Choosing the sought quantity freezes the base data and asks the questions again.
    void selectSought(int i);
    // A click on the already sought quantity empties its new value.
    void soughtReleased(int i);

    // Builds the product from the answers (asked through `prompts` unless already given)
    // and writes the sought new value. Nothing on success.
    std::optional<Failure> calculate(ToolPrompts& prompts);

    void playExample(const Example& example, ToolPrompts& prompts);

private:
    Row& at(int i) { return m_rows.at(std::size_t(i)); }
    std::optional<double> number(const QString& text) const;
    void clearAll();
    void fill(const Fill& fill);
    std::optional<Failure> checkInputs() const;
    bool askProportions(ToolPrompts& prompts);
    QString resultText(double product, double divisor) const;

    NumberLocale m_locale;
    std::array<Row, RowCount> m_rows;
    int m_sought = -1;
    bool m_baseFrozen = false;
    bool m_calculateEnabled = false;
    bool m_printEnabled = false;
    bool m_answersGiven = false;
};

} // namespace numerette::rule_of_three
