// SPDX-License-Identifier: GPL-3.0-or-later
#include "ladder.h"

#include <cstdint>

#include <QString>

namespace numerette::interest {

namespace {

// Walks longer than this many steps are not told apart from endless ones (a walk of the
// finest step of a rate through the whole range of amounts is shorter).
constexpr std::int64_t LongestWalk = std::int64_t(1) << 62;

bool goesOn(bool whenPositive, double balance)
{
    return whenPositive ? balance > 0 : balance < 0;
}

// One walk of a rung: from a value whose balance has the rung's sign, `step` by `step` until
// the balance no longer has it.
class Walk {
public:
    Walk(const Climb& climb, const Decimal& from, const Decimal& step, bool whenPositive)
        : m_climb(climb)
        , m_from(from)
        , m_step(step)
        , m_whenPositive(whenPositive)
    {
    }

    // Every step checked, for walks whose balance may change sign more than once.
    std::optional<Found> stepwise() const
    {
        Decimal value = m_from;
        for (;;) {
            const std::optional<Decimal> next = value.plus(m_step);
            if (!next || next->abs() > m_climb.limit)
                return std::nullopt;
            value = *next;
            const std::optional<double> balance = m_climb.balanceAt(value);
            if (!balance)
                return std::nullopt;
            if (!goesOn(m_whenPositive, *balance))
                return Found{value, *balance};
            if (m_climb.neverEnds(value, m_step))
                return std::nullopt;
        }
    }

    // Doubling the number of steps until the walk would have ended, then halving the gap:
    // the first step at which it ends, since once it ends it would end at every later one.
    std::optional<Found> bisected() const
    {
        const std::int64_t most = stepsWithinLimit();
        std::int64_t passed = 0;
        std::int64_t tried = 1;
        std::optional<double> balance;
        for (;;) {
            if (tried > most)
                tried = most;
            if (tried == passed)
                return std::nullopt;
            if (endsAt(tried, balance))
                break;
            passed = tried;
            tried = tried > LongestWalk / 2 ? LongestWalk : tried * 2;
        }
        std::int64_t end = tried;
        std::optional<double> endBalance = balance;
        while (end - passed > 1) {
            const std::int64_t middle = passed + (end - passed) / 2;
            if (endsAt(middle, balance)) {
                end = middle;
                endBalance = balance;
            } else {
                passed = middle;
            }
        }
        if (!endBalance)
            return std::nullopt;
        return Found{*after(end), *endBalance};
    }

private:
    std::optional<Decimal> after(std::int64_t steps) const
    {
        const auto moved = m_step.times(Decimal(steps));
        return moved ? m_from.plus(*moved) : std::nullopt;
    }

    // Whether the walk has ended after `steps`, with the balance there (nothing when it
    // cannot be computed, which ends the walk too).
    bool endsAt(std::int64_t steps, std::optional<double>& balance) const
    {
        const std::optional<Decimal> value = after(steps);
        balance = value ? m_climb.balanceAt(*value) : std::nullopt;
        return !balance || !goesOn(m_whenPositive, *balance);
    }

    std::int64_t stepsWithinLimit() const
    {
        const auto room = m_step.isNegative() ? m_from.plus(m_climb.limit) : m_climb.limit.minus(m_from);
        const auto steps = room ? room->dividedBy(m_step.abs()) : std::nullopt;
        if (!steps || steps->isNegative())
            return 0;
        bool fits = false;
        const qlonglong count = steps->floored().toPlainText().toLongLong(&fits);
        return fits && count < LongestWalk ? count : LongestWalk;
    }

    const Climb& m_climb;
    Decimal m_from;
    Decimal m_step;
    bool m_whenPositive;
};

Decimal stepOf(const char16_t* text)
{
    return Decimal::fromPlainText(QStringView(text)).value_or(Decimal());
}

} // namespace

std::optional<Found> climbLadder(const Ladder& ladder, const Climb& climb, const Decimal& start)
{
    if (start.abs() > climb.limit)
        return std::nullopt;
    const std::optional<double> balance = climb.balanceAt(start);
    if (!balance)
        return std::nullopt;
    Found here{start, *balance};
    int stage = 0;
    for (;;) {
        const Rung* rung = nullptr;
        for (const Rung& candidate : ladder.rungs) {
            if (stage <= candidate.maxStage && goesOn(candidate.whenPositive, here.balance)) {
                rung = &candidate;
                break;
            }
        }
        if (!rung && here.balance >= 0)
            return here;
        const Decimal step = stepOf(rung ? rung->step : ladder.finestStep);
        const bool whenPositive = rung && rung->whenPositive;
        const Walk walk(climb, here.value, step, whenPositive);
        const std::optional<Found> end = climb.signChangesOnce(here.value, step) ? walk.bisected() : walk.stepwise();
        if (!end)
            return std::nullopt;
        here = *end;
        stage = rung ? rung->stage : ladder.finestStage;
    }
}

} // namespace numerette::interest
