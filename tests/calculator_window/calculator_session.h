// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

#include <QAction>
#include <QMenu>
#include <QTest>

#include "calculator.h"
#include "fake_calculator_owner.h"
#include "fake_desktop.h"
#include "frm_calcula.h"
#include "settings_store.h"
#include "window_host.h"

// One run of the calculator window, wired as the program wires it, with a stand-in host.
struct CalculatorSession {
    CalculatorSession(numerette::SettingsStore& settings, FakeCalculatorOwner& owner, CalculatorLaunch launch = {})
        : window(calculator, settings, std::move(launch), owner, desktop.services())
    {
        host.attach(&window);
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    QAction* action(const QString& name) const { return window.findChild<QAction*>(name); }
    QMenu* menu(const QString& name) const { return window.findChild<QMenu*>(name); }
    QWidget* widget(const QString& name) const { return window.findChild<QWidget*>(name); }

    WindowHost host;
    numerette::Calculator calculator{host};
    FakeDesktop desktop;
    frmCalcula window;
};
