// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class DisplayRow;

// The display row as assistive technology reads it: a read-only text named "Display" that
// holds the keyboard focus while the calculator takes keys. Its text is what the last key
// did, in words ("12", "30 plus", "Total 42"); its value is the figure on the display.
class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleValueInterface {
public:
    explicit DisplayAccessible(DisplayRow* row);

    // Has assistive technology read every display row this way.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface: one line, without a caret the user could move.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    using QAccessibleWidget::text;

    // QAccessibleValueInterface: read only.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override { }
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    const DisplayRow& row() const;
};
