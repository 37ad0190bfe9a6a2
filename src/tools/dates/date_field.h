// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include "date_calculation.h"

// A date field that always shows its ten characters: the date typed so far, and the empty
// mask "__/__/____" from the caret on. Digits overwrite one character at a time and step
// over the separators; a deletion blanks the field from the caret to the end.
class DateField : public QLineEdit {
    Q_OBJECT

public:
    explicit DateField(const numerette::dates::DateStyle& style, QWidget* parent = nullptr);

    // Where the user's caret is: the start of the selection, if any.
    int caret() const;

signals:
    // The field took the focus; its whole text is selected after the receivers ran.
    void focused();
    // The user moved the focus elsewhere (not a message box or another window popping up).
    void left();
    // A character key other than Backspace and Enter was typed: the results no longer hold.
    void typed();
    // The text changed and the mask is restored.
    void contentChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void restoreMask();

    numerette::dates::DateStyle m_style;
    QString m_mask;
    bool m_restoring = false;
};
