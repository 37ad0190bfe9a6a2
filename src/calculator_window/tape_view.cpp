// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_view.h"

#include <algorithm>
#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "cached_scroll_bar_style.h"
#include "calculation_list.h"
#include "calculator.h"
#include "steady_scroll_bar.h"
#include "tape_positions.h"

using numerette::Calculator;

namespace {

constexpr int FontPointSize = 14;
constexpr int MostLinesRepaintedOneByOne = 50;
constexpr int LinesKeepingShapes = 64;
// The list is a paper roll: a white page with its inks in any desktop, light or dark, as a
// real roll would be. Each ink, and the selection's, keeps WCAG AA contrast on the page.
const QColor PageColour(255, 255, 255);
const QColor LockedColour(0, 0, 255);
const QColor EditColour(0, 0, 0);
const QColor SelectionColour(0x1f, 0x4e, 0x96);
const QColor SelectedTextColour(255, 255, 255);

// Keys the list keeps for itself: scrolling and copying. Everything else is the
// calculator's.
bool isListKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll);
    }
}

} // namespace

TapeView::TapeView(Calculator& calculator, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_calculator(calculator)
{
    setObjectName(QStringLiteral("txtFita"));
    setReadOnly(true);
    // The arrows, Page Up and Down, Home and End move a caret through the read-only list, so
    // that the keyboard reaches every line (Correct Item takes the caret's line).
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    setLineWrapMode(NoWrap);
    // Tab reaches it from the display, so that a screen reader can read it line by line.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Calculation list"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll bar's range changes at every item. Fusion, the look unless the desktop chose
    // another, draws it from kept pictures, and only when they change; made after the scroll
    // bar, as a child of the view, the style outlives it.
    if (style()->name() == u"fusion") {
        setVerticalScrollBar(new SteadyScrollBar(Qt::Vertical));
        auto* scrollBarStyle = new CachedScrollBarStyle;
        scrollBarStyle->setParent(this);
        verticalScrollBar()->setStyle(scrollBarStyle);
    }

    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    setFont(font);
    setLayoutScale(1.0);

    connect(&m_calculator, &Calculator::listEdited, this,
            [this](int position, int, const QString& inserted) { applyEdit(position, inserted); });
    connect(&m_calculator, &Calculator::listSelectionChanged, this, &TapeView::showSelection);
    connect(this, &QPlainTextEdit::selectionChanged, this, [this] {
        if (m_syncingSelection)
            return;
        const QScopedValueRollback syncing(m_syncingSelection, true);
        reportSelection();
    });
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] {
        if (m_endPinned)
            scrollToEnd();
    });
    reload();
    render();
}

// The font follows the scale from the design's size (rounded down in the smaller layout, so
// that the columns fit its narrower window). The view is at least the tape's columns wide,
// plus the scroll bar, and the cursor width keeps the last column clear of it.
void TapeView::setLayoutScale(double scale)
{
    QFont scaledFont = font();
    const double size = FontPointSize * scale - (scale < 1 ? 0.5 : 0);
    scaledFont.setPointSize(std::max(1, int(std::lround(size))));
    setFont(scaledFont);
    const int columns =
        QFontMetrics(scaledFont).horizontalAdvance(QString(numerette::tape::TapeColumns, QLatin1Char('0')));
    setMinimumWidth(columns + 2 * int(document()->documentMargin()) + 2 * frameWidth()
                    + verticalScrollBar()->sizeHint().width() + cursorWidth() + 1);
}

void TapeView::render()
{
    const bool locked = m_calculator.listLocked();
    if (m_lockedLook == locked)
        return;
    m_lockedLook = locked;
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, PageColour);
        colours.setColor(group, QPalette::Text, locked ? LockedColour : EditColour);
        colours.setColor(group, QPalette::Highlight, SelectionColour);
        colours.setColor(group, QPalette::HighlightedText, SelectedTextColour);
    }
    setPalette(colours);
    QFont shown = font();
    shown.setBold(locked);
    setFont(shown);
}

// The list changed from `position` to its end: the text before `position` is unchanged,
// and so is the view before the matching view position.
void TapeView::applyEdit(int position, const QString& inserted)
{
    const QString& list = m_calculator.list();
    const int suffixStart = position + int(inserted.size());
    // An edit that splits a CR LF cannot be mapped piecewise; such writes do not occur,
    // but the view must stay true if one ever does.
    const bool splitsLineBreak = (position > 0 && list.at(position - 1) == QLatin1Char('\r'))
        || (suffixStart < list.size() && list.at(suffixStart) == QLatin1Char('\n'));
    if (m_known.list > position)
        m_known = {};
    const int viewStart = viewPositionOf(position);
    m_known = {position, viewStart};
    const int viewEnd = document()->characterCount() - 1 - numerette::viewLength(QStringView(list).mid(suffixStart));
    if (splitsLineBreak || viewEnd < viewStart) {
        reload();
        return;
    }
    {
        const QScopedValueRollback syncing(m_syncingSelection, true);
        QTextCursor cursor(document());
        cursor.setPosition(viewStart);
        cursor.setPosition(viewEnd, QTextCursor::KeepAnchor);
        replaceRepaintingChangedLines(cursor, inserted);
    }
    showSelection();
}

