// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_editing.h"

#include <QAction>

#include "calculator.h"
#include "key_sounds.h"
#include "menu_item.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "tape_view.h"

using numerette::Calculator;
using numerette::EditCommandResult;
using numerette::LoadMessage;
using numerette::Message;
using numerette::SearchResult;
namespace message_boxes = numerette::message_boxes;

ListEditing::ListEditing(QWidget& window, Calculator& calculator, TapeView& tape, KeySounds& sounds)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_tape(tape)
    , m_sounds(sounds)
    , m_edit(newCheckItem(this, QStringLiteral("mnuEditar"), tr("&Edit"), Qt::Key_F2))
    , m_search(newMenuItem(this, QStringLiteral("mnuLocalizar"), tr("&Search Text or Number"), Qt::Key_F3))
    , m_group(newMenuItem(this, QStringLiteral("mnuAgrupar"), tr("&Group the Capitalization Totals"), Qt::CTRL | Qt::Key_A))
    , m_copy(newMenuItem(this, QStringLiteral("mnuCopiar"), tr("&Copy Calculator Display"), Qt::CTRL | Qt::Key_C))
{
    connect(m_edit, &QAction::triggered, this, &ListEditing::mnuEditar_Click);
    connect(m_search, &QAction::triggered, this, &ListEditing::mnuLocalizar_Click);
    connect(m_group, &QAction::triggered, this, &ListEditing::mnuAgrupar_Click);
    connect(m_copy, &QAction::triggered, this, [this] { m_calculator.mnuCopiar_Click(); });

    // Edit mode also ends when the list loses the focus.
    connect(&m_calculator, &Calculator::viewChanged, m_edit, [this] { m_edit->setChecked(m_calculator.editMode()); });
}

void ListEditing::mnuEditar_Click()
{
    switch (m_calculator.mnuEditar_Click()) {
    case EditCommandResult::Started:
        m_tape.setFocus();
        break;
    case EditCommandResult::Ended:
        // Back to the calculator's own key handling, which the window holds.
        m_window.setFocus(Qt::OtherFocusReason);
        break;
    case EditCommandResult::NotEditable:
        message_boxes::show(&m_window, QMessageBox::Warning, LoadMessage(Message::FinishCalculationFirst));
        break;
    }
    m_edit->setChecked(m_calculator.editMode());
}

void ListEditing::mnuLocalizar_Click()
{
    const QString answer =
        message_boxes::inputBox(&m_window, LoadMessage(Message::SearchTitle), LoadMessage(Message::SearchPrompt), m_calculator.SearchText());
    // A repeated search goes on from where the user left the caret.
    m_tape.reportSelection();
    const SearchResult result = m_calculator.mnuLocalizar_Click(answer);
    if (result == SearchResult::NoText)
        return;
    m_tape.setFocus();
    if (result == SearchResult::NotFound)
        message_boxes::show(&m_window, QMessageBox::Information, LoadMessage(Message::EndOfSearch));
}

void ListEditing::mnuAgrupar_Click()
{
    m_sounds.silence();
    if (!m_calculator.mnuAgrupar_Click())
        message_boxes::show(&m_window, QMessageBox::Critical, LoadMessage(Message::InvalidData));
}
