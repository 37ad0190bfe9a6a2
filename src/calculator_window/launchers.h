// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class Calculator;
class GlobalHotKeys;
class ProgramStarter;
}
class QAction;
class QWidget;

// The commands that open something else: a second calculator in a process of its own, the
// desktop's calculator, and the "?" menu's help, about box, donation page and mail to
// support. A web page or mail that opens minimizes the calculator, so that it is in view.
class Launchers : public QObject {
    Q_OBJECT

public:
    // `secondary`: this calculator is itself the second one, which opens no other.
    Launchers(QWidget& window, numerette::Calculator& calculator, numerette::ProgramStarter& programs,
              const numerette::GlobalHotKeys& hotKeys, bool secondary);

    QAction* mnuOutra() const { return m_another; }
    QAction* mnuWindows() const { return m_desktop; }
    QAction* mnuAjuda() const { return m_help; }
    QAction* mnuCalc() const { return m_about; }
    QAction* mnuReg() const { return m_donation; }
    QAction* mnuEmail() const { return m_mail; }

    void mnuOutra_Click();
    void mnuWindows_Click();
    void mnuAjuda_Click();
    void mnuCalc_Click();
    void mnuReg_Click();
    void mnuEmail_Click();
    // A click on the quotation: shows it, then offers the donation page.
    void quotationClicked(const QString& quotation);

signals:
    // A second calculator is being opened: this one's clipboard monitor takes up its totals.
    void anotherCalculatorOpening();

private:
    // Opens a web page or mail; on failure shows `failure` (a catalogue text).
    void openOrReport(const QString& target, const QString& failure);
    void openWebSite();

    QWidget& m_window;
    numerette::Calculator& m_calculator;
    numerette::ProgramStarter& m_programs;
    const numerette::GlobalHotKeys& m_hotKeys;
    bool m_secondary;
    QAction* m_another;
    QAction* m_desktop;
    QAction* m_help;
    QAction* m_about;
    QAction* m_donation;
    QAction* m_mail;
};
