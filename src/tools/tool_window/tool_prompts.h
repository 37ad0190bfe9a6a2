// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QList>
#include <QString>

class QWidget;

namespace numerette {

enum class PromptIcon { Information, Exclamation, Question, Critical };
enum class PromptAnswer { Yes, No, Cancel };

// The message boxes a tool window shows. The window talks to this interface so that
// tests can record the messages and answer the questions.
class ToolPrompts {
public:
    virtual ~ToolPrompts() = default;
    // A message with an OK button.
    virtual void show(PromptIcon icon, const QString& text) = 0;
    // A question with Yes, No and Cancel buttons.
    virtual PromptAnswer ask(const QString& question) = 0;
};

// The input boxes a tool window asks with, faked in tests like the message boxes.
class InputPrompts {
public:
    virtual ~InputPrompts() = default;
    // An input box with OK and Cancel; nothing when it is cancelled.
    virtual std::optional<QString> input(const QString& title, const QString& prompt,
                                         const QString& defaultText) = 0;
};

// Real message boxes over a window, with a fixed title, and input boxes with their own
// titles. CR LF and lone CR show as line breaks.
class MessageBoxPrompts final : public ToolPrompts, public InputPrompts {
public:
    MessageBoxPrompts(QWidget* parent, const QString& title);
    void show(PromptIcon icon, const QString& text) override;
    PromptAnswer ask(const QString& question) override;
    std::optional<QString> input(const QString& title, const QString& prompt, const QString& defaultText) override;

private:
    QWidget* m_parent;
    QString m_title;
};

// Records every message and input box, answers the questions from a queue (Cancel once
// it is empty) and the input boxes from another (cancelled once it is empty).
class FakeToolPrompts final : public ToolPrompts, public InputPrompts {
public:
    struct Shown {
        PromptIcon icon;
        QString text;
        bool operator==(const Shown&) const = default;
    };
    struct Asked {
        QString title;
        QString prompt;
        QString defaultText;
    };

    void show(PromptIcon icon, const QString& text) override;
    PromptAnswer ask(const QString& question) override;
    std::optional<QString> input(const QString& title, const QString& prompt, const QString& defaultText) override;

    QList<Shown> shown;
    QStringList questions;
    QList<PromptAnswer> answers;
    QList<Asked> inputs;
    QList<std::optional<QString>> typed;
};

} // namespace numerette
