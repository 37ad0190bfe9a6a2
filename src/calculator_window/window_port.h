// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator_port.h"

class frmCalcula;

// The calculator's world as the calculator window provides it: the system clipboard,
// message boxes over the window, and the window's settings store and "Backup When Clean"
// check. The weekday of the date header is the shared translated abbreviation, so the
// window and the headless tape write the same header.
class WindowPort : public numerette::CalculatorPort {
public:
    // The window that the calculator closes, that message boxes belong to and that keeps the
    // settings; attached once it is built and before it loads, so that everything the
    // calculator asks of its port, from the load on, reaches the window.
    void attach(frmCalcula& window) { m_window = &window; }

    QString clipboardText() const override;
    void setClipboardText(const QString& text) override;
    void clearClipboard() override;
    void closeWindow() override;
    bool askYesNo(const QString& question) override;
    void showInformation(const QString& text) override;
    void storeNumberFormat(int index) override;
    void storeAddOnEnter(bool on) override;
    bool backUpList(const QString& list) override;
    bool keepErasedList(const QString& list) override;

private:
    frmCalcula* m_window = nullptr;
};
