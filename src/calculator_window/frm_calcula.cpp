// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_calcula.h"

#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

#include "calculator.h"
#include "business_keys.h"
#include "calculator_hot_keys.h"
#include "calculator_menus.h"
#include "clipboard_monitor.h"
#include "correction_command.h"
#include "display_row.h"
#include "export_command.h"
#include "history_command.h"
#include "frm_paste.h"
#include "key_sounds.h"
#include "keypad.h"
#include "launchers.h"
#include "list_commands.h"
#include "list_editing.h"
#include "list_printing.h"
#include "message_boxes.h"
#include "minimized_caption.h"
#include "num_lock_switch.h"
#include "quotations.h"
#include "tape_view.h"
#include "tool_launchers.h"
#include "virtual_keys.h"
#include "window_layout.h"
#include "window_options.h"

using numerette::Calculator;

namespace {

// The window's height until the stored one is applied: 7305 twips.
constexpr int DesignHeight = 487;
// The clipboard monitor and the minimized caption follow the clipboard and the calculator
// this often.
constexpr int CaptionIntervalMs = 50;

// Message and input boxes are no windows of the program's own for the activation rules: they
// come and go without moving the list's caret or focus (a search shows its match, an edit
// goes on), and timers keep running under them. Nor is a switch to another program.
bool isProgramWindow(const QWidget* window)
{
    return window && !qobject_cast<const QMessageBox*>(window) && !qobject_cast<const QInputDialog*>(window);
}

constexpr int EscapeKey = 27;

bool isListNavigation(int virtualKey)
{
    constexpr int PageUp = 33;
    constexpr int Down = 40;
    return virtualKey >= PageUp && virtualKey <= Down;
}

} // namespace

