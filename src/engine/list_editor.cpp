// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_editor.h"

#include <algorithm>

#include "calculation_list.h"

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

std::optional<QString> ListEditor::start(const QString& list)
{
    if (m_editing || !tape::isEditable(list))
        return std::nullopt;
    m_editing = true;
    const QString text = list + u' ';
    m_maxLength = int(text.size()) + FreeTextColumns;
    return text;
}

QString ListEditor::newLine(const QString& list)
{
    QString text = list;
    if (!text.endsWith(u' '))
        text += u' ';
    text += tape::LineBreak + u' ';
    m_maxLength = int(text.size()) + FreeTextColumns;
    return text;
}

std::optional<ListEditor::Edit> ListEditor::edit(const QString& list, int position, int removed,
                                                 const QString& text) const
{
    if (!m_editing)
        return std::nullopt;
    const int size = int(list.size());
    position = std::clamp(position, 0, size);
    removed = std::clamp(removed, 0, size - position);
    // A CR LF goes or stays whole.
    const auto splitsLineBreak = [&list, size](int at) {
        return at > 0 && at < size && list.at(at - 1) == u'\r' && list.at(at) == u'\n';
    };
    if (splitsLineBreak(position)) {
        --position;
        if (removed > 0)
            ++removed;
    }
    if (removed > 0 && splitsLineBreak(position + removed))
        ++removed;

    QString typed = withCrLf(text).remove(u'"');
    typed.truncate(std::max<qsizetype>(0, m_maxLength - (size - removed)));
    if (typed.endsWith(u'\r'))
        typed.chop(1);
    if (typed.isEmpty() && removed == 0)
        return std::nullopt;
    return Edit{position, removed, typed};
}

// The text is made to end with CR LF and a blank, so that the equals signs complete a
// separator line.
QString ListEditor::closingText(const QString& list)
{
    m_maxLength = 0;
    QString text = list;
    // A last line of a single character after its line break still gets a line of its own.
    if (!text.endsWith(tape::LineBreak) && !text.endsWith(tape::LineBreak + u' ')) {
        if (!text.endsWith(u' '))
            text += u' ';
        text += tape::LineBreak + u' ';
    }
    return text + EditEndLine;
}

void ListEditor::lock()
{
    m_editing = false;
}

ListEditor::Match ListEditor::find(const QString& list, const QString& answer, int selectionStart)
{
    const QString previous = m_searchText;
    m_searchText = answer.trimmed();
    if (m_searchText.isEmpty())
        return {SearchResult::NoText};
    const int from = (m_searchText == previous ? selectionStart : 1) + 1;
    const qsizetype found = list.indexOf(m_searchText, from, Qt::CaseInsensitive);
    if (found < 0)
        return {SearchResult::NotFound};
    return {SearchResult::Found, int(found), int(m_searchText.size())};
}

void ListEditor::forgetSearch()
{
    m_searchText.clear();
}

} // namespace numerette
