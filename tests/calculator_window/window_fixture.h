// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include "calculator.h"
#include "calculator_port.h"
#include "fake_calculator_owner.h"
#include "fake_desktop.h"
#include "frm_calcula.h"
#include "settings_store.h"

// Records what the calculator asks of the world instead of showing it; today is 5 March 2024.
class RecordingPort : public numerette::CalculatorPort {
public:
    QDate today() const override { return QDate(2024, 3, 5); }
    QString clipboardText() const override { return m_clipboard; }
    void setClipboardText(const QString& text) override { m_clipboard = text; }
    void clearClipboard() override { m_clipboard.clear(); }
    void closeWindow() override { m_closed = true; }
    void showInformation(const QString& text) override { m_notes << text; }
    bool askYesNo(const QString& question) override { return m_answer ? m_answer(question) : false; }

    QString m_clipboard;
    std::function<bool(const QString&)> m_answer;
    QStringList m_notes;
    bool m_closed = false;
};

// A data folder of its own, in force from its construction.
struct DataFolder {
    DataFolder() { qputenv("XDG_DATA_HOME", dir.path().toUtf8()); }
    QTemporaryDir dir;
};

// A calculator window that starts from nothing: no saved calculation, no settings.
struct WindowFixture {
    WindowFixture() { window.load(); }

    DataFolder folder;
    numerette::SettingsStore settings{folder.dir.filePath(QStringLiteral("numeret.ini"))};
    FakeCalculatorOwner owner;
    RecordingPort port;
    numerette::Calculator calculator{port};
    FakeDesktop desktop;
    frmCalcula window{calculator, settings, CalculatorLaunch{}, owner, desktop.services()};
};
