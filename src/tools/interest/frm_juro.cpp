// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_juro.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "tape_reports.h"
#include "decimal_field.h"
#include "field_looks.h"
#include "interest_reports.h"
#include "message_catalogue.h"
#include "typed_length.h"

using namespace numerette;

namespace {

constexpr int AmountLength = 20;
constexpr int CountLength = 3;
constexpr int DaysLength = 2;
// How much of the count and days fields is selected when they take the focus.
constexpr int CountSelection = 2;
constexpr int DaysSelection = 3;
// The fields that may hold the sought value stand out: light yellow, with a dark text of
// their own, as the desktop's text colour may be a light one.
const QColor SoughtFieldColour(255, 255, 204);
const QColor SoughtTextColour(0, 0, 0);
const QColor SoughtDisabledTextColour(0x70, 0x70, 0x60);

QLineEdit* field(const QString& name, int maxLength, Qt::Alignment alignment, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setAlignment(alignment);
    return edit;
}

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QPushButton* button(const QString& name, Message message, QWidget* parent)
{
    auto* push = new QPushButton(LoadMessage(message), parent);
    push->setObjectName(name);
    return push;
}

void highlight(QLineEdit& edit)
{
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, SoughtFieldColour);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, SoughtTextColour);
    palette.setColor(QPalette::Disabled, QPalette::Text, SoughtDisabledTextColour);
    edit.setPalette(palette);
}

} // namespace

frmJuro::frmJuro(TapeReports& reports, const QString& dateFormat, QWidget* parent)
    : ToolDialog(parent)
    , m_reports(reports)
    , m_locale(reports.numberLocale().withThousandsGrouping())
    , m_dateStyle(dates::dateStyleOf(dateFormat, dates::dateSeparatorOf(QLocale::system())))
    , m_messageBoxes(std::make_unique<MessageBoxPrompts>(this, LoadMessage(Message::InterestWindowTitle)))
    , m_prompts(m_messageBoxes.get())
    , m_inputs(m_messageBoxes.get())
{
    setObjectName(QStringLiteral("frmJuro"));
    // Kept open while its report is written: the calculator may ask whether to clear a full list.
    numerette::closeWhenAnotherWindowIsActive(*this, [this] { return !m_writing; });
    setWindowTitle(LoadMessage(Message::InterestWindowTitle));
    buildWindow();
    connectFieldRules();
    orderTabs();
    for (auto* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

frmJuro::~frmJuro() = default;

void frmJuro::setPrompts(ToolPrompts& prompts, InputPrompts& inputs)
{
    m_prompts = &prompts;
    m_inputs = &inputs;
}

void frmJuro::buildWindow()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildInstallments());
    layout->addWidget(buildCapitalization());
    auto* bottom = new QHBoxLayout;
    auto* lblAgiota = new QLabel(LoadMessage(Message::ProgramCredit), this);
    lblAgiota->setObjectName(QStringLiteral("lblAgiota"));
    m_cmdAjuda = button(QStringLiteral("cmdAjuda"), Message::HelpButton, this);
    bottom->addWidget(lblAgiota, 1);
    bottom->addWidget(m_cmdAjuda);
    layout->addLayout(bottom);
    connect(m_cmdAjuda, &QPushButton::clicked, this, &frmJuro::cmdAjuda_Click);
}

