// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QPlainTextEdit>

namespace numerette {
class Calculator;
}

// The calculation list `txtFita`: a read-only view of the calculator's list that follows
// each edit of it in place (the list grows to thousands of lines, so a key never re-lays
// out the whole text), shows the calculator's selection, and re-enters a double-clicked
// number. Keys other than scrolling and copying go on to the window. In edit mode it is the
// calculator's free-text editor: every key that changes the text becomes an edit of the
// calculator's list, which the view then follows like any other.
class TapeView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TapeView(numerette::Calculator& calculator, QWidget* parent = nullptr);

    // Follows the lock state: bold blue text while locked, black while edited, on a white page.
    void render();
    // 1 for the large layout the view is designed for; smaller for the normal layout.
    void setLayoutScale(double scale);
    // Tells the calculator where the user left the caret or the selection; a selection the
    // user makes is told at once, so that a copy of it is known to come from the list.
    void reportSelection();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyEdit(int position, const QString& inserted);
    void replaceRepaintingChangedLines(QTextCursor& cursor, const QString& text);
    void keepShapesOfLastLines(int firstChanged);
    void reload();
    void showSelection();
    // Whether the list's last line is in view: a view that showed it keeps it in view when
    // the view changes size or font, so the last total never slips out of sight.
    bool showsEnd() const;
    void scrollToEnd();
    bool keepingEnd(QEvent* event);
    int viewPositionOf(int listPosition) const;
    // Edit mode, in tape_view_editing.cpp.
    void editKeyPress(QKeyEvent* event);
    void editViewRange(int viewStart, int viewEnd, const QString& text);

    numerette::Calculator& m_calculator;
    std::optional<bool> m_lockedLook;
    // A list position with its view position, where the last edit began: the text before it
    // has not changed since, so positions near it are counted from there.
    struct KnownPosition {
        int list = 0;
        int view = 0;
    } m_known;
    // Set while the view and the calculator's selection are being brought in line, so that
    // neither side's change is sent back to the other.
    bool m_syncingSelection = false;
    // The view showed its end before a change of font whose layout is still to come.
    bool m_endPinned = false;
    // The first of the last lines whose layouts keep their shaped text; -1 for none.
    int m_firstShapedLine = -1;
};
