// SPDX-License-Identifier: GPL-3.0-or-later
// The calculations of the interest window: fixed installments, saving account, cash check.
#include "frm_juro.h"

#include <QLineEdit>
#include <QPushButton>

#include "tape_reports.h"
#include "capitalization_terms.h"
#include "interest_reports.h"
#include "interest_search.h"
#include "message_catalogue.h"

using namespace numerette;

namespace {

const QString OneInstallment = QStringLiteral("1");
const QString StartingRate = QStringLiteral("15");
// A balance above this share of the initial value means the search found no answer.
constexpr double FailedBalanceShare = 0.01;

} // namespace

void frmJuro::cmdCalcular_Click()
{
    if (!checkInstallmentFields())
        return;
    m_busy = true;
    m_report = false;
    double balance = 0;
    const bool installmentGiven = value(FormatAmount(m_txtValPrest->text(), locale())) > 0;
    const SearchEnd end = installmentGiven ? findRate(balance) : findInstallment(balance);
    if (end == SearchEnd::Stopped)
        return;
    if (end == SearchEnd::Failed
        || (!isSingleInstallment() && FailedBalanceShare * value(m_txtValVista->text()) < balance)) {
        installmentFailed();
        return;
    }
    m_cmdCalcular->setFocus(Qt::OtherFocusReason);
    m_report = true;
    m_busy = false;
}

// Checks and tidies the fields before a calculation; false after a message.
bool frmJuro::checkInstallmentFields()
{
    // A text that is no number (grouped out of place, say) is no initial value either.
    if (LeadingNumber(m_txtValVista->text()) == 0 || !ValueOf(m_txtValVista->text(), locale())) {
        warn(Message::InsertInitialValue, m_txtValVista);
        return false;
    }
    const auto count = ValueOf(m_txtParcelas->text(), locale());
    if (!count || count->isZero()) {
        warn(Message::EnterInstallmentCount, m_txtParcelas);
        return false;
    }
    m_txtValVista->setText(FormatAmount(m_txtValVista->text(), locale()));
    m_txtValPrest->setText(FormatAmount(m_txtValPrest->text(), locale()));
    if (m_txtJuroAp->text().contains(locale().decimal))
        m_txtJuroAp->setText(FormatPicture(m_txtJuroAp->text(), u"#0.0#####", locale()));
    const auto days = ValueOf(m_txtDias->text(), locale());
    if (!days) {
        warn(Message::EnterDaysToFirstInstallment, m_txtDias);
        return false;
    }
    m_txtDias->setText(FormatPicture(*days, u"00", locale()));
    if (value(FormatAmount(m_txtValPrest->text(), locale())) == 0
        && value(FormatAmount(m_txtJuroAp->text(), locale())) == 0) {
        warn(Message::EnterInstallmentOrRate, m_txtValPrest);
        return false;
    }
    return true;
}

// Exactly "1": "01" installments are searched as any other count.
bool frmJuro::isSingleInstallment() const
{
    return m_txtParcelas->text() == OneInstallment;
}

std::optional<interest::Terms> frmJuro::terms() const
{
    return interest::readTerms({m_txtValVista->text(), m_txtParcelas->text(), m_txtDias->text(),
                                m_txtValPrest->text(), m_txtJuroAp->text()},
                               locale());
}

// The installment is given: the rate is sought from 15 % a month.
frmJuro::SearchEnd frmJuro::findRate(double& balance)
{
    if (!isSingleInstallment() && value(m_txtValPrest->text()) >= value(m_txtValVista->text())) {
        warn(Message::InstallmentTooHigh, m_txtValPrest);
        return SearchEnd::Stopped;
    }
    const auto amount = finalAmount();
    if (!amount)
        return SearchEnd::Failed;
    m_txtValFinal->setText(*amount);
    m_txtJuroAp->setText(StartingRate);
    const auto current = terms();
    const auto found = current ? interest::findRate(*current) : std::nullopt;
    if (!found)
        return SearchEnd::Failed;
    // The rate as the search ends at it, not reformatted.
    m_txtJuroAp->setText(text(found->value));
    balance = found->balance;
    return SearchEnd::Found;
}

