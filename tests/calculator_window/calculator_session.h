// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <utility>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "calculator.h"
#include "fake_calculator_owner.h"
#include "fake_desktop.h"
#include "frm_calcula.h"
#include "settings_store.h"
#include "window_port.h"

// Gives a test function folders of its own: the data and settings folders point into a new
// temporary folder `dir`, and `settings` is a settings file there with the key sounds off, so
// that no sound device opens.
inline void makePrivateFolders(std::unique_ptr<QTemporaryDir>& dir,
                               std::unique_ptr<numerette::SettingsStore>& settings)
{
    dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", dir->filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", dir->filePath(QStringLiteral("config")).toUtf8());
    settings = std::make_unique<numerette::SettingsStore>(dir->filePath(QStringLiteral("numeret.ini")));
    settings->setSons(numerette::SoundMode::None);
}

// One run of the calculator window, wired and loaded as the program does it, with a stand-in
// host process that records what the window tells it.
struct CalculatorSession {
    CalculatorSession(numerette::SettingsStore& settings, FakeCalculatorOwner& owner, CalculatorLaunch launch = {})
        : window(calculator, settings, std::move(launch), owner, desktop.services())
    {
        port.attach(window);
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

    WindowPort port;
    numerette::Calculator calculator{port};
    FakeDesktop desktop;
    frmCalcula window;
    QSignalSpy stateReads{&window, &frmCalcula::savedStateRead};
    QSignalSpy activations{&window, &frmCalcula::activated};
    QSignalSpy closings{&window, &frmCalcula::closing};
};
