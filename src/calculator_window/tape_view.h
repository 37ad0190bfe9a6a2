#pragma once

#include <optional>

#include <QPlainTextEdit>

namespace numerette {
class Calculator;
}

// The calculation list `txtFita`: a read-only view of the calculator's list that follows
// each edit of it in place (the list grows to thousands of lines, so a key never re-lays
// out the whole text), shows the calculator's selection, and re-enters a double-clicked
// number. Keys other than scrolling and copying go on to the window.
class TapeView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TapeView(numerette::Calculator& calculator, QWidget* parent = nullptr);

    // Follows the lock state: bold blue text while locked.
    void render();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyEdit(int position, const QString& inserted);
    void reload();
    void showSelection();

    numerette::Calculator& m_calculator;
    std::optional<bool> m_lockedLook;
};
