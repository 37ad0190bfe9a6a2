#pragma once

#include <QPointer>
#include <QWidget>

#include "calculator_host.h"

// The calculator's world as the calculator window provides it: the system clipboard,
// message boxes over the window, the locale's weekday names and the settings store.
class WindowHost : public numerette::CalculatorHost {
public:
    // The window that the calculator closes and that message boxes belong to.
    void attach(QWidget* window) { m_window = window; }

    QString weekdayName(QDate date) const override;
    QString clipboardText() const override;
    void setClipboardText(const QString& text) override;
    void clearClipboard() override;
    void closeWindow() override;
    bool askYesNo(const QString& question) override;
    void showInformation(const QString& text) override;
    void storeSetting(const QString& key, const QString& value) override;

private:
    QPointer<QWidget> m_window;
};
