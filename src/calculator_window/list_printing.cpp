// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_printing.h"

#include <array>
#include <optional>

#include <QAction>
#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>

#include "calculator_state.h"
#include "menu_item.h"
#include "message_catalogue.h"
#include "page_printer.h"
#include "print_dialogs.h"
#include "printer_port.h"
#include "roll_text.h"
#include "settings_store.h"

using numerette::LoadMessage;
using numerette::Message;
using numerette::PortOpening;
using numerette::PrinterPort;

namespace {

struct FontItem {
    const char* caption;
    QKeyCombination shortcut;
    int pointSize;
};

const std::array<FontItem, 3> FontItems{{
    {QT_TRANSLATE_NOOP("ListPrinting", "&Print with Small Fonts"), Qt::CTRL | Qt::Key_P, 8},
    {QT_TRANSLATE_NOOP("ListPrinting", "Print with &Medium Fonts"), Qt::CTRL | Qt::Key_M, 10},
    {QT_TRANSLATE_NOOP("ListPrinting", "Print with L&arge Fonts"), Qt::CTRL | Qt::Key_G, 12},
}};

// The print dialog prints in the medium size.
constexpr int DialogPointSize = 10;

// A serial printer pauses after the first 26 lines, then after every 25 more.
constexpr int LinesBetweenPauses = 25;

} // namespace

ListPrinting::ListPrinting(QWidget& window, const numerette::CalculatorState& calculator, numerette::SettingsStore& settings,
                           PrintingServices services)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_settings(settings)
    , m_pagePrinter(services.pagePrinter)
    , m_ports(services.ports)
    , m_ownDialogs(services.dialogs ? nullptr : std::make_unique<WindowPrintDialogs>(window))
    , m_dialogs(services.dialogs ? services.dialogs : m_ownDialogs.get())
    //: Opens the print dialog: printer, copies, pages, or a PDF file
    , m_chosenPrinter(newMenuItem(this, QStringLiteral("mnuImprimirEscolha"), tr("Pr&int...")))
    //: Prints the list on a roll-paper printer connected to a port
    , m_roll(newMenuItem(this, QStringLiteral("mnuMatricial"), tr("Print in Paper R&oll (Bobbin)"), Qt::CTRL | Qt::Key_Y))
{
    for (int index = 0; index < int(FontItems.size()); ++index) {
        QAction* item = newMenuItem(this, QStringLiteral("mnuImprimir") + QString::number(index),
                                    tr(FontItems[index].caption), FontItems[index].shortcut);
        connect(item, &QAction::triggered, this, [this, index] { mnuImprimir_Click(index); });
        m_fontItems.at(std::size_t(index)) = item;
    }
    connect(m_chosenPrinter, &QAction::triggered, this, &ListPrinting::mnuImprimirEscolha_Click);
    connect(m_roll, &QAction::triggered, this, &ListPrinting::mnuMatricial_Click);
}

ListPrinting::~ListPrinting() = default;

void ListPrinting::mnuImprimir_Click(int index)
{
    if (m_printing || index < 0 || index >= int(FontItems.size()))
        return;
    printOnPages(FontItems[index].pointSize, numerette::PrinterChoice::Default);
}

std::optional<PrintNotice> printNotice(const numerette::PrintReport& report)
{
    using Outcome = numerette::PrintReport::Outcome;
    switch (report.outcome) {
    case Outcome::Printed:
        return PrintNotice{QMessageBox::Information, LoadMessage(Message::SentToPrinter)};
    case Outcome::Canceled:
        return std::nullopt;
    case Outcome::Failed:
        return PrintNotice{QMessageBox::Critical, LoadMessage(Message::PrinterNotResponding)};
    default:
        return PrintNotice{QMessageBox::Critical, numerette::printTroubleText(report)};
    }
}

void ListPrinting::mnuImprimirEscolha_Click()
{
    if (m_printing)
        return;
    printOnPages(DialogPointSize, numerette::PrinterChoice::Dialog);
}

void ListPrinting::printOnPages(int pointSize, numerette::PrinterChoice choice)
{
    // The print dialog lets events run, during which the window may be deleted.
    const QPointer<ListPrinting> alive(this);
    m_printing = true;
    const auto done = qScopeGuard([alive] {
        if (alive)
            alive->m_printing = false;
    });
    const numerette::PrintReport report = m_pagePrinter.printText(m_calculator.list(), pointSize, choice);
    if (!alive)
        return;
    if (const std::optional<PrintNotice> notice = printNotice(report))
        m_dialogs->showMessage(notice->icon, notice->text);
}

void ListPrinting::mnuMatricial_Click()
{
    if (m_printing)
        return;
    // The dialogs and the print let events run, during which the window may be deleted.
    const QPointer<ListPrinting> alive(this);
    m_printing = true;
    const auto done = qScopeGuard([alive] {
        if (alive)
            alive->m_printing = false;
    });

    const QString answer = m_dialogs->askText(QLatin1Char(' ') + m_window.windowTitle(), portPrompt(), m_settings.Porta());
    if (!alive)
        return;
    const std::optional<PrinterPort> port = numerette::printerPortNamed(answer);
    if (!port) {
        m_dialogs->showMessage(QMessageBox::Critical, LoadMessage(Message::InvalidData));
        return;
    }
    m_settings.setPorta(numerette::printerPortName(*port));
    m_ports.setSerialSpeed(m_settings.Velocidade());

    switch (printOnRoll(*port)) {
    case RollResult::Sent:
        m_dialogs->showMessage(QMessageBox::Information, LoadMessage(Message::SentToPrinter));
        break;
    case RollResult::Failed: {
        const QString failure = m_ports.failure();
        m_dialogs->showMessage(QMessageBox::Critical,
                               failure.isEmpty() ? LoadMessage(Message::PrinterNotResponding) : failure);
        break;
    }
    case RollResult::Canceled:
    case RollResult::Gone:
        break;
    }
}

// The warning and the question of message 176, then the ports it takes and the printer
// devices there are.
QString ListPrinting::portPrompt() const
{
    const QString paragraph = QStringLiteral("\r\n\r\n");
    QStringList parts = LoadMessage(Message::PrinterPortPrompt).split(paragraph);
    parts.last() = tr("(LPT1, LPT2, COM1 to COM4, or a printer device such as /dev/usb/lp0)");
    const QStringList devices = m_ports.devices();
    parts << (devices.isEmpty() ? tr("No printer device was found.")
                                : tr("Printer devices found: %1").arg(devices.join(QLatin1String(", "))));
    return parts.join(paragraph);
}

ListPrinting::RollResult ListPrinting::printOnRoll(const PrinterPort& port)
{
    const QPointer<ListPrinting> alive(this);
    if (!m_ports.open(port, PortOpening::NewJob))
        return RollResult::Failed;
    int linesSincePause = 0;
    for (const QByteArray& line : rollLines(m_calculator.list())) {
        if (!m_ports.write(line)) {
            m_ports.close();
            return RollResult::Failed;
        }
        QCoreApplication::processEvents();
        if (!alive)
            return RollResult::Gone;
        if (numerette::isSerialPort(port) && linesSincePause == LinesBetweenPauses) {
            m_ports.close();
            linesSincePause = 0;
            const bool goOn = m_dialogs->askOkCancel(tr("Await the end of the print and then press OK to continue..."));
            if (!alive)
                return RollResult::Gone;
            if (!goOn)
                return RollResult::Canceled;
            if (!m_ports.open(port, PortOpening::Continue))
                return RollResult::Failed;
        }
        ++linesSincePause;
    }
    m_ports.close();
    return RollResult::Sent;
}
