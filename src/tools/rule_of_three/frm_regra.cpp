// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_regra.h"

#include <algorithm>
#include <utility>

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include "number_text.h"
#include "decimal_field.h"
#include "exclusive_choice.h"
#include "field_looks.h"
#include "typed_length.h"
#include "message_catalogue.h"
#include "page_printer.h"

using namespace numerette;
using namespace numerette::rule_of_three;

namespace {

constexpr int ValueLength = 10;
constexpr int DescriptionLength = 25;

QString indexed(const char* name, int i)
{
    return QLatin1String(name) + QString::number(i);
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* widget = new QLabel(text, parent);
    widget->setObjectName(name);
    return widget;
}

// A text put in by the program shows from its start unless the user is typing there.
void setTextKeepingCaret(QLineEdit* field, const QString& text)
{
    if (field->text() == text)
        return;
    field->setText(text);
    if (!field->hasFocus())
        field->setCursorPosition(0);
}

// A header without a field of its own to focus shows its caption without the mnemonic mark.
QString withoutMnemonic(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

} // namespace

class frmRegra::RenderingPrompts final : public ToolPrompts {
public:
    explicit RenderingPrompts(frmRegra& window)
        : m_window(window)
    {
    }
    void show(PromptIcon icon, const QString& text) override
    {
        m_window.render();
        m_window.m_prompts->show(icon, text);
    }
    PromptAnswer ask(const QString& question) override
    {
        m_window.render();
        return m_window.m_prompts->ask(question);
    }

private:
    frmRegra& m_window;
};

frmRegra::frmRegra(const NumberLocale& locale, numerette::PagePrinter* printer, QWidget* parent)
    : ToolDialog(parent)
    , m_sheet(locale.withThousandsGrouping())
    , m_decimal(locale.decimal)
    , m_messageBoxes(std::make_unique<MessageBoxPrompts>(this, LoadMessage(Message::RuleOfThreeTitle)))
    , m_prompts(m_messageBoxes.get())
    , m_rendering(std::make_unique<RenderingPrompts>(*this))
    , m_printer(printer)
{
    setObjectName(QStringLiteral("frmRegra"));
    setWindowTitle(LoadMessage(Message::RuleOfThreeTitle));

    auto* grid = new QGridLayout;
    grid->addWidget(label(QStringLiteral("lblDados"), LoadMessage(Message::BaseDataHeading), this), 0, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(label(QStringLiteral("lblEncontrar"), LoadMessage(Message::FindHeading), this), 0, 4, 1, 2, Qt::AlignCenter);
    QLabel* lblQtd0 = label(QStringLiteral("lblQtd0"), LoadMessage(Message::QuantityCaption), this);
    QLabel* lblDescricao0 = label(QStringLiteral("lblDescricao0"), LoadMessage(Message::DescriptionCaption), this);
    grid->addWidget(lblQtd0, 1, 0);
    grid->addWidget(lblDescricao0, 1, 1);
    // The option column and the new data have no field that a mnemonic could always reach
    // (they are disabled until the base data is in, and an option would be chosen by it):
    // their headers show plain captions, and the base data's headers lead to its first row.
    //: Header of the column that chooses the unknown value; the English version shows this
    //: Portuguese word ("unknown"). The mnemonic is dropped when shown
    grid->addWidget(label(QStringLiteral("lblIncognita"), withoutMnemonic(tr("I&ncognita")), this), 1, 2, 1, 2);
    grid->addWidget(label(QStringLiteral("lblQtd1"), withoutMnemonic(LoadMessage(Message::QuantityCaption)), this), 1, 4);
    grid->addWidget(label(QStringLiteral("lblDescricao1"), withoutMnemonic(LoadMessage(Message::DescriptionCaption)), this), 1, 5);
    buildRows(*grid);
    lblQtd0->setBuddy(m_rows[0].txtValor);
    lblDescricao0->setBuddy(m_rows[0].txtCond);

    auto* buttons = new QHBoxLayout;
    m_cmdCalcular = addButton(QStringLiteral("cmdCalcular"), LoadMessage(Message::CalculateButton));
    m_cmdImprimir = addButton(QStringLiteral("cmdImprimir"), LoadMessage(Message::PrintButton));
    m_cmdExemplo = addButton(QStringLiteral("cmdExemplo"), LoadMessage(Message::ExampleButton) + QStringLiteral(" &1"));
    m_cmdExemplo2 = addButton(QStringLiteral("cmdExemplo2"), LoadMessage(Message::ExampleButton) + QStringLiteral(" &2"));
    for (auto* button : {m_cmdCalcular, m_cmdImprimir, m_cmdExemplo, m_cmdExemplo2})
        buttons->addWidget(button);
    connect(m_cmdCalcular, &QPushButton::clicked, this, &frmRegra::cmdCalcular_Click);
    connect(m_cmdImprimir, &QPushButton::clicked, this, &frmRegra::cmdImprimir_Click);
    connect(m_cmdExemplo, &QPushButton::clicked, this, &frmRegra::cmdExemplo_Click);
    connect(m_cmdExemplo2, &QPushButton::clicked, this, &frmRegra::cmdExemplo2_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    orderTabs();
    render();
}

// Down the base data row by row (value, then description, which opens the next row), then
// the new values, then the choice of the sought quantity, then the buttons. Disabled fields
// are skipped, so Tab and Enter always lead to the next field the user can fill.
void frmRegra::orderTabs()
{
    QList<QWidget*> chain;
    for (const RowWidgets& row : m_rows)
        chain << row.txtValor << row.txtCond;
    for (const RowWidgets& row : m_rows)
        chain << row.txtValor2;
    for (const RowWidgets& row : m_rows)
        chain << row.optInc;
    chain << m_cmdCalcular << m_cmdImprimir << m_cmdExemplo << m_cmdExemplo2;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

frmRegra::~frmRegra() = default;

void frmRegra::buildRows(QGridLayout& grid)
{
    for (int i = 0; i < RowCount; ++i) {
        RowWidgets& row = m_rows.at(std::size_t(i));
        const auto field = [this](const QString& name, int length, bool value) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(name);
            // A value the window calculates is shown whole, even past what may be typed.
            if (value) {
                limitTypedLength(*edit, length);
                edit->setAlignment(Qt::AlignRight);
            } else {
                edit->setMaxLength(length);
            }
            return edit;
        };
        row.txtValor = field(indexed("txtValor", i), ValueLength, true);
        row.txtCond = field(indexed("txtCond", i), DescriptionLength, false);
        row.txtValor2 = field(indexed("txtValor2", i), ValueLength, true);
        row.txtCond2 = field(indexed("txtCond2", i), DescriptionLength, false);
        row.txtCond2->setEnabled(false);
        // A description of the longest length shows whole.
        fitCharacters(*row.txtCond, DescriptionLength);
        fitCharacters(*row.txtCond2, DescriptionLength);
        row.optInc = new QRadioButton(this);
        row.optInc->setObjectName(indexed("optInc", i));
        // The window lets one row at most be sought, choosing and clearing it itself.
        readAsExclusiveChoice(*row.optInc);
        row.optInc->setAutoExclusive(false);
        row.optInc->setCursor(Qt::PointingHandCursor);
        row.imgVal = label(indexed("imgVal", i), QString(), this);
        row.imgVal->setFixedWidth(20);

        const int line = i + 2;
        grid.addWidget(row.txtValor, line, 0);
        grid.addWidget(row.txtCond, line, 1);
        grid.addWidget(row.optInc, line, 2);
        grid.addWidget(row.imgVal, line, 3);
        grid.addWidget(row.txtValor2, line, 4);
        grid.addWidget(row.txtCond2, line, 5);
        nameRow(row, i + 1);
        connectRow(i);
    }
}

// Only the first row has captions beside it; every field says its column and its row.
void frmRegra::nameRow(RowWidgets& row, int number)
{
    row.txtValor->setAccessibleName(tr("Quantity, row %1").arg(number));
    row.txtCond->setAccessibleName(tr("Description, row %1").arg(number));
    row.optInc->setAccessibleName(tr("Unknown in row %1").arg(number));
    row.txtValor2->setAccessibleName(tr("New quantity, row %1").arg(number));
    row.txtCond2->setAccessibleName(tr("New description, row %1").arg(number));
}

void frmRegra::connectRow(int i)
{
    const RowWidgets& row = m_rows.at(std::size_t(i));
    connect(row.txtValor, &QLineEdit::textEdited, this, [this, i](const QString& text) {
        m_sheet.setValue(i, text);
    });
    connect(row.txtCond, &QLineEdit::textEdited, this, [this, i](const QString& text) {
        m_sheet.setDescription(i, text);
        render();
    });
    connect(row.txtValor2, &QLineEdit::textEdited, this, [this, i](const QString& text) {
        m_sheet.setNewValue(i, text);
        render();
    });
    connect(row.optInc, &QRadioButton::clicked, this, [this, i] {
        m_sheet.selectSought(i);
        m_sheet.soughtReleased(i);
        render();
    });
    row.txtValor2->installEventFilter(this);
    makeDecimalField(*row.txtValor, m_decimal);
    makeDecimalField(*row.txtValor2, m_decimal);
    caretToEndOnFocus(*row.txtCond);
}

QPushButton* frmRegra::addButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    return button;
}

void frmRegra::setPrompts(ToolPrompts& prompts)
{
    m_prompts = &prompts;
}

// Only a key that changed the new value counts as typing in it: the release of the Tab or
// Enter that brought the focus into an empty field, or of an arrow key, must not make its
// quantity the sought one (which would lock the base data for good).
bool frmRegra::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease)
        return ToolDialog::eventFilter(watched, event);
    const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                  [watched](const RowWidgets& widgets) { return widgets.txtValor2 == watched; });
    if (row != m_rows.end()) {
        const auto i = std::size_t(row - m_rows.begin());
        std::optional<QString>& before = m_textAtKeyPress.at(i);
        if (press) {
            before = row->txtValor2->text();
        } else if (before && std::exchange(before, std::nullopt) != row->txtValor2->text()) {
            m_sheet.newValueKeyReleased(int(i));
            render();
        }
    }
    return ToolDialog::eventFilter(watched, event);
}

