#!/usr/bin/python3
"""Writes factoring-cases.txt: numbers of up to 50 digits with their prime
factors, for the factorisation tests and the factorisation benchmark.

Made once with Python's integers, which share no code with Taketa; the file
is committed and this script is not run by the build. Primes are made by
multiplying primes together, never by factoring: each factor is a strong
probable prime to 40 random bases and to the first 13 primes (which decide
primality below 3317044064679887385961981).

Each line: a class name, the number, then its prime factors in ascending
order with repetition ("?" where the class leaves them out). Classes:

  small            factors all below the switch bound of trial division
  prime-after      small factors times a large prime
  short-path       at most 9223372000000000000, past the switch bound
  semiprime30..50  two primes of about half the digits each
  three16          three primes of 16 digits
  square25         the square of a 25-digit prime
  cube16           the cube of a 16-digit prime
  prime50          50-digit primes
  prime-hard       50-digit primes p with p - 1 = 2 q r (q, r of 24 to 25
                   digits) or p - 1 = 2 q: the hardest for the n - 1 proof
  prime-semi40     a 10-digit prime times a 40-digit semiprime
  random50         random 50-digit numbers (factors not given)
"""
import pathlib
import random

here = pathlib.Path(__file__).parent
rng = random.Random(20240815)
SMALL_PRIMES = [2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41]


def strong_probable_prime(n, a):
    d, s = n - 1, 0
    while d % 2 == 0:
        d //= 2
        s += 1
    x = pow(a, d, n)
    if x in (1, n - 1):
        return True
    for _ in range(s - 1):
        x = x * x % n
        if x == n - 1:
            return True
    return False


def is_prime(n):
    if n < 2:
        return False
    for p in SMALL_PRIMES:
        if n % p == 0:
            return n == p
    bases = SMALL_PRIMES + [rng.randrange(2, n - 1) for _ in range(40)]
    return all(strong_probable_prime(n, a) for a in bases)


def prime_of(digits):
    while True:
        n = rng.randrange(10 ** (digits - 1), 10**digits) | 1
        if is_prime(n):
            return n


def prime_below(limit, floor):
    while True:
        n = rng.randrange(floor, limit) | 1
        if is_prime(n):
            return n


def line(cls, factors):
    factors = sorted(factors)
    n = 1
    for f in factors:
        n *= f
    assert len(str(n)) <= 50
    return f"{cls} {n} " + " ".join(map(str, factors))


def semiprime(digits):
    while True:
        p, q = prime_of(digits // 2), prime_of(digits - digits // 2)
        if len(str(p * q)) == digits:
            return [p, q]


def hard_prime():
    """p - 1 = 2 q r with q, r of 24 to 25 digits."""
    while True:
        q, r = prime_of(24), prime_of(25)
        p = 2 * q * r + 1
        if len(str(p)) == 50 and is_prime(p):
            return [p]


def safe_prime():
    while True:
        q = prime_of(49)
        p = 2 * q + 1
        if len(str(p)) == 50 and is_prime(p):
            return [p]


lines = []
# Factors below 2000000 only: trial division ends before the switch.
for digits in (30, 40, 50):
    factors, n = [], 1
    while True:
        f = prime_below(2000000, 2)
        if len(str(n * f)) > digits:
            break
        factors.append(f)
        n *= f
    lines.append(line("small", factors))
lines.append(line("prime-after", [2, 2, 3, 1999993, prime_of(40)]))
lines.append(line("prime-after", [7, prime_of(30)]))
lines.append(line("prime-after", [prime_of(49)]))
lines.append(line("short-path", semiprime(19)[:1] + [prime_below(10**9, 10**8)]))
lines.append(line("short-path", [prime_below(9223372000000000000, 9223371000000000000)]))
lines.append(line("short-path", [2000003, prime_below(4611686018427, 4000000000000)]))
for digits in (30, 35, 40, 45, 50):
    count = 10 if digits >= 40 else 2
    for _ in range(count):
        lines.append(line(f"semiprime{digits}", semiprime(digits)))
for _ in range(2):
    lines.append(line("three16", [prime_of(16) for _ in range(3)]))
    p = prime_of(25)
    lines.append(line("square25", [p, p]))
    p = prime_of(16)
    lines.append(line("cube16", [p, p, p]))
    lines.append(line("prime-semi40", [prime_of(10)] + semiprime(40)))
for _ in range(10):
    lines.append(line("prime50", [prime_of(50)]))
lines.append(line("prime-hard", hard_prime()))
lines.append(line("prime-hard", safe_prime()))
for _ in range(10):
    lines.append(f"random50 {rng.randrange(10**49, 10**50)} ?")

(here / "factoring-cases.txt").write_text("\n".join(lines) + "\n")
