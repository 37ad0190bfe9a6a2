#include "frm_calcula.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "calculator.h"
#include "calculator_menus.h"
#include "display_row.h"
#include "keypad.h"
#include "tape_view.h"
#include "virtual_keys.h"

using numerette::Calculator;

namespace {

// The window's height before the user sizes it: 7305 twips.
constexpr int DefaultHeight = 487;

bool isListNavigation(int virtualKey)
{
    constexpr int PageUp = 33;
    constexpr int Down = 40;
    return virtualKey >= PageUp && virtualKey <= Down;
}

} // namespace

frmCalcula::frmCalcula(Calculator& calculator, QWidget* parent)
    : QMainWindow(parent)
    , m_calculator(calculator)
{
    setObjectName(QStringLiteral("frmCalcula"));
    setWindowTitle(QStringLiteral(" Numerette FREE"));

    auto* column = new QWidget(this);
    m_tape = new TapeView(calculator, column);
    m_displayRow = new DisplayRow(calculator, column);
    m_keypad = new Keypad(calculator, column);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(5);
    layout->addWidget(m_tape, 1);
    layout->addWidget(m_displayRow);
    layout->addWidget(m_keypad);
    setCentralWidget(column);
    m_menus = new CalculatorMenus(calculator, menuBar());

    connect(m_displayRow, &DisplayRow::formatMenuRequested, this,
            [this](const QPoint& at) { m_menus->numberFormatMenu()->popup(at); });
    connect(m_keypad, &Keypad::enterKeyMenuRequested, this,
            [this](const QPoint& at) { m_menus->enterKeyMenu()->popup(at); });
    connect(&calculator, &Calculator::viewChanged, this, &frmCalcula::render);

    m_tape->setMinimumHeight(m_tape->fontMetrics().lineSpacing() * 4);
    setFixedWidth(sizeHint().width());
    resize(width(), DefaultHeight);

    m_calculator.clearList();
    render();
}

void frmCalcula::render()
{
    m_tape->render();
    m_displayRow->render();
    m_keypad->render();
    m_menus->render();
    if (!m_calculator.caption().isEmpty() && windowTitle() != m_calculator.caption())
        setWindowTitle(m_calculator.caption());
}

// Keys with Ctrl held are the menus' shortcuts. Everything else goes to the calculator
// as a key-down, then the character it types (dispatcher first, then the entry).
void frmCalcula::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const int virtualKey = numerette::keys::virtualKeyOf(*event);
    if (isListNavigation(virtualKey))
        m_tape->setFocus();
    else if (m_tape->hasFocus())
        m_tape->clearFocus();
    m_calculator.Form_KeyDown(virtualKey, event->modifiers().testFlag(Qt::ShiftModifier));
    if (int code = numerette::keys::characterCodeOf(*event)) {
        m_calculator.Form_KeyPress(code);
        if (code != 0)
            m_calculator.entryKeyPress(code);
    }
    event->accept();
}

void frmCalcula::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    m_calculator.Form_KeyUp(numerette::keys::virtualKeyOf(*event));
    m_calculator.entryKeyUp();
    event->accept();
}

void frmCalcula::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        m_calculator.setWindowVisible(true);
}

void frmCalcula::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        m_calculator.setWindowVisible(false);
}

void frmCalcula::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        m_calculator.setMinimized(isMinimized());
        m_calculator.setMaximized(isMaximized());
    }
}
