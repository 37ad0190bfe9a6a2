// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

// Message boxes over the calculator window: the program's title " Numerette", and the
// catalogue's CR LF line breaks shown as plain line breaks.
namespace numerette::message_boxes {

void show(QWidget* parent, QMessageBox::Icon icon, const QString& text);
// A question with Yes and No buttons, Yes the default unless told otherwise (a question
// whose Yes destroys something defaults to No); true for Yes.
bool askYesNo(QWidget* parent, const QString& question, QMessageBox::Icon icon = QMessageBox::Question,
              QMessageBox::StandardButton defaultButton = QMessageBox::Yes);
// OK and Cancel buttons, OK the default; true for OK.
bool askOkCancel(QWidget* parent, const QString& text, QMessageBox::Icon icon);
// An input box with its own title; the empty text for Cancel.
QString inputBox(QWidget* parent, const QString& boxTitle, const QString& prompt, const QString& proposed);

} // namespace numerette::message_boxes
