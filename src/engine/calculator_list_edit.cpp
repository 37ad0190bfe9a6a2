// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

#include <algorithm>

#include "capitalization_totals.h"

namespace numerette {
namespace {

// Each free-text line takes this many characters after its leading blank.
constexpr int FreeTextColumns = 24;
// Closes free text; after the line's leading blank it reads as a separator.
const QString EditEndLine = QString(25, u'=') + tape::LineBreak;

QString withCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return text.replace(u'\n', tape::LineBreak);
}

} // namespace

EditCommandResult Calculator::mnuEditar_Click()
{
    if (editMode()) {
        // What the user copied while editing is no number to add.
        m_lastClipboardText = m_host.clipboardText();
        listLostFocus();
        return EditCommandResult::Ended;
    }
    if (!tape::isEditable(m_list))
        return EditCommandResult::NotEditable;
    // Unlocked before the blank goes on, so that it runs no commit step: a number typed
    // after the total would otherwise be counted and added a second time when it goes on
    // the list as an item.
    m_listLocked = false;
    setList(m_list + u' ');
    m_listMaxLength = int(m_list.size()) + FreeTextColumns;
    setListSelection(int(m_list.size()), 0);
    emit viewChanged();
    return EditCommandResult::Started;
}

void Calculator::editList(int position, int removed, const QString& text)
{
    if (!editMode())
        return;
    const int size = int(m_list.size());
    position = std::clamp(position, 0, size);
    removed = std::clamp(removed, 0, size - position);
    // A CR LF goes or stays whole.
    const auto splitsLineBreak = [this, size](int at) {
        return at > 0 && at < size && m_list.at(at - 1) == u'\r' && m_list.at(at) == u'\n';
    };
    if (splitsLineBreak(position)) {
        --position;
        if (removed > 0)
            ++removed;
    }
    if (removed > 0 && splitsLineBreak(position + removed))
        ++removed;

    QString typed = withCrLf(text).remove(u'"');
    typed.truncate(std::max<qsizetype>(0, m_listMaxLength - (size - removed)));
    if (typed.endsWith(u'\r'))
        typed.chop(1);
    if (typed.isEmpty() && removed == 0)
        return;
    m_list.replace(position, removed, typed);
    m_listSelectionStart = position + int(typed.size());
    m_listSelectionLength = 0;
    emit listEdited(position, removed, typed);
    emit listSelectionChanged();
}

void Calculator::listEnterKey()
{
    if (!editMode())
        return;
    QString text = m_list;
    if (!text.endsWith(u' '))
        text += u' ';
    setList(text + tape::LineBreak + u' ');
    m_listMaxLength = int(m_list.size()) + FreeTextColumns;
    setListSelection(int(m_list.size()), 0);
}

void Calculator::listLostFocus()
{
    m_searchText.clear();
    endEditMode();
}

// The text is made to end with CR LF and a blank, so that the equals signs complete a
// separator line. None of these writes runs the commit step: the list is still unlocked
// while they are made, so the free text changes no total.
void Calculator::endEditMode()
{
    if (!editMode())
        return;
    m_listMaxLength = 0;
    QString text = m_list;
    // A last line of a single character after its line break still gets a line of its own.
    if (!text.endsWith(tape::LineBreak) && !text.endsWith(tape::LineBreak + u' ')) {
        if (!text.endsWith(u' '))
            text += u' ';
        text += tape::LineBreak + u' ';
    }
    setList(text + EditEndLine);
    m_listLocked = true;
    setListSelection(int(m_list.size()) - 2, 0);
    SelectEntry();
    emit viewChanged();
    // The notes are in the list for good now: saved as a total is.
    emit calculationClosed();
}

SearchResult Calculator::mnuLocalizar_Click(const QString& answer)
{
    const QString previous = m_searchText;
    m_searchText = answer.trimmed();
    if (m_searchText.isEmpty())
        return SearchResult::NoText;
    // A new text is looked for from the list's third character, a repeated one from just
    // after the start of the current match.
    const int selectionStart = m_searchText == previous ? m_listSelectionStart : 1;
    const qsizetype found = m_list.indexOf(m_searchText, selectionStart + 1, Qt::CaseInsensitive);
    if (found < 0)
        return SearchResult::NotFound;
    setListSelection(int(found), int(m_searchText.size()));
    return SearchResult::Found;
}

bool Calculator::mnuAgrupar_Click()
{
    const auto totals = tape::capitalizationTotals(m_list, m_locale);
    if (!totals)
        return false;
    int code = '=';
    Form_KeyPress(code);
    setPressed(Button::Igual, false);
    LimpaTudo();
    setList(m_list + tape::capitalizationTotalBlock(*totals, m_locale));
    emit calculationClosed();
    return true;
}

void Calculator::mnuCopiar_Click()
{
    const QString shown = valueColumn();
    m_host.clearClipboard();
    m_host.setClipboardText(shown);
    m_lastClipboardText = shown;
}

} // namespace numerette
