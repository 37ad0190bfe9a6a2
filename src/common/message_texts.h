// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "message_ids.h"

namespace numerette {

// The English source text of a message (UTF-8), the text translations are looked up by:
// "\n" marks a line break and %1, %2 and %3 the places of the arguments.
const char* messageSource(Message id);

// How many messages the catalogue holds; their ids run from 0 up to one less.
std::size_t messageCount();

} // namespace numerette
