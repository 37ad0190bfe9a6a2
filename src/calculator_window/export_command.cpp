// SPDX-License-Identifier: GPL-3.0-or-later
#include "export_command.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

#include "calculator_state.h"
#include "menu_item.h"
#include "list_files.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "page_printer.h"
#include "private_files.h"
#include "settings_store.h"
#include "tape_csv.h"
#include "tape_lines.h"
#include "tape_workbook.h"

namespace {

// The medium size of the page print.
constexpr int PdfPointSize = 10;

} // namespace

ExportCommand::ExportCommand(QWidget& window, const numerette::CalculatorState& calculator, numerette::SettingsStore& settings)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_settings(settings)
    , m_item(newMenuItem(this, QStringLiteral("mnuExportar"), tr("E&xport...")))
{
    connect(m_item, &QAction::triggered, this, &ExportCommand::mnuExportar_Click);
}

QString askExportFile(QWidget& parent, const QString& title, numerette::SettingsStore& settings)
{
    QFileDialog dialog(&parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Each file type's filter and the suffix it gives a name typed without one.
    const QList<QPair<QString, QString>> types{
        //: File type in the export dialog; keep the pattern in parentheses as it is.
        {ExportCommand::tr("CSV (*.csv)"), QStringLiteral("csv")},
        //: File type in the export dialog; keep the pattern in parentheses as it is.
        {ExportCommand::tr("Spreadsheet (*.xlsx)"), QStringLiteral("xlsx")},
        //: File type in the export dialog; keep the pattern in parentheses as it is.
        {ExportCommand::tr("PDF (*.pdf)"), QStringLiteral("pdf")},
    };
    QStringList filters;
    for (const auto& [filter, suffix] : types)
        filters.append(filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(types.constFirst().second);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, types](const QString& chosen) {
        for (const auto& [filter, suffix] : types) {
            if (filter == chosen)
                dialog.setDefaultSuffix(suffix);
        }
    });
    const QFileInfo start(numerette::saveDialogStartPath(settings.UltimoArq(), settings.UltimoPath()));
    dialog.selectFile(start.dir().filePath(start.completeBaseName() + QStringLiteral(".csv")));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) {
        numerette::message_boxes::show(&parent, QMessageBox::Critical, numerette::LoadMessage(numerette::Message::InvalidData));
        return {};
    }
    return chosen.constFirst();
}

bool exportListTo(QWidget& parent, numerette::SettingsStore& settings, const QString& path, const QString& list,
                  numerette::tape::DateOrder order, const numerette::NumberLocale& locale, qsizetype from, qsizetype to)
{
    QByteArray bytes;
    QString error;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        const qsizetype first = numerette::tape::lineStartAt(list, from);
        const qsizetype end = numerette::tape::nextLineStart(list, std::max(from, to - 1));
        bytes = numerette::pdfDocument(list.mid(first, end - first), PdfPointSize);
        if (bytes.isEmpty())
            error = ExportCommand::tr("The PDF document could not be made.");
    } else if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        bytes = numerette::tapeWorkbook(numerette::tapeRows(list, order, locale, from, to), &error);
    } else {
        bytes = numerette::tapeCsv(list, order, locale, from, to).toUtf8();
    }
    if (bytes.isEmpty() || !numerette::files::replaceFile(path, bytes, &error)) {
        numerette::message_boxes::show(&parent, QMessageBox::Critical,
                                       ExportCommand::tr("The list could not be exported to the file:")
                                           + QStringLiteral("\r\n") + path + numerette::DoubleBreak + error);
        return false;
    }
    settings.setUltimoPath(numerette::folderOfSavedFile(path));
    return true;
}

void ExportCommand::mnuExportar_Click()
{
    const bool selection = m_calculator.listSelectionLength() > 0;
    const QString path = askExportFile(m_window, QLatin1Char(' ') + (selection ? tr("Export Selection") : tr("Export")), m_settings);
    if (!path.isEmpty())
        exportTo(path);
}

bool ExportCommand::exportTo(const QString& path)
{
    const QString& list = m_calculator.list();
    qsizetype from = 0;
    qsizetype to = list.size();
    if (m_calculator.listSelectionLength() > 0) {
        from = m_calculator.listSelectionStart();
        to = from + m_calculator.listSelectionLength();
    }
    return exportListTo(m_window, m_settings, path, list, m_calculator.dateOrder(), m_calculator.numberLocale(), from, to);
}
