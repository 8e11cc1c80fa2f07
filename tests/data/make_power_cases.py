#!/usr/bin/python3
"""Writes the expected results of the power and root calculators.

Made once with Python's integers and mpmath, which share no code with
Taketa; the files are committed and this script is not run by the build.

ruijou-cases.txt   base, exponent, full line, floating line (tab-separated):
                   the exact power written out, its digit count, and its
                   first 200 significant digits as d.ddd...E<exponent>.
njoukon-roots.txt  N, radicand, root: the true N-th root cut to 101
                   characters, or the exact root where one exists.
yuurisuubeki-cases.txt  A, B, A^B to 25 digits, and the result text
                   (15 significant digits rounded, then cut to 12), or "-"
                   where the float's error may show in it.
"""
import pathlib
import random
import sys

import mpmath

sys.set_int_max_str_digits(0)
here = pathlib.Path(__file__).parent
rng = random.Random(20240607)


def scaled(text):
    """A decimal text as (integer, decimals)."""
    whole, _, fraction = text.partition(".")
    return int((whole + fraction) or "0"), len(fraction)


def plain(value, decimals):
    """value / 10^decimals without superfluous zeros."""
    s = str(value).rjust(decimals + 1, "0")
    if decimals == 0:
        return s
    text = s[:-decimals] + "." + s[-decimals:]
    return text.rstrip("0").rstrip(".")


def ruijou(base, n):
    value, decimals = scaled(base)
    full = plain(value ** n, decimals * n)
    count = len(full.replace(".", ""))
    mantissa = full.replace(".", "").lstrip("0")
    if full.startswith("0."):
        exponent = -(len(full) - 2 - len(full[2:].lstrip("0")) + 1)
    else:
        exponent = len(full.split(".")[0]) - 1
    floating = mantissa[0] + "." + mantissa[1:200] + "E" + str(exponent)
    return f"{full}    (桁数＝{count})", "浮動小数点形式では　" + floating


def random_digits(count, first_nonzero=True):
    text = "".join(rng.choice("0123456789") for _ in range(count))
    if first_nonzero and text[0] == "0":
        text = "7" + text[1:]
    return text


def ruijou_cases():
    cases = [("2", 10), ("12.5", 2), ("0.05", 3), ("1200", 2), (".5", 1), ("00.50", 1),
             ("10.0", 3), ("1", 1), ("1", 10000), ("9" * 100, 3), ("0." + "0" * 98 + "1", 2),
             ("." + "9" * 100, 2), ("1" + "0" * 99, 5), ("000123.4500", 7), ("0.999", 40)]
    for _ in range(40):
        kind = rng.randrange(3)
        length = rng.randint(1, 40)
        digits = random_digits(length)
        if kind == 0:
            base = digits + "0" * rng.randint(0, 5)
        elif kind == 1:
            cut = rng.randint(1, length)
            base = digits[:cut] + "." + digits[cut:] + "0" * rng.randint(0, 3)
        else:
            base = "0." + "0" * rng.randint(0, 5) + digits
        cases.append((base, rng.randint(1, 60)))
    with open(here / "ruijou-cases.txt", "w", encoding="utf-8") as out:
        for base, n in cases:
            full, floating = ruijou(base, n)
            out.write(f"{base}\t{n}\t{full}\t{floating}\n")


