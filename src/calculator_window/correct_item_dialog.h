// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>

#include "number_text.h"
#include "tape_lines.h"

class QComboBox;
class QLineEdit;

// The Correct Item dialog: the items of one calculation to choose from, and the chosen
// item's value and operator to change. The last item closes the calculation (= or %); the
// others take the operator keys of the mode it was typed in (in Add mode the minus key
// only signs a number, so a negative value stands for a subtraction there).
class CorrectItemDialog : public QDialog {
    Q_OBJECT

public:
    CorrectItemDialog(const QList<numerette::tape::ItemParts>& items, int item, bool addMode,
                      const numerette::NumberLocale& locale, QWidget* parent);

    int item() const;
    // The value as the entry takes it: without grouping separators.
    QString entry() const;
    // The operator key code of the chosen operator (2 for + in Add mode).
    int key() const;

    void accept() override;

private:
    void showItem(int index);

    QList<numerette::tape::ItemParts> m_items;
    bool m_addMode;
    numerette::NumberLocale m_locale;
    QComboBox* m_item;
    QLineEdit* m_value;
    QComboBox* m_operator;
};
