// SPDX-License-Identifier: GPL-3.0-or-later
#include "correct_item_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "calculation_list.h"
#include "entry_box.h"
#include "message_boxes.h"

namespace {

using numerette::tape::operatorKeyOf;

constexpr QChar Times = QChar(0x00D7);
constexpr QChar Divide = QChar(0x00F7);

QString itemCaption(int index, const numerette::tape::ItemParts& item)
{
    QString caption = QString::number(index + 1).rightJustified(3, u'0') + QStringLiteral(":  ") + item.value
        + u' ' + item.op;
    if (!item.label.isEmpty())
        caption += QStringLiteral("  ") + item.label;
    return caption;
}

} // namespace

CorrectItemDialog::CorrectItemDialog(const numerette::ToCorrect& target, QWidget* parent)
    : QDialog(parent)
    , m_target(target)
    , m_item(new QComboBox(this))
    , m_value(new QLineEdit(this))
    , m_operator(new QComboBox(this))
{
    setObjectName(QStringLiteral("frmCorrige"));
    setWindowTitle(tr(" Correct Item"));
    m_item->setObjectName(QStringLiteral("cboItem"));
    m_value->setObjectName(QStringLiteral("txtValor"));
    m_operator->setObjectName(QStringLiteral("cboOperador"));
    m_value->setMaxLength(numerette::tape::MaxValueLength);
    for (int i = 0; i < m_target.items.size(); ++i)
        m_item->addItem(itemCaption(i, m_target.items.at(i)));

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Item:"), m_item);
    form->addRow(tr("&Value:"), m_value);
    form->addRow(tr("&Operator:"), m_operator);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CorrectItemDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_item, &QComboBox::currentIndexChanged, this, &CorrectItemDialog::showItem);

    m_item->setCurrentIndex(std::clamp(m_target.item, 0, int(m_target.items.size()) - 1));
    showItem(m_item->currentIndex());
    // The value is what is most often mistyped: it has the focus, selected.
    m_value->setFocus();
}

// The item's value as the tape shows it, written as the keypad types it: no grouping, and
// the decimal separator the correction is typed with.
QString CorrectItemDialog::shownValue(int index) const
{
    QString value = QString(m_target.items.at(index).value).remove(m_target.shownLocale.group);
    return value.replace(m_target.shownLocale.decimal, m_target.calculation.locale.decimal);
}

void CorrectItemDialog::showItem(int index)
{
    if (index < 0 || index >= m_target.items.size())
        return;
    const numerette::tape::ItemParts& item = m_target.items.at(index);
    m_value->setText(shownValue(index));
    m_value->selectAll();
    m_operator->clear();
    const bool last = index + 1 == m_target.items.size();
    const bool addMode = m_target.calculation.addMode;
    QList<QChar> operators;
    if (last)
        operators = {u'=', u'%'};
    else if (addMode)
        operators = {u'+', Times, Divide};
    else
        operators = {u'+', u'-', Times, Divide};
    for (QChar op : std::as_const(operators))
        m_operator->addItem(QString(op), operatorKeyOf(op, addMode));
    m_operator->setCurrentIndex(std::max<qsizetype>(0, operators.indexOf(item.op)));
}

int CorrectItemDialog::item() const
{
    return m_item->currentIndex();
}

QString CorrectItemDialog::entry() const
{
    const int index = item();
    // A value longer than the keypad types (a total taken up again, a pasted number) stays
    // correctable in its operator.
    if (m_value->text() == shownValue(index))
        return m_target.calculation.items.at(std::size_t(index)).entry;
    return numerette::keypadEntry(m_value->text(), m_target.calculation.formatIndex, m_target.calculation.locale)
        .entry;
}

int CorrectItemDialog::key() const
{
    return m_operator->currentData().toInt();
}

QString CorrectItemDialog::refusalText(const numerette::KeypadEntry& typed) const
{
    using numerette::EntryRefusal;
    switch (typed.refusal) {
    case EntryRefusal::Zero:
        return tr("Type a number other than zero.");
    case EntryRefusal::NotANumber:
        return tr("Type the number as on the keypad: digits, one decimal separator (\".\" or \",\") and, for a "
                  "negative number, a minus sign in front. Digits are not grouped.");
    case EntryRefusal::TooManyDecimals:
        //: %1 is a number of decimals (1 to 10)
        return tr("Too many decimals: the number format of this calculation takes no more than %1.")
            .arg(typed.decimals);
    case EntryRefusal::TooManyDigits:
        //: %1 is a number of digits (12)
        return tr("Too many digits: the keypad takes no more than %1.").arg(numerette::EntryBox::DefaultMaxLength);
    case EntryRefusal::None:
        break;
    }
    return {};
}

void CorrectItemDialog::accept()
{
    const numerette::KeypadEntry typed =
        numerette::keypadEntry(m_value->text(), m_target.calculation.formatIndex, m_target.calculation.locale);
    if (typed.refusal != numerette::EntryRefusal::None && m_value->text() != shownValue(item())) {
        numerette::message_boxes::show(this, QMessageBox::Warning, refusalText(typed));
        m_value->setFocus();
        m_value->selectAll();
        return;
    }
    QDialog::accept();
}
