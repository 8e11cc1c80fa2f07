#include "calculators/soinsuu2/primality.h"

#include <cassert>

namespace taketa::soinsuu2 {

const std::vector<std::uint32_t>& SmallPrimes() {
  static const std::vector<std::uint32_t> primes = [] {
    constexpr std::uint32_t kLimit = kSmallPrimeLimit;
    std::vector<bool> composite(kLimit / 2);  // odd numbers 2i + 1
    std::vector<std::uint32_t> list = {2};
    for (std::uint32_t i = 1; i < kLimit / 2; ++i) {
      if (composite[i]) continue;
      const std::uint32_t p = 2 * i + 1;
      list.push_back(p);
      for (std::uint64_t j = std::uint64_t{p} * p / 2; j < kLimit / 2; j += p) composite[j] = true;
    }
    return list;
  }();
  return primes;
}

bool StrongProbablePrime(const U192& n, U64 base) {
  return WithMontgomery(n, [&](const auto& m) {
    const U192 nMinusOne = n - U192(1);
    int s = 0;
    while (!nMinusOne.Bit(s)) ++s;
    const auto one = m.One();
    const auto minusOne = m.Sub(m.Zero(), one);
    auto x = m.Pow(m.To(U192(base)), nMinusOne >> s);
    if (x == one || x == minusOne) return true;
    for (int r = 1; r < s; ++r) {
      x = m.Sqr(x);
      if (x == minusOne) return true;
      if (x == one) return false;
    }
    return false;
  });
}

bool IsPrimeBelowProofBound(const U192& n) {
  static constexpr std::uint32_t kBases[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41};
  for (std::uint32_t p : kBases) {
    if (n == U192(p)) return true;
    if (RemainderSmall(n, p) == 0) return false;
  }
  if (n < U192(43 * 43)) return !(n < U192(2));
  for (std::uint32_t a : kBases) {
    if (!StrongProbablePrime(n, a)) return false;
  }
  return true;
}

bool IsProbablePrime(const U192& n) {
  if (n < kMillerRabinProofBound) return IsPrimeBelowProofBound(n);
  if (!n.IsOdd()) return false;
  for (U64 a : {2, 3, 5, 7, 11}) {
    if (!StrongProbablePrime(n, a)) return false;
  }
  return true;
}

Verdict ProveByNMinusOne(const U192& n, const U192& f, const std::vector<U192>& fPrimes,
                         StopPoll& poll) {
  [[maybe_unused]] U192 square, cube;
  assert(!MultiplyChecked(f, f, square) || !MultiplyChecked(square, f, cube) || cube >= n);
  const U192 nMinusOne = n - U192(1);
  for (const U192& q : fPrimes) {
    U192 e, rem;
    DivMod(nMinusOne, q, e, rem);
    // A prime n has a base that is not a q-th power below n; the small ones
    // are tried first. A composite n is caught by a^(n-1) != 1 or by a gcd.
    enum { kNextBase, kHolds, kCompositeFound };
    for (U64 a = 2;; ++a) {
      if (poll.Stopped()) return Verdict::kStopped;
      if (!(U192(a) < n)) return Verdict::kComposite;
      const int outcome = WithMontgomery(n, [&](const auto& m) {
        const auto one = m.One();
        const auto x = m.Pow(m.To(U192(a)), e);
        if (m.Pow(x, q) != one) return kCompositeFound;  // a^(n-1) != 1
        if (x == one) return kNextBase;                  // a is a q-th power mod n
        return Gcd(m.From(m.Sub(x, one)), n).IsOne() ? kHolds : kCompositeFound;
      });
      if (outcome == kCompositeFound) return Verdict::kComposite;
      if (outcome == kHolds) break;
    }
  }
  // Every prime factor of n is now 1 mod F, so above F.
  if (!MultiplyChecked(f, f, square) || square >= n) return Verdict::kPrime;
  U192 r, zero;
  DivMod(nMinusOne, f, r, zero);
  U192 c2, c1;
  DivMod(r, f, c2, c1);
  const U192 c1Squared = c1 * c1;  // c1 < F < sqrt(n)
  const U192 fourC2 = c2 << 2;
  if (c1Squared < fourC2) return Verdict::kPrime;
  return IsSquare(c1Squared - fourC2) ? Verdict::kComposite : Verdict::kPrime;
}

}  // namespace taketa::soinsuu2
