// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QList>
#include <QStringList>

#include "print_dialogs.h"

// Answers the print commands' dialogs with settable values and records what they showed.
struct FakePrintDialogs : PrintDialogs {
    void showMessage(QMessageBox::Icon icon, const QString& text) override
    {
        icons << icon;
        messages << text;
    }
    QString askText(const QString& title, const QString& prompt, const QString& proposed) override
    {
        asked = {title, prompt, proposed};
        return answer;
    }
    bool askOkCancel(const QString& text) override
    {
        pauses << text;
        if (onPause)
            onPause();
        return pauses.size() != cancelAtPause;
    }

    QString answer;
    // Cancel at this pause (1 for the first); 0 answers OK to all.
    int cancelAtPause = 0;
    std::function<void()> onPause;
    // The last input box: title, prompt and proposed value.
    QStringList asked;
    QStringList pauses;
    QStringList messages;
    QList<QMessageBox::Icon> icons;
};
