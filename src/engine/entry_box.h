// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numerette {

// The text box that holds the number being typed. It behaves like a one-line edit
// control: typing replaces the selection or inserts at the caret and is refused beyond
// the length limit; text set by the program ignores the limit.
class EntryBox {
public:
    static constexpr int DefaultMaxLength = 12;

    const QString& text() const { return m_text; }
    int maxLength() const { return m_maxLength; }
    int selectionStart() const { return m_selectionStart; }
    int selectionLength() const { return m_selectionLength; }
    bool hasSelection() const { return m_selectionLength > 0; }

    // Replaces the text; the caret goes to its end.
    void setText(const QString& text);
    void setMaxLength(int length) { m_maxLength = length; }
    void selectAll();
    void moveCaretToEnd();

    // A typed character; returns whether the text changed.
    bool type(QChar c);
    // A typed Backspace; returns whether the text changed.
    bool backspace();

private:
    QString m_text = QStringLiteral("0");
    int m_maxLength = DefaultMaxLength;
    int m_selectionStart = 1;
    int m_selectionLength = 0;
};

} // namespace numerette
