// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_look.h"

#include <optional>

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace numerette {

namespace {

// One set of the look's colours. Every text colour is set with the background it stands on,
// so that none is left to a palette made for other backgrounds.
struct MenuColours {
    const char* bar;
    const char* barLine;
    const char* menu;
    const char* frame;
    const char* text;
    const char* disabledText;
    const char* highlight;
    const char* highlightFrame;
    const char* highlightedText;
    const char* checkedPicture;
};

constexpr MenuColours LightColours{"#f4f6fa", "#c9d1dd", "#fcfcfc", "#8a96a8", "#1d2633",
                                   "#8a93a0", "#c1d2ee", "#316ac5", "#10151d", "#ffe3a0"};
constexpr MenuColours DarkColours{"#2b3039", "#525b6a", "#262a31", "#5c6678", "#e8ecf2",
                                  "#8d96a5", "#30507e", "#6a9be0", "#ffffff", "#6b5623"};

QString styleSheet(const MenuColours& c)
{
    return QStringLiteral(
               "QMenuBar { background: %1; color: %5; border-bottom: 1px solid %2; }"
               "QMenuBar::item { padding: 3px 4px; background: transparent; color: %5; }"
               "QMenuBar::item:selected { background: %7; border: 1px solid %8; color: %9; }"
               "QMenuBar::item:disabled { color: %6; }"
               "QMenu { background: %3; color: %5; border: 1px solid %4; padding: 2px; }"
               "QMenu::item { padding: 4px 24px 4px 28px; border: 1px solid transparent; color: %5; }"
               "QMenu::item:selected { background: %7; border: 1px solid %8; color: %9; }"
               "QMenu::item:disabled { color: %6; }"
               "QMenu::icon { padding-left: 6px; }"
               // An item with a picture shows its check as a framed, tinted picture.
               "QMenu::icon:checked { background: %10; border: 1px solid %8; }"
               "QMenu::separator { height: 1px; background: %2; margin: 3px 6px 3px 28px; }")
        .arg(QLatin1String(c.bar), QLatin1String(c.barLine), QLatin1String(c.menu), QLatin1String(c.frame),
             QLatin1String(c.text), QLatin1String(c.disabledText), QLatin1String(c.highlight),
             QLatin1String(c.highlightFrame), QLatin1String(c.highlightedText))
        .arg(QLatin1String(c.checkedPicture));
}

// Gives the bar the look that suits the application's palette, and again whenever the
// palette changes while the program runs (the desktop switched between light and dark).
class MenuLookFollower final : public QObject {
public:
    static constexpr QLatin1StringView ObjectName{"menuLookFollower"};

    explicit MenuLookFollower(QWidget& menuBar)
        : QObject(&menuBar)
        , m_bar(menuBar)
    {
        setObjectName(ObjectName);
        // The application is told of a new palette (a filter on it sees every event; only
        // that one is looked at).
        QCoreApplication::instance()->installEventFilter(this);
        apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        const bool dark = paletteIsDark(QGuiApplication::palette());
        if (m_dark == dark)
            return;
        m_dark = dark;
        // A new style sheet resets the bar's font, which the bar keeps.
        const QFont font = m_bar.font();
        m_bar.setStyleSheet(styleSheet(dark ? DarkColours : LightColours));
        m_bar.setFont(font);
    }

    QWidget& m_bar;
    std::optional<bool> m_dark;
};

} // namespace

bool paletteIsDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

void applyMenuLook(QWidget& menuBar)
{
    if (!menuBar.findChild<QObject*>(MenuLookFollower::ObjectName, Qt::FindDirectChildrenOnly))
        new MenuLookFollower(menuBar);
}

} // namespace numerette
