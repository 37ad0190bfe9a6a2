#pragma once

#include <QMessageBox>

// Message boxes over the calculator window: the program's title " Numerette", and the
// catalogue's CR LF line breaks shown as plain line breaks.
namespace numerette::message_boxes {

void show(QWidget* parent, QMessageBox::Icon icon, const QString& text);
// A question with Yes and No buttons, Yes the default; true for Yes.
bool askYesNo(QWidget* parent, const QString& question, QMessageBox::Icon icon = QMessageBox::Question);

} // namespace numerette::message_boxes