frmCalcula::frmCalcula(Calculator& calculator, numerette::SettingsStore& settings, CalculatorLaunch launch,
                       CalculatorOwner& owner, DesktopServices services, QWidget* parent)
    : QMainWindow(parent)
    , m_calculator(calculator)
    , m_settings(settings)
    , m_launch(std::move(launch))
    , m_owner(owner)
    , m_input(services.input)
    , m_numLock(services.numLock)
    , m_title(QStringLiteral(" Numerette FREE"))
{
    setObjectName(QStringLiteral("frmCalcula"));
    setWindowTitle(m_title);

    auto* column = new QWidget(this);
    m_tape = new TapeView(calculator, column);
    m_displayRow = new DisplayRow(calculator, column);
    m_keypad = new Keypad(calculator, column);
    m_quotation = new QuotationLabel(column);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(5);
    layout->addWidget(m_tape, 1);
    layout->addWidget(m_displayRow);
    layout->addWidget(m_keypad);
    layout->addWidget(m_quotation);
    setCentralWidget(column);
    // Whatever gives the window the keys gives them to the display, which a screen reader
    // follows; the keys go on from it to the window.
    setFocusProxy(m_displayRow);
    // The parts make their menu items; the menus put them in place once all are made (the
    // menus themselves are declared in menu_layout.cpp).
    m_menus = new CalculatorMenus(calculator, menuBar());
    m_listCommands = new ListCommands(*this, calculator, settings);
    auto* printing = new ListPrinting(*this, calculator, settings, {services.pagePrinter, services.ports});
    auto* exporting = new ExportCommand(*this, calculator, settings);
    auto* correction = new CorrectionCommand(*this, calculator, *m_tape, m_launch.hostTag);
    auto* history = new HistoryCommand(*this, calculator, settings, services.pagePrinter, m_launch.hostTag);
    m_options = new WindowOptions(*this, calculator, settings, m_menus->insertTextItem());
    m_monitor = new ClipboardMonitor(*this, calculator, settings, m_launch.isSecondary());

    m_hotKeys = new CalculatorHotKeys(*this, calculator, services.hotKeys);
    m_keySounds = new KeySounds(*this, calculator, settings, services.midi);
    auto* businessKeys = new BusinessKeys(*this, calculator, settings);
    m_launchers = new Launchers(*this, calculator, services.programs, services.hotKeys, m_launch.isSecondary());
    connectHotKeys();
    QAction* paste = newPasteItem(m_menus->optionsMenu());
    auto* listEditing = new ListEditing(*this, calculator, *m_tape, *m_keySounds);
    m_toolLaunchers = new ToolLaunchers(calculator, this);
    auto* tools = new QAction(tr("Tool&s"), this);
    tools->setObjectName(QStringLiteral("mnuUtil"));
    connect(tools, &QAction::triggered, this, &frmCalcula::toolsMenuRequested);

    connect(m_displayRow, &DisplayRow::formatMenuRequested, this,
            [this](const QPoint& at) { m_menus->numberFormatMenu()->popup(at); });
    // The list losing the focus ends edit mode and any search.
    connect(m_keypad, &Keypad::entryFocusWanted, this, &frmCalcula::takeKeys);
    connect(m_keypad, &Keypad::enterKeyMenuRequested, this,
            [this](const QPoint& at) { m_menus->enterKeyMenu()->popup(at); });
    connect(&calculator, &Calculator::viewChanged, this, &frmCalcula::render);
    connect(&calculator, &Calculator::displaysChanged, this, &frmCalcula::followDisplays);
    connect(m_quotation, &QuotationLabel::rotated, this, [this] { m_startupDone = false; });
    connect(m_quotation, &QuotationLabel::clicked, this, [this] { m_launchers->quotationClicked(m_quotation->text()); });
    connect(m_displayRow, &DisplayRow::counterDoubleClicked, m_launchers, &Launchers::mnuOutra_Click);
    connect(m_displayRow, &DisplayRow::displayClicked, this, [this] {
        m_calculator.mnuCopiar_Click();
        showPasteWindow();
    });
    connect(m_monitor, &ClipboardMonitor::copiedFromList, this, &frmCalcula::takeKeys);
    connect(m_launchers, &Launchers::anotherCalculatorOpening, m_monitor, [this] { m_monitor->setOn(true); });
    connect(m_options, &WindowOptions::stayInTrayToggled, this, &frmCalcula::stayInTrayToggled);

    m_tape->setMinimumHeight(m_tape->fontMetrics().lineSpacing() * 4);
    m_layout = new WindowLayout(*this, settings, services.sessionStart, {m_tape, m_displayRow, m_keypad, m_quotation});
    m_menus->layOut({.launchers = *m_launchers,
                     .tools = *m_toolLaunchers,
                     .listEditing = *listEditing,
                     .listCommands = *m_listCommands,
                     .printing = *printing,
                     .exporting = *exporting,
                     .correction = *correction,
                     .history = *history,
                     .options = *m_options,
                     .monitor = *m_monitor,
                     .hotKeys = *m_hotKeys,
                     .sounds = *m_keySounds,
                     .businessKeys = *businessKeys,
                     .layout = *m_layout,
                     .mnuColar = paste,
                     .mnuUtil = tools});
    resize(width(), DesignHeight);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(CaptionIntervalMs);
    connect(m_timer1, &QTimer::timeout, this, &frmCalcula::Timer1_Timer);
    connect(m_monitor, &ClipboardMonitor::clipboardChanged, this, &frmCalcula::clipboardChanged);
    setTimer1Enabled(true);
}

frmCalcula::~frmCalcula() = default;

bool frmCalcula::largeFontMode() const
{
    return m_layout->largeLayout();
}

void frmCalcula::pressFromOutside(const numerette::PressedKey& key)
{
    m_hotKeys->press(key);
}

void frmCalcula::connectHotKeys()
{
    connect(m_hotKeys, &CalculatorHotKeys::hotKeyHandled, this, &frmCalcula::renderCaption);
    connect(m_hotKeys, &CalculatorHotKeys::minimizeToggleRequested, this, &frmCalcula::toggleMinimized);
    connect(m_hotKeys, &CalculatorHotKeys::pasteRequested, this, &frmCalcula::mnuColar_Click);
    connect(m_hotKeys, &CalculatorHotKeys::activationRequested, this, &frmCalcula::activateFromHotKey);
    connect(m_options->mnuNumLock(), &QAction::triggered, this, &frmCalcula::ForceNumLock);
}

