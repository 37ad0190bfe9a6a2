// SPDX-License-Identifier: GPL-3.0-or-later
// The calculations of the interest window: fixed installments, saving account, cash check.
#include "frm_juro.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "calculator.h"
#include "capitalization_terms.h"
#include "interest_reports.h"
#include "message_catalogue.h"

using namespace numerette;

namespace {

const QString OneInstallment = QStringLiteral("1");
const QString ErrorMark = QStringLiteral("Erro");
const QString StartingRate = QStringLiteral("15");
// A balance above this share of the initial value means the search found no answer.
constexpr double FailedBalanceShare = 0.01;
// About a screen refresh: how long a search runs before the window's events run again.
constexpr qint64 EventsEveryMilliseconds = 15;

} // namespace

void frmJuro::cmdCalcular_Click()
{
    if (m_searching || !checkInstallmentFields())
        return;
    m_busy = true;
    m_report = false;
    double balance = 0;
    const bool installmentGiven = value(FormatAmount(m_txtValPrest->text(), locale())) > 0;
    const std::optional<SearchEnd> end = installmentGiven ? findRate(balance) : findInstallment(balance);
    if (!end || *end == SearchEnd::Abandoned)
        return;
    if (*end == SearchEnd::Failed
        || (!isSingleInstallment() && FailedBalanceShare * value(m_txtValVista->text()) < balance)) {
        installmentFailed();
        return;
    }
    unsetCursor();
    m_cmdCalcular->setFocus(Qt::OtherFocusReason);
    m_report = true;
    m_busy = false;
}

