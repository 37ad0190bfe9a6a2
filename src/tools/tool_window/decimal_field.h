// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

class QLineEdit;

namespace numerette {

// Makes a field take numbers only: digits pass, "," and "." become the decimal separator
// (and are dropped when the field already holds one), other typed characters are dropped.
// Control keys (Backspace, Tab, Ctrl+C...) pass. When the field gets the focus its whole
// text is selected, so that typing replaces it.
void makeDecimalField(QLineEdit& field, QChar decimalSeparator);

// When the field gets the focus the caret goes to the end of its text.
void caretToEndOnFocus(QLineEdit& field);

} // namespace numerette
