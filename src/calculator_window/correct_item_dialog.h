// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>

#include "item_correction.h"

class QComboBox;
class QLineEdit;

// The Correct Item dialog: the items of one calculation to choose from, and the chosen
// item's value and operator to change. The last item closes the calculation (= or %); the
// others take the operator keys of the mode it was typed in (in Add mode the minus key
// only signs a number, so a negative value stands for a subtraction there). The value is
// typed as on the keypad, in the calculation's number format.
class CorrectItemDialog : public QDialog {
    Q_OBJECT

public:
    CorrectItemDialog(const numerette::ToCorrect& target, QWidget* parent);

    int item() const;
    // The value as the keypad's entry takes it; the item's own entry while the value shown
    // for it is left as it is.
    QString entry() const;
    // The operator key code of the chosen operator (2 for + in Add mode).
    int key() const;

    void accept() override;

private:
    void showItem(int index);
    QString shownValue(int index) const;
    QString refusalText(const numerette::KeypadEntry& typed) const;

    numerette::ToCorrect m_target;
    QComboBox* m_item;
    QLineEdit* m_value;
    QComboBox* m_operator;
};