// Checks and tidies the fields before a calculation; false after a message.
bool frmJuro::checkInstallmentFields()
{
    if (LeadingNumber(m_txtValVista->text()) == 0) {
        warn(22, m_txtValVista);
        return false;
    }
    const auto count = ValueOf(m_txtParcelas->text(), locale());
    if (!count || count->isZero()) {
        warn(23, m_txtParcelas);
        return false;
    }
    m_txtValVista->setText(FormatAmount(m_txtValVista->text(), locale()));
    m_txtValPrest->setText(FormatAmount(m_txtValPrest->text(), locale()));
    if (m_txtJuroAp->text().contains(locale().decimal))
        m_txtJuroAp->setText(FormatPicture(m_txtJuroAp->text(), u"#0.0#####", locale()));
    const auto days = ValueOf(m_txtDias->text(), locale());
    if (!days) {
        warn(24, m_txtDias);
        return false;
    }
    m_txtDias->setText(FormatPicture(*days, u"00", locale()));
    if (value(FormatAmount(m_txtValPrest->text(), locale())) == 0
        && value(FormatAmount(m_txtJuroAp->text(), locale())) == 0) {
        warn(25, m_txtValPrest);
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

// The installment is given: the rate is sought from 15 % a month. Nothing after a message.
std::optional<frmJuro::SearchEnd> frmJuro::findRate(double& balance)
{
    if (!isSingleInstallment() && value(m_txtValPrest->text()) >= value(m_txtValVista->text())) {
        warn(26, m_txtValPrest);
        return std::nullopt;
    }
    const auto amount = finalAmount();
    if (!amount)
        return SearchEnd::Failed;
    m_txtValFinal->setText(*amount);
    m_txtJuroAp->setText(StartingRate);
    setCursor(Qt::WaitCursor);
    return search(
        [this](int stage) -> std::optional<interest::Step> {
            const auto current = terms();
            const auto step = current ? interest::rateStep(*current, stage) : std::nullopt;
            const auto rate = step ? text(step->value) : std::nullopt;
            if (!rate)
                return std::nullopt;
            m_txtJuroAp->setText(*rate);
            return step;
        },
        balance);
}

// The rate is given: the installment is sought from the initial value's share of each
// installment. Nothing after a message.
std::optional<frmJuro::SearchEnd> frmJuro::findInstallment(double& balance)
{
    if (!ValueOf(m_txtJuroAp->text(), locale())) {
        warn(27, m_txtJuroAp);
        return std::nullopt;
    }
    const auto initial = ValueOf(m_txtValVista->text(), locale());
    const auto count = ValueOf(m_txtParcelas->text(), locale());
    const auto share = initial && count ? initial->dividedBy(*count) : std::nullopt;
    if (!share)
        return SearchEnd::Failed;
    m_txtValPrest->setText(FormatPicture(*share, u"#,##0.00", locale()));
    setCursor(Qt::WaitCursor);
    const SearchEnd end = search(
        [this](int stage) -> std::optional<interest::Step> {
            const auto current = terms();
            const auto step = current ? interest::installmentStep(*current, isSingleInstallment(), stage)
                                      : std::nullopt;
            const auto installment = step ? text(step->value) : std::nullopt;
            if (!installment)
                return std::nullopt;
            m_txtValPrest->setText(*installment);
            return step;
        },
        balance);
    if (end != SearchEnd::Found)
        return end;
    m_txtValPrest->setText(FormatAmount(m_txtValPrest->text(), locale()));
    const auto amount = finalAmount();
    if (!amount)
        return SearchEnd::Failed;
    m_txtValFinal->setText(*amount);
    return end;
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

// Runs a search one iteration at a time and lets the window's events run before the first
// and then every few milliseconds, so that the fields repaint as the value moves and the
// window answers, without a long search waiting for a repaint after every step. A window
// closed meanwhile ends the search without touching anything more; one deleted meanwhile is
// not touched at all.
frmJuro::SearchEnd frmJuro::search(const Iteration& iteration, double& balance)
{
    const QPointer<frmJuro> alive(this);
    m_searching = true;
    SearchEnd end = SearchEnd::Failed;
    QElapsedTimer sinceEvents;
    int stage = 0;
    for (int done = 0; done < interest::MaxSearchIterations; ++done) {
        if (!sinceEvents.isValid() || sinceEvents.hasExpired(EventsEveryMilliseconds)) {
            QCoreApplication::processEvents();
            if (!alive)
                return SearchEnd::Abandoned;
            if (m_closed) {
                end = SearchEnd::Abandoned;
                break;
            }
            sinceEvents.start();
        }
        const std::optional<interest::Step> step = iteration(stage);
        if (!step)
            break;
        balance = step->balance;
        stage = step->stage;
        if (step->last) {
            end = SearchEnd::Found;
            break;
        }
    }
    m_searching = false;
    return end;
}

void frmJuro::installmentFailed()
{
    m_txtJuroAp->setText(ErrorMark);
    m_txtValPrest->setText(ErrorMark);
    unsetCursor();
    m_prompts->show(PromptIcon::Critical, LoadMessage(28));
    m_busy = false;
}

void frmJuro::cmdCapitalizar_Click()
{
    if (m_searching)
        return;
    const auto terms = interest::askCapitalizationTerms(*m_inputs, interest::SavingAccountQuestions, m_dateStyle,
                                                        QDate::currentDate(), locale());
    const auto result = terms ? interest::CapitalizeAmount(terms->amount, terms->rate, terms->days, locale())
                              : std::nullopt;
    if (!result) {
        failInput();
        return;
    }
    m_prompts->show(PromptIcon::Information, LoadMessage(29, *result));
    WriteCapitalizationReport(FormatAmount(terms->amount, locale()), terms->rate, terms->days, *result,
                              terms->initialDate);
    m_calculator.enterNumber(*result);
}

void frmJuro::cmdDescontar_Click()
{
    if (m_searching)
        return;
    const auto terms = interest::askCapitalizationTerms(*m_inputs, interest::CashCheckQuestions, m_dateStyle,
                                                        QDate::currentDate(), locale());
    if (!terms) {
        failInput();
        return;
    }
    const double check = value(terms->amount);
    const double rate = value(terms->rate);
    const double days = value(terms->days);
    double net = interest::significant15(check - check * rate / 100);
    double balance = 0;
    setCursor(Qt::WaitCursor);
    const SearchEnd end = search(
        [&](int stage) {
            const auto step = interest::netAmountStep(check, rate, days, net, stage);
            if (step)
                net = step->value;
            return step;
        },
        balance);
    if (end == SearchEnd::Abandoned)
        return;
    unsetCursor();
    if (end == SearchEnd::Failed) {
        failInput();
        return;
    }
    const QString netAmount = interest::amountText(net, locale());
    m_prompts->show(PromptIcon::Information, LoadMessage(31, netAmount));
    WriteCapitalizationReport(netAmount, terms->rate, terms->days, FormatAmount(terms->amount, locale()),
                              terms->initialDate);
    m_calculator.enterNumber(netAmount);
}

void frmJuro::WriteCapitalizationReport(const QString& value, const QString& rate, const QString& days,
                                        const QString& result, QDate initialDate)
{
    appendReport(interest::capitalizationReport({value, rate, days, result, initialDate}, m_dateStyle, locale()));
    close();
}

void frmJuro::warn(int message, QLineEdit* focus)
{
    m_prompts->show(PromptIcon::Exclamation, LoadMessage(message));
    focus->setFocus(Qt::OtherFocusReason);
}

void frmJuro::failInput()
{
    m_prompts->show(PromptIcon::Critical, LoadMessage(30));
}

const NumberLocale& frmJuro::locale() const
{
    return m_calculator.numberLocale();
}

std::optional<QString> frmJuro::text(double number) const
{
    return interest::numberText(number, locale().decimal);
}

double frmJuro::value(const QString& text) const
{
    return interest::numberOf(text, locale()).value_or(0);
}