// `Timer1` is enabled while the calculator is active, but it only ticks while it has work:
// a clipboard change to take up, or a minimized window whose caption follows the
// calculation. An idle calculator thus costs no wake-ups.
void frmCalcula::setTimer1Enabled(bool enabled)
{
    m_timer1Enabled = enabled;
    if (enabled)
        runTimer1();
    else
        m_timer1->stop();
}

void frmCalcula::runTimer1()
{
    if (m_timer1Enabled && !m_timer1->isActive())
        m_timer1->start();
}

// A copy is taken up at once, not a tick later: the program that made it may end right
// after, and its clipboard with it.
void frmCalcula::clipboardChanged()
{
    if (!m_timer1Enabled)
        return;
    runTimer1();
    QTimer::singleShot(0, this, [this] {
        if (m_timer1Enabled)
            Timer1_Timer();
    });
}

void frmCalcula::Timer1_Timer()
{
    m_monitor->tick();
    renderCaption();
    if (!isMinimized() && !m_monitor->changePending())
        m_timer1->stop();
}

void frmCalcula::toggleMinimized()
{
    if (isMinimized()) {
        showNormal();
        activateWindow();
    } else {
        showMinimized();
    }
}

// The activation key brings the calculator up from anywhere, unless it is parked in the
// notification area (the tray icon brings it back from there).
void frmCalcula::activateFromHotKey()
{
    if (m_owner.calculatorParked())
        return;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void frmCalcula::ForceNumLock()
{
    if (m_options->numLockAlways() && !m_numLock.isOn())
        switchNumLockOn();
}

void frmCalcula::switchNumLockOn()
{
    if (m_numLock.pressesKey())
        m_calculator.setSyntheticNumLock(true);
    m_numLock.switchOn();
}

// The window (through its focus proxy, the display) holds the focus whenever the list does
// not: a menu bar entered from the keyboard, a dialog or a tool window gives the keys back
// to the widget that had the focus before, and with no such widget they would stay with the
// menu bar (whose mnemonics then eat typed letters) or go nowhere.
void frmCalcula::takeKeys()
{
    setFocus(Qt::OtherFocusReason);
}

// Once per action: the calculator's viewChanged comes when the action's outermost batch closes.
void frmCalcula::render()
{
    m_tape->render();
    m_displayRow->render();
    m_keypad->render();
    m_menus->render();
    renderCaption();
}

void frmCalcula::renderCaption()
{
    QString caption;
    if (isMinimized())
        caption = minimizedCaption(m_calculator);
    else if (!fullMode())
        caption = m_miniCaption;
    const QString title = caption.isEmpty() ? m_title : caption;
    if (windowTitle() != title)
        setWindowTitle(title);
}

// Taken at each change of the displays, not at each render: a change made while the window is
// minimized or maximized shows in mini mode only with the next change after it.
void frmCalcula::followDisplays()
{
    if (!isMinimized() && !isMaximized())
        m_miniCaption = miniCaption(m_calculator);
}

bool frmCalcula::takesKeyStrokes() const
{
    return !isMinimized() && !isMaximized();
}

// The quotation label's visibility is the mode: hidden in mini mode.
bool frmCalcula::fullMode() const
{
    return !m_quotation->isHidden();
}

bool frmCalcula::backUpList(const QString& list)
{
    return m_listCommands->backUpList(list);
}

bool frmCalcula::keepErasedList(const QString& list)
{
    return m_listCommands->keepErasedList(list);
}

// Keys with Ctrl held are the menus' shortcuts. Everything else goes to the calculator
// as a key-down, then the character it types (dispatcher first, then the entry).
void frmCalcula::keyPressEvent(QKeyEvent* event)
{
    const numerette::ChangeBatch oneRender(m_calculator);
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // In edit mode the list takes the typed keys; the window previews none of them.
    if (!m_calculator.listLocked()) {
        event->accept();
        return;
    }
    const int virtualKey = numerette::keys::virtualKeyOf(*event);
    // Esc leaves the list for the display; only from the display does it close the window.
    if (virtualKey == EscapeKey && m_tape->hasFocus()) {
        takeKeys();
        event->accept();
        return;
    }
    if (isListNavigation(virtualKey))
        m_tape->setFocus();
    else if (m_tape->hasFocus())
        takeKeys();
    if (takesKeyStrokes())
        m_calculator.Form_KeyDown(virtualKey, event->modifiers().testFlag(Qt::ShiftModifier));
    m_keySounds->keyDown(virtualKey);
    if (int code = numerette::keys::characterCodeOf(*event)) {
        m_calculator.Form_KeyPress(code);
        if (code != 0)
            m_calculator.entryKeyPress(code);
    }
    event->accept();
}

void frmCalcula::keyReleaseEvent(QKeyEvent* event)
{
    const numerette::ChangeBatch oneRender(m_calculator);
    if (event->isAutoRepeat() || !m_calculator.listLocked()) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    if (takesKeyStrokes() && m_calculator.keysAccepted() && m_options->numLockAlways() && !m_numLock.wasOnAt(*event))
        switchNumLockOn();
    if (takesKeyStrokes())
        m_calculator.Form_KeyUp(numerette::keys::virtualKeyOf(*event));
    m_keySounds->keyUp(numerette::keys::virtualKeyOf(*event));
    m_calculator.entryKeyUp();
    event->accept();
}

void frmCalcula::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!m_owner.calculatorParked())
        m_layout->Form_Resize();
}

