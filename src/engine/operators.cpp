// SPDX-License-Identifier: GPL-3.0-or-later
#include "operators.h"

#include <array>
#include <utility>

namespace numerette {
namespace {

constexpr std::array<std::pair<Operator, char16_t>, 6> OperatorCharacters{{
    {Operator::Plus, u'+'},
    {Operator::Minus, u'-'},
    {Operator::Times, u'*'},
    {Operator::Divide, u'/'},
    {Operator::Percent, u'%'},
    {Operator::ToolReport, u'T'},
}};

} // namespace

QString operatorText(Operator op)
{
    for (const auto& [known, character] : OperatorCharacters) {
        if (known == op)
            return QString(QChar(character));
    }
    return QString();
}

std::optional<Operator> operatorFromText(QStringView text)
{
    if (text.isEmpty())
        return Operator::None;
    for (const auto& [op, character] : OperatorCharacters) {
        if (text.size() == 1 && text.front() == character)
            return op;
    }
    return std::nullopt;
}

} // namespace numerette