QWidget* frmJuro::buildInstallments()
{
    auto* box = new QGroupBox(LoadMessage(Message::FixedInstallmentsGroup), this);
    auto* grid = new QGridLayout(box);
    const QChar decimal = m_reports.numberLocale().decimal;
    m_txtValVista = field(QStringLiteral("txtValVista"), 0, Qt::AlignRight, box);
    m_txtValPrest = field(QStringLiteral("txtValPrest"), 0, Qt::AlignRight, box);
    m_txtParcelas = field(QStringLiteral("txtParcelas"), CountLength, Qt::AlignCenter, box);
    m_txtDias = field(QStringLiteral("txtDias"), DaysLength, Qt::AlignCenter, box);
    m_txtJuroAp = field(QStringLiteral("txtJuroAp"), 0, Qt::AlignCenter, box);
    m_txtValFinal = field(QStringLiteral("txtValFinal"), 0, Qt::AlignRight, box);
    m_txtJuroTot = field(QStringLiteral("txtJuroTot"), 0, Qt::AlignRight, box);
    for (QLineEdit* amount : {m_txtValVista, m_txtValPrest, m_txtJuroAp})
        makeDecimalField(*amount, decimal);
    // An amount the window formats is shown whole, even past what may be typed.
    for (QLineEdit* amount : {m_txtValVista, m_txtValPrest})
        limitTypedLength(*amount, AmountLength);
    for (QLineEdit* whole : {m_txtParcelas, m_txtDias})
        whole->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), whole));
    for (QLineEdit* output : {m_txtValFinal, m_txtJuroTot}) {
        showAsReadOnly(*output);
        output->setFocusPolicy(Qt::ClickFocus);
    }
    highlight(*m_txtValPrest);
    highlight(*m_txtJuroAp);
    m_txtDias->setText(QStringLiteral("30"));
    m_chkVista = new QCheckBox(LoadMessage(Message::InCash).trimmed(), box);
    m_chkVista->setObjectName(QStringLiteral("chkVista"));
    m_chkVista->setCursor(Qt::PointingHandCursor);

    grid->addWidget(caption(LoadMessage(Message::InitialValueCaption), m_txtValVista, box), 0, 0);
    grid->addWidget(m_txtValVista, 0, 1, 1, 3);
    grid->addWidget(caption(LoadMessage(Message::FixedInstallmentsCaption), m_txtValPrest, box), 1, 0);
    grid->addWidget(m_txtValPrest, 1, 1, 1, 3);
    grid->addWidget(caption(LoadMessage(Message::InstallmentCountCaption), m_txtParcelas, box), 2, 0);
    grid->addWidget(m_txtParcelas, 2, 1);
    grid->addWidget(caption(LoadMessage(Message::FirstInstallmentCaption), m_txtDias, box), 3, 0);
    grid->addWidget(m_txtDias, 3, 1);
    grid->addWidget(new QLabel(LoadMessage(Message::DaysOrLabel), box), 3, 2);
    grid->addWidget(m_chkVista, 3, 3);
    grid->addWidget(caption(LoadMessage(Message::InterestRateCaption), m_txtJuroAp, box), 4, 0);
    grid->addWidget(m_txtJuroAp, 4, 1);
    grid->addWidget(new QLabel(LoadMessage(Message::MonthlyLabel), box), 4, 2, 1, 2);
    grid->addWidget(caption(LoadMessage(Message::FinalAmountCaption), m_txtValFinal, box), 5, 0);
    grid->addWidget(m_txtValFinal, 5, 1, 1, 3);
    grid->addWidget(caption(LoadMessage(Message::TotalInterestCaption), m_txtJuroTot, box), 6, 0);
    grid->addWidget(m_txtJuroTot, 6, 1, 1, 3);
    m_cmdCalcular = button(QStringLiteral("cmdCalcular"), Message::CalculateButton, box);
    grid->addWidget(m_cmdCalcular, 7, 0, 1, 4);
    connect(m_cmdCalcular, &QPushButton::clicked, this, &frmJuro::cmdCalcular_Click);
    return box;
}

QWidget* frmJuro::buildCapitalization()
{
    // A group title has one line; the second line of the caption goes inside.
    const QStringList captionLines = LoadMessage(Message::CapitalizationCaption).split(QStringLiteral("\r\n"));
    auto* box = new QGroupBox(captionLines.value(0), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(captionLines.mid(1).join(u' '), box), 0, 0, 1, 2);
    m_cmdCapitalizar = button(QStringLiteral("cmdCapitalizar"), Message::SavingAccountButton, box);
    m_cmdDescontar = button(QStringLiteral("cmdDescontar"), Message::CashCheckButton, box);
    grid->addWidget(m_cmdCapitalizar, 1, 0);
    grid->addWidget(m_cmdDescontar, 1, 1);
    connect(m_cmdCapitalizar, &QPushButton::clicked, this, &frmJuro::cmdCapitalizar_Click);
    connect(m_cmdDescontar, &QPushButton::clicked, this, &frmJuro::cmdDescontar_Click);
    return box;
}

