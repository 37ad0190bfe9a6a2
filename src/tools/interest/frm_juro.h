// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "date_calculation.h"
#include "interest_calculation.h"
#include "message_ids.h"
#include "tool_dialog.h"
#include "tool_prompts.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace numerette {
class TapeReports;
}

// The interest window: fixed installments (the monthly rate from the installment, or the
// installment from the rate), a saving account and a cash check. The searches find where
// their ladders end directly, in well under a second, so they run in one go. The installment
// report goes into the calculation list when the window closes after a successful
// calculation; the saving account and the cash check write theirs at once and close the
// window.
class frmJuro : public numerette::ToolDialog {
    Q_OBJECT

public:
    // `dateFormat` is "dd/mm/yyyy" or "mm/dd/yyyy", after the user's short-date order.
    frmJuro(numerette::TapeReports& reports, const QString& dateFormat, QWidget* parent = nullptr);
    ~frmJuro() override;

    // Message and input boxes go through these from now on (tests record them).
    void setPrompts(numerette::ToolPrompts& prompts, numerette::InputPrompts& inputs);

    void cmdCalcular_Click();
    void cmdCapitalizar_Click();
    void cmdDescontar_Click();
    void cmdAjuda_Click();
    void done(int result) override;

signals:
    // A key was released in the window: the calculator keeps NumLock on.
    void keyReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // How a search of the fixed installments ended: with an answer, on the failure path, or
    // stopped by a validation message.
    enum class SearchEnd { Found, Failed, Stopped };

    void buildWindow();
    QWidget* buildInstallments();
    QWidget* buildCapitalization();
    void connectFieldRules();
    void orderTabs();
    bool isPositiveAmount(const QString& text) const;
    void fieldFocused(QObject* field);
    void fieldLeft(QObject* field);

    bool checkInstallmentFields();
    bool isSingleInstallment() const;
    std::optional<numerette::interest::Terms> terms() const;
    SearchEnd findRate(double& balance);
    SearchEnd findInstallment(double& balance);
    std::optional<QString> finalAmount() const;
    void installmentFailed();

    void WriteCapitalizationReport(const QString& value, const QString& rate, const QString& days,
                                   const QString& result, QDate initialDate);
    void writeInstallmentReport();
    void appendReport(const QString& block);
    void warn(numerette::Message message, QLineEdit* focus);
    void failInput();
    const numerette::NumberLocale& locale() const;
    QString text(const numerette::Decimal& number) const;
    double value(const QString& text) const;

    numerette::TapeReports& m_reports;
    // The calculator's separators; amounts are read grouped by thousands only.
    numerette::NumberLocale m_locale;
    numerette::dates::DateStyle m_dateStyle;
    std::unique_ptr<numerette::MessageBoxPrompts> m_messageBoxes;
    numerette::ToolPrompts* m_prompts;
    numerette::InputPrompts* m_inputs;
    QLineEdit* m_txtValVista = nullptr;
    QLineEdit* m_txtValPrest = nullptr;
    QLineEdit* m_txtParcelas = nullptr;
    QLineEdit* m_txtDias = nullptr;
    QCheckBox* m_chkVista = nullptr;
    QLineEdit* m_txtJuroAp = nullptr;
    QLineEdit* m_txtValFinal = nullptr;
    QLineEdit* m_txtJuroTot = nullptr;
    QPushButton* m_cmdCalcular = nullptr;
    QPushButton* m_cmdCapitalizar = nullptr;
    QPushButton* m_cmdDescontar = nullptr;
    QPushButton* m_cmdAjuda = nullptr;
    // The report flag: a successful calculation that no edit has overtaken.
    bool m_report = false;
    // The busy flag: a calculation writes the sought field without erasing the other one.
    bool m_busy = false;
    // A report is going into the list; the calculator may ask about a full list meanwhile.
    bool m_writing = false;
    bool m_closed = false;
};
