#!/usr/bin/python3
"""Writes division-roots.txt, the expected results of the division and
square-root calculators.

Made once with Python's own integers (divmod, math.isqrt), which share no
code with Taketa; the file is committed and this script is not run by the
build. Each result is first worked out the long way the calculators are
meant to follow (one quotient digit or root digit after the other) and then
checked against exact fractions: a terminating result must equal the exact
value, a cut one must be the exact value truncated at its last digit.

One line per case, fields separated by tabs: the unit, its inputs, then the
result lines as taketa-calc prints them. A result longer than 400
characters is written as "@LENGTH:FIRST200:LAST200".
"""
import math
import pathlib
import random
import sys
from fractions import Fraction

QUOTIENT_DIGITS = 20000
ROOT_DIGITS = 10000
here = pathlib.Path(__file__).parent


def value_of(text):
    """The exact value of a decimal text such as "012.50", ".5" or "4."."""
    whole, _, decimals = text.partition(".")
    return Fraction(int(whole or "0") * 10 ** len(decimals) + int(decimals or "0"), 10 ** len(decimals))


def decimals_of(text):
    return len(text.partition(".")[2])


# Integer quotient and remainder.
def warizan3(a, b):
    q, r = divmod(int(a), int(b))
    return ["整商＝%d" % q, "余り＝%d" % r]


# Integer square root.
def heihoukon1(n):
    return [str(math.isqrt(int(n)))]


# Decimal quotient: normal form 0.d1d2... x 10^e, long division bringing
# down A's digits and then zeros, stopping at the limit or at a zero
# remainder once A is used up; then the point.
def normal_form(text):
    t = text.lstrip("0")
    if "." not in t:
        return t, len(t)
    if t[0] == ".":
        rest = t[1:]
        digits = rest.lstrip("0")
        return digits, -(len(rest) - len(digits))
    p = t.index(".")
    return t[:p] + t[p + 1:], p


def warizan4(a, b, limit=QUOTIENT_DIGITS):
    da, ea = normal_form(a)
    db, eb = normal_form(b)
    la, lb = len(da), len(db)
    e, f = ea - eb + 1, la - lb + 1
    dividend = da + "0" * (lb + limit)
    divisor = int(db)
    window = int(dividend[:lb])
    q = []
    while True:
        d, window = divmod(window, divisor)
        q.append(str(d))
        s = len(q)
        if s == limit:
            break
        if (f <= 0 or s >= f) and window == 0:
            break
        window = window * 10 + int(dividend[lb + s - 1])
    q = "".join(q)
    s = len(q)
    if e >= 1 and s <= e:
        text = q + "0" * (e - s)
        if text[0] == "0":
            text = text[1:]
    elif e >= 1:
        text = q[:e] + "." + q[e:]
        if e != 1 and text[0] == "0":
            text = text[1:]
    else:
        text = "0." + "0" * (-e) + q
    exact = value_of(a) / value_of(b)
    shown = value_of(text)
    step = Fraction(1, 10 ** decimals_of(text))
    assert shown <= exact < shown + step, (a, b)
    assert s == limit or shown == exact, (a, b)
    return [text]


# Square root: A's digits in pairs aligned on the point, exact when nothing
# remains after the last pair, otherwise continued with pairs of zeros to
# ROOT_DIGITS digits.
def heihoukon2(a, limit=ROOT_DIGITS):
    g = a.replace(".", "", 1)
    point = a.find(".")
    if point >= 0 and (len(a) - point - 1) % 2:
        g += "0"
    pairs = (len(g) + 1) // 2
    before = ((point if point >= 0 else len(g)) + 1) // 2
    x = int(g)
    root = math.isqrt(x)
    if root * root == x:
        digits = str(root).zfill(pairs)
        text = digits if point < 0 else digits[:before] + "." + digits[before:]
    else:
        digits = str(math.isqrt(x * 100 ** (limit - pairs))).zfill(limit)
        text = digits[:before] + "." + digits[before:]
    exact = value_of(a)
    shown = value_of(text)
    step = Fraction(1, 10 ** decimals_of(text))
    assert shown * shown <= exact < (shown + step) ** 2, a
    return [text]


LIMITS = {"warizan3": 60000, "heihoukon1": 10000, "warizan4": 2000, "warizan1": 50,
          "heihoukon2": 200}
UNITS = {"warizan3": warizan3, "heihoukon1": heihoukon1, "warizan4": warizan4,
         "warizan1": warizan4, "heihoukon2": heihoukon2}


def digits(rng, n, first_nonzero=True):
    text = "".join(rng.choice("0123456789") for _ in range(n))
    if first_nonzero and text[0] == "0":
        text = rng.choice("123456789") + text[1:]
    return text


