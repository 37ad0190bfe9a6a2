// SPDX-License-Identifier: GPL-3.0-or-later
#include "launchers.h"

#include <array>

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

#include "calculator.h"
#include "calculator_hot_keys.h"
#include "menu_item.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "program_starter.h"
#include "program_version.h"

namespace {

const QString WebSite = QStringLiteral("https://www.numerette.org/");
const QString SupportMail = QStringLiteral("support@numerette.org");

QString donationPage()
{
    return QStringLiteral("https://www.paypal.com/cgi-bin/webscr?cmd=_xclick&business=") + SupportMail
        + QStringLiteral("&item_name=Make%20a%20donation%20to%20Numerette%20--%20Help%20keep%20Numerette%20FREE!"
                         "&no_shipping=1");
}

// The desktop calculators looked for, the most common first.
constexpr std::array DesktopCalculators{"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk",
                                        "xcalc"};

} // namespace

Launchers::Launchers(QWidget& window, numerette::Calculator& calculator, numerette::ProgramStarter& programs,
                     const numerette::GlobalHotKeys& hotKeys, bool secondary)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_programs(programs)
    , m_hotKeys(hotKeys)
    , m_secondary(secondary)
    , m_another(newMenuItem(this, QStringLiteral("mnuOutra"), tr("&Open Another Numerette"), Qt::Key_F6))
    //: Opens the desktop's own calculator program
    , m_desktop(newMenuItem(this, QStringLiteral("mnuWindows"), tr("Open &Windows Calculator"), Qt::Key_F7))
    , m_help(newMenuItem(this, QStringLiteral("mnuAjuda"), tr("&Help"), Qt::Key_F1))
    , m_about(newMenuItem(this, QStringLiteral("mnuCalc"), tr("&About Calculator"), Qt::Key_F11))
    , m_donation(newMenuItem(this, QStringLiteral("mnuReg"), tr("Make a Donation -- Help Too!"), Qt::Key_F12))
    , m_mail(newMenuItem(this, QStringLiteral("mnuEmail"), tr("&Email technical support")))
{
    connect(m_another, &QAction::triggered, this, &Launchers::mnuOutra_Click);
    connect(m_desktop, &QAction::triggered, this, &Launchers::mnuWindows_Click);
    connect(m_help, &QAction::triggered, this, &Launchers::mnuAjuda_Click);
    connect(m_about, &QAction::triggered, this, &Launchers::mnuCalc_Click);
    connect(m_donation, &QAction::triggered, this, &Launchers::mnuReg_Click);
    connect(m_mail, &QAction::triggered, this, &Launchers::mnuEmail_Click);
}

// The new process is a secondary calculator ("outra"), in time mode when this one is; this
// one's clipboard monitor goes on (without changing the stored setting) to take up its
// totals. The clipboard is cleared, so that its present text is not taken for the other's
// total. A start that fails is not reported.
void Launchers::mnuOutra_Click()
{
    if (m_secondary)
        return;
    emit anotherCalculatorOpening();
    const QString word = m_calculator.timeMode() ? QStringLiteral("outratempo") : QStringLiteral("outra");
    m_programs.startDetached(QCoreApplication::applicationFilePath(), {word});
    QGuiApplication::clipboard()->clear();
}

void Launchers::mnuWindows_Click()
{
    for (const char* name : DesktopCalculators) {
        const QString path = m_programs.findProgram(QString::fromLatin1(name));
        if (!path.isEmpty() && m_programs.startDetached(path, {}))
            return;
    }
    numerette::message_boxes::show(&m_window, QMessageBox::Critical, numerette::LoadMessage(numerette::Message::SystemCalculatorNotFound));
}

void Launchers::mnuAjuda_Click()
{
    ShowHotKeyHelp(&m_window, m_hotKeys);
    if (numerette::message_boxes::askYesNo(&m_window, numerette::LoadMessage(numerette::Message::HandlingTips), QMessageBox::Information))
        openWebSite();
}

void Launchers::mnuCalc_Click()
{
    const QString about = tr("Numerette FREE %1").arg(numerette::programVersion())
        + numerette::DoubleBreak + tr("An adding machine with a paper tape, for the desktop.") + numerette::DoubleBreak
        + tr("Web site: %1").arg(WebSite) + QStringLiteral("\r\n") + tr("Support: %1").arg(SupportMail)
        + numerette::DoubleBreak + tr("WOULD YOU LIKE TO VISIT OUR WEBSITE ?");
    if (numerette::message_boxes::askYesNo(&m_window, about, QMessageBox::Information))
        openWebSite();
}

void Launchers::mnuReg_Click()
{
    openOrReport(donationPage(), numerette::LoadMessage(numerette::Message::BrowserError));
}

void Launchers::mnuEmail_Click()
{
    openOrReport(QStringLiteral("mailto:") + SupportMail + QStringLiteral("?subject=Numerette%20FREE"),
                 numerette::LoadMessage(numerette::Message::MailProgramError, SupportMail));
}

void Launchers::openWebSite()
{
    openOrReport(WebSite, numerette::LoadMessage(numerette::Message::BrowserError));
}

void Launchers::openOrReport(const QString& target, const QString& failure)
{
    if (numerette::OpenDocument(target) > 2)
        m_window.showMinimized();
    else
        numerette::message_boxes::show(&m_window, QMessageBox::Warning, failure);
}

void Launchers::quotationClicked(const QString& quotation)
{
    namespace boxes = numerette::message_boxes;
    boxes::show(&m_window, QMessageBox::Information, quotation);
    if (boxes::askYesNo(&m_window, tr("Help keep Numerette FREE!") + numerette::DoubleBreak
                                       + tr("Do you want to do a donation to Numerette?")))
        mnuReg_Click();
}
