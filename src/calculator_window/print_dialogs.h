// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

// What the print commands ask and tell the user. Tests answer with a fake.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    virtual void showMessage(QMessageBox::Icon icon, const QString& text) = 0;
    // An input box; the empty text for Cancel.
    virtual QString askText(const QString& title, const QString& prompt, const QString& proposed) = 0;
    // OK and Cancel with an information icon; true for OK.
    virtual bool askOkCancel(const QString& text) = 0;
};

// The dialogs over the calculator window.
class WindowPrintDialogs final : public PrintDialogs {
public:
    explicit WindowPrintDialogs(QWidget& window);

    void showMessage(QMessageBox::Icon icon, const QString& text) override;
    QString askText(const QString& title, const QString& prompt, const QString& proposed) override;
    bool askOkCancel(const QString& text) override;

private:
    QWidget& m_window;
};
