#include "calculators/soinsuu2/fast_factoring.h"

#include <algorithm>
#include <cassert>

#include "calculators/soinsuu2/primality.h"
#include "calculators/soinsuu2/quadratic_sieve.h"
#include "calculators/soinsuu2/rho_ecm.h"
#include "calculators/soinsuu2/stop_poll.h"
#include "calculators/soinsuu2/wide.h"

namespace taketa::soinsuu2 {
namespace {

// F^3 >= n.
bool CubeAtLeast(const U192& f, const U192& n) {
  U192 square, cube;
  return !MultiplyChecked(f, f, square) || !MultiplyChecked(square, f, cube) || cube >= n;
}

class Engine {
 public:
  explicit Engine(StopPoll& poll) : poll_(poll) {}

  enum class Result { kDone, kStopped };

  // Appends the prime factors of n >= 1 to `primes`.
  Result Factor(const U192& n, std::vector<U192>& primes) {
    std::vector<U192> pending = {n};
    while (!pending.empty()) {
      const U192 m = pending.back();
      pending.pop_back();
      if (m.IsOne()) continue;
      const Verdict verdict = Primality(m);
      if (verdict == Verdict::kStopped) return Result::kStopped;
      if (verdict == Verdict::kPrime) {
        primes.push_back(m);
        continue;
      }
      U192 d, q, r;
      if (!Split(m, d)) return Result::kStopped;
      DivMod(m, d, q, r);
      pending.push_back(d);
      pending.push_back(q);
    }
    return Result::kDone;
  }

 private:
  // Prime or composite, proven.
  Verdict Primality(const U192& n) {
    if (n < kMillerRabinProofBound)
      return IsPrimeBelowProofBound(n) ? Verdict::kPrime : Verdict::kComposite;
    if (!IsProbablePrime(n)) return Verdict::kComposite;
    return ProvePrime(n);
  }

  // n - 1 = F R with F factored into proven primes until F^3 >= n.
  Verdict ProvePrime(const U192& n) {
    U192 rest = n - U192(1), f(1);
    std::vector<U192> fPrimes;
    for (std::uint32_t p : SmallPrimes()) {
      if (p >= 65536) break;
      if (RemainderSmall(rest, p) != 0) continue;
      fPrimes.push_back(U192(p));
      do {
        DivideSmall(rest, p);
        f = f * U192(p);
      } while (RemainderSmall(rest, p) == 0);
    }
    std::vector<U192> pending;
    if (!rest.IsOne()) pending.push_back(rest);
    while (!CubeAtLeast(f, n)) {
      // The smallest piece first: the cheapest to settle. (F = n - 1 once
      // every piece is in.)
      assert(!pending.empty());
      const auto smallest = std::min_element(pending.begin(), pending.end());
      const U192 piece = *smallest;
      pending.erase(smallest);
      const Verdict verdict = Primality(piece);
      if (verdict == Verdict::kStopped) return verdict;
      if (verdict == Verdict::kPrime) {
        if (std::find(fPrimes.begin(), fPrimes.end(), piece) == fPrimes.end())
          fPrimes.push_back(piece);
        f = f * piece;
        continue;
      }
      U192 d, q, r;
      if (!Split(piece, d)) return Verdict::kStopped;
      DivMod(piece, d, q, r);
      pending.push_back(d);
      pending.push_back(q);
    }
    return ProveByNMinusOne(n, f, fPrimes, poll_);
  }

  // A proper factor of the composite n, whose prime factors are all above
  // 2^16. False when the run stopped.
  bool Split(const U192& n, U192& factor) {
    const int bits = n.Bits();
    for (int k : {2, 3, 5, 7, 11}) {
      if (bits < 16 * k) break;
      if (IsPower(n, k, factor)) return true;
    }
    if (n.FitsIn64()) {
      for (U64 c = 1;; ++c) {
        if (PollardRho(n, c, U64{1} << 24, poll_, factor)) return true;
        if (poll_.Stopped()) return false;
      }
    }
    if (PollardRho(n, 1, kRhoSteps, poll_, factor)) return true;
    if (poll_.Stopped()) return false;
    // A few elliptic curves for factors of 9 to 15 digits, a small part of
    // what the sieve would take on a number this size.
    for (const EcmLevel& level : kEcmLevels) {
      if (bits < level.minBits) break;
      for (int c = 0; c < level.curves; ++c) {
        if (EcmCurve(n, sigma_++, level.b1, 50 * level.b1, poll_, factor)) return true;
        if (poll_.Stopped()) return false;
      }
    }
    return QuadraticSieve(n, poll_, factor);
  }

  static constexpr U64 kRhoSteps = U64{1} << 12;
  struct EcmLevel {
    int minBits;  // of the number to split
    std::uint32_t b1;
    int curves;
  };
  static constexpr EcmLevel kEcmLevels[] = {
      {100, 150, 3}, {125, 400, 4}, {150, 1000, 4}, {165, 2000, 3}};

  StopPoll& poll_;
  U64 sigma_ = 7;
};

}  // namespace

bool HasFastFactoring() {
#ifdef TAKETA_NO_FAST_FACTORING
  return false;
#else
  return true;
#endif
}

std::optional<std::vector<std::string>> FactorFast(std::string_view n, RunControl& run) {
  StopPoll poll(run);
  Engine engine(poll);
  std::vector<U192> primes;
  // Small prime factors first: the methods below expect none below 2^16.
  U192 rest = U192::FromDecimal(n);
  for (std::uint32_t p : SmallPrimes()) {
    if (p >= 65536 || rest.IsOne()) break;
    while (RemainderSmall(rest, p) == 0) {
      DivideSmall(rest, p);
      primes.push_back(U192(p));
    }
  }
  if (engine.Factor(rest, primes) == Engine::Result::kStopped) return std::nullopt;
  std::sort(primes.begin(), primes.end());
  std::vector<std::string> texts;
  for (const U192& p : primes) texts.push_back(p.ToDecimal());
  return texts;
}

}  // namespace taketa::soinsuu2
