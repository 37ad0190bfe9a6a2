// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_pictures.h"

#include <algorithm>
#include <array>

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

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

// The pictures are drawn on a 16 x 16 grid, stretched to the size asked for.
constexpr double Grid = 16;
constexpr double DisabledOpacity = 0.4;

// A checked item's picture carries a check mark in its lower right corner, as a picture
// takes the place of the check mark the item would otherwise show.
void drawCheckBadge(QPainter& painter)
{
    const QRectF badge(Grid - 10.5, Grid - 10.5, 10, 10);
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
}

// Paints the picture afresh at whatever size a menu asks for, in device pixels, so that it is
// as sharp as the text beside it at any scale factor; a picture kept at 16 pixels would be
// stretched and blurred.
class MenuPictureEngine final : public QIconEngine {
public:
    explicit MenuPictureEngine(const MenuPicture& picture)
        : m_picture(picture)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        const double side = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter->scale(side / Grid, side / Grid);
        if (mode == QIcon::Disabled)
            painter->setOpacity(DisabledOpacity);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor::fromRgba(m_picture.tile));
        painter->drawRoundedRect(QRectF(0.5, 0.5, Grid - 1, Grid - 1), 3, 3);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setBold(true);
        // Glyphs keep their outlines when scaled, instead of the hinting of one pixel size.
        font.setHintingPreference(QFont::PreferNoHinting);
        painter->setFont(font);
        painter->setPen(Qt::white);
        painter->drawText(QRectF(0, 0, Grid, Grid), Qt::AlignCenter, QString(QChar(m_picture.symbol)));
        if (state == QIcon::On)
            drawCheckBadge(*painter);
        painter->restore();
    }

    // `size` is in device pixels: QIcon asks for the logical size times the device pixel ratio,
    // and gives the picture its ratio.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }

    QIconEngine* clone() const override { return new MenuPictureEngine(m_picture); }

private:
    MenuPicture m_picture;
};

} // namespace

QIcon menuImage(int index)
{
    const auto* picture = std::find_if(Pictures.begin(), Pictures.end(),
                                       [index](const MenuPicture& p) { return p.index == index; });
    if (picture == Pictures.end())
        return {};
    return QIcon(new MenuPictureEngine(*picture));
}

} // namespace numerette
