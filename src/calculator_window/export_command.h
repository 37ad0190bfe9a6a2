// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "calculation_list.h"
#include "number_text.h"

namespace numerette {
class CalculatorState;
class SettingsStore;
}
class QAction;
class QWidget;

// "E&xport..." (`mnuExportar`, in "Calculation &List"): the list, or the lines of the
// selection when there is one, to a CSV file, to a spreadsheet workbook (.xlsx) or to a PDF
// file drawn as the page print draws it. The file dialog starts where Save in File last saved; the file is
// written whole or not at all, user-only when new.
class ExportCommand : public QObject {
    Q_OBJECT

public:
    ExportCommand(QWidget& window, const numerette::CalculatorState& calculator, numerette::SettingsStore& settings);

    QAction* mnuExportar() const { return m_item; }

    void mnuExportar_Click();
    // PDF for a path ending in ".pdf", a workbook for ".xlsx" (in any case), CSV otherwise.
    // When the file could not be made or written a message names it and says why; the folder
    // is remembered when it was.
    bool exportTo(const QString& path);

private:
    QWidget& m_window;
    const numerette::CalculatorState& m_calculator;
    numerette::SettingsStore& m_settings;
    QAction* m_item;
};

// The export's file dialog, titled `title`, starting where Save in File last saved: the path
// chosen, or empty when the user cancelled.
QString askExportFile(QWidget& parent, const QString& title, numerette::SettingsStore& settings);
// Writes the lines of the list that overlap [from, to) to path as PDF, a workbook or CSV
// (by the path's suffix), the numbers read with the list's separators. When the file could
// not be made or written a message names it and says why; the folder is remembered when it was.
bool exportListTo(QWidget& parent, numerette::SettingsStore& settings, const QString& path, const QString& list,
                  numerette::tape::DateOrder order, const numerette::NumberLocale& locale, qsizetype from, qsizetype to);
