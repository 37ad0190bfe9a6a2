// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QByteArray>

#include "typed_calculations.h"

namespace numerette {

// The typing history kept beside the state file, so that the calculations still on the list
// after a restart can be corrected: each closed, replayable calculation with its lines,
// keys, format and modes, as JSON.
QByteArray typedCalculationsJson(const std::vector<TypedCalculation>& calculations);

// What the JSON holds; anything that does not read as such a history gives nothing (the
// calculations it named are then simply not correctable).
std::vector<TypedCalculation> typedCalculationsFromJson(const QByteArray& json);

} // namespace numerette