// Qt's plain-text layout has the whole view painted again after an edit unless it adds one
// line at the very end; every line the tape adds comes before its final line break, so each
// item would paint every line in view again. The layout is kept quiet while the text changes,
// then told of the new size and of the lines from the edit on.
void TapeView::replaceRepaintingChangedLines(QTextCursor& cursor, const QString& text)
{
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    const int blocksBefore = document()->blockCount();
    const int firstChanged = document()->findBlock(cursor.selectionStart()).blockNumber();
    {
        const QSignalBlocker quiet(layout);
        cursor.insertText(text);
    }
    const int blocks = document()->blockCount();
    keepShapesOfLastLines(firstChanged);
    emit layout->documentSizeChanged(layout->documentSize());
    // Lines that went leave room below the text to clear; many lines after the edit are
    // quicker painted whole.
    if (blocks < blocksBefore || blocks - firstChanged > MostLinesRepaintedOneByOne) {
        viewport()->update();
        return;
    }
    for (QTextBlock block = document()->findBlockByNumber(firstChanged); block.isValid(); block = block.next())
        emit layout->updateBlock(block);
}

// Qt shapes a line's text again each time it draws the line or places the caret in it, unless
// its layout keeps the shapes. The last lines, where the tape grows and the caret stays, keep
// them; lines further back let them go, so that a long tape costs no memory for them.
void TapeView::keepShapesOfLastLines(int firstChanged)
{
    const int blocks = document()->blockCount();
    if (m_firstShapedLine < 0 || m_firstShapedLine > firstChanged)
        m_firstShapedLine = firstChanged;
    for (QTextBlock block = document()->findBlockByNumber(firstChanged); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    for (; m_firstShapedLine < blocks - LinesKeepingShapes; ++m_firstShapedLine) {
        QTextLayout* old = document()->findBlockByNumber(m_firstShapedLine).layout();
        old->setCacheEnabled(false);
        old->clearLayout();
    }
}

int TapeView::viewPositionOf(int listPosition) const
{
    const QString& list = m_calculator.list();
    if (listPosition < m_known.list - listPosition)
        return numerette::viewPosition(list, listPosition);
    return numerette::viewPositionFrom(list, m_known.list, m_known.view, listPosition);
}

void TapeView::reload()
{
    m_known = {};
    m_firstShapedLine = -1;
    {
        const QScopedValueRollback syncing(m_syncingSelection, true);
        setPlainText(m_calculator.list());
    }
    showSelection();
}

void TapeView::showSelection()
{
    if (m_syncingSelection)
        return;
    const QScopedValueRollback syncing(m_syncingSelection, true);
    const int start = m_calculator.listSelectionStart();
    const int anchor = viewPositionOf(start);
    const int position = viewPositionOf(start + m_calculator.listSelectionLength());
    // A list edit and the selection that follows it often leave the caret where it was.
    if (const QTextCursor shown = textCursor(); shown.anchor() != anchor || shown.position() != position) {
        QTextCursor cursor(document());
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        // Which also brings the caret into view.
        setTextCursor(cursor);
        return;
    }
    ensureCursorVisible();
}

void TapeView::keyPressEvent(QKeyEvent* event)
{
    if (!m_calculator.listLocked())
        editKeyPress(event);
    else if (isListKey(event))
        QPlainTextEdit::keyPressEvent(event);
    else
        event->ignore();
}

void TapeView::keyReleaseEvent(QKeyEvent* event)
{
    if (isListKey(event))
        QPlainTextEdit::keyReleaseEvent(event);
    else
        event->ignore();
}

void TapeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_calculator.listLocked() || event->button() != Qt::LeftButton) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    const QTextCursor clicked = cursorForPosition(event->position().toPoint());
    const QTextBlock line = clicked.block();
    const QString text = line.text();
    const auto word = numerette::wordAt(text, clicked.positionInBlock());
    if (!word)
        return;
    const int start = numerette::listPosition(m_calculator.list(), line.position() + word->start);
    // The word as a classic double-click selects it: with the blank that follows it.
    m_calculator.reenterFromList(text.mid(word->start, word->length) + QLatin1Char(' '), start);
}

// The last line with text (the list ends with a line break, so the view's last line is
// empty) lies wholly within the viewport.
bool TapeView::showsEnd() const
{
    QTextBlock last = document()->lastBlock();
    while (last.isValid() && last.text().isEmpty() && last.previous().isValid())
        last = last.previous();
    QTextCursor end(last);
    end.movePosition(QTextCursor::EndOfBlock);
    return viewport()->rect().contains(cursorRect(end));
}

void TapeView::scrollToEnd()
{
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

// The view lays itself out again inside the handling of these events, so the end is looked
// for before. A new font lays the text out only later: the end stays pinned until then.
bool TapeView::keepingEnd(QEvent* event)
{
    const bool atEnd = m_endPinned || showsEnd();
    const bool handled = QPlainTextEdit::event(event);
    if (atEnd) {
        scrollToEnd();
        if (event->type() == QEvent::FontChange && !m_endPinned) {
            m_endPinned = true;
            QTimer::singleShot(0, this, [this] { m_endPinned = false; });
        }
    }
    return handled;
}