void frmRegra::showEvent(QShowEvent* event)
{
    ToolDialog::showEvent(event);
    m_rows[0].txtValor->setFocus();
}

void frmRegra::render()
{
    const QPixmap direct = style()->standardPixmap(QStyle::SP_ArrowUp);
    const QPixmap inverse = style()->standardPixmap(QStyle::SP_ArrowDown);
    for (int i = 0; i < RowCount; ++i) {
        const Row& state = m_sheet.row(i);
        const RowWidgets& row = m_rows.at(std::size_t(i));
        setTextKeepingCaret(row.txtValor, state.value);
        setTextKeepingCaret(row.txtCond, state.description);
        setTextKeepingCaret(row.txtValor2, state.newValue);
        setTextKeepingCaret(row.txtCond2, state.newDescription);
        row.txtValor->setEnabled(state.baseEnabled);
        row.txtCond->setEnabled(state.baseEnabled);
        row.txtValor2->setEnabled(state.newValueEnabled);
        row.optInc->setEnabled(state.optionEnabled);
        row.optInc->setChecked(m_sheet.sought() == i);
        switch (state.proportion) {
        case Proportion::None: row.imgVal->clear(); break;
        case Proportion::Direct: row.imgVal->setPixmap(direct); break;
        case Proportion::Inverse: row.imgVal->setPixmap(inverse); break;
        }
    }
    m_cmdCalcular->setEnabled(m_sheet.calculateEnabled());
    m_cmdImprimir->setEnabled(m_sheet.printEnabled());
}

