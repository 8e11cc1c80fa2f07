// Primality for the fast factoring phase: the strong probable-prime test,
// Miller-Rabin to thirteen prime bases (a proof below
// 3317044064679887385961981), and the last steps of the n - 1 proof of
// Pocklington, Brillhart, Lehmer and Selfridge.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "calculators/soinsuu2/stop_poll.h"
#include "calculators/soinsuu2/wide.h"

namespace taketa::soinsuu2 {

// The primes below 2^17, ascending.
inline constexpr std::uint32_t kSmallPrimeLimit = 1u << 17;
const std::vector<std::uint32_t>& SmallPrimes();

// Calls f with the Montgomery arithmetic modulo odd n of the fewest words.
template <class F>
decltype(auto) WithMontgomery(const U192& n, F&& f) {
  switch (WordsFor(n)) {
    case 1: return f(Montgomery<1>(n));
    case 2: return f(Montgomery<2>(n));
    default: return f(Montgomery<3>(n));
  }
}

// Whether odd n > base passes the strong probable-prime test to `base`.
bool StrongProbablePrime(const U192& n, U64 base);

// Below this bound the strong tests to the primes 2 to 41 decide
// primality (Sorenson and Webster); above it they only suggest it.
inline const U192 kMillerRabinProofBound = U192::FromWords(5885577656943027709ULL, 179817, 0);

// For n >= 2 below kMillerRabinProofBound: prime or not, proven.
bool IsPrimeBelowProofBound(const U192& n);

// A probable prime to a few bases (false: proven composite).
bool IsProbablePrime(const U192& n);

enum class Verdict { kPrime, kComposite, kStopped };

// The n - 1 proof for odd n, given n - 1 = F R with F's prime factors
// (distinct, each proven prime) and F^3 >= n. Finds for each prime q of F a
// base a with a^(n-1) = 1 and gcd(a^((n-1)/q) - 1, n) = 1, so that every
// prime factor of n is 1 mod F; then n is prime when F^2 >= n, and when
// n^(1/3) <= F < n^(1/2) exactly when c1^2 - 4 c2 is not a square, for
// n = c2 F^2 + c1 F + 1.
Verdict ProveByNMinusOne(const U192& n, const U192& f, const std::vector<U192>& fPrimes,
                         StopPoll& poll);

}  // namespace taketa::soinsuu2
