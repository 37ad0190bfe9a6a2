// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QTemporaryDir>

#include "history_window.h"
#include "page_printer.h"
#include "tape_archive.h"

namespace numerette {
class Calculator;
class SettingsStore;
}

namespace numerette::testing {

// The tape history window over an archive of its own holding a day's calculations, as the
// calculator typed them, showing that day: for pictures and measurements of the window.
class SampleHistory {
public:
    SampleHistory(Calculator& calculator, SettingsStore& settings, QWidget* parent);

    HistoryWindow& window() { return *m_window; }

private:
    QTemporaryDir m_folder;
    history::TapeArchive m_archive;
    FakePagePrinter m_printer;
    std::unique_ptr<HistoryWindow> m_window;
};

} // namespace numerette::testing
