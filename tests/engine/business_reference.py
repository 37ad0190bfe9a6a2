#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the figures of the tax and margin keys against Python's decimal module.

Random amounts (money-like, long, tiny, negative, on ties of the rounding digit) and rates
at every number format and in every rounding mode go to business_feed; each answer is
compared with the exact result computed here and rounded once, to the format's decimals:
  - tax added:      tax = net x rate / 100,              gross = net + tax
  - tax taken out:  net = gross x 100 / (100 + rate),    tax = gross - net
  - margin:         sell = cost x 100 / (100 - margin),  profit = sell - cost; none at 100 % or more
usage: business_reference.py FEED [COUNT] [SEED]
"""
import decimal
import random
import subprocess
import sys
from decimal import Decimal, ROUND_DOWN, ROUND_HALF_EVEN, ROUND_HALF_UP, ROUND_UP

# The decimals each number format rounds to, by its menu index.
FORMAT_PLACES = {0: 6, 1: 6, 2: 10, 10: 1, 20: 2, 30: 3, 40: 4, 50: 5, 60: 6, 70: 7, 80: 8}
MODES = {"half-up": ROUND_HALF_UP, "half-even": ROUND_HALF_EVEN, "up": ROUND_UP, "down": ROUND_DOWN}
decimal.getcontext().prec = 200


def rounded(exact, places, mode):
    return exact.quantize(Decimal(1).scaleb(-places), rounding=MODES[mode])


def expected(key, places, mode, rate, amount):
    r, x = Decimal(rate), Decimal(amount)
    if key == "+":
        tax = rounded(x * r / 100, places, mode)
        return [x, tax, x + tax]
    if key == "-":
        if r == -100:
            return None
        net = rounded(x * 100 / (100 + r), places, mode)
        return [net, x - net, x]
    if r >= 100:
        return None
    sell = rounded(x * 100 / (100 - r), places, mode)
    return [sell, sell - x, Decimal(places)]


def random_amount(rng, places):
    kind = rng.randrange(5)
    if kind == 0:  # money-like
        value = Decimal(rng.randrange(1, 10 ** 9)).scaleb(-2)
    elif kind == 1:  # as many decimals as the format shows
        value = Decimal(rng.randrange(1, 10 ** 12)).scaleb(-places)
    elif kind == 2:  # long amounts
        value = Decimal(rng.randrange(1, 10 ** 15)).scaleb(-rng.randrange(0, 4))
    elif kind == 3:  # tiny
        value = Decimal(rng.randrange(1, 1000)).scaleb(-places)
    else:  # amounts whose tax at 10 % ends on a tie
        value = Decimal(rng.randrange(1, 10 ** 6) * 10 + 5).scaleb(-places)
    return format(-value if rng.random() < 0.2 else value, "f")


def random_rate(rng, key):
    if key == "m" and rng.random() < 0.03:
        return rng.choice(["100", "150"])
    return rng.choice(["10", "19", "7.5", "21", "25", "33.333", "0.5", str(rng.randrange(1, 99))])


def random_case(rng):
    key = rng.choice("+-m")
    fmt = rng.choice(sorted(FORMAT_PLACES))
    mode = rng.choice(sorted(MODES))
    return key, fmt, mode, random_rate(rng, key), random_amount(rng, FORMAT_PLACES[fmt])


def main():
    feed = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20_000
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20261211
    rng = random.Random(seed)
    cases = [random_case(rng) for _ in range(count)]
    answers = subprocess.run([feed], input="".join("%s %d %s %s %s\n" % case for case in cases),
                             capture_output=True, text=True, check=True).stdout.split("\n")
    if len(answers) < len(cases):
        print("business_feed answered %d of %d cases" % (len(answers), len(cases)))
        return 1
    mismatches = 0
    refused = 0
    for case, answer in zip(cases, answers):
        key, fmt, mode, rate, amount = case
        want = expected(key, FORMAT_PLACES[fmt], mode, rate, amount)
        got = None if answer == "fail" else [Decimal(v) for v in answer.split()]
        refused += want is None
        if want != got:
            mismatches += 1
            if mismatches <= 10:
                print("MISMATCH %s: engine %s, reference %s" % (" ".join(map(str, case)), answer, want))
    print("%d cases (seed %d, %d refused): %d mismatches" % (count, seed, refused, mismatches))
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
