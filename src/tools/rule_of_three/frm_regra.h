// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "rule_of_three.h"
#include "tool_dialog.h"
#include "tool_prompts.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numerette {
struct NumberLocale;
class PagePrinter;
}

// The rule-of-three window: six quantities of a base situation and of a new one, the
// sought quantity chosen among them, a product built from Yes/No answers, two guided
// examples and printing of the window's image. It writes nothing into the calculation list.
class frmRegra : public numerette::ToolDialog {
    Q_OBJECT

public:
    // Prints on printer; without one, printing fails.
    frmRegra(const numerette::NumberLocale& locale, numerette::PagePrinter* printer, QWidget* parent = nullptr);
    ~frmRegra() override;

    // Message boxes go through `prompts` from now on (tests record them).
    void setPrompts(numerette::ToolPrompts& prompts);

    const numerette::rule_of_three::Sheet& sheet() const { return m_sheet; }

    void cmdCalcular_Click();
    void cmdImprimir_Click();
    void cmdExemplo_Click();
    void cmdExemplo2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct RowWidgets {
        QLineEdit* txtValor;
        QLineEdit* txtCond;
        QLineEdit* txtValor2;
        QLineEdit* txtCond2;
        QRadioButton* optInc;
        QLabel* imgVal;
    };
    // Shows each message only after the window shows the fields filled so far.
    class RenderingPrompts;

    void buildRows(QGridLayout& grid);
    void orderTabs();
    QPushButton* addButton(const QString& name, const QString& caption);
    static void nameRow(RowWidgets& row, int number);
    void connectRow(int i);
    void render();
    void playExample(const numerette::rule_of_three::Example& example);

    numerette::rule_of_three::Sheet m_sheet;
    QChar m_decimal;
    std::array<RowWidgets, numerette::rule_of_three::RowCount> m_rows{};
    // The text of each new value when a key was pressed in it, until that key's release.
    std::array<std::optional<QString>, numerette::rule_of_three::RowCount> m_textAtKeyPress{};
    QPushButton* m_cmdCalcular = nullptr;
    QPushButton* m_cmdImprimir = nullptr;
    QPushButton* m_cmdExemplo = nullptr;
    QPushButton* m_cmdExemplo2 = nullptr;
    std::unique_ptr<numerette::ToolPrompts> m_messageBoxes;
    numerette::ToolPrompts* m_prompts;
    std::unique_ptr<RenderingPrompts> m_rendering;
    numerette::PagePrinter* m_printer;
};
