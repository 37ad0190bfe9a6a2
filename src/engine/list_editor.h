// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

namespace numerette {

enum class SearchResult { NoText, Found, NotFound };

// Free text typed into the list (edit mode) and the search through the list. The list's text
// and selection stay with the calculator, which applies what is worked out here: edit mode
// decides whether setting the list runs the commit step, so the calculator asks `editing()`.
class ListEditor {
public:
    // A change to the list's text: `removed` characters at `position` become `text`.
    struct Edit {
        int position;
        int removed;
        QString text;
    };
    // A search's outcome and, when found, the match to select.
    struct Match {
        SearchResult result;
        int start = 0;
        int length = 0;
    };

    // Edit mode: the list is unlocked for free text and takes no calculation.
    bool editing() const { return m_editing; }

    // Starts edit mode on a closed list: the text the list becomes, a blank opening the free
    // text. Nothing, and no edit mode, when a calculation is running on the list.
    std::optional<QString> start(const QString& list);
    // Enter in edit mode: the list's text with a new free-text line at its end.
    QString newLine(const QString& list);
    // What typing `text` over `removed` characters at `position` does to the list in edit mode:
    // its line breaks as CR LF, without double quotes, cut to the free-text length limit, a
    // CR LF taken or kept whole. Nothing when it changes nothing or edit mode is off.
    std::optional<Edit> edit(const QString& list, int position, int removed, const QString& text) const;
    // Ends edit mode: the list's text with the free text closed by a separator line. The list
    // stays unlocked until `lock()`, so that setting this text runs no commit step.
    QString closingText(const QString& list);
    void lock();

    // The search command with the user's answer: a new text is looked for from the list's
    // third character, a repeated one from just after the start of the selection.
    Match find(const QString& list, const QString& answer, int selectionStart);
    const QString& searchText() const { return m_searchText; }
    // The list lost the focus: the next search starts from the top.
    void forgetSearch();

private:
    bool m_editing = false;
    // A free-text line takes the list up to this many characters.
    int m_maxLength = 0;
    QString m_searchText;
};

} // namespace numerette
