// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_layout.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "display_row.h"
#include "keypad.h"
#include "menu_entry.h"
#include "menu_item.h"
#include "menu_look.h"
#include "menu_pictures.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "quotations.h"
#include "settings_store.h"
#include "tape_view.h"
#include "twips.h"

namespace {

constexpr int LargeWidthTwips = 5220;
constexpr int NormalWidthTwips = 3300;
// The normal layout is the large one shrunk by this much; 1.6 brings it back.
constexpr double NormalScale = 0.625;
constexpr double NormalMenuFontScale = 0.8;
// A window is never taller than the screen less this.
constexpr int ScreenMarginTwips = 480;

QRect screenArea()
{
    const QScreen* screen = QApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The menu items that show a picture with the menus' own look, and the picture of each.
constexpr std::array<std::pair<const char*, int>, 36> MenuPictures{{
    {"mnuOutra", 1},       {"mnuWindows", 2},      {"mnuData", 3},         {"mnuTempo", 4},
    {"mnuJuro", 5},        {"mnuRegra", 6},        {"mnuCopiar", 7},       {"mnuUndo", 42},
    {"mnuRedo", 43},       {"mnuPeso", 45},        {"mnuColar", 46},       {"mnuMatricial", 39},
    {"mnuUtil", 11},       {"mnuFita", 12},        {"mnuEditar", 13},      {"mnuLocalizar", 14},
    {"mnuAgrupar", 15},    {"mnuLimpar", 16},      {"mnuBackup", 17},      {"mnuMostraBack", 18},
    {"mnuImprimir0", 19},  {"mnuImprimir1", 20},   {"mnuImprimir2", 21},   {"mnuSalvar", 40},
    {"mnuSomEscolher", 22}, {"mnuSemSom", 23},     {"mnuBeep", 22},        {"mnuSom", 24},
    {"mnu4", 29},          {"mnuEnter", 30},       {"mnuIgual", 31},       {"mnuAjuda", 32},
    {"mnuCalc", 33},       {"mnuReg", 34},         {"mnuEmail", 35},       {"mnuForm", 37},
}};

} // namespace

WindowLayout::WindowLayout(QMainWindow& window, numerette::SettingsStore& settings,
                           numerette::SessionStart& sessionStart, Parts parts)
    : QObject(&window)
    , m_window(window)
    , m_settings(settings)
    , m_sessionStart(sessionStart)
    , m_parts(parts)
    , m_hideKeypad(newCheckItem(this, QStringLiteral("mnuOcultar"), tr("Hide Keyb&oard")))
    , m_largeFont(newCheckItem(this, QStringLiteral("mnuGrande"), tr("Show with &Large Font")))
    //: Starts the calculator when the user logs in to the desktop
    , m_startWithSession(newCheckItem(this, QStringLiteral("mnuFicar"), tr("Start With &Windows")))
    //: Draws the menus in the style of Office XP (a product name)
    , m_menuLook(newCheckItem(this, QStringLiteral("mnuXP"), tr("Office &XP menu")))
{
    m_largeFont->setChecked(true);

    // A click has toggled the check already: the check is the new state.
    connect(m_hideKeypad, &QAction::triggered, this, &WindowLayout::showKeypad);
    connect(m_largeFont, &QAction::triggered, this, [this](bool large) {
        ScaleLayout(large);
        if (m_window.isVisible())
            m_settings.setLetrona(large);
    });
    connect(m_startWithSession, &QAction::triggered, this, &WindowLayout::startWithSession);
    connect(m_menuLook, &QAction::triggered, this, [this](bool on) {
        m_settings.setMenuXP(on);
        numerette::message_boxes::show(&m_window, QMessageBox::Information, numerette::LoadMessage(numerette::Message::RestartNeeded));
    });
    applyWidth();
}

bool WindowLayout::largeLayout() const
{
    return m_largeFont->isChecked();
}

bool WindowLayout::keypadHidden() const
{
    return m_hideKeypad->isChecked();
}

void WindowLayout::mnuGrande_Click()
{
    m_largeFont->trigger();
}

void WindowLayout::ScaleLayout(bool large)
{
    const double scale = large ? 1.0 : NormalScale;
    m_parts.tape->setLayoutScale(scale);
    m_parts.displayRow->setLayoutScale(scale);
    m_parts.keypad->setLayoutScale(scale);
    m_parts.quotation->setLayoutScale(scale);
    applyMenuFont();
    applyWidth();
    if (!m_window.isVisible())
        return;
    const QRect screen = screenArea();
    m_window.resize(m_window.width(), screen.height() - numerette::pixelsOf(ScreenMarginTwips));
    m_window.move(screen.x() + (screen.width() - m_window.frameGeometry().width()) / 2, screen.y());
}

// The menu bar's captions fit the narrow window only in a smaller font.
void WindowLayout::applyMenuFont()
{
    QFont menuFont = QApplication::font(m_window.menuBar());
    if (!largeLayout())
        menuFont.setPointSizeF(menuFont.pointSizeF() * NormalMenuFontScale);
    m_window.menuBar()->setFont(menuFont);
}

// The width of the layout, or the contents' least width should a font be wider than designed.
void WindowLayout::applyWidth()
{
    m_window.centralWidget()->updateGeometry();
    m_window.layout()->activate();
    const int designed = numerette::pixelsOf(largeLayout() ? LargeWidthTwips : NormalWidthTwips);
    m_window.setFixedWidth(std::max(designed, m_window.minimumSizeHint().width()));
}

void WindowLayout::mnuOcultar_Click()
{
    m_hideKeypad->trigger();
}

// Shows or hides the keypad, the window growing or shrinking by its height.
void WindowLayout::showKeypad(bool hidden)
{
    // The keypad is as tall as it asks to be; a hidden one's geometry is stale.
    const int keypadHeight = m_parts.keypad->sizeHint().height();
    // Taken first: a shown keypad may stretch the window to its least height at once.
    const int height = m_window.height();
    m_parts.keypad->setVisible(!hidden);
    // The least height shrinks with the keypad only once the layouts have counted again.
    m_window.centralWidget()->layout()->activate();
    m_window.layout()->activate();
    m_window.resize(m_window.width(), height + (hidden ? -keypadHeight : keypadHeight));
}

void WindowLayout::hideKeypadAtLoad()
{
    m_hideKeypad->setChecked(true);
    m_parts.keypad->hide();
}

void WindowLayout::mnuXP_Click()
{
    m_menuLook->trigger();
}

void WindowLayout::setMenuLookChecked(bool on)
{
    m_menuLook->setChecked(on);
}

bool WindowLayout::menuLookChecked() const
{
    return m_menuLook->isChecked();
}

// Gives the menus their own look and their pictures. Items that are not there (the
// window's build leaves some out) are passed over.
void WindowLayout::SetupMenuIcons()
{
    QMenuBar* bar = m_window.menuBar();
    numerette::applyMenuLook(*bar);
    // The style sheet resets the bar's font.
    applyMenuFont();
    for (const auto& [name, picture] : MenuPictures) {
        const QString objectName = QString::fromLatin1(name);
        QAction* item = m_window.findChild<QAction*>(objectName);
        if (auto* menu = m_window.findChild<QMenu*>(objectName))
            item = menu->menuAction();
        // The menu bar shows a picture instead of the caption; only items in menus get one.
        if (item && !bar->actions().contains(item))
            item->setIcon(numerette::menuImage(picture));
    }
}

void WindowLayout::mnuFicar_Click()
{
    m_startWithSession->trigger();
}

// The check follows what is in place, so that it never claims a start the desktop will not make.
void WindowLayout::startWithSession(bool on)
{
    m_sessionStart.setOn(on);
    showAutostartState();
}

void WindowLayout::showAutostartState()
{
    m_startWithSession->setChecked(m_sessionStart.isOn());
}

void WindowLayout::Form_Resize()
{
    if (!m_window.isVisible() || m_window.isMinimized())
        return;
    const int highest = screenArea().height();
    if (highest > 0 && m_window.height() > highest)
        m_window.resize(m_window.width(), highest - numerette::pixelsOf(ScreenMarginTwips));
}
