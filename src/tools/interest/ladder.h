// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "decimal.h"

// The ladder the interest searches climb: the sought value moves by a step while the balance
// it leaves has one sign, then by a step ten times smaller the other way, until the finest
// step ends it. Where the ladder ends is found without taking its steps one by one.
namespace numerette::interest {

// One rung: while the stage is at most `maxStage` and the balance has the sign asked for,
// the value moves by `step` and the search goes on at `stage`.
struct Rung {
    int maxStage;
    bool whenPositive;
    const char16_t* step;
    int stage;
};

// The rungs in order; when none matches, a balance that is not negative ends the search and a
// negative one moves the value by the finest step.
struct Ladder {
    std::span<const Rung> rungs;
    const char16_t* finestStep;
    int finestStage;
};

// Where a search ends: the value and the balance it leaves.
struct Found {
    Decimal value;
    double balance = 0;
};

struct Climb {
    // The balance a value leaves; nothing when it cannot be computed (an overflow).
    std::function<std::optional<double>(const Decimal& value)> balanceAt;
    // Whether the balance's sign changes at most once along a walk from `from` by `step`, so
    // that the walk's end can be found by bisection. Other walks are taken step by step.
    std::function<bool(const Decimal& from, const Decimal& step)> signChangesOnce;
    // Whether the balance's sign never changes again beyond `at` in the direction of `step`:
    // a walk there would never end.
    std::function<bool(const Decimal& at, const Decimal& step)> neverEnds;
    // The ladder goes no further than this magnitude: a walk that would is taken to have no end.
    Decimal limit;
};

// The value the ladder ends at from `start`, and its balance; nothing when a balance cannot be
// computed on the way or the ladder would walk beyond the limit or for ever.
std::optional<Found> climbLadder(const Ladder& ladder, const Climb& climb, const Decimal& start);

} // namespace numerette::interest