void frmRegra::cmdCalcular_Click()
{
    const auto failure = m_sheet.calculate(*m_rendering);
    render();
    if (failure) {
        m_prompts->show(PromptIcon::Exclamation, LoadMessage(failure->message));
        const RowWidgets& row = m_rows.at(std::size_t(failure->row));
        if (failure->focus == Focus::BaseValue)
            row.txtValor->setFocus();
        else if (failure->focus == Focus::NewValue)
            row.txtValor2->setFocus();
        return;
    }
    m_rows.at(std::size_t(m_sheet.sought())).txtValor2->setFocus();
}

void frmRegra::cmdImprimir_Click()
{
    using Outcome = numerette::PrintReport::Outcome;
    const numerette::PrintReport report =
        m_printer ? m_printer->printPicture(grab(), logicalDpiX()) : numerette::PrintReport{};
    if (report.outcome == Outcome::Printed) {
        m_prompts->show(PromptIcon::Information, LoadMessage(Message::SentToPrinter));
        return;
    }
    if (report.outcome == Outcome::Canceled)
        return;
    const QString trouble = numerette::printTroubleText(report);
    m_prompts->show(PromptIcon::Critical, trouble.isEmpty() ? LoadMessage(Message::PrinterNotResponding) : trouble);
    close();
}

void frmRegra::playExample(const Example& example)
{
    if (QScreen* shown = screen())
        move(shown->availableGeometry().left(), y());
    m_sheet.playExample(example, *m_rendering);
    render();
}

void frmRegra::cmdExemplo_Click()
{
    playExample(firstExample());
    m_cmdExemplo->setEnabled(false);
    m_cmdExemplo2->setEnabled(true);
    m_cmdCalcular->setFocus();
}

void frmRegra::cmdExemplo2_Click()
{
    playExample(secondExample());
    m_cmdExemplo2->setEnabled(false);
    m_cmdCalcular->setFocus();
}
