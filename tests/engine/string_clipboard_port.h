// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include "calculator_port.h"

// An engine port on a fixed day whose clipboard is a plain string the test can read and set.
class StringClipboardPort : public numerette::CalculatorPort {
public:
    QDate today() const override { return QDate(2026, 12, 9); }
    QString clipboardText() const override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    void clearClipboard() override { clipboard.clear(); }

    QString clipboard;
};
