// SPDX-License-Identifier: GPL-3.0-or-later
#include "business_keys.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QInputDialog>
#include <QWidget>

#include "calculator.h"
#include "menu_item.h"
#include "message_boxes.h"
#include "rounding_modes.h"
#include "settings_store.h"

using numerette::Calculator;
using numerette::Decimal;
using numerette::SettingsStore;

namespace {

// Rates above this are no tax anyone charges; they are refused as typing slips.
const Decimal HighestTaxRate(999);

} // namespace

BusinessKeys::BusinessKeys(QWidget& window, Calculator& calculator, SettingsStore& settings)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_settings(settings)
{
    //: Submenu of the Settings menu: how each step of a calculation rounds its result
    m_rounding = newSubmenu(&window, QStringLiteral("mnuArredonda"), tr("&Rounding"));
    auto* modes = new QActionGroup(this);
    for (std::size_t i = 0; i < numerette::RoundingModes.size(); ++i) {
        QAction* item = newCheckItem(this, QStringLiteral("mnuArredonda") + QString::number(i),
                                     QCoreApplication::translate("RoundingMode", numerette::RoundingModes[i].caption));
        modes->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { chooseRounding(int(i)); });
        m_roundingItems[i] = item;
    }
    m_taxRate = newMenuItem(this, QStringLiteral("mnuImposto"), QString());
    connect(m_taxRate, &QAction::triggered, this, &BusinessKeys::askTaxRate);
    //: Item of the Settings menu: totals go to the clipboard as plain numbers, "1234.56"
    m_plainCopy = newCheckItem(this, QStringLiteral("mnuCopiaSimples"), tr("Copy Totals without &Grouping"));
    connect(m_plainCopy, &QAction::triggered, this, [this](bool on) {
        m_calculator.setPlainClipboard(on);
        m_settings.setCopiaSemGrupo(on);
    });

    for (const numerette::BusinessKey& key : numerette::BusinessKeys) {
        auto* shortcut = new QAction(&m_window);
        shortcut->setObjectName(QStringLiteral("key") + QLatin1String(key.name));
        shortcut->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key(key.letter));
        shortcut->setShortcutContext(Qt::WindowShortcut);
        connect(shortcut, &QAction::triggered, this, [this, code = key.code] {
            int sent = code;
            m_calculator.Form_KeyPress(sent);
        });
        m_window.addAction(shortcut);
    }
    loadSettings();
}

void BusinessKeys::loadSettings()
{
    const QString word = m_settings.Arredondamento();
    int index = 0;
    for (std::size_t i = 0; i < numerette::RoundingModes.size(); ++i) {
        if (word == QLatin1String(numerette::RoundingModes[i].word))
            index = int(i);
    }
    m_roundingItems[std::size_t(index)]->setChecked(true);
    m_calculator.setRoundingMode(numerette::RoundingModes[std::size_t(index)].mode);

    const auto rate = Decimal::fromPlainText(m_settings.Imposto());
    const bool usable = rate && !rate->isNegative() && *rate <= HighestTaxRate;
    m_calculator.setTaxRate(usable ? *rate : Decimal());
    showTaxRate();

    m_plainCopy->setChecked(m_settings.CopiaSemGrupo());
    m_calculator.setPlainClipboard(m_plainCopy->isChecked());
}

void BusinessKeys::chooseRounding(int index)
{
    const numerette::RoundingModeChoice& choice = numerette::RoundingModes[std::size_t(index)];
    m_calculator.setRoundingMode(choice.mode);
    m_settings.setArredondamento(QLatin1String(choice.word));
}

void BusinessKeys::showTaxRate()
{
    const Decimal& rate = m_calculator.taxRate();
    const QString shown = rate.toPlainText().replace(u'.', m_calculator.DecimalSeparator());
    //: Item of the Settings menu; %1 is the rate in percent, 0 while the tax keys are off
    m_taxRate->setText(tr("&Tax Rate (%1 %)...").arg(shown));
}

// Asked again until the answer is a rate or the box is cancelled.
void BusinessKeys::askTaxRate()
{
    for (;;) {
        QInputDialog box(&m_window);
        box.setWindowTitle(tr(" Tax Rate"));
        //: Prompt of the tax-rate box. Tax+ and Tax- are the keys' names; CTRL and SHIFT the keyboard's.
        box.setLabelText(tr("The tax rate in percent for Tax+ (CTRL+SHIFT+T) and Tax- (CTRL+SHIFT+N).\n"
                            "0 turns the tax keys off."));
        box.setTextValue(m_calculator.taxRate().toPlainText().replace(u'.', m_calculator.DecimalSeparator()));
        if (box.exec() != QDialog::Accepted)
            return;
        const auto rate = numerette::ValueOf(box.textValue().trimmed(), m_calculator.numberLocale());
        if (rate && !rate->isNegative() && *rate <= HighestTaxRate) {
            m_calculator.setTaxRate(*rate);
            m_settings.setImposto(rate->toPlainText());
            showTaxRate();
            return;
        }
        numerette::message_boxes::show(&m_window, QMessageBox::Warning,
                                       tr("The tax rate must be a number from 0 to 999."));
    }
}
