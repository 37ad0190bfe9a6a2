// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

#include "capitalization_totals.h"

namespace numerette {

EditCommandResult Calculator::mnuEditar_Click()
{
    const ChangeBatch batch(*this);
    if (editMode()) {
        // What the user copied while editing is no number to add.
        m_lastClipboardText = m_port.clipboardText();
        listLostFocus();
        return EditCommandResult::Ended;
    }
    // Edit mode is on before the blank goes on, so that it runs no commit step: a number typed
    // after the total would otherwise be counted and added a second time when it goes on the
    // list as an item.
    const auto opened = m_listEditor.start(m_list);
    if (!opened)
        return EditCommandResult::NotEditable;
    setList(*opened);
    setListSelection(int(m_list.size()), 0);
    reportChange();
    return EditCommandResult::Started;
}

void Calculator::editList(int position, int removed, const QString& text)
{
    const auto edit = m_listEditor.edit(m_list, position, removed, text);
    if (!edit)
        return;
    m_list.replace(edit->position, edit->removed, edit->text);
    m_listSelectionStart = edit->position + int(edit->text.size());
    m_listSelectionLength = 0;
    emit listEdited(edit->position, edit->removed, edit->text);
    emit listSelectionChanged();
}

void Calculator::listEnterKey()
{
    if (!editMode())
        return;
    setList(m_listEditor.newLine(m_list));
    setListSelection(int(m_list.size()), 0);
}

void Calculator::listLostFocus()
{
    const ChangeBatch batch(*this);
    m_listEditor.forgetSearch();
    endEditMode();
}

// The list is locked again only after the closing line is on, so that the free text changes
// no total.
void Calculator::endEditMode()
{
    if (!editMode())
        return;
    setList(m_listEditor.closingText(m_list));
    m_listEditor.lock();
    setListSelection(int(m_list.size()) - 2, 0);
    SelectEntry();
    reportChange();
    // The notes are in the list for good now: saved as a total is.
    emit calculationClosed();
}

SearchResult Calculator::mnuLocalizar_Click(const QString& answer)
{
    const ListEditor::Match match = m_listEditor.find(m_list, answer, m_listSelectionStart);
    if (match.result == SearchResult::Found)
        setListSelection(match.start, match.length);
    return match.result;
}

bool Calculator::mnuAgrupar_Click()
{
    const ChangeBatch batch(*this);
    const auto totals = tape::capitalizationTotals(m_list, m_locale);
    if (!totals)
        return false;
    int code = '=';
    Form_KeyPress(code);
    setPressed(Button::Igual, false);
    LimpaTudo();
    changeList(tape::appended(m_list, tape::capitalizationTotalBlock(*totals, m_locale)));
    emit calculationClosed();
    return true;
}

void Calculator::mnuCopiar_Click()
{
    const QString shown = valueColumn();
    m_port.clearClipboard();
    m_port.setClipboardText(shown);
    m_lastClipboardText = shown;
}

} // namespace numerette
