// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "calculator.h"
#include "tape_positions.h"

namespace {

bool isTextEditShortcut(const QKeyEvent* event)
{
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll);
}

// A menu opening (from the mouse or entered from the keyboard) or another window taking
// over (a box, another program) is no move of the focus within the calculator: editing
// goes on when the user comes back.
bool movesWithinWindow(const QFocusEvent* event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason
        && event->reason() != Qt::MenuBarFocusReason;
}

bool typesText(const QKeyEvent* event)
{
    return !event->text().isEmpty() && event->text().at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

} // namespace

// While the user edits, copying, cutting, pasting and selecting all are the list's own,
// not the menus' shortcuts that share their keys.
bool TapeView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && !m_calculator.listLocked()
        && isTextEditShortcut(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
        return keepingEnd(event);
    return QPlainTextEdit::event(event);
}

void TapeView::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (movesWithinWindow(event))
        m_calculator.SelectEntry();
}

void TapeView::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (movesWithinWindow(event))
        m_calculator.listLostFocus();
}

void TapeView::reportSelection()
{
    const QString& list = m_calculator.list();
    const QTextCursor cursor = textCursor();
    const int start = numerette::listPosition(list, cursor.selectionStart());
    m_calculator.setListSelection(start, numerette::listPosition(list, cursor.selectionEnd()) - start);
}

void TapeView::editKeyPress(QKeyEvent* event)
{
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const bool selected = cursor.hasSelection();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_calculator.listEnterKey();
    } else if (event->matches(QKeySequence::Paste)) {
        editViewRange(start, end, QGuiApplication::clipboard()->text());
    } else if (event->matches(QKeySequence::Cut)) {
        copy();
        editViewRange(start, end, QString());
    } else if (event->key() == Qt::Key_Backspace) {
        editViewRange(selected ? start : start - 1, end, QString());
    } else if (event->key() == Qt::Key_Delete) {
        editViewRange(start, selected ? end : end + 1, QString());
    } else if (typesText(event)) {
        editViewRange(start, end, event->text());
    } else {
        // Moving the caret, selecting and copying; anything else the window ignores.
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The view's characters from `viewStart` to `viewEnd` become `text` in the calculator's list.
void TapeView::editViewRange(int viewStart, int viewEnd, const QString& text)
{
    if (viewStart < 0)
        return;
    const QString& list = m_calculator.list();
    const int start = numerette::listPosition(list, viewStart);
    m_calculator.editList(start, numerette::listPosition(list, viewEnd) - start, text);
}
