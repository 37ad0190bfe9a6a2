// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_length.h"

#include <QLineEdit>
#include <QValidator>

namespace numerette {

namespace {

// A line edit validates what is typed and pasted, never what setText() writes.
class TypedLength final : public QValidator {
public:
    TypedLength(QLineEdit& field, int length)
        : QValidator(&field)
        , m_length(length)
        , m_shownLength(field.text().size())
    {
        // The field holds the edited text already while it is validated: the length before
        // the edit is kept here.
        connect(&field, &QLineEdit::textChanged, this, [this](const QString& text) { m_shownLength = text.size(); });
    }

    State validate(QString& input, int&) const override
    {
        return input.size() <= m_length || input.size() <= m_shownLength ? Acceptable : Invalid;
    }

private:
    int m_length;
    qsizetype m_shownLength;
};

} // namespace

void limitTypedLength(QLineEdit& field, int length)
{
    field.setValidator(new TypedLength(field, length));
}

} // namespace numerette
