// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule_dialogs.h"

#include <utility>

#include <QInputDialog>
#include <QMessageBox>

#include "message_catalogue.h"

namespace {

QString programTitle()
{
    return QStringLiteral(" Numerette");
}

} // namespace

QtScheduleDialogs::QtScheduleDialogs(QWidget* owner)
    : m_owner(owner)
{
}

std::optional<QString> QtScheduleDialogs::inputBox(const QString& prompt, const QString& title,
                                                   const QString& proposed)
{
    QInputDialog box;
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(proposed);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

bool QtScheduleDialogs::askYesNo(const QString& question)
{
    QMessageBox box(QMessageBox::Question, programTitle(), question, QMessageBox::Yes | QMessageBox::No);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

void QtScheduleDialogs::scheduleCanceled()
{
    QMessageBox box(QMessageBox::Critical, programTitle(), numerette::LoadMessage(numerette::Message::ScheduleCanceled));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void QtScheduleDialogs::showAlarm(const QString& text, std::function<void()> closed)
{
    // A window of its own (no parent) that the host deletes if the program ends while it is open.
    auto* box = new QMessageBox(QMessageBox::Information, programTitle(), text);
    box->setObjectName(QStringLiteral("alarmMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setModal(false);
    if (m_owner)
        QObject::connect(m_owner, &QObject::destroyed, box, &QObject::deleteLater);
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] { closed(); });
    box->show();
    box->raise();
    box->activateWindow();
}
