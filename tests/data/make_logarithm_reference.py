#!/usr/bin/python3
"""Writes the expected results of the logarithm and decimal power tests.

Made with mpmath (Debian's python3-mpmath) and Python's exact integers and
fractions, which share no code with Taketa; the files are committed and this
script is not run by the build.

logarithms.txt: x, ln x and log10 x as the windows show them (50 decimals
cut off, never rounded; a full-width minus below 1).
logarithms_long.txt: x, |ln x| and |log10 x| to 380 decimals, for the
working precisions beyond the shown one.
decimal_powers.txt: A, B and A^B as the decimal power window shows it.

Every digit is cut from a value known far beyond it: exact values with
integers, the others with mpmath at 300 digits, and every cut is checked
against the value moved up and down by its error bound, so that a digit too
close to a carry stops the script instead of being guessed.
"""
import math
import pathlib
import random
import sys
from decimal import Decimal
from fractions import Fraction

import mpmath

sys.set_int_max_str_digits(0)  # powers run to 100000 digits
mpmath.mp.dps = 300
GUARD = mpmath.mpf(10) ** -280  # relative error bound of every mpmath value
here = pathlib.Path(__file__).parent
rng = random.Random(20240607)


# ----- numbers as the boxes hold them ---------------------------------------

def random_digits(count):
    text = str(rng.randint(1, 9)) + "".join(str(rng.randint(0, 9)) for _ in range(count - 1))
    style = rng.random()
    if style < 0.15:  # long runs of 9 or 0
        fill = rng.choice("09")
        text = text[0] + "".join(fill if rng.random() < 0.7 else c for c in text[1:])
    return text


def random_positive_text():
    """A positive decimal text that the 20-digit checks accept."""
    kind = rng.random()
    sig = rng.randint(1, 20)
    digits = random_digits(sig)
    if kind < 0.3:  # integer, maybe with trailing zeros or leading zeros
        text = digits
        if rng.random() < 0.3 and len(text) < 20:
            text += "0" * rng.randint(1, 20 - len(text))
        if rng.random() < 0.2 and len(text) < 20:
            text = "0" * rng.randint(1, 20 - len(text)) + text
        return text
    if kind < 0.65:  # above 1 with a point
        if sig == 1:
            return digits + "." + ("0" * rng.randint(0, 3))
        at = rng.randint(1, sig - 1)
        text = digits[:at] + "." + digits[at:]
        if rng.random() < 0.2 and len(text) < 21:
            text += "0" * rng.randint(1, 21 - len(text))
        return text
    # below 1: "0.000ddd" (at most 21 characters) or ".000ddd" (at most 20)
    digits = digits[:19]
    zeros = rng.randint(0, 19 - len(digits))
    return rng.choice([".", "0."]) + "0" * zeros + digits


def value_of(text):
    return Fraction(Decimal(text))


def normalise(text):
    t = text.lstrip("0")
    if t.startswith("."):
        t = "0" + t
    if "." in t:
        t = t.rstrip("0").rstrip(".")
    return t


# ----- cutting digits ----------------------------------------------------------

def cut_fixed(value, decimals, exact, guard=GUARD):
    """floor(value × 10^decimals) for value >= 0 (a Fraction when exact)."""
    if exact:
        return math.floor(value * 10**decimals)
    scaled = value * mpmath.mpf(10) ** decimals
    lo = int(mpmath.floor(scaled * (1 - guard)))
    hi = int(mpmath.floor(scaled * (1 + guard)))
    assert lo == hi, "too close to a carry"
    return lo


def fixed_text(value, decimals, exact, guard=GUARD):
    n = str(cut_fixed(value, decimals, exact, guard)).rjust(decimals + 1, "0")
    return n[:-decimals] + "." + n[-decimals:]


def exponent10(value, exact):
    """floor(log10 value) for value > 0."""
    if exact:
        e = len(str(value.numerator)) - len(str(value.denominator))
        while Fraction(10) ** e > value:
            e -= 1
        while Fraction(10) ** (e + 1) <= value:
            e += 1
        return e
    e = int(mpmath.floor(mpmath.log10(value)))
    lo, hi = value * (1 - GUARD), value * (1 + GUARD)
    assert mpmath.mpf(10) ** e <= lo and hi < mpmath.mpf(10) ** (e + 1), "too close to a power of ten"
    return e


def leading(value, count, exact):
    """(floor(log10 value), the first `count` significant digits)."""
    e = exponent10(value, exact)
    if exact:
        scaled = value * Fraction(10) ** (count - 1 - e)
        return e, str(math.floor(scaled))
    scaled = value * mpmath.mpf(10) ** (count - 1 - e)
    lo = int(mpmath.floor(scaled * (1 - GUARD)))
    hi = int(mpmath.floor(scaled * (1 + GUARD)))
    assert lo == hi, "too close to a carry"
    return e, str(lo)


