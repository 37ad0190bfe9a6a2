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

} // namespace

void show(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, title(), shown(text), QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& question, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title(), shown(question), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool askOkCancel(QWidget* parent, const QString& text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title(), shown(text), QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
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
