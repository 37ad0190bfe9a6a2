#include "message_boxes.h"

namespace numerette::message_boxes {

namespace {

QString title()
{
    return QStringLiteral(" Numerette");
}

QString shown(const QString& text)
{
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

void show(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, title(), shown(text), QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, title(), shown(question), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

} // namespace numerette::message_boxes
