// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QPointer>
#include <QString>

class QWidget;

// The boxes the alarm and shutdown commands show. Input and questions wait for the answer;
// an alarm's message does not, so that the timers and other alarms go on while it is open.
class ScheduleDialogs {
public:
    virtual ~ScheduleDialogs() = default;
    // Nothing when the box is cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& proposed) = 0;
    virtual bool askYesNo(const QString& question) = 0;
    // "Schedule Canceled", stop icon.
    virtual void scheduleCanceled() = 0;
    // closed runs once the user has closed the message; never if the program ends first.
    virtual void showAlarm(const QString& text, std::function<void()> closed) = 0;
};

// The boxes as windows of their own, titled " Numerette" as the program's messages are.
class QtScheduleDialogs : public ScheduleDialogs {
public:
    // Alarm messages belong to owner, so that they go when the host does.
    explicit QtScheduleDialogs(QWidget* owner);

    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& proposed) override;
    bool askYesNo(const QString& question) override;
    void scheduleCanceled() override;
    void showAlarm(const QString& text, std::function<void()> closed) override;

private:
    QPointer<QWidget> m_owner;
};
