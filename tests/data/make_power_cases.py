#!/usr/bin/python3
"""Writes the expected results of the power and root calculators.

Made once with Python's integers and fractions and mpmath, which share no code with
Taketa; the files are committed and this script is not run by the build.

ruijou-cases.txt   base, exponent, full line, floating line (tab-separated):
                   the exact power written out, its digit count, and its
                   first 200 significant digits as d.ddd...E<exponent>.
njoukon-roots.txt  N, radicand, root: the true N-th root cut to 101
                   characters, or the exact root where one exists.
yuurisuubeki-cases.txt  A, B, the first 25 significant digits of A^B (cut
                   off, never rounded) as d.ddd...E<exponent>, and the
                   result text: the general form of the first 15 digits,
                   then cut to 12. Exact with Fraction wherever A^B is
                   rational; otherwise mpmath at 150 digits, each case
                   checked to lie far from a place where a cut digit
                   changes. Hand-picked cases first, then random ones: some
                   whose digits after the 12th are 999... or 000..., bases
                   near 0.001 with exponents near -1, and inputs of every
                   form.
"""
import pathlib
import random
import sys
from fractions import Fraction

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


def leading(x, count):
    """floor(log10 x) and the first `count` significant digits of x > 0, cut
    off: exactly for a Fraction; for an mpf (at mp.dps well above count)
    None when x lies too near a place where a cut digit changes."""
    if isinstance(x, Fraction):
        n, d = x.numerator, x.denominator
        e = len(str(n)) - len(str(d))
        while Fraction(10) ** e > x:
            e -= 1
        while Fraction(10) ** (e + 1) <= x:
            e += 1
        scaled = x * Fraction(10) ** (count - 1 - e)
        return e, str(scaled.numerator // scaled.denominator)
    e = int(mpmath.floor(mpmath.log10(x)))
    scaled = x * mpmath.mpf(10) ** (count - 1 - e)
    digits = int(mpmath.floor(scaled))
    margin = mpmath.mpf(10) ** (-(mpmath.mp.dps - count - 20))
    if scaled - digits < margin or digits + 1 - scaled < margin or len(str(digits)) != count:
        return None
    return e, str(digits)


def exact_power(a, b):
    """a^b as a Fraction when it is rational, else None: a = n/d in lowest
    terms and b = m/q, rational exactly when n and d are q-th powers."""
    base, exponent = Fraction(a), Fraction(b)
    q = exponent.denominator
    roots = []
    for v in (base.numerator, base.denominator):
        if v == 1:
            roots.append(1)
            continue
        if q >= v.bit_length():
            return None
        r = iroot(v, q)
        if r ** q != v:
            return None
        roots.append(r)
    return Fraction(roots[0], roots[1]) ** exponent.numerator


def power_leading(a, b, count):
    exact = exact_power(a, b)
    if exact is not None:
        return leading(exact, count)
    x = mpmath.power(mpmath.mpf(Fraction(a).numerator) / Fraction(a).denominator,
                     mpmath.mpf(Fraction(b).numerator) / Fraction(b).denominator)
    return leading(x, count)


def general(e, digits):
    """The general form of the value whose first 15 significant digits (cut)
    are `digits` and whose first digit has the place e."""
    d = digits[:15].rstrip("0")
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


def decimal_text(v, digits, rng):
    """v written with as many decimals as `digits` digits allow (the leading
    "0" of a value below 1 counted), a random number of them."""
    whole = len(str(int(v)))
    places = rng.randint(0 if v >= 1 else 1, max(1, digits - whole))
    return f"{v:.{places}f}"


def random_base(rng):
    kind = rng.randrange(4)
    if kind == 0:
        return str(rng.randint(2, 1200))
    if kind == 1:
        return decimal_text(rng.uniform(0.001, 1200), 12, rng)
    if kind == 2:
        return decimal_text(10 ** rng.uniform(-3, 3.079), 12, rng)
    return "0.00" + "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 9)))


def random_exponent(rng):
    sign = rng.choice(["", "-"])
    kind = rng.randrange(4)
    if kind == 0:
        return sign + str(rng.randint(2, 1600))
    if kind == 1:
        return sign + decimal_text(rng.uniform(1, 1600), 12, rng)
    if kind == 2:
        return sign + decimal_text(rng.uniform(0, 1), 12, rng)
    return sign + decimal_text(rng.uniform(0, 30), 12, rng)


def accepted(a, b):
    """Inputs the window takes and computes (no shortcut)."""
    av, bv = Fraction(a), Fraction(b)
    for text in (a, b.lstrip("-")):
        if len(text) > (13 if "." in text else 12):
            return False
    return Fraction(1, 1000) <= av <= 1200 and av != 1 and bv != 0 and bv != 1 and abs(bv) <= 1600


def yuurisuubeki_cases():
    more = random.Random(20240611)
    cases = [
        # the window's examples
        ("2", "0.5"), ("2", "10"), ("2", "-1"), ("1200", "1600"), ("0.001", "-1600"),
        # 12th digit followed by 999...: a rounding before the cut shows it one too high
        ("1052", "1558"), ("508", "0.25"), ("0.00120223816", "-0.9428060813"),
        # the limits
        ("1200", "-1600"), ("0.001", "1600"), ("1199.99999999", "-1599.99999999"),
        ("0.00100000001", "-1599.9999999"), ("999.999999999", "1600"), ("1.00000000001", "1600"),
        ("1.00000000001", "-0.00000000001"), ("7", "0.00000000001"), ("0.99999999999", "1600"),
        # rational powers of the fraction and mixed classes
        ("4", "0.5"), ("4", "-0.5"), ("1.44", "0.5"), ("0.0016", "-0.25"), ("1024", "0.1"),
        ("1024", "1.1"), ("1024", "-0.1"), ("0.25", "-1.5"), ("16", "-0.75"), ("625", "0.75"),
        ("0.0625", "0.25"), ("1.5625", "-0.5"), ("1.21", "-0.5"), ("0.01", "-0.5"), ("0.01", "0.5"),
        # fixed and scientific notation at their borders
        ("10", "15"), ("10", "14"), ("1000", "5"), ("100", "7.5"), ("999", "5"), ("999.999999999", "5"),
        ("0.01", "2.5"), ("0.01", "3"), ("0.001", "1.6666666667"), ("0.1", "-14"), ("0.1", "-15"),
        ("3", "2.5"), ("0.5", "0.5"), ("1.23456789012", "3"), ("7", "0.001"), ("0.001", "0.5"),
        ("2", "-0.5"), ("00.50", "-3"), (".5", "-.5"), ("0012.500", "2.000"), ("2", "-1600."),
    ]
    # Forty random inputs, the same ones as in earlier versions of the file.
    for _ in range(40):
        a = rng.choice([str(rng.randint(1, 1200)), f"{rng.uniform(0.001, 1200):.{rng.randint(1, 8)}f}"])
        b = rng.choice([str(rng.randint(-1600, 1600)), f"{rng.uniform(-1600, 1600):.{rng.randint(1, 6)}f}",
                        f"{rng.uniform(-1, 1):.{rng.randint(1, 9)}f}"])
        if accepted(a, b):
            cases.append((a, b))
    # Random inputs of every kind, the first 20 digits of A^B taken at 60
    # digits' precision to find those whose 13th to 15th digits are 999 or
    # (with digits after them) 000; some of those, the first ones of the
    # rest, and bases near 0.001 with exponents near -1.
    mpmath.mp.dps = 60
    nines, zeros, plain = [], [], []
    while len(plain) < 2000 or len(nines) < 50 or len(zeros) < 30:
        a, b = random_base(more), random_exponent(more)
        if not accepted(a, b):
            continue
        lead = power_leading(a, b, 20)
        if lead is None:
            continue
        digits = lead[1]
        if digits[12:15] == "999":
            if len(nines) < 50:
                nines.append((a, b))
        elif digits[12:15] == "000" and digits[15:].strip("0"):
            if len(zeros) < 30:
                zeros.append((a, b))
        elif len(plain) < 2000:
            plain.append((a, b))
    near = []
    while len(near) < 200:
        a = "0.001" + "".join(more.choice("0123456789") for _ in range(more.randint(1, 8)))
        b = "-0.9" + "".join(more.choice("0123456789") for _ in range(more.randint(1, 9)))
        if accepted(a, b):
            near.append((a, b))
    cases += nines + zeros + near + plain

    mpmath.mp.dps = 150
    with open(here / "yuurisuubeki-cases.txt", "w", encoding="utf-8") as out:
        for a, b in cases:
            assert accepted(a, b), (a, b)
            lead = power_leading(a, b, 25)
            assert lead is not None, (a, b)
            e, digits = lead
            text = result_text(general(e, digits))
            out.write(f"{a}\t{b}\t{digits[0]}.{digits[1:]}E{e}\t{text}\n")


ruijou_cases()
njoukon_cases()
yuurisuubeki_cases()