void frmJuro::orderTabs()
{
    const QList<QWidget*> chain{m_txtValVista,    m_txtValPrest,  m_txtParcelas,    m_txtDias,
                                m_chkVista,       m_txtJuroAp,    m_cmdCalcular,    m_cmdCapitalizar,
                                m_cmdDescontar,   m_cmdAjuda};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

// Entering one of the two sought values erases the other, except while a calculation writes them.
bool frmJuro::isPositiveAmount(const QString& text) const
{
    const auto amount = ValueOf(FormatAmount(text, locale()), locale());
    return amount && *amount > Decimal();
}

void frmJuro::connectFieldRules()
{
    connect(m_txtValVista, &QLineEdit::textChanged, this, [this] { m_report = false; });
    connect(m_txtValPrest, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_report = false;
        if (isPositiveAmount(text) && !m_busy)
            m_txtJuroAp->clear();
    });
    connect(m_txtJuroAp, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_report = false;
        if (isPositiveAmount(text) && !m_busy)
            m_txtValPrest->clear();
    });
    connect(m_txtParcelas, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_report = false;
        const auto count = ValueOf(text, locale());
        if (count && *count > Decimal(250)) {
            //: Asks for a number of installments from 01 to 250; the English version shows this
            //: Portuguese sentence
            m_prompts->show(PromptIcon::Critical, tr("Digite a quantidade de parcelas entre 01 e 250"));
            m_txtParcelas->clear();
        }
    });
    connect(m_txtDias, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_report = false;
        m_chkVista->setChecked(LeadingNumber(text) == 0 && !text.isEmpty());
    });
    connect(m_chkVista, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked && m_txtDias->text() != QLatin1String("0"))
            m_txtDias->setText(QStringLiteral("0"));
    });
    connect(m_txtValFinal, &QLineEdit::textChanged, this, [this](const QString& text) {
        const auto finalAmount = ValueOf(text, locale());
        const auto initial = ValueOf(m_txtValVista->text(), locale());
        const auto interest = finalAmount && initial ? finalAmount->minus(*initial) : std::nullopt;
        if (interest)
            m_txtJuroTot->setText(FormatPicture(*interest, u"#,##0.00", locale()));
    });
}

void frmJuro::fieldFocused(QObject* field)
{
    const auto select = [](QLineEdit* edit, int length) {
        // After the mouse press that gave the focus has placed the caret.
        QTimer::singleShot(0, edit, [edit, length] { edit->setSelection(0, length); });
    };
    if (field == m_txtParcelas)
        select(m_txtParcelas, CountSelection);
    else if (field == m_txtDias)
        select(m_txtDias, DaysSelection);
}

void frmJuro::fieldLeft(QObject* field)
{
    if (field == m_txtValVista) {
        m_txtValVista->setText(FormatAmount(m_txtValVista->text(), locale()));
    } else if (field == m_txtValPrest) {
        const QString amount = FormatAmount(m_txtValPrest->text(), locale());
        if (const auto installment = ValueOf(amount, locale()); installment && !installment->isZero())
            m_txtValPrest->setText(amount);
    }
}

bool frmJuro::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        emit keyReleased();
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1)
            cmdAjuda_Click();
        break;
    case QEvent::FocusIn:
        fieldFocused(watched);
        break;
    case QEvent::FocusOut: {
        // Only a move to another field of the window leaves a field; a message box or another
        // window taking the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            fieldLeft(watched);
        break;
    }
    default:
        break;
    }
    return ToolDialog::eventFilter(watched, event);
}

void frmJuro::showEvent(QShowEvent* event)
{
    ToolDialog::showEvent(event);
    m_closed = false;
    m_txtValVista->setFocus(Qt::OtherFocusReason);
}

void frmJuro::cmdAjuda_Click()
{
    m_prompts->show(PromptIcon::Information, LoadMessage(Message::InterestHelp));
}

void frmJuro::appendReport(const QString& block)
{
    m_writing = true;
    m_reports.appendToolReport(block);
    m_writing = false;
}

// The report and its final value taken up render once.
void frmJuro::writeInstallmentReport()
{
    m_report = false;
    m_reports.asOneChange([this] {
        appendReport(interest::installmentReport({m_txtValVista->text(), m_txtParcelas->text(),
                                                  m_txtDias->text(), m_txtValPrest->text(), m_txtJuroAp->text(),
                                                  m_txtJuroTot->text(), m_txtValFinal->text()},
                                                 locale()));
        m_reports.enterNumber(m_txtValFinal->text());
    });
}

void frmJuro::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        if (m_report)
            writeInstallmentReport();
    }
    ToolDialog::done(result);
    if (parentWidget() && m_reports.calculatorShown())
        parentWidget()->window()->activateWindow();
}
