// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_boxes.h"

#include <QInputDialog>

namespace numerette::message_boxes {

namespace {

QString title()
{
    return QStringLiteral(" Numerette");
}

QString shown(const QString& text)
{
    // Some texts break lines with a lone CR as well.
    return QString(text)
        .replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The text can be selected with the mouse, so a message can be copied into a report or a
// search (and, on X11, pasted with the middle button).
int ask(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(icon, title(), shown(text), buttons, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void show(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    ask(parent, icon, text, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& question, QMessageBox::Icon icon,
              QMessageBox::StandardButton defaultButton)
{
    return ask(parent, icon, question, QMessageBox::Yes | QMessageBox::No, defaultButton) == QMessageBox::Yes;
}

bool askOkCancel(QWidget* parent, const QString& text, QMessageBox::Icon icon)
{
    return ask(parent, icon, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

QString inputBox(QWidget* parent, const QString& boxTitle, const QString& prompt, const QString& proposed)
{
    QInputDialog box(parent);
    box.setWindowTitle(boxTitle);
    box.setLabelText(shown(prompt));
    box.setTextValue(proposed);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

} // namespace numerette::message_boxes
