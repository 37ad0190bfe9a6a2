// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include "calculator.h"
#include "calculator_port.h"
#include "key_script.h"

// A calculator on a day of the test's choosing, and the keys typed into it.
class DayPort : public numerette::CalculatorPort {
public:
    QDate day{2026, 12, 9};
    QDate today() const override { return day; }
};

class TypedTape {
public:
    explicit TypedTape(int numberFormat = 20, QChar decimal = u'.')
        : calculator(port)
    {
        calculator.setNumberLocale(numerette::NumberLocale::withDecimal(decimal));
        calculator.chooseNumberFormat(numberFormat);
        calculator.setInteractive(true);
        calculator.clearList();
    }

    // Keys as the tape scripts write them ("5+3=", "rent" labels in insert-text mode).
    void type(const QString& keys)
    {
        QString error;
        const auto steps = numerette::parseTapeKeys(keys, error);
        if (steps)
            numerette::runTapeSteps(calculator, *steps, m_closed);
    }

    DayPort port;
    numerette::Calculator calculator;

private:
    bool m_closed = false;
};
