// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Reports a broken property with the details and aborts, which libFuzzer records as a
// crash and saves the input that caused it.
[[noreturn]] void fuzzFailure(const QString& what);
