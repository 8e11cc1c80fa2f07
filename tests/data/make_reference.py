#!/usr/bin/python3
"""Writes the reference digits the tests compare against.

Made once with mpmath (Debian's python3-mpmath, gmpy2 backend), which shares
no code with Taketa; the files are committed and this script is not run by
the build. Every file holds the first digits of a constant without a point,
truncated: mpmath works with extra digits and the last ones are cut off.
"""
import pathlib
import mpmath

DIGITS = 60000
here = pathlib.Path(__file__).parent

def digits_of(value_fn, count):
    mpmath.mp.dps = count + 30
    text = mpmath.nstr(value_fn(), count + 20, strip_zeros=False)
    text = text.replace(".", "")
    return text[:count]

(here / "pi-60000.txt").write_text(digits_of(lambda: mpmath.pi, DIGITS) + "\n")
(here / "e-60000.txt").write_text(digits_of(lambda: mpmath.e, DIGITS) + "\n")
