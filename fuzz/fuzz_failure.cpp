// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_failure.h"

#include <cstdio>
#include <cstdlib>

void fuzzFailure(const QString& what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what.toUtf8().constData());
    std::abort();
}
