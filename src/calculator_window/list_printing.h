// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <optional>

#include <QMessageBox>
#include <QObject>

namespace numerette {
class CalculatorState;
class PagePrinter;
class PortWriter;
class SettingsStore;
enum class PrinterChoice;
struct PrinterPort;
struct PrintReport;
}
class PrintDialogs;
class QAction;
class QWidget;

// What to tell the user after a page print: "Sent to printer", or what went wrong and what to
// do about it; nothing when the user canceled the print dialog.
struct PrintNotice {
    QMessageBox::Icon icon;
    QString text;
};
std::optional<PrintNotice> printNotice(const numerette::PrintReport& report);

// The services printing uses: the page printer and the printer ports the window was given,
// and the dialogs; without dialogs (tests give their own) they are message boxes over the window.
struct PrintingServices {
    numerette::PagePrinter& pagePrinter;
    numerette::PortWriter& ports;
    PrintDialogs* dialogs = nullptr;
};

// The print items of "Calculation &List": the whole list on the default
// printer in a small, medium or large fixed-pitch font (`mnuImprimir0` to `mnuImprimir2`),
// or as raw text to a paper-roll printer on a port the user names (`mnuMatricial`).
// Silencing the key note needs nothing here: the dialogs take the focus from the window.
class ListPrinting : public QObject {
    Q_OBJECT

public:
    ListPrinting(QWidget& window, const numerette::CalculatorState& calculator, numerette::SettingsStore& settings,
                 PrintingServices services);
    ~ListPrinting() override;

    // Index 0..2: the small, medium and large fonts.
    QAction* mnuImprimir(int index) const { return m_fontItems.at(std::size_t(index)); }
    QAction* mnuImprimirEscolha() const { return m_chosenPrinter; }
    QAction* mnuMatricial() const { return m_roll; }

    // Index 0..2: 8, 10 or 12 points, on the default printer; through the print dialog when
    // printers exist but none is the default. Message 16 when the queue took the job, 17 when
    // printing failed, and the service's or the queue's own reason when it gave one.
    void mnuImprimir_Click(int index);
    // "Print...": the print dialog (printer, copies, pages, a PDF file), medium size.
    void mnuImprimirEscolha_Click();
    // Asks for the port, listing the printer devices there are and proposing `Porta`, and
    // stores a valid answer there; message 30 for one that is not LPT1, LPT2, COM1 to COM4 or
    // a printer device. A serial line runs at the speed `Velocidade`. A serial printer's buffer is small, so the
    // port is closed after the first 26 lines and then every 25 until the user says the
    // printer is done; Cancel there ends the print silently. Message 16 when everything was
    // sent; when the port could not be opened or written, the device and the cause (message 17
    // when the port gave none).
    void mnuMatricial_Click();

private:
    void printOnPages(int pointSize, numerette::PrinterChoice choice);
    enum class RollResult { Sent, Failed, Canceled, Gone };
    RollResult printOnRoll(const numerette::PrinterPort& port);
    QString portPrompt() const;

    QWidget& m_window;
    const numerette::CalculatorState& m_calculator;
    numerette::SettingsStore& m_settings;
    numerette::PagePrinter& m_pagePrinter;
    numerette::PortWriter& m_ports;
    std::unique_ptr<PrintDialogs> m_ownDialogs;
    PrintDialogs* m_dialogs;
    std::array<QAction*, 3> m_fontItems{};
    QAction* m_chosenPrinter;
    QAction* m_roll;
    // A print lets events run; the print items wait until it is over.
    bool m_printing = false;
};
