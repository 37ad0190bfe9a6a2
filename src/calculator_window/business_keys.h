// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QObject>

namespace numerette {
class Calculator;
class SettingsStore;
}
class QAction;
class QMenu;
class QWidget;

// The settings of the business keys in the "&Settings" menu: the rounding mode of the
// arithmetic (`mnuArredonda`), the tax rate (`mnuImposto`) and copying totals without
// grouping (`mnuCopiaSimples`), each stored at once; and the keys themselves (grand total,
// Tax+, Tax-, margin) as Ctrl+Shift shortcuts of the window, which send their codes to the
// calculator's dispatcher.
class BusinessKeys : public QObject {
    Q_OBJECT

public:
    BusinessKeys(QWidget& window, numerette::Calculator& calculator, numerette::SettingsStore& settings);

    QMenu* mnuArredonda() const { return m_rounding; }
    // One item per rounding mode, in the order of the engine's table of modes.
    const std::array<QAction*, 4>& roundingItems() const { return m_roundingItems; }
    QAction* mnuImposto() const { return m_taxRate; }
    QAction* mnuCopiaSimples() const { return m_plainCopy; }

    // The stored settings put into the calculator and the menu (the window's load).
    void loadSettings();

private:
    void chooseRounding(int index);
    void askTaxRate();
    void showTaxRate();

    QWidget& m_window;
    numerette::Calculator& m_calculator;
    numerette::SettingsStore& m_settings;
    QMenu* m_rounding;
    std::array<QAction*, 4> m_roundingItems{};
    QAction* m_taxRate = nullptr;
    QAction* m_plainCopy = nullptr;
};