void frmCalcula::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        m_calculator.setInteractive(true);
        m_activationDue = true;
    }
    // A window may be built well before it shows (during the splash): what its load has to
    // tell waits for the window.
    if (!m_loadWarning.isEmpty()) {
        QTimer::singleShot(0, this, [this, text = std::exchange(m_loadWarning, QString())] {
            numerette::message_boxes::show(this, QMessageBox::Warning, text);
        });
    }
}

void frmCalcula::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        m_calculator.setInteractive(false);
}

// A dialog shows over the calculator as the action that opened it has left it so far, and
// while it is open the window renders every change at once.
bool frmCalcula::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked && !m_blockedByDialog)
        m_blockedByDialog.emplace(m_calculator);
    else if (event->type() == QEvent::WindowUnblocked)
        m_blockedByDialog.reset();
    return QMainWindow::event(event);
}

void frmCalcula::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        m_calculator.setKeypadInSight(!isMinimized());
        // The main instance always has the hot keys while minimized.
        if (m_loaded && !m_launch.isSecondary() && !m_hotKeys->hotKeysWanted()) {
            if (isMinimized())
                m_hotKeys->RegisterHotKeys();
            else
                m_hotKeys->UnregisterHotKeys();
        }
        renderCaption();
        if (isMinimized())
            runTimer1();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (std::exchange(m_activationDue, false))
            Form_Activate();
    } else if (event->type() == QEvent::ActivationChange) {
        m_activationDue = isProgramWindow(QApplication::activeWindow());
        if (m_activationDue || m_owner.calculatorParked())
            Form_Deactivate();
        else
            m_keySounds->silence();
    }
}

// The close always goes ahead; what happens to the process is the host's.
void frmCalcula::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_loaded) {
        // Free text still being typed is closed before the list is saved.
        m_calculator.listLostFocus();
        Form_QueryUnload();
    }
    m_hotKeys->unregisterAll();
}

// "&Paste" is enabled while the clipboard holds a number: checked each time the menu opens
// and whenever the clipboard changes, so that its shortcut Ctrl+V works as soon as a number
// is copied anywhere, without the menu being opened first.
QAction* frmCalcula::newPasteItem(QMenu* optionsMenu)
{
    auto* paste = new QAction(tr("&Paste"), this);
    paste->setObjectName(QStringLiteral("mnuColar"));
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(paste, &QAction::triggered, this, &frmCalcula::mnuColar_Click);
    const auto followClipboard = [this, paste] {
        paste->setEnabled(numerette::ValueOf(QGuiApplication::clipboard()->text(), m_calculator.numberLocale()).has_value());
    };
    connect(optionsMenu, &QMenu::aboutToShow, paste, followClipboard);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, paste, followClipboard);
    return paste;
}

void frmCalcula::showPasteWindow()
{
    if (m_paste)
        return;
    m_paste = new frmPaste(m_input);
    m_paste->show();
}

void frmCalcula::mnuColar_Click()
{
    m_calculator.mnuColar_Click(QGuiApplication::clipboard()->text());
}
