// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

namespace numerette::testing {

namespace {

double channel(int level)
{
    const double c = level / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

// Where a widget's text is drawn, in its own coordinates; empty for a widget with no text.
QRect textArea(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text().isEmpty() ? QRect() : label->contentsRect();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        if (edit->displayText().isEmpty())
            return {};
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        option.state |= QStyle::State_Sunken;
        // Clear of the frame and of its focus ring.
        return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).adjusted(1, 1, -1, -1);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (qobject_cast<const QCheckBox*>(button))
            return button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
        if (qobject_cast<const QRadioButton*>(button))
            return button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        if (qobject_cast<const QPushButton*>(button))
            return button->style()
                ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                .adjusted(2, 2, -2, -2);
        // The keypad's own keys draw their caption over the whole face.
        return button->rect().adjusted(2, 2, -2, -2);
    }
    if (const auto* list = qobject_cast<const QPlainTextEdit*>(&widget))
        return list->toPlainText().isEmpty() ? QRect() : list->viewport()->geometry();
    return {};
}

QString nameOf(const QWidget& widget)
{
    return widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : widget.objectName();
}

QString textOf(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->displayText();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* list = qobject_cast<const QPlainTextEdit*>(&widget))
        return list->toPlainText().section(QLatin1Char('\n'), 0, 0).trimmed() + QStringLiteral("...");
    return {};
}

// Checks `area` (logical coordinates of the picture) and describes it when its text is too faint.
void check(const QImage& picture, const QRect& area, const QString& what, double least, QStringList& low)
{
    const qreal ratio = picture.devicePixelRatio();
    const QRect device(QPoint(int(area.left() * ratio), int(area.top() * ratio)),
                       QSize(int(area.width() * ratio), int(area.height() * ratio)));
    const double contrast = inkContrast(picture, device);
    if (contrast < least)
        low << QStringLiteral("%1 at %2,%3 %4x%5: contrast %6:1")
                   .arg(what)
                   .arg(area.left())
                   .arg(area.top())
                   .arg(area.width())
                   .arg(area.height())
                   .arg(contrast, 0, 'f', 2);
}

QString quoted(const QString& name, const QString& text)
{
    return name + QStringLiteral(" \"") + QString(text).replace(QLatin1Char('\n'), QLatin1Char('|')) + QLatin1Char('"');
}

// How far from an item's left edge its text may begin: the icon or check column before it
// is a picture, not text.
constexpr int PictureColumn = 30;

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double inkContrast(const QImage& picture, const QRect& area)
{
    const QRect inside = area & picture.rect();
    std::unordered_map<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000];
    }
    if (counts.empty())
        return 1;
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                                return a.second < b.second;
                            })->first;
    double most = 1;
    for (const auto& [colour, count] : counts)
        most = std::max(most, contrastRatio(QColor(background), QColor(colour)));
    return most;
}

QStringList lowContrastTexts(QWidget& window, double least)
{
    const QImage picture = window.grab().toImage();
    QStringList low;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != &window)
            continue;
        if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* item : bar->actions()) {
                if (item->isVisible() && item->isEnabled() && !item->isSeparator())
                    check(picture, bar->actionGeometry(item).translated(bar->mapTo(&window, QPoint())),
                          quoted(nameOf(*bar), item->text()), least, low);
            }
            continue;
        }
        const QRect area = textArea(*widget);
        if (!area.isEmpty())
            check(picture, area.translated(widget->mapTo(&window, QPoint())), quoted(nameOf(*widget), textOf(*widget)),
                  least, low);
    }
    return low;
}

QStringList lowContrastMenuTexts(QMenu& menu, double least)
{
    const QImage picture = menu.grab().toImage();
    QStringList low;
    for (QAction* item : menu.actions()) {
        if (!item->isVisible() || !item->isEnabled() || item->isSeparator())
            continue;
        const QRect place = menu.actionGeometry(item).adjusted(PictureColumn, 0, 0, 0);
        check(picture, place, quoted(nameOf(menu), item->text()), least, low);
    }
    return low;
}

} // namespace numerette::testing
