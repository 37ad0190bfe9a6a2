// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_look.h"

#include <algorithm>
#include <array>
#include <optional>

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace numerette {

namespace {

// A picture is a symbol on a rounded tile of its colour. The symbols are ones the
// common DejaVu Sans draws, so that none shows as a missing-glyph box.
struct MenuPicture {
    int index;
    char16_t symbol;
    QRgb tile;
};

constexpr QRgb Blue = 0xff2f6db5;
constexpr QRgb Green = 0xff2e8b57;
constexpr QRgb Orange = 0xffd9822b;
constexpr QRgb Red = 0xffc0392b;
constexpr QRgb Grey = 0xff5b6d87;
constexpr QRgb Violet = 0xff7d5ba6;

constexpr std::array<MenuPicture, 35> Pictures{{
    {1, u'2', Blue},          // another calculator
    {2, u'\u2630', Grey},     // desktop calculator
    {3, u'\u2637', Green},    // dates
    {4, u'\u25F7', Green},    // time
    {5, u'%', Orange},        // interest
    {6, u'\u2234', Orange},   // rule of three
    {7, u'\u25EB', Grey},     // copy
    {11, u'\u2692', Grey},    // tools
    {12, u'\u2261', Blue},    // calculation list
    {13, u'\u270E', Blue},    // edit
    {14, u'\u26B2', Blue},    // search
    {15, u'\u03A3', Orange},  // group totals
    {16, u'\u2716', Red},     // clear
    {17, u'\u21BB', Green},   // backup when clearing
    {18, u'\u2750', Green},   // show backup
    {19, u'a', Grey},         // print, small
    {20, u'A', Grey},         // print, medium
    {21, u'\u0391', Grey},    // print, large (bold capital)
    {22, u'\u266A', Violet},  // sounds, beep
    {23, u'\u2205', Violet},  // no sound
    {24, u'\u266B', Violet},  // musical
    {29, u'\u21B5', Orange},  // ENTER key function
    {30, u'+', Orange},       // add mode
    {31, u'=', Orange},       // result mode
    {32, u'?', Blue},         // help
    {33, u'\u2328', Grey},    // registration
    {34, u'\u2605', Orange},  // web site
    {35, u'\u2709', Blue},    // mail
    {37, u'#', Blue},         // number format
    {39, u'\u25A4', Grey},    // paper roll
    {40, u'\u2193', Green},   // save in file
    {42, u'\u21B6', Blue},    // undo
    {43, u'\u21B7', Blue},    // redo
    {45, u'\u2696', Green},   // ideal weight
    {46, u'\u21E9', Blue},    // paste
}};

constexpr int PictureSize = 16;

// A checked item's picture carries a check mark in its lower right corner, as a picture
// takes the place of the check mark the item would otherwise show.
QPixmap checkedPicture(const QPixmap& picture)
{
    QPixmap checked = picture;
    QPainter painter(&checked);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(PictureSize - 10.5, PictureSize - 10.5, 10, 10);
    painter.setPen(QPen(QColor(0x1f, 0x6b, 0x2e), 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(badge);
    QPainterPath tick;
    tick.moveTo(badge.left() + 2.5, badge.center().y());
    tick.lineTo(badge.left() + 4.3, badge.bottom() - 2.5);
    tick.lineTo(badge.right() - 2, badge.top() + 2.5);
    painter.setPen(QPen(QColor(0x1f, 0x8b, 0x3e), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    return checked;
}

} // namespace

QIcon menuImage(int index)
{
    const auto* picture = std::find_if(Pictures.begin(), Pictures.end(),
                                       [index](const MenuPicture& p) { return p.index == index; });
    if (picture == Pictures.end())
        return {};
    QPixmap pixmap(PictureSize, PictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(picture->tile));
    painter.drawRoundedRect(QRectF(0.5, 0.5, PictureSize - 1, PictureSize - 1), 3, 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, PictureSize, PictureSize), Qt::AlignCenter, QString(QChar(picture->symbol)));
    painter.end();
    QIcon icon(pixmap);
    icon.addPixmap(checkedPicture(pixmap), QIcon::Normal, QIcon::On);
    return icon;
}

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
    explicit MenuLookFollower(QWidget& menuBar)
        : QObject(&menuBar)
        , m_bar(menuBar)
    {
        menuBar.installEventFilter(this);
        apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_bar && event->type() == QEvent::ApplicationPaletteChange)
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
    if (!menuBar.findChild<MenuLookFollower*>(QString(), Qt::FindDirectChildrenOnly))
        new MenuLookFollower(menuBar);
}

} // namespace numerette
