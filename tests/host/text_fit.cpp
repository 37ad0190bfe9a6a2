// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_fit.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextDocument>

#include "xp_button.h"

namespace {

// The text as drawn when its ampersands mark a mnemonic: "&&" shows one ampersand, a lone
// one shows nothing.
QString withoutMnemonic(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text.at(i);
    }
    return shown;
}

bool hasMnemonic(const QString& text)
{
    static const QRegularExpression mnemonic(QStringLiteral("(^|[^&])&[^&\\s]"));
    return mnemonic.match(text).hasMatch();
}

QString describe(const QWidget& widget, const QString& text, const QString& problem)
{
    const QString name = widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                                       : widget.objectName();
    return name + QStringLiteral(" \"") + QString(text).replace(QLatin1Char('\n'), QLatin1Char('|'))
        + QStringLiteral("\": ") + problem;
}

QString sizes(const QSize& needed, const QSize& given)
{
    return QStringLiteral("needs %1x%2, has %3x%4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(given.width())
        .arg(given.height());
}

bool fits(const QSize& needed, const QSize& given)
{
    return needed.width() <= given.width() && needed.height() <= given.height();
}

// The room QLabel leaves its text: the contents less the margin and the indent.
QRect labelRoom(const QLabel& label)
{
    QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
        const Qt::Alignment align = label.alignment();
        if (align & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (align & Qt::AlignRight)
            room.setRight(room.right() - indent);
        if (align & Qt::AlignTop)
            room.setTop(room.top() + indent);
        if (align & Qt::AlignBottom)
            room.setBottom(room.bottom() - indent);
    }
    return room;
}

void checkLabel(const QLabel& label, QStringList& cut)
{
    QString text = label.text();
    if (text.isEmpty())
        return;
    const QRect room = labelRoom(label);
    const bool rich = label.textFormat() == Qt::RichText
        || (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    QSize needed;
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label.font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label.wordWrap())
            document.setTextWidth(room.width());
        needed = QSize(int(std::ceil(document.idealWidth())), int(std::ceil(document.size().height())));
    } else {
        if (label.buddy())
            text = withoutMnemonic(text);
        else if (hasMnemonic(text))
            cut << describe(label, text, QStringLiteral("shows a literal ampersand (no buddy)"));
        const QFontMetrics metrics = label.fontMetrics();
        needed = label.wordWrap()
            ? metrics.boundingRect(QRect(0, 0, room.width(), 100'000), Qt::TextWordWrap | label.alignment(), text).size()
            : metrics.size(0, text);
    }
    if (!fits(needed, room.size()))
        cut << describe(label, label.text(), sizes(needed, room.size()));
}

void checkButton(const QAbstractButton& button, QStringList& cut)
{
    const QString text = button.text();
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = button.fontMetrics();
    if (const auto* key = qobject_cast<const XPButton*>(&button)) {
        // A key taller than wide stacks the words of its caption.
        QString caption = text;
        if (key->height() > key->width())
            caption.replace(QLatin1Char(' '), QLatin1Char('\n'));
        const QSize needed = metrics.size(0, caption);
        const QSize room = key->rect().adjusted(2, 2, -2, -2).size();
        if (!fits(needed, room))
            cut << describe(button, text, sizes(needed, room));
        return;
    }
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = text;
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(&button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<const QPushButton*>(&button))
        return;
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    QSize needed = metrics.size(Qt::TextShowMnemonic, text);
    if (!button.icon().isNull())
        needed.rwidth() += button.iconSize().width() + 4;
    if (!fits(needed, room.size()))
        cut << describe(button, text, sizes(needed, room.size()));
}

void checkLineEdit(const QLineEdit& edit, QStringList& cut)
{
    const QString text = edit.displayText();
    if (text.isEmpty())
        return;
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    QRect room = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    room = room.marginsRemoved(edit.textMargins());
    // The field keeps two pixels each side and a column for the caret.
    const QSize given(room.width() - 2 * 2 - 1, room.height());
    const QSize needed(edit.fontMetrics().horizontalAdvance(text), edit.fontMetrics().height());
    if (!fits(needed, given))
        cut << describe(edit, text, sizes(needed, given));
}

void checkGroupBox(const QGroupBox& box, QStringList& cut)
{
    const QString title = box.title();
    if (title.isEmpty())
        return;
    const int needed = box.fontMetrics().horizontalAdvance(withoutMnemonic(title));
    // The title is drawn on the frame, clear of its rounded corners.
    const int given = box.width() - 2 * box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 8;
    if (needed > given)
        cut << describe(box, title, QStringLiteral("title needs %1, has %2").arg(needed).arg(given));
}

void checkMenuBar(const QMenuBar& bar, QStringList& cut)
{
    for (QAction* item : bar.actions()) {
        if (!item->isVisible() || item->isSeparator())
            continue;
        const QRect place = bar.actionGeometry(item);
        if (place.isEmpty() || place.right() >= bar.width())
            cut << describe(bar, item->text(), QStringLiteral("does not fit the menu bar"));
        else if (bar.fontMetrics().horizontalAdvance(withoutMnemonic(item->text())) > place.width())
            cut << describe(bar, item->text(), QStringLiteral("wider than its place"));
    }
}

// The tape's lines (26 columns) are shown whole, without scrolling sideways.
void checkTape(const QPlainTextEdit& tape, QStringList& cut)
{
    const QFontMetrics metrics(tape.document()->defaultFont());
    const int given = tape.viewport()->width() - 2 * int(tape.document()->documentMargin());
    for (QTextBlock line = tape.document()->firstBlock(); line.isValid(); line = line.next()) {
        const int needed = metrics.horizontalAdvance(line.text());
        if (needed > given) {
            cut << describe(tape, line.text(), QStringLiteral("line needs %1, has %2").arg(needed).arg(given));
            return;
        }
    }
}

} // namespace

QStringList cutTexts(QWidget& window)
{
    QStringList cut;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            checkLabel(*label, cut);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            checkButton(*button, cut);
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            checkLineEdit(*edit, cut);
        else if (auto* tape = qobject_cast<QPlainTextEdit*>(widget))
            checkTape(*tape, cut);
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            checkMenuBar(*bar, cut);
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            checkGroupBox(*box, cut);
    }
    return cut;
}

QStringList cutMenuTexts(QWidget& menuWidget)
{
    QStringList cut;
    auto* menu = qobject_cast<QMenu*>(&menuWidget);
    if (!menu)
        return cut;
    menu->ensurePolished();
    menu->adjustSize();
    const QSize needed = menu->sizeHint();
    const QRect screen = menu->screen() ? menu->screen()->availableGeometry() : QRect();
    if (needed.width() > menu->width() || (screen.isValid() && menu->width() > screen.width()))
        cut << describe(*menu, menu->title(), sizes(needed, menu->size()));
    for (QAction* item : menu->actions()) {
        if (!item->isVisible() || item->isSeparator())
            continue;
        const QRect place = menu->actionGeometry(item);
        // The menu sets the shortcut in a column of its own after the text; a tab would be
        // measured as a tab stop, wider than that gap.
        const QString shortcut = item->shortcut().toString(QKeySequence::NativeText);
        const QString shown = withoutMnemonic(item->text()) + (shortcut.isEmpty() ? QString() : u' ' + shortcut);
        if (!menu->rect().contains(place)
            || menu->fontMetrics().horizontalAdvance(shown) > place.width())
            cut << describe(*menu, item->text(), QStringLiteral("item does not fit its menu"));
        if (item->menu())
            cut << cutMenuTexts(*item->menu());
    }
    return cut;
}
