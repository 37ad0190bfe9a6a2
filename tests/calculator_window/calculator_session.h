// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "calculator.h"
#include "fake_calculator_owner.h"
#include "fake_desktop.h"
#include "frm_calcula.h"
#include "settings_store.h"
#include "window_port.h"

// One run of the calculator window, wired and loaded as the program does it, with a stand-in
// host process that records what the window tells it.
struct CalculatorSession {
    CalculatorSession(numerette::SettingsStore& settings, FakeCalculatorOwner& owner, CalculatorLaunch launch = {})
        : window(calculator, settings, std::move(launch), owner, desktop.services())
    {
        host.attach(window);
        window.load();
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    QAction* action(const QString& name) const { return window.findChild<QAction*>(name); }
    QMenu* menu(const QString& name) const { return window.findChild<QMenu*>(name); }
    QWidget* widget(const QString& name) const { return window.findChild<QWidget*>(name); }

    WindowPort host;
    numerette::Calculator calculator{host};
    FakeDesktop desktop;
    frmCalcula window;
    QSignalSpy stateReads{&window, &frmCalcula::savedStateRead};
    QSignalSpy activations{&window, &frmCalcula::activated};
    QSignalSpy closings{&window, &frmCalcula::closing};
};