def iroot(a, n):
    """floor(a^(1/n)) for a >= 0 by Newton's iteration from above."""
    if a == 0:
        return 0
    x = 1 << ((a.bit_length() + n - 1) // n)
    while True:
        y = ((n - 1) * x + a // x ** (n - 1)) // n
        if y >= x:
            return x
        x = y


def root(n, radicand):
    value, decimals = scaled(radicand)
    whole = iroot(value // 10 ** decimals, n)
    places = 100 - len(str(whole)) if whole > 0 else 99
    r = iroot(value * 10 ** (n * places - decimals), n) if n * places >= decimals else None
    exact = r ** n == value * 10 ** (n * places - decimals)
    text = plain(r, places) if exact else str(r).rjust(places + 1, "0")[:-places] + "." + str(r).rjust(places + 1, "0")[-places:]
    return text


def njoukon_cases():
    cases = [(3, "8"), (2, "2.25"), (2, "2"), (2, "0.25"), (2, "5"), (2, "99999999999999999999"),
             (2, ".5"), (3, "0.001"), (2, "100"), (300, "2"), (2, "10"), (3, "1000"),
             (5, "0.00001"), (2, "1.21"), (7, "12345678901234567890"), (2, ".0000000000000000001"),
             (2, "0.99999999999999999999"[:21]), (13, "1.0000000000000000001"), (2, "1.0000000000000000001")]
    for _ in range(30):
        n = rng.choice([2, 3, 4, 5, 7, 10, 17, 25, 50])
        length = rng.randint(1, 20)
        digits = random_digits(length, first_nonzero=False)
        if digits.strip("0") == "":
            digits = digits[:-1] + "3"
        point = rng.randint(0, length)
        radicand = digits[:point] + ("." if point < length else "") + digits[point:]
        if scaled(radicand)[0] == 10 ** scaled(radicand)[1]:
            continue
        cases.append((n, radicand))
    with open(here / "njoukon-roots.txt", "w", encoding="utf-8") as out:
        for n, radicand in cases:
            out.write(f"{n}\t{radicand}\t{root(n, radicand)}\n")


def general(x):
    """The general form of x: 15 significant digits, rounded; None when the
    rounding is within 0.1 of a unit of the 15th digit from going the other
    way."""
    e = int(mpmath.floor(mpmath.log10(x)))
    scaled_x = x / mpmath.mpf(10) ** (e - 14)  # 15 integer digits
    if abs(scaled_x - mpmath.floor(scaled_x) - mpmath.mpf("0.5")) < mpmath.mpf("0.1"):
        return None
    digits = int(mpmath.nint(scaled_x))
    if digits == 10 ** 15:
        digits //= 10
        e += 1
    d = str(digits).rstrip("0")
    if e < -5 or e > 14:
        return d[0] + ("." + d[1:] if len(d) > 1 else "") + "E" + str(e)
    if e < 0:
        return "0." + "0" * (-e - 1) + d
    if len(d) <= e + 1:
        return d + "0" * (e + 1 - len(d))
    return d[: e + 1] + "." + d[e + 1:]


def result_text(t):
    if "E" in t:
        e = t.index("E") + 1
        return t[:13] + t[e - 1:] if e > 14 else t
    d = t.replace(".", "", 1)
    if len(d) <= 12:
        return t
    if "." in t and t[0] != "0":
        return d[0] + "." + d[1:12] + "E" + str(t.index(".") + 1 - 2)
    if "." in t:
        return t[:14]
    return t[0] + "." + t[1:12] + "E" + str(len(t) - 1)


def yuurisuubeki_cases():
    cases = [("2", "0.5"), ("1200", "1600"), ("0.001", "-1600"), ("2", "10"), ("2", "-1"),
             ("3", "2.5"), ("0.5", "0.5"), ("10", "15"), ("10", "14"), ("999", "5"),
             ("1.23456789012", "3"), ("0.00123456789", "1"), ("1199.99999999", "-1599.99999999"),
             ("7", "0.001"), ("0.001", "0.5"), ("1200", "-1600"), ("2", "-0.5")]
    for _ in range(40):
        a = rng.choice([str(rng.randint(1, 1200)), f"{rng.uniform(0.001, 1200):.{rng.randint(1, 8)}f}"])
        b = rng.choice([str(rng.randint(-1600, 1600)), f"{rng.uniform(-1600, 1600):.{rng.randint(1, 6)}f}",
                        f"{rng.uniform(-1, 1):.{rng.randint(1, 9)}f}"])
        cases.append((a, b))
    mpmath.mp.dps = 60
    with open(here / "yuurisuubeki-cases.txt", "w", encoding="utf-8") as out:
        for a, b in cases:
            av, bv = mpmath.mpf(a), mpmath.mpf(b)
            if av == 1 or bv == 1 or bv == 0 or av < mpmath.mpf("0.001") or av > 1200:
                continue
            x = mpmath.power(av, bv)
            # The exact text only where the float's error cannot show: an
            # integer exponent (the power is exact before it is read) and a
            # rounding not near its boundary.
            t = general(x) if "." not in b else None
            text = result_text(t) if t is not None else "-"
            out.write(f"{a}\t{b}\t{mpmath.nstr(x, 25)}\t{text}\n")


ruijou_cases()
njoukon_cases()
yuurisuubeki_cases()
