// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_looks.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace numerette {

void fitCharacters(QLineEdit& field, int characters)
{
    const QFontMetrics metrics(field.font());
    const QMargins margins = field.textMargins();
    // QLineEdit keeps two pixels each side of its text, and a column for the caret.
    const QSize text(metrics.averageCharWidth() * characters + margins.left() + margins.right() + 2 * 2 + 1,
                     metrics.height() + margins.top() + margins.bottom());
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    field.setMinimumWidth(field.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &field).width());
}

void showAsReadOnly(QLineEdit& field)
{
    field.setReadOnly(true);
    QPalette colours = field.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::Base, colours.color(group, QPalette::Window));
    field.setPalette(colours);
}

} // namespace numerette