// The rate is given: the installment is sought from the initial value's share of each
// installment.
frmJuro::SearchEnd frmJuro::findInstallment(double& balance)
{
    if (!ValueOf(m_txtJuroAp->text(), locale())) {
        warn(Message::EnterInterestRate, m_txtJuroAp);
        return SearchEnd::Stopped;
    }
    const auto initial = ValueOf(m_txtValVista->text(), locale());
    const auto count = ValueOf(m_txtParcelas->text(), locale());
    const auto share = initial && count ? initial->dividedBy(*count) : std::nullopt;
    if (!share)
        return SearchEnd::Failed;
    m_txtValPrest->setText(FormatPicture(*share, u"#,##0.00", locale()));
    const auto current = terms();
    const auto found = current ? interest::findInstallment(*current, share->rounded(2), isSingleInstallment())
                               : std::nullopt;
    if (!found)
        return SearchEnd::Failed;
    m_txtValPrest->setText(FormatPicture(found->value, u"#,##0.00", locale()));
    const auto amount = finalAmount();
    if (!amount)
        return SearchEnd::Failed;
    m_txtValFinal->setText(*amount);
    balance = found->balance;
    return SearchEnd::Found;
}

// The number of installments times the installment, as an amount.
std::optional<QString> frmJuro::finalAmount() const
{
    const auto count = ValueOf(m_txtParcelas->text(), locale());
    const auto installment = ValueOf(m_txtValPrest->text(), locale());
    const auto product = count && installment ? count->times(*installment) : std::nullopt;
    if (!product)
        return std::nullopt;
    return FormatPicture(*product, u"#,##0.00", locale());
}

void frmJuro::installmentFailed()
{
    //: Written into the rate and installment fields when no answer was found; the English
    //: version shows this Portuguese word
    const QString errorMark = tr("Erro");
    m_txtJuroAp->setText(errorMark);
    m_txtValPrest->setText(errorMark);
    m_prompts->show(PromptIcon::Critical, LoadMessage(Message::CalculationError));
    m_busy = false;
}

void frmJuro::cmdCapitalizar_Click()
{
    const auto terms = interest::askCapitalizationTerms(*m_inputs, interest::SavingAccountQuestions, m_dateStyle,
                                                        QDate::currentDate(), locale());
    const auto result = terms ? interest::CapitalizeAmount(terms->amount, terms->rate, terms->days, locale())
                              : std::nullopt;
    if (!result) {
        failInput();
        return;
    }
    m_prompts->show(PromptIcon::Information, LoadMessage(Message::CapitalizedAmountResult, *result));
    // The report and the result taken up render once.
    m_reports.asOneChange([&] {
        WriteCapitalizationReport(FormatAmount(terms->amount, locale()), terms->rate, terms->days, *result,
                                  terms->initialDate);
        m_reports.enterNumber(*result);
    });
}

void frmJuro::cmdDescontar_Click()
{
    const auto terms = interest::askCapitalizationTerms(*m_inputs, interest::CashCheckQuestions, m_dateStyle,
                                                        QDate::currentDate(), locale());
    const auto check = terms ? ValueOf(terms->amount, locale()) : std::nullopt;
    const auto rate = terms ? ValueOf(terms->rate, locale()) : std::nullopt;
    const auto found = check && rate ? interest::findNetAmount(*check, *rate, value(terms->days)) : std::nullopt;
    if (!found) {
        failInput();
        return;
    }
    const QString netAmount = FormatPicture(found->value, u"#,##0.00", locale());
    m_prompts->show(PromptIcon::Information, LoadMessage(Message::NetAmountResult, netAmount));
    m_reports.asOneChange([&] {
        WriteCapitalizationReport(netAmount, terms->rate, terms->days, FormatAmount(terms->amount, locale()),
                                  terms->initialDate);
        m_reports.enterNumber(netAmount);
    });
}

void frmJuro::WriteCapitalizationReport(const QString& value, const QString& rate, const QString& days,
                                        const QString& result, QDate initialDate)
{
    appendReport(interest::capitalizationReport({value, rate, days, result, initialDate}, m_dateStyle, locale()));
    close();
}

void frmJuro::warn(numerette::Message message, QLineEdit* focus)
{
    m_prompts->show(PromptIcon::Exclamation, LoadMessage(message));
    focus->setFocus(Qt::OtherFocusReason);
}

void frmJuro::failInput()
{
    m_prompts->show(PromptIcon::Critical, LoadMessage(Message::InvalidData));
}

const NumberLocale& frmJuro::locale() const
{
    return m_locale;
}

QString frmJuro::text(const Decimal& number) const
{
    return number.toPlainText().replace(u'.', locale().decimal);
}

double frmJuro::value(const QString& text) const
{
    return interest::numberOf(text, locale()).value_or(0);
}
