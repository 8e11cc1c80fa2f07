#include "calculators/soinsuu2/fast_factoring.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <chrono>
#include <system_error>

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
    std::vector<Curve> curves;
    for (const EcmLevel& level : kEcmLevels) {
      if (bits < level.minBits) break;
      for (int c = 0; c < level.curves; ++c) curves.push_back({level.b1, sigma_++});
    }
    if (RunCurves(n, curves, factor)) return true;
    if (poll_.Stopped()) return false;
    return QuadraticSieve(n, poll_, factor);
  }

  struct Curve {
    std::uint32_t b1;
    U64 sigma;
  };

  // The curves in turn, on this thread and a helper where there is one.
  // True with a factor of n from one of them.
  bool RunCurves(const U192& n, const std::vector<Curve>& curves, U192& factor) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> done{false};
    const auto run = [&](StopSignal& stop, U192& found) {
      for (std::size_t i; !done.load(std::memory_order_relaxed) && (i = next++) < curves.size();) {
        if (EcmCurve(n, curves[i].sigma, curves[i].b1, 50 * curves[i].b1, stop, found)) {
          done = true;
          return true;
        }
        if (stop.Stopped()) return false;
      }
      return false;
    };
#if TAKETA_FACTORING_THREADS
    if (curves.size() > 1 && FactoringThreads() > 1) {
      std::atomic<bool> helperDone{false};
      bool helperFound = false;
      U192 helperFactor;
      std::thread helper;
      try {
        helper = std::thread([&] {
          StopFlag stop(done);
          helperFound = run(stop, helperFactor);
          helperDone.store(true, std::memory_order_release);
        });
      } catch (const std::system_error&) {
        // No thread to be had: this one runs every curve.
      }
      struct Joiner {  // whichever way this ends
        std::thread& thread;
        std::atomic<bool>& done;
        ~Joiner() {
          if (thread.joinable()) {
            done = true;
            thread.join();
          }
        }
      } joiner{helper, done};
      bool found = run(poll_, factor);
      if (helper.joinable()) {
        // The helper's last curve, still asking the run every few
        // milliseconds; a stop or a factor found here ends it early.
        while (!helperDone.load(std::memory_order_acquire)) {
          if (found || poll_.Stopped()) done = true;
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        helper.join();
        if (!found && helperFound) {
          factor = helperFactor;
          found = true;
        }
      }
      return found;
    }
#endif
    return run(poll_, factor);
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
