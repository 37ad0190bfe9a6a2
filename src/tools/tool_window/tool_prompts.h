#pragma once

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

// Real message boxes over a window, with a fixed title. CR LF and lone CR show as line
// breaks.
class MessageBoxPrompts final : public ToolPrompts {
public:
    MessageBoxPrompts(QWidget* parent, const QString& title);
    void show(PromptIcon icon, const QString& text) override;
    PromptAnswer ask(const QString& question) override;

private:
    QWidget* m_parent;
    QString m_title;
};

// Records every message and answers the questions from a queue (Cancel once it is empty).
class FakeToolPrompts final : public ToolPrompts {
public:
    struct Shown {
        PromptIcon icon;
        QString text;
        bool operator==(const Shown&) const = default;
    };

    void show(PromptIcon icon, const QString& text) override;
    PromptAnswer ask(const QString& question) override;

    QList<Shown> shown;
    QStringList questions;
    QList<PromptAnswer> answers;
};

} // namespace numerette
