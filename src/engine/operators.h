// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>
#include <QStringView>

namespace numerette {

// The operator of the running calculation: waiting for the next number (the pending
// operator), or the one that last took a number. None right after a total; ToolReport while
// a tool's report closes the running calculation, which does no arithmetic.
enum class Operator { None, Plus, Minus, Times, Divide, Percent, ToolReport };

// The operator's text where it is written out (the state file, the tape's state): "" for
// None, "+", "-", "*", "/", "%", and "T" for ToolReport.
QString operatorText(Operator op);
// The operator whose text this is; nothing for any other text.
std::optional<Operator> operatorFromText(QStringView text);

} // namespace numerette
