// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's life: what it reads when it loads, does when it is activated,
// and stores when it closes.
#include "frm_calcula.h"

#include <optional>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include "calculator.h"
#include "calculator_hot_keys.h"
#include "calculator_menus.h"
#include "clipboard_monitor.h"
#include "display_row.h"
#include "first_paint.h"
#include "key_sounds.h"
#include "list_commands.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "quotations.h"
#include "settings_store.h"
#include "state_file.h"
#include "tape_view.h"
#include "tool_launchers.h"
#include "twips.h"
#include "window_layout.h"
#include "window_options.h"

using numerette::Calculator;
using numerette::CalculatorStateRecord;

namespace {

// Before the user has placed the window, its right edge keeps this far from the screen's.
constexpr int RightMarginTwips = 360;

// Positions are stored relative to the screen's area for windows, without panels.
QRect screenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void frmCalcula::load()
{
    // A window opened during the exit goes again at once. It has read nothing, so it must
    // not overwrite the saved calculation when it closes.
    if (m_owner.calculatorParked())
        QTimer::singleShot(0, this, [this] { close(); });
    else
        Form_Load();
    render();
}

void frmCalcula::Form_Load()
{
    // The settings and the saved calculation coming back render once.
    const numerette::ChangeBatch oneRender(m_calculator);
    m_loaded = true;
    m_monitor->clearClipboard();
    m_calculator.chooseNumberFormat(m_settings.Formato());
    applyMode();
    if (m_settings.CalcEnter())
        m_calculator.mnuEnter_Click();
    else
        m_calculator.mnuIgual_Click();
    if (m_launch.isSecondary()) {
        //: Title of a second calculator opened from the first; Aux abbreviates "auxiliary".
        m_title = tr("Numerette [Aux]");
        m_layout->mnuGrande_Click();
        for (QMenu* menu : m_menus->mainMenus())
            menu->menuAction()->setEnabled(false);
    } else {
        if (!m_settings.Letrona() || !fullMode())
            m_layout->mnuGrande_Click();
        // Hidden before the stored height is applied: a shown keypad would hold the window
        // at its least height with the keypad, taller than it was closed.
        if (fullMode() && m_settings.Oculte())
            m_layout->hideKeypadAtLoad();
        placeWindow();
        m_calculator.setInsertText(m_settings.InserirTexto());
        m_monitor->setOn(m_settings.Monitor());
        if (fullMode()) {
            m_options->setStayInTray(m_settings.mnuSystray());
            m_layout->showAutostartState();
        }
        m_hotKeys->registerActivationKey();
        if (!fullMode() || m_settings.HotKey()) {
            m_hotKeys->setHotKeysWanted(true);
            m_hotKeys->RegisterHotKeys();
        }
        if (fullMode()) {
            m_layout->setMenuLookChecked(m_settings.MenuXP());
            if (m_settings.MenuXP())
                m_layout->SetupMenuIcons();
        }
    }
    // The sound device opens once the window is on the screen: its library, its audio output
    // and its soundfont take tens of milliseconds, done by the time the user types.
    whenFirstPainted(*this, m_keySounds, [this] { m_keySounds->applyStoredMode(); });
    if (!fullMode() || m_settings.Visivel())
        m_options->setAlwaysOnTop(true);
    if (fullMode()) {
        m_listCommands->setBackupWhenClearing(m_settings.Backup());
        m_options->setNumLockAlways(m_settings.NumLock());
    }
    // Saved after every total and clear as well, so that a process that is killed loses
    // no more than the calculation in progress; queued, so that the key that closed the
    // calculation has been handled in full.
    connect(&m_calculator, &Calculator::calculationClosed, this, &frmCalcula::saveCalculation,
            Qt::QueuedConnection);
    restoreSavedCalculation();
}

// Mini mode: only the list and the list menu, always on top; the list fills the window and
// the caption shows the display.
void frmCalcula::applyMode()
{
    if (!m_launch.isMini())
        return;
    for (QMenu* menu : m_menus->mainMenus())
        menu->menuAction()->setVisible(false);
    m_quotation->hide();
    m_displayRow->hide();
    // With no display to hold the keys, the window holds them itself.
    setFocusProxy(nullptr);
    m_layout->hideKeypadAtLoad();
}

// The stored size and place, kept on the screen.
void frmCalcula::placeWindow()
{
    const QRect screen = screenArea();
    // The least height follows the parts shown, and mini mode has just hidden some: settled
    // now, so that the height checked below is the one the window gets.
    centralWidget()->updateGeometry();
    layout()->activate();
    resize(width(), numerette::pixelsOf(fullMode() ? m_settings.CalcHeight() : m_settings.MiniHeight()));
    int top = numerette::pixelsOf(m_settings.CalcTop());
    if (!fullMode() || top + height() > screen.height())
        top = 0;
    int left = numerette::pixelsOf(m_settings.CalcLeft(numerette::twipsOf(screen.width() - width()) - RightMarginTwips));
    if (left + width() > screen.width())
        left = 0;
    move(screen.x() + left, screen.y() + top);
}

// The list of the last close, and the calculation in progress then when that was today;
// a list from another day is cleared, with its backup. Warnings are told once the window is
// up, not in the middle of its load (see showEvent).
void frmCalcula::restoreSavedCalculation()
{
    const QString path = numerette::stateFilePath(m_launch.hostTag);
    const numerette::StateFileReader reader{m_calculator.numberLocale(), m_calculator.dateOrder(),
                                            QDate::currentDate()};
    numerette::StateFileContents contents = numerette::loadStateFile(path, reader);
    const std::optional<CalculatorStateRecord>& saved = contents.record;
    emit savedStateRead();
    if (contents.damaged) {
        const QString keptAs = contents.keptAs.isEmpty() ? tr("The file was left where it is:\r\n%1").arg(path)
                                                         : tr("The file was kept as:\r\n%1").arg(contents.keptAs);
        m_loadWarning = (contents.listOnly
                             ? tr("The saved calculation could not be read, so its list was kept and a new "
                                  "calculation was started.")
                             : tr("The saved calculation list could not be read, so a new list was started."))
            + numerette::DoubleBreak + keptAs;
    }
    // Taken, not copied: a long list is held once.
    QString list = saved ? std::move(contents.record->list) : QString();
    // A list grown far past its capacity would cost the window its memory and seconds to lay
    // out: its start goes to a file instead, and the window holds what the list can hold.
    if (const qsizetype keptFrom = numerette::tape::restoredTailStart(list); keptFrom > 0) {
        QString tail = list.sliced(keptFrom);
        list.truncate(keptFrom);
        const QString keptIn = m_listCommands->keepList(list);
        if (keptIn.isEmpty()) {
            list += tail;
        } else {
            list = std::move(tail);
            m_loadWarning += (m_loadWarning.isEmpty() ? QString() : numerette::DoubleBreak)
                + tr("The saved list was longer than the list can hold; its first calculations were kept "
                     "in the file:\r\n%1")
                      .arg(QDir::toNativeSeparators(keptIn));
        }
    }
    m_calculator.setList(list);
    if (contents.listOnly)
        return;
    if (!saved || saved->date != QDate::currentDate()) {
        // The clear-list command, backup first. A backup that fails keeps the list, and a new
        // calculation starts on it.
        m_calculator.mnuLimpar_Click();
        return;
    }
    m_calculator.restoreCalculation(saved->total, saved->pendingOperator, saved->entry, saved->display,
                                    saved->counter);
    m_calculator.restoreGrandTotal(saved->grandTotal);
}

void frmCalcula::Form_Activate()
{
    if (!m_loaded || m_owner.calculatorParked())
        return;
    emit activated();
    setTimer1Enabled(true);
    m_calculator.setListSelection(int(m_calculator.list().size()) - 2, 0);
    takeKeys();
    m_calculator.SelectEntry();
    if (m_startupDone)
        return;
    if (m_launch.commandWord == QLatin1String("tempo"))
        m_calculator.mnuTempo_Click();
    // A first mini-mode start explains the hot keys, the only keypad it has.
    if (!fullMode() && !m_settings.isMiniHeightStored())
        QTimer::singleShot(0, this, [this] { m_hotKeys->showHelp(); });
    // The weight and interest windows open once this activation is over, not inside it.
    if (m_launch.commandWord == QLatin1String("peso"))
        QTimer::singleShot(0, this, [this] { m_toolLaunchers->open(ToolWindow::Weight); });
    if (m_launch.commandWord == QLatin1String("juro"))
        QTimer::singleShot(0, this, [this] { m_toolLaunchers->open(ToolWindow::Interest); });
    m_launch.commandWord.clear();
    // What was on the clipboard before the calculator opened is not a number to add.
    const QString clipboardText = m_monitor->clipboardText();
    if (!numerette::ValueOf(clipboardText, m_calculator.numberLocale()))
        m_calculator.setLastClipboardText(clipboardText);
    m_startupDone = true;
}

// Another window of the program became active (a tool, a message box): the clipboard
// monitor pauses until the calculator is active again. It keeps running while the user
// works in other programs, where the copies it takes up are made.
void frmCalcula::Form_Deactivate()
{
    if (m_owner.calculatorParked()) {
        setTimer1Enabled(false);
        return;
    }
    const QWidget* active = QApplication::activeWindow();
    const bool hostWindow = dynamic_cast<const CalculatorOwner*>(active) == &m_owner;
    if (active && active != this && !hostWindow)
        setTimer1Enabled(false);
    m_keySounds->silence();
}

void frmCalcula::Form_QueryUnload()
{
    if (m_calculator.timeMode())
        m_calculator.mnuTempo_Click();
    // No message while closing: the close (a logout, the Exit command) must not wait on it.
    if (!writeCalculation())
        qWarning("Numerette: the calculation could not be saved in %s",
                 qPrintable(numerette::stateFilePath(m_launch.hostTag)));
    if (!fullMode() && !isMinimized()) {
        m_settings.setMiniHeight(numerette::twipsOf(height()));
        m_settings.setCalcLeft(numerette::twipsOf(x() - screenArea().x()));
    }
    // A secondary calculator and the mini window keep no other setting.
    if (!m_launch.isSecondary() && fullMode()) {
        storeWindowSettings();
        m_keySounds->closeDevice();
    }
    emit closing(m_options->stayInTray());
}

void frmCalcula::storeWindowSettings()
{
    m_settings.setCalcEnter(m_calculator.addMode());
    m_settings.setBackup(m_listCommands->backupWhenClearing());
    m_settings.setHotKey(m_hotKeys->hotKeysWanted());
    m_settings.setOculte(m_layout->keypadHidden());
    if (isMinimized())
        return;
    m_settings.setLetrona(m_layout->largeLayout());
    const QRect screen = screenArea();
    m_settings.setCalcHeight(numerette::twipsOf(height()));
    m_settings.setCalcTop(numerette::twipsOf(y() - screen.y()));
    m_settings.setCalcLeft(numerette::twipsOf(x() - screen.x()));
}

void frmCalcula::saveCalculation()
{
    QString error;
    if (writeCalculation(&error)) {
        m_saveFailureTold = false;
        return;
    }
    if (m_saveFailureTold)
        return;
    m_saveFailureTold = true;
    numerette::message_boxes::show(
        this, QMessageBox::Critical,
        tr("Your calculations could not be saved in the file:") + QStringLiteral("\r\n")
            + numerette::stateFilePath(m_launch.hostTag) + numerette::DoubleBreak + error + numerette::DoubleBreak
            + tr("They will be saved again at the next total."));
}

bool frmCalcula::writeCalculation(QString* error)
{
    const CalculatorStateRecord record{QDate::currentDate(),       m_calculator.list(),
                                       m_calculator.total(),       m_calculator.PendingOperator(),
                                       m_calculator.entry().text(), m_calculator.display(),
                                       m_calculator.counter(),     m_calculator.grandTotal()};
    return numerette::writeStateFile(numerette::stateFilePath(m_launch.hostTag), record,
                                     m_calculator.numberLocale(), error);
}