def significant_digits(value):
    """An exact value's significant digits when its decimal expansion ends, else None."""
    d = value.denominator
    counts = []
    for p in (2, 5):
        count = 0
        while d % p == 0:
            d //= p
            count += 1
        counts.append(count)
    if d != 1:
        return None
    k = max(counts)
    return str(value.numerator * 10**k // value.denominator).rstrip("0")


def exponent_text(e):
    return "E" + str(e) if e >= 0 else "E-" + str(-e)


def exact_text(value):
    """The shortest decimal text of a value whose expansion ends."""
    digits = significant_digits(value)
    e = exponent10(value, True)
    point = e + 1  # digits before the point
    if point >= len(digits):
        return digits + "0" * (point - len(digits))
    if point > 0:
        return digits[:point] + "." + digits[point:]
    return "0." + "0" * (-point) + digits


def plain51(value, exact):
    """The first 51 characters of the value's decimal expansion."""
    e = exponent10(value, exact)
    if e >= 0:
        _, digits = leading(value, 50, exact)
        return digits[: e + 1] + "." + digits[e + 1:]
    _, digits = leading(value, 50 + e, exact)
    return "0." + "0" * (-e - 1) + digits


# ----- logarithms ----------------------------------------------------------------

def logarithms(text):
    x = value_of(text)
    if x == 1:
        return "0", "0"
    sign = "－" if x < 1 else ""
    xm = mpmath.mpf(x.numerator) / x.denominator
    ln = sign + fixed_text(abs(mpmath.log(xm)), 50, False)
    e = exponent10(x, True)
    if x == Fraction(10) ** e:
        lg = sign + str(abs(e))
    else:
        lg = sign + fixed_text(abs(mpmath.log10(xm)), 50, False)
    return ln, lg


# ----- decimal powers ------------------------------------------------------------

def integer_root(n, q):
    """r with r^q == n, or None (by bisection on integers)."""
    if n < 2 or q == 1:
        return n
    if q >= n.bit_length():  # 2^q > n: no root of 2 or more
        return None
    lo, hi = 1, 1 << (n.bit_length() // q + 1)
    while lo < hi:
        mid = (lo + hi + 1) // 2
        if mid**q <= n:
            lo = mid
        else:
            hi = mid - 1
    return lo if lo**q == n else None


def exact_power(a, magnitude):
    """a^magnitude as a Fraction when it is rational, else None."""
    p, q = magnitude.numerator, magnitude.denominator
    s, t = integer_root(a.numerator, q), integer_root(a.denominator, q)
    if s is None or t is None:
        return None
    return Fraction(s, t) ** p


def power(a_text, b_text):
    a = value_of(a_text)
    negative = b_text.startswith("-")
    mag_text = b_text[1:] if negative else b_text
    magnitude = value_of(mag_text)
    if a == 1:
        return "1"
    if value_of(b_text) == 1:
        return a_text
    if magnitude == 0:
        return "1"
    if "." not in mag_text:
        cls = "integer"
    else:
        before, after = mag_text.split(".", 1)
        if before.strip("0") == "":
            cls = "fraction"
        elif after.strip("0") == "":
            cls = "integer"
        else:
            cls = "mixed"
    above = a > 1
    a_integer = "." not in normalise(a_text)

    vplus = exact_power(a, magnitude)
    exact = vplus is not None
    if not exact:
        am = mpmath.mpf(a.numerator) / a.denominator
        vplus = mpmath.power(am, mpmath.mpf(magnitude.numerator) / magnitude.denominator)
    if not negative:
        if cls == "fraction":
            return plain51(vplus, exact)
        e, digits = leading(vplus, 50, exact)
        if cls == "integer":
            if a_integer:
                count = min(50, e + 1)
            else:
                count = min(50, len(significant_digits(vplus)))
            digits = digits[:count]
        return digits[0] + "." + digits[1:] + exponent_text(e)
    v = 1 / vplus
    if cls == "fraction":
        if exact and significant_digits(v) is not None and len(exact_text(v)) <= 51:
            return exact_text(v)
        return plain51(v, exact)
    e, digits = leading(v, 50, exact)
    sig = significant_digits(v) if exact else None
    if sig == "1":
        return "1" + exponent_text(e)
    if sig is not None and len(sig) < 50:
        digits = digits[: len(sig)]
    return digits[0] + "." + digits[1:] + exponent_text(e)


def random_exponent_text():
    kind = rng.random()
    if kind < 0.3:
        text = str(rng.choice([rng.randint(2, 30), rng.randint(2, 5000)]))
    elif kind < 0.6:
        digits = random_digits(rng.randint(1, 19))
        text = rng.choice(["0.", "."]) + "0" * rng.randint(0, 2) + digits
        text = text[:20] if text.startswith(".") else text[:21]
    else:
        whole = str(rng.choice([rng.randint(1, 30), rng.randint(1, 4999)]))
        frac = random_digits(rng.randint(1, 20 - len(whole)))
        if rng.random() < 0.3:
            frac = "0" * rng.randint(1, 3) + frac
        text = (whole + "." + frac)[:21]
        if text.endswith("."):
            text += "5"
    return ("-" if rng.random() < 0.4 else "") + text


def main():
    xs = ["2", "3", "0.5", "10", "100", "0.1", "0.001", "99999999999999999999",
          ".0000000000000000001", "1.0000000000000000001", "0.9999999999999999999",
          "9.9999999999999999999", "1.5", "7",
          # d whose (d - 1) / (d + 1) ends: 0.5, 0.8, 0.2, 0.6, 0.6, 0.25, 0.9
          "0.9", "9", "4", "0.25", "1.25", "0.8", "19", ".0000000000000000019"]
    while len(xs) < 400:
        xs.append(random_positive_text())
    with open(here / "logarithms.txt", "w", encoding="utf-8") as out:
        for x in xs:
            ln, lg = logarithms(x)
            out.write(f"{x}\t{ln}\t{lg}\n")

    with open(here / "logarithms_long.txt", "w", encoding="utf-8") as out:
        for x in ["10", "2", "0.5", "99999999999999999999", ".0000000000000000001", "1.0000000000000000001",
                  "9.9999999999999999999", "123.456", "0.0078125"]:
            v = value_of(x)
            with mpmath.workdps(520):
                guard = mpmath.mpf(10) ** -500
                xm = mpmath.mpf(v.numerator) / v.denominator
                ln = fixed_text(abs(mpmath.log(xm)), 380, False, guard)
                e = exponent10(v, True)
                if v == Fraction(10) ** e:
                    lg = fixed_text(Fraction(abs(e)), 380, True)
                else:
                    lg = fixed_text(abs(mpmath.log10(xm)), 380, False, guard)
            out.write(f"{x}\t{ln}\t{lg}\n")

    cases = [("2", "0.5"), ("0.5", "0.5"), ("2", "1.5"), ("2", "-1.5"), ("0.5", "-0.5"),
             ("0.0000000000000000001", "0.5"), ("12345678901234567890", "4999.75"),
             ("99999999999999999999", "-4999.99"), ("1.0000000000000000001", "5000"),
             ("0.9999999999999999999", "-5000"), ("7", "-0.0000000000000000001"),
             ("3", "0.3333333333333333333"), ("99999999999999999999", "0.05"),
             # rational values, some of them on a digit boundary
             ("4", "0.5"), ("4", "1.5"), ("0.25", "-0.5"), ("100", "-1.5"), ("10", "-2"),
             ("0.5", "-2"), ("1200", "2"), ("2", "3"), ("2", "10"), ("0.5", "2"), ("16", "0.25"),
             ("0.0625", "-0.75"), ("1.5625", "0.5"), ("1.5625", "-0.5"), ("0.01", "-1"),
             ("99999999980000000001", "4999.5"), ("99999999980000000001", "-4999.5"),
             ("1024", "-0.1"), ("1024", "0.1"), ("0.0009765625", "0.1"), ("8", "-0.3333333333333333333"),
             ("1000000000000000000", "-0.5"), ("1000000000000000000", "0.5"), ("20", "200"),
             ("2", "-5000"), ("5", "-5000"), ("0.2", "5000"), ("0.0000000000000000001", "-5000"),
             ("10000000000000000000", "5000"), ("9", "2.5"), ("0.09", "-2.5"), ("6.25", "-1.5"),
             ("2", "-1"), ("4", "-1"), ("3", "-1"), ("1.0000000000000000001", "0.5"),
             ("0.9999999999999999999", "-0.5"), ("5.", "2."), (".5", "-.5"), ("007", "-01.50")]
    while len(cases) < 400:
        a = random_positive_text()
        if value_of(a) == 1:
            continue
        cases.append((a, random_exponent_text()))
    with open(here / "decimal_powers.txt", "w", encoding="utf-8") as out:
        for a, b in cases:
            out.write(f"{a}\t{b}\t{power(a, b)}\n")


main()
