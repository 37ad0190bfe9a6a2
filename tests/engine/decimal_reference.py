#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks numerette's Decimal against Python's decimal module, which shares no code with it.

Generates random operations (sums, differences, products, quotients, roundings and percentage
factors) on operands near the limits of the type (28 decimal places, magnitudes just under
2^96, long runs of nines that carry when rounded), feeds them to decimal_feed and compares each
answer with the one computed here from the exact result:
  - a result keeps as many decimals (at most 28) as leave its magnitude below 2^96, rounded half
    away from zero, and fails when even the whole number does not fit;
  - a quotient by zero fails;
  - a percentage factor is exact: each of its steps is kept as any other result.
usage: decimal_reference.py FEED [COUNT] [SEED]
"""
import decimal
import random
import subprocess
import sys
from decimal import Decimal, ROUND_DOWN, ROUND_HALF_UP

LIMIT = 2 ** 96
MAX_SCALE = 28
# Wide enough that every product is exact and a quotient is cut far below the digit it is rounded by.
decimal.getcontext().prec = 200
decimal.getcontext().rounding = ROUND_DOWN
decimal.getcontext().Emax = 10 ** 6
decimal.getcontext().Emin = -10 ** 6


def fit(exact):
    """The value the engine keeps for an exact result, or None when it does not fit."""
    if exact == 0:
        return Decimal(0)
    start = min(MAX_SCALE, max(0, MAX_SCALE - exact.adjusted()))
    for scale in range(start, -1, -1):
        kept = exact.quantize(Decimal(1).scaleb(-scale), rounding=ROUND_HALF_UP)
        if abs(kept.scaleb(scale)) < LIMIT:
            return kept
    return None


def percentage_factor(percent, key):
    """P/100 + 1 after "+" and "/", (100 - P)/100 after "-", P/100 otherwise, each step kept as
    the engine keeps a result."""
    p = Decimal(percent)
    if key in "+/":
        share = fit(p / 100)
        return None if share is None else fit(share + 1)
    if key == "-":
        left = fit(100 - p)
        return None if left is None else fit(left / 100)
    return fit(p / 100)


def expected(op, a, b):
    x = Decimal(a)
    if op == "r":
        places = int(b)
        return x if -x.as_tuple().exponent <= places else x.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)
    if op == "f":
        return percentage_factor(a, b)
    y = Decimal(b)
    if op == "+":
        return fit(x + y)
    if op == "-":
        return fit(x - y)
    if op == "*":
        return fit(x * y)
    if y == 0:
        return None
    return fit(x / y)


def plain(value):
    """Fixed-point text of a Decimal, as the engine writes its operands."""
    return format(value, "f")


def random_operand(rng):
    kind = rng.randrange(7)
    if kind == 0:  # small integers and simple fractions
        value = Decimal(rng.randrange(-1000, 1000)).scaleb(-rng.randrange(0, 4))
    elif kind == 1:  # just under the largest magnitude, at any scale
        value = Decimal(LIMIT - 1 - rng.randrange(0, 10 ** rng.randrange(1, 12))).scaleb(-rng.randrange(0, MAX_SCALE + 1))
    elif kind == 2:  # tiny: the last few decimal places
        value = Decimal(rng.randrange(1, 10 ** rng.randrange(1, 6))).scaleb(-rng.randrange(22, MAX_SCALE + 1))
    elif kind == 3:  # runs of nines, which carry when rounded
        digits = rng.randrange(1, 29)
        value = Decimal(10 ** digits - rng.choice([1, 5, 49, 51])).scaleb(-rng.randrange(0, min(digits, MAX_SCALE) + 1))
    elif kind == 4:  # money-like amounts
        value = Decimal(rng.randrange(-10 ** 15, 10 ** 15)).scaleb(-2)
    else:  # any number of digits at any scale that fits
        scale = rng.randrange(0, MAX_SCALE + 1)
        value = Decimal(rng.randrange(0, LIMIT)).scaleb(-scale)
    if rng.random() < 0.5:
        value = -value
    return plain(value)


def random_case(rng):
    op = rng.choice("+-*/+-*/rf")
    a = random_operand(rng)
    if op == "r":
        return op, a, str(rng.randrange(0, MAX_SCALE + 1))
    if op == "f":
        return op, a, rng.choice("+-/*")
    b = random_operand(rng) if rng.random() < 0.97 else "0"
    return op, a, b


def main():
    feed = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20261210
    rng = random.Random(seed)
    cases = [random_case(rng) for _ in range(count)]
    answers = subprocess.run([feed], input="".join("%s %s %s\n" % case for case in cases),
                             capture_output=True, text=True, check=True).stdout.split("\n")
    mismatches = 0
    failures = 0
    for case, answer in zip(cases, answers):
        want = expected(*case)
        got = None if answer == "fail" else Decimal(answer)
        failures += want is None
        # The engine writes its answers trimmed of trailing zeros, never as "-0".
        sound_text = answer == "fail" or answer == plain(abs(got).normalize() if got == 0 else got.normalize())
        if want != got or (got is not None and not sound_text):
            mismatches += 1
            if mismatches <= 10:
                print("MISMATCH %s %s %s: engine %s, reference %s" % (case + (answer, want)))
    if len(answers) < len(cases):
        print("decimal_feed answered %d of %d operations" % (len(answers), len(cases)))
        return 1
    print("%d operations (seed %d, %d expected failures): %d mismatches" % (count, seed, failures, mismatches))
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
