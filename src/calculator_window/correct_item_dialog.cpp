// SPDX-License-Identifier: GPL-3.0-or-later
#include "correct_item_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "calculation_list.h"
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

CorrectItemDialog::CorrectItemDialog(const QList<numerette::tape::ItemParts>& items, int item, bool addMode,
                                     const numerette::NumberLocale& locale, QWidget* parent)
    : QDialog(parent)
    , m_items(items)
    , m_addMode(addMode)
    , m_locale(locale)
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
    for (int i = 0; i < m_items.size(); ++i)
        m_item->addItem(itemCaption(i, m_items.at(i)));

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Item:"), m_item);
    form->addRow(tr("&Value:"), m_value);
    form->addRow(tr("&Operator:"), m_operator);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CorrectItemDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_item, &QComboBox::currentIndexChanged, this, &CorrectItemDialog::showItem);

    m_item->setCurrentIndex(std::clamp(item, 0, int(m_items.size()) - 1));
    showItem(m_item->currentIndex());
    // The value is what is most often mistyped: it has the focus, selected.
    m_value->setFocus();
}

void CorrectItemDialog::showItem(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    const numerette::tape::ItemParts& item = m_items.at(index);
    m_value->setText(QString(item.value).remove(m_locale.group));
    m_value->selectAll();
    m_operator->clear();
    const bool last = index + 1 == m_items.size();
    QList<QChar> operators;
    if (last)
        operators = {u'=', u'%'};
    else if (m_addMode)
        operators = {u'+', Times, Divide};
    else
        operators = {u'+', u'-', Times, Divide};
    for (QChar op : std::as_const(operators))
        m_operator->addItem(QString(op), operatorKeyOf(op, m_addMode));
    m_operator->setCurrentIndex(std::max<qsizetype>(0, operators.indexOf(item.op)));
}

int CorrectItemDialog::item() const
{
    return m_item->currentIndex();
}

QString CorrectItemDialog::entry() const
{
    return m_value->text().trimmed().remove(m_locale.group);
}

int CorrectItemDialog::key() const
{
    return m_operator->currentData().toInt();
}

void CorrectItemDialog::accept()
{
    const auto value = numerette::ValueOf(entry(), m_locale);
    if (!value || value->isZero()) {
        numerette::message_boxes::show(this, QMessageBox::Warning, tr("Type a number other than zero."));
        m_value->setFocus();
        m_value->selectAll();
        return;
    }
    QDialog::accept();
}
