// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool_prompts.h"

#include <QInputDialog>
#include <QMessageBox>

namespace numerette {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString shown(const QString& text)
{
    return QString(text)
        .replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

MessageBoxPrompts::MessageBoxPrompts(QWidget* parent, const QString& title)
    : m_parent(parent)
    , m_title(title)
{
}

void MessageBoxPrompts::show(PromptIcon icon, const QString& text)
{
    QMessageBox box(boxIcon(icon), m_title, shown(text), QMessageBox::Ok, m_parent);
    box.exec();
}

PromptAnswer MessageBoxPrompts::ask(const QString& question)
{
    QMessageBox box(QMessageBox::Question, m_title, shown(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;
    }
}

std::optional<QString> MessageBoxPrompts::input(const QString& title, const QString& prompt,
                                                const QString& defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(m_parent, title, shown(prompt), QLineEdit::Normal, defaultText,
                                               &accepted);
    return accepted ? std::optional(text) : std::nullopt;
}

void FakeToolPrompts::show(PromptIcon icon, const QString& text)
{
    shown.append({icon, text});
}

PromptAnswer FakeToolPrompts::ask(const QString& question)
{
    questions.append(question);
    return answers.isEmpty() ? PromptAnswer::Cancel : answers.takeFirst();
}

std::optional<QString> FakeToolPrompts::input(const QString& title, const QString& prompt, const QString& defaultText)
{
    inputs.append({title, prompt, defaultText});
    return typed.isEmpty() ? std::nullopt : typed.takeFirst();
}

} // namespace numerette