def decimal(rng, n, zeros=0):
    """A random positive decimal text of n digits (point anywhere or none)."""
    text = "0" * zeros + digits(rng, n)
    where = rng.randrange(-1, len(text) + 1)
    return text if where < 0 else text[:where] + "." + text[where:]


def cases():
    rng = random.Random(20240605)
    out = []
    # Integer quotient and remainder: the examples, then random operands.
    for a, b in [("7", "7"), ("5", "10"), ("5", "7"), ("000123", "0012"), ("1000", "10"),
                 ("120", "12"), ("999999999999999999999", "999999999999999999999"),
                 ("1000000000000000000000000000000000000", "1000000000000000000")]:
        out.append(("warizan3", a, b))
    for _ in range(40):
        la = rng.randrange(1, 400)
        lb = rng.randrange(1, la + 3)
        out.append(("warizan3", "0" * rng.randrange(3) + digits(rng, la),
                    "0" * rng.randrange(3) + digits(rng, lb)))
    # Integer square root.
    for n in ["1", "2", "3", "4", "9", "10", "80", "81", "99", "100", "121", "144", "999999",
              "1000000", "10000", "00025"]:
        out.append(("heihoukon1", n))
    for n in [10000, 9999, 777]:
        out.append(("heihoukon1", digits(rng, n)))
    for _ in range(30):
        root = int(digits(rng, rng.randrange(1, 150)))
        x = root * root + rng.choice([0, 0, 1, -1, 2 * root, rng.randrange(2 * root + 1)])
        out.append(("heihoukon1", "0" * rng.randrange(3) + str(max(x, 1))))
    # Decimal quotients: the examples, then random operands.
    for a, b in [("1", "8"), ("10", "4"), ("100", "4"), ("1000", "4"), ("4", "2000"), ("7", "7"),
                 ("12.34", "0.2"), ("2.5", "0.5"), ("100", "0.001"), ("0.001", "100"), (".5", "5"),
                 ("1.50", "3"), ("1", "3"), ("10", "3"), ("22", "7"), ("0.01", "3"), ("0005", "2"),
                 ("100", "0.2"), ("5", "50"), ("4.", ".25"), ("1" + "0" * 1999, "1" * 2000)]:
        out.append(("warizan4", a, b))
    for a, b in [("22", "7"), ("1", "3"), ("9" * 50, "7" * 50), ("0." + "0" * 48 + "1", "3")]:
        out.append(("warizan1", a, b))
    for _ in range(40):
        b = decimal(rng, rng.randrange(1, 60), rng.randrange(2))
        # A = B times a terminating decimal: a quotient that ends
        q = decimal(rng, rng.randrange(1, 40))
        product = value_of(b) * value_of(q)
        places = decimals_of(b) + decimals_of(q)
        text = str(product.numerator * 10 ** places // product.denominator).zfill(places + 1)
        a = text[:-places] + "." + text[-places:] if places else text
        out.append(("warizan4", a, b))
    for _ in range(4):
        out.append(("warizan4", decimal(rng, rng.randrange(1, 2000)),
                    decimal(rng, rng.randrange(1, 2000))[:-1] + "7"))
    for _ in range(10):
        out.append(("warizan1", decimal(rng, rng.randrange(1, 50)), decimal(rng, rng.randrange(1, 50))))
    # Square roots: the examples, then exact and cut roots of random numbers.
    for a in ["4", "2.25", "6.25", "0.0001", "100", "1.44", "2", "10", "123.456", "0.1", "4.",
              "1.0", "1.00", ".25", "0.25", "0002", "00.25", ".0001", "9" * 200,
              "1" + "0" * 198 + ".", "0." + "0" * 198 + "1"]:
        out.append(("heihoukon2", a))
    for _ in range(30):
        root = decimal(rng, rng.randrange(1, 90))
        square = value_of(root) ** 2
        places = 2 * decimals_of(root)
        text = str(square.numerator * 10 ** places // square.denominator).zfill(places + 1)
        a = text[:-places] + "." + text[-places:] if places else text
        if rng.randrange(3) == 0 and "." in a:
            a += "00"  # more decimal pairs
        out.append(("heihoukon2", a))
    for _ in range(4):
        out.append(("heihoukon2", decimal(rng, rng.randrange(1, 200), rng.randrange(3))))
    return out


def short(text):
    return text if len(text) <= 400 else "@%d:%s:%s" % (len(text), text[:200], text[-200:])


def main():
    sys.set_int_max_str_digits(0)
    lines = []
    for unit, *inputs in cases():
        assert all(len(t.replace(".", "", 1)) <= LIMITS[unit] for t in inputs), (unit, inputs)
        result = UNITS[unit](*inputs)
        lines.append("\t".join([unit, *inputs, *map(short, result)]))
    (here / "division-roots.txt").write_text("\n".join(lines) + "\n")


main()
