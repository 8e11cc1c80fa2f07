#include "calculators/soinsuu2/quadratic_sieve.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstring>
#include <system_error>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "calculators/soinsuu2/primality.h"
#include "calculators/soinsuu2/stop_poll.h"
#include "digits/vector_level.h"
#if TAKETA_FACTORING_THREADS
#include <mutex>
#include <thread>
#endif

namespace taketa::soinsuu2 {
namespace {

using U32 = std::uint32_t;

// ---------------------------------------------------------------------------
// Arithmetic modulo a small prime.

U32 PowMod(U64 a, U64 e, U32 p) {
  U64 r = 1;
  a %= p;
  for (; e != 0; e >>= 1) {
    if (e & 1) r = r * a % p;
    a = a * a % p;
  }
  return static_cast<U32>(r);
}

// a^(-1) mod p for a prime to p.
U32 InverseMod(U32 a, U32 p) {
  std::int64_t r0 = p, r1 = a, s0 = 0, s1 = 1;
  while (r1 != 0) {
    const std::int64_t q = r0 / r1;
    std::int64_t t = r0 - q * r1;
    r0 = r1;
    r1 = t;
    t = s0 - q * s1;
    s0 = s1;
    s1 = t;
  }
  return static_cast<U32>(s0 < 0 ? s0 + p : s0);
}

// A square root of the quadratic residue a mod the odd prime p
// (Tonelli and Shanks).
U32 SqrtMod(U32 a, U32 p) {
  a %= p;
  if (a == 0) return 0;
  if (p % 4 == 3) return PowMod(a, (p + 1) / 4, p);
  U32 q = p - 1;
  int s = 0;
  while (q % 2 == 0) {
    q /= 2;
    ++s;
  }
  U32 z = 2;
  while (PowMod(z, (p - 1) / 2, p) != p - 1) ++z;
  U64 c = PowMod(z, q, p), r = PowMod(a, (q + 1) / 2, p), t = PowMod(a, q, p);
  int m = s;
  while (t != 1) {
    int i = 0;
    for (U64 tt = t; tt != 1; tt = tt * tt % p) ++i;
    U64 b = c;
    for (int j = 0; j < m - i - 1; ++j) b = b * b % p;
    r = r * b % p;
    c = b * b % p;
    t = t * c % p;
    m = i;
  }
  return static_cast<U32>(r);
}

// x mod p for x below 2^63, p below 2^32, with m = floor((2^64 - 1) / p):
// the estimated quotient is at most one too small.
inline U32 Reduce(U64 x, U32 p, U64 m) {
  const U64 q = static_cast<U64>((UInt128{x} * m) >> 64);
  const U64 r = x - q * p;
  return static_cast<U32>(r >= p ? r - p : r);
}

U32 ModSigned(Int128 v, U32 p) {
  const Int128 r = v % p;
  return static_cast<U32>(r < 0 ? r + p : r);
}

U192 Magnitude(Int128 v) { return U192::From128(static_cast<UInt128>(v < 0 ? -v : v)); }

// ---------------------------------------------------------------------------
// Parameters by the size of kN.

struct Params {
  int bits;          // of kN
  int fbSize;        // primes in the factor base, 2 included
  int halfWidth;     // M: the sieve runs over -M <= x < M
  int lpMultiplier;  // large primes up to this times the largest base prime
};

constexpr Params kParams[] = {
    {64, 60, 4096, 30},    {80, 100, 8192, 30},    {96, 150, 16384, 40},
    {112, 220, 16384, 40}, {128, 350, 16384, 40},  {144, 600, 16384, 50},
    {160, 950, 16384, 60}, {176, 1500, 16384, 70}, {192, 2200, 16384, 80},
};

// FlagRoots reduces a position of the interval modulo a base prime by a
// multiplication that is exact only below this bound: every interval (2M)
// must stay within it, and FactorBase::Build takes no prime from it on.
constexpr U32 kFlagRootsBound = 1u << 16;

constexpr bool IntervalsWithinFlagRootsBound() {
  for (const Params& p : kParams) {
    if (p.halfWidth <= 0 || 2 * static_cast<U32>(p.halfWidth) > kFlagRootsBound) return false;
  }
  return true;
}
static_assert(IntervalsWithinFlagRootsBound(), "an interval too wide for FlagRoots");

Params ParamsFor(int bits) {
  if (bits <= kParams[0].bits) return kParams[0];
  for (std::size_t i = 1; i < std::size(kParams); ++i) {
    const Params& hi = kParams[i];
    if (bits > hi.bits) continue;
    const Params& lo = kParams[i - 1];
    const double f = static_cast<double>(bits - lo.bits) / (hi.bits - lo.bits);
    const auto mix = [f](int a, int b) { return static_cast<int>(std::lround(a + f * (b - a))); };
    return {bits, mix(lo.fbSize, hi.fbSize),
            lo.halfWidth == hi.halfWidth ? lo.halfWidth : hi.halfWidth,
            mix(lo.lpMultiplier, hi.lpMultiplier)};
  }
  return kParams[std::size(kParams) - 1];
}

// Candidates come within this many bits (beyond the large-prime bound) of
// the largest |Q(x)|; the primes below kSmallestSieved are left out of the
// sieve.
constexpr double kThresholdFudge = 12.0;
constexpr U32 kSmallestSieved = 30;

// Odd square-free multipliers k tried for kN.
constexpr U32 kMultipliers[] = {1,  3,  5,  7,  11, 13, 15, 17, 19, 21, 23, 29, 31, 33, 35, 37,
                                39, 41, 43, 47, 51, 53, 55, 57, 59, 61, 65, 67, 69, 71, 73};

// The loops over the whole factor base, built once for plain x86-64 and
// once for AVX2; the processor's level (digits/vector_level.h) picks one.

// r = r + delta mod p (or r - delta), branch-free on values below 2^31: p
// added back where the result went negative.
[[gnu::always_inline]] inline void StepRootsFor(bool subtract, const std::int32_t* delta,
                                                const std::int32_t* p, std::int32_t* r1,
                                                std::int32_t* r2, U32 count) {
  if (subtract) {
    for (U32 i = 0; i < count; ++i) {
      const std::int32_t x = r1[i] + delta[i] - p[i], y = r2[i] + delta[i] - p[i];
      r1[i] = x + (p[i] & (x >> 31));
      r2[i] = y + (p[i] & (y >> 31));
    }
  } else {
    for (U32 i = 0; i < count; ++i) {
      const std::int32_t x = r1[i] - delta[i], y = r2[i] - delta[i];
      r1[i] = x + (p[i] & (x >> 31));
      r2[i] = y + (p[i] & (y >> 31));
    }
  }
}

// flag[i] = 1 where j mod p_i is a root, with j mod p from j * magic >> 32,
// magic = floor(2^32 / p) + 1. Exact for j and p below kFlagRootsBound
// (2^16): j * magic / 2^32 exceeds j / p by less than j / 2^32 < 1 / p,
// which never carries it past the next whole number.
[[gnu::always_inline]] inline void FlagRootsFor(U32 j, const U32* magic, const U32* prime,
                                                const U32* r1, const U32* r2, std::uint8_t* flag,
                                                U32 count) {
  for (U32 i = 0; i < count; ++i) {
    const U32 q = static_cast<U32>((U64{j} * magic[i]) >> 32);
    const U32 r = j - q * prime[i];
    flag[i] = static_cast<std::uint8_t>((r == r1[i]) | (r == r2[i]));
  }
}

void StepRootsBaseline(bool subtract, const std::int32_t* delta, const std::int32_t* p,
                       std::int32_t* r1, std::int32_t* r2, U32 count) {
  StepRootsFor(subtract, delta, p, r1, r2, count);
}

void FlagRootsBaseline(U32 j, const U32* magic, const U32* prime, const U32* r1, const U32* r2,
                       std::uint8_t* flag, U32 count) {
  FlagRootsFor(j, magic, prime, r1, r2, flag, count);
}

#if TAKETA_X86_VECTOR_COPIES
[[gnu::target("avx2")]] void StepRootsAvx2(bool subtract, const std::int32_t* delta,
                                           const std::int32_t* p, std::int32_t* r1,
                                           std::int32_t* r2, U32 count) {
  StepRootsFor(subtract, delta, p, r1, r2, count);
}

[[gnu::target("avx2")]] void FlagRootsAvx2(U32 j, const U32* magic, const U32* prime, const U32* r1,
                                           const U32* r2, std::uint8_t* flag, U32 count) {
  FlagRootsFor(j, magic, prime, r1, r2, flag, count);
}
#endif

void StepRoots(bool subtract, const std::int32_t* delta, const std::int32_t* p, std::int32_t* r1,
               std::int32_t* r2, U32 count) {
#if TAKETA_X86_VECTOR_COPIES
  if (CurrentVectorLevel() >= VectorLevel::kAvx2) {
    return StepRootsAvx2(subtract, delta, p, r1, r2, count);
  }
#endif
  StepRootsBaseline(subtract, delta, p, r1, r2, count);
}

void FlagRoots(U32 j, const U32* magic, const U32* prime, const U32* r1, const U32* r2,
               std::uint8_t* flag, U32 count) {
#if TAKETA_X86_VECTOR_COPIES
  if (CurrentVectorLevel() >= VectorLevel::kAvx2) {
    return FlagRootsAvx2(j, magic, prime, r1, r2, flag, count);
  }
#endif
  FlagRootsBaseline(j, magic, prime, r1, r2, flag, count);
}

// The parts every sieving thread reads and none writes: kN, the factor
// base and the sieve's sizes.
struct FactorBase {
  U192 n, kn;
  U32 k = 1;
  Params params{};
  U32 interval = 0;  // 2M
  U32 size = 0;
  U32 sieveStart = 0;  // the smaller primes are not sieved
  std::vector<U32> prime, sqrt, magic;
  std::vector<U64> reciprocal;  // floor((2^64 - 1) / p)
  std::vector<std::uint8_t> logp;
  U64 lpBound = 0;
  std::uint8_t init = 0;  // the sieve's start value: a candidate reaches 128
  // A is a product of s primes from indices aLo..aHi and one more, near
  // e^logTarget.
  int s = 0;
  U32 aLo = 0, aHi = 0;
  double logTarget = 0;

  // False with a prime factor of n in `factor` when one turns up.
  bool Build(const U192& number, U192& factor);

 private:
  void ChooseMultiplier();
  void ChooseAShape();
};

void FactorBase::ChooseMultiplier() {
  // Knuth and Schroeppel: the expected contribution of the small primes to
  // log Q, less half the log of k.
  const auto& primes = SmallPrimes();
  std::vector<U32> nMod;
  for (std::size_t i = 1; i < primes.size() && primes[i] < 1000; ++i) {
    nMod.push_back(static_cast<U32>(RemainderSmall(n, primes[i])));
  }
  const U32 n8 = static_cast<U32>(n.w[0] & 7);
  double best = -1e9;
  for (U32 m : kMultipliers) {
    U192 product;
    if (!MultiplyChecked(n, U192(m), product) || product.Bits() > 180) break;
    double score = -0.5 * std::log(static_cast<double>(m));
    switch ((m * n8) & 7) {
      case 1: score += 2 * std::log(2.0); break;
      case 5: score += std::log(2.0); break;
      default: score += 0.5 * std::log(2.0); break;
    }
    for (std::size_t i = 0; i < nMod.size(); ++i) {
      const U32 p = primes[i + 1];
      const double lp = std::log(static_cast<double>(p));
      if (m % p == 0) {
        score += lp / p;
      } else if (PowMod(U64{nMod[i]} * m % p, (p - 1) / 2, p) == 1) {
        score += 2 * lp / (p - 1);
      }
    }
    if (score > best) {
      best = score;
      k = m;
    }
  }
  kn = n * U192(k);
}

bool FactorBase::Build(const U192& number, U192& factor) {
  n = number;
  ChooseMultiplier();
  params = ParamsFor(kn.Bits());
  interval = 2 * static_cast<U32>(params.halfWidth);
  // 2, then the primes p with kN a square mod p.
  prime.push_back(2);
  sqrt.push_back(1);
  for (std::size_t i = 1; i < SmallPrimes().size() && prime.size() < U32(params.fbSize); ++i) {
    const U32 p = SmallPrimes()[i];
    if (p >= kFlagRootsBound) break;  // the candidates' divisibility test relies on it
    const U32 nm = static_cast<U32>(RemainderSmall(n, p));
    if (nm == 0) {
      factor = U192(p);
      return false;
    }
    const U32 knm = static_cast<U32>(U64{nm} * (k % p) % p);
    if (knm == 0) {
      prime.push_back(p);
      sqrt.push_back(0);
    } else if (PowMod(knm, (p - 1) / 2, p) == 1) {
      prime.push_back(p);
      sqrt.push_back(SqrtMod(knm, p));
    }
  }
  size = static_cast<U32>(prime.size());
  for (U32 p : prime) {
    magic.push_back(static_cast<U32>((U64{1} << 32) / p + 1));
    reciprocal.push_back(~U64{0} / p);
    logp.push_back(static_cast<std::uint8_t>(std::lround(std::log2(static_cast<double>(p)))));
  }
  sieveStart = 1;
  while (sieveStart < size && prime[sieveStart] < kSmallestSieved) ++sieveStart;
  lpBound = U64{prime[size - 1]} * static_cast<U64>(params.lpMultiplier);
  // Candidates: the sieve sum comes within log2 of the large-prime bound
  // (and a margin for what is not sieved) of log2 |Q(x)| at its largest,
  // M sqrt(kN / 2).
  const double logKn =
      std::log2(static_cast<double>(kn.w[2]) * 0x1p128 + static_cast<double>(kn.w[1]) * 0x1p64 +
                static_cast<double>(kn.w[0]));
  const double logQMax = std::log2(static_cast<double>(params.halfWidth)) + 0.5 * (logKn - 1);
  const double threshold = logQMax - std::log2(static_cast<double>(lpBound)) - kThresholdFudge;
  init =
      static_cast<std::uint8_t>(128 - std::clamp(static_cast<int>(std::lround(threshold)), 8, 120));
  logTarget = 0.5 * (logKn + 1) * std::log(2.0) - std::log(static_cast<double>(params.halfWidth));
  ChooseAShape();
  return true;
}

void FactorBase::ChooseAShape() {
  // Primes of about 1000 where the base reaches that far.
  const double pMax = prime[size - 1];
  const double preferred = std::min(1000.0, pMax / 2);
  s = std::max(1, static_cast<int>(std::lround(logTarget / std::log(preferred))));
  double q = std::exp(logTarget / s);
  while (q > pMax / 1.5 && s < 20) q = std::exp(logTarget / ++s);
  // About forty primes around q: enough for every A needed, few enough
  // that their inverses mod the base primes are computed once each.
  const U32 centre = static_cast<U32>(
      std::lower_bound(prime.begin(), prime.end(), static_cast<U32>(q)) - prime.begin());
  aLo = std::max(sieveStart + 1, centre > 20 ? centre - 20 : 0);
  aHi = std::min(size - 1, aLo + 40);
}

// 2^64 divided by the golden ratio, odd: multiplying by it spreads a word's
// bits over the whole word (Fibonacci hashing), and its multiples give the
// sieving threads seeds that differ in every bit.
constexpr U64 kGoldenRatio64 = 0x9E3779B97F4A7C15ULL;

// A 128-bit value folded into one word.
U64 Fold(UInt128 v) { return static_cast<U64>(v) ^ static_cast<U64>(v >> 64) * kGoldenRatio64; }

struct Hash128 {
  std::size_t operator()(UInt128 v) const { return std::hash<U64>()(Fold(v)); }
};

// The relations found so far, kept by the calling thread: each one
// y^2 = A Q(x) mod N with Q(x) split over the factor base, but for one
// large prime; two with the same large prime make a row of the matrix.
class Relations {
 public:
  explicit Relations(U32 columns) : columnUsed_(columns, 0) {}

  struct Relation {
    Int128 y;   // A x + b
    U32 large;  // 1, or the large prime left over
    U32 first;  // its columns in factors_[first, first + count), with repetition
    U32 count;
  };

  void Add(Int128 y, U32 large, const U32* columns, U32 count) {
    // The same relation twice (two threads on one A) would only make a
    // dependency of no use.
    if (!seen_.insert(static_cast<UInt128>(y)).second) return;
    const U32 index = static_cast<U32>(relations_.size());
    relations_.push_back({y, large, static_cast<U32>(factors_.size()), count});
    factors_.insert(factors_.end(), columns, columns + count);
    if (large == 1) {
      AddRow(index, kNone);
      return;
    }
    const auto [it, inserted] = partialOf_.try_emplace(large, index);
    if (!inserted) AddRow(it->second, index);
  }

  // Enough rows for `extra` dependencies beyond the columns in use.
  bool Enough(U32 extra) const { return rows_.size() >= usedColumns_ + extra; }

  const std::vector<std::array<U32, 2>>& rows() const { return rows_; }
  const Relation& relation(U32 i) const { return relations_[i]; }
  U32 factor(U32 i) const { return factors_[i]; }
  bool used(U32 column) const { return columnUsed_[column] != 0; }

  static constexpr U32 kNone = 0xFFFFFFFF;

 private:
  void AddRow(U32 a, U32 b) {
    rows_.push_back({a, b});
    for (U32 r : {a, b}) {
      if (r == kNone) continue;
      const Relation& rel = relations_[r];
      for (U32 k = 0; k < rel.count; ++k) {
        std::uint8_t& used = columnUsed_[factors_[rel.first + k]];
        usedColumns_ += used == 0;
        used = 1;
      }
    }
  }

  std::vector<U32> factors_;
  std::vector<Relation> relations_;
  std::unordered_set<UInt128, Hash128> seen_;  // the values of y
  std::unordered_map<U32, U32> partialOf_;
  std::vector<std::array<U32, 2>> rows_;  // a full relation, or two partials with one large prime
  std::vector<std::uint8_t> columnUsed_;  // column 0: the sign; 1 + i: base prime i
  U32 usedColumns_ = 0;
};

// Relations found by one thread and not yet handed on: y, the large prime
// and the columns of each.
struct Found {
  std::vector<Int128> y;
  std::vector<U32> large, count, columns;

  bool empty() const { return y.empty(); }
  void clear() {
    y.clear();
    large.clear();
    count.clear();
    columns.clear();
  }
  void Append(Found& more) {
    y.insert(y.end(), more.y.begin(), more.y.end());
    large.insert(large.end(), more.large.begin(), more.large.end());
    count.insert(count.end(), more.count.begin(), more.count.end());
    columns.insert(columns.end(), more.columns.begin(), more.columns.end());
    more.clear();
  }
  void MoveTo(Relations& relations) {
    for (std::size_t i = 0, at = 0; i < y.size(); at += count[i], ++i) {
      relations.Add(y[i], large[i], columns.data() + at, count[i]);
    }
    clear();
  }
};

#if TAKETA_FACTORING_THREADS
// The helper threads of one round of sieving: stopped and joined before
// anything they use goes, whichever way the round ends.
struct Helpers {
  std::atomic<bool> done{false};
  std::vector<std::thread> threads;

  Helpers() { threads.reserve(2); }
  ~Helpers() { Stop(); }
  void Stop() {
    done = true;
    for (std::thread& t : threads) {
      if (t.joinable()) t.join();
    }
  }
};

// Where a helper thread leaves its relations for the calling thread.
// Neither side ever waits for the other: a busy box is tried again after
// the next polynomial, so that a thread preempted while holding it stalls
// nobody.
class Outbox {
 public:
  void Offer(Found& found) {
    if (found.empty()) return;
    const std::unique_lock<std::mutex> lock(mutex_, std::try_to_lock);
    if (lock.owns_lock()) box_.Append(found);
  }
  void Collect(Relations& relations) {
    const std::unique_lock<std::mutex> lock(mutex_, std::try_to_lock);
    if (lock.owns_lock()) box_.MoveTo(relations);
  }

 private:
  std::mutex mutex_;
  Found box_;
};
#endif

// One thread's sieving: its polynomials Q(x) = A x^2 + 2 b x + c with
// (A x + b)^2 - kN = A Q(x), run through the 2^(s-1) values of b for each A.
class Sieving {
 public:
  Sieving(const FactorBase& fb, U64 seed) : fb_(fb), rng_(seed), aLo_(fb.aLo), aHi_(fb.aHi) {
    root1_.assign(fb.size, kNoRoot);
    root2_.assign(fb.size, kNoRoot);
    step_ = fb.prime;
    bainv_.assign(static_cast<std::size_t>(fb.s) * fb.size, 0);
    inverseOf_.resize(fb.size);
    sieve_.resize(fb.interval + 32);
    flags_.assign((fb.size + 7) / 8 * 8, 0);
  }

  // The relations found and not yet taken.
  Found& found() { return found_; }

  // One polynomial: sieved, its relations kept in found().
  void Next() {
    if (index_ == 0) {
      NewA();
    } else {
      NextB(index_);
    }
    index_ = index_ + 1 == (1u << (fb_.s - 1)) ? 0 : index_ + 1;
    SieveInterval();
    Scan();
  }

 private:
  static constexpr U32 kNoRoot = 0x7FFFFFFF;

  // A new A and the first of its polynomials: its primes, the terms B_l of
  // b, and the roots of Q mod every base prime.
  void NewA();
  Int128 ChooseA();
  void ComputeB();
  void ComputeInverses();
  void ComputeRoots();
  void NextB(U32 index);
  void ComputeC();
  void SieveInterval();
  void Scan();
  // Q(x) at the position j of the interval split over the factor base;
  // kept when what is left is 1 or one large prime.
  void Candidate(U32 j);
  void DivideOutA(UInt128& u);
  void DivideOutTwos(UInt128& u);
  void DivideOutBasePrimes(U32 j, UInt128& u);

  U64 Random() {
    rng_ ^= rng_ << 13;
    rng_ ^= rng_ >> 7;
    rng_ ^= rng_ << 17;
    return rng_;
  }

  const FactorBase& fb_;
  Found found_;
  U64 rng_;
  U32 index_ = 0;  // of the next polynomial for this A
  U32 aLo_, aHi_;  // the range A's primes come from

  std::vector<U32> aIndex_;
  std::vector<Int128> bTerm_;  // B_l
  std::vector<U32> gamma_;     // B_l = (A / q_l) gamma_l
  Int128 a_ = 0, b_ = 0, c_ = 0;
  bool cValid_ = false;
  std::unordered_set<U64> usedA_;

  std::vector<U32> root1_, root2_;  // x + M mod p at the roots of Q
  std::vector<U32> step_;           // p, or 0 where the roots stay (2, A's primes)
  std::vector<U32> bainv_;          // 2 B_l / A mod p: s rows
  // q^(-1) mod p for every base prime p, by the index of q; filled when q
  // first becomes a factor of A.
  std::vector<std::vector<U32>> inverseOf_;

  std::vector<std::uint8_t> sieve_;
  std::vector<std::uint8_t> flags_;
  std::vector<U32> hits_;
  std::vector<U32> columns_;
};

// How far the value wanted for A's last prime may go: below 2^32.
constexpr double kLargestLastPrime = 4e9;
// A thread that keeps drawing values of A it has had widens its range
// after this many, and takes an old value after kRepeatsOfA.
constexpr int kWidenAfter = 64;
constexpr int kRepeatsOfA = 4096;

void Sieving::NewA() {
  a_ = ChooseA();
  ComputeB();
  cValid_ = false;
  step_ = fb_.prime;
  step_[0] = 0;
  for (U32 i : aIndex_) step_[i] = 0;
  ComputeInverses();
  ComputeRoots();
}

Int128 Sieving::ChooseA() {
  const U32 size = fb_.size;
  const std::vector<U32>& prime = fb_.prime;
  // s - 1 random primes of the range, the last one chosen to bring A near
  // its target; each A once per thread, and the threads' seeds differ.
  const auto taken = [&](U32 i) {
    return fb_.sqrt[i] == 0 || std::find(aIndex_.begin(), aIndex_.end(), i) != aIndex_.end();
  };
  for (int repeats = 0;;) {
    aIndex_.clear();
    double logA = 0;
    while (aIndex_.size() + 1 < static_cast<std::size_t>(fb_.s)) {
      const U32 i = aLo_ + static_cast<U32>(Random() % (aHi_ - aLo_ + 1));
      if (taken(i)) continue;
      aIndex_.push_back(i);
      logA += std::log(static_cast<double>(prime[i]));
    }
    const double want = std::min(std::exp(fb_.logTarget - logA), kLargestLastPrime);
    U32 last = static_cast<U32>(
        std::lower_bound(prime.begin() + fb_.sieveStart + 1, prime.end(), static_cast<U32>(want)) -
        prime.begin());
    if (last >= size) last = size - 1;
    while (taken(last) && last + 1 < size) ++last;
    if (taken(last)) continue;
    aIndex_.push_back(last);
    std::sort(aIndex_.begin(), aIndex_.end());
    Int128 a = 1;
    for (U32 i : aIndex_) a *= prime[i];
    if (usedA_.insert(Fold(static_cast<UInt128>(a))).second) return a;
    // A small base runs out of new values of A: the range widens, and
    // where it cannot, old values come again (their relations are dropped
    // as repeats).
    if (++repeats % kWidenAfter == 0) {
      aLo_ = aLo_ > fb_.sieveStart + 1 ? aLo_ - 1 : aLo_;
      aHi_ = std::min(size - 1, aHi_ + 1);
    }
    if (repeats >= kRepeatsOfA) return a;
  }
}

void Sieving::ComputeB() {
  // b^2 = kN mod A from B_l = (A / q_l) gamma_l, gamma_l = t_l (A / q_l)^(-1)
  // mod q_l.
  bTerm_.clear();
  gamma_.clear();
  b_ = 0;
  for (U32 i : aIndex_) {
    const U32 q = fb_.prime[i];
    const Int128 aq = a_ / q;
    U32 gamma = static_cast<U32>(U64{fb_.sqrt[i]} * InverseMod(ModSigned(aq, q), q) % q);
    if (gamma > q / 2) gamma = q - gamma;
    gamma_.push_back(gamma);
    bTerm_.push_back(aq * gamma);
    b_ += bTerm_.back();
  }
}

void Sieving::ComputeInverses() {
  // q^(-1) mod p for A's primes q, once for each q.
  const U32 size = fb_.size;
  const std::vector<U32>& prime = fb_.prime;
  for (U32 i : aIndex_) {
    std::vector<U32>& inverses = inverseOf_[i];
    if (!inverses.empty()) continue;
    inverses.resize(size);
    for (U32 k = 1; k < size; ++k) {
      const U32 q = Reduce(prime[i], prime[k], fb_.reciprocal[k]);
      inverses[k] = q == 0 ? 0 : InverseMod(q, prime[k]);
    }
  }
}

void Sieving::ComputeRoots() {
  // With w_l = gamma_l q_l^(-1) mod p: A^(-1) b = sum w_l and
  // 2 A^(-1) B_l = 2 w_l, so that no inverse of A itself is needed.
  const U32 size = fb_.size;
  const int s = fb_.s;
  const U32 m = static_cast<U32>(fb_.params.halfWidth);
  for (U32 i = 1; i < size; ++i) {
    const U32 p = fb_.prime[i];
    if (step_[i] == 0) {
      root1_[i] = root2_[i] = kNoRoot;
      for (int l = 0; l < s; ++l) bainv_[static_cast<std::size_t>(l) * size + i] = 0;
      continue;
    }
    const U64 rc = fb_.reciprocal[i];
    U32 ainv = 1, sum = 0;
    for (int l = 0; l < s; ++l) {
      const U32 inverse = inverseOf_[aIndex_[l]][i];
      const U32 w = Reduce(U64{Reduce(gamma_[l], p, rc)} * inverse, p, rc);
      const U32 w2 = 2 * w;
      bainv_[static_cast<std::size_t>(l) * size + i] = w2 >= p ? w2 - p : w2;
      sum += w;
      if (sum >= p) sum -= p;
      ainv = Reduce(U64{ainv} * inverse, p, rc);
    }
    const U32 at = Reduce(U64{ainv} * fb_.sqrt[i], p, rc);
    const U32 mm = Reduce(m, p, rc);
    root1_[i] = Reduce(U64{at} + 2 * p - sum + mm, p, rc);
    root2_[i] = Reduce(U64{p - at} + 2 * p - sum + mm, p, rc);
  }
}

void Sieving::NextB(U32 index) {
  // Gray code: the polynomial `index` differs from the one before in the
  // sign of one B_v.
  const int v = std::countr_zero(index);
  const bool subtract = ((index >> (v + 1)) & 1) == 0;
  const U32 count = fb_.size;
  // c follows b: with d = b' - b = -+2 B_v, c' - c = d (2b + d) / A
  // = -+2 gamma_v (2b + d) / q_v, where q_v divides 2b + d exactly.
  const Int128 d = subtract ? -2 * bTerm_[v] : 2 * bTerm_[v];
  if (cValid_) {
    const Int128 e = (2 * b_ + d) / static_cast<Int128>(fb_.prime[aIndex_[v]]);
    c_ += (subtract ? -2 : 2) * static_cast<Int128>(gamma_[v]) * e;
  }
  b_ += d;
  // The roots move by -+2 B_v / A mod p.
  StepRoots(subtract,
            reinterpret_cast<const std::int32_t*>(&bainv_[static_cast<std::size_t>(v) * count]),
            reinterpret_cast<const std::int32_t*>(step_.data()),
            reinterpret_cast<std::int32_t*>(root1_.data()),
            reinterpret_cast<std::int32_t*>(root2_.data()), count);
}

void Sieving::ComputeC() {
  // c = (b^2 - kN) / A, exactly.
  const U192 bb = Magnitude(b_) * Magnitude(b_);
  const U192 a = Magnitude(a_);
  U192 q, r;
  if (bb < fb_.kn) {
    DivMod(fb_.kn - bb, a, q, r);
    c_ = -static_cast<Int128>(q.Low128());
  } else {
    DivMod(bb - fb_.kn, a, q, r);
    c_ = static_cast<Int128>(q.Low128());
  }
  assert(r.IsZero());
  cValid_ = true;
}

void Sieving::SieveInterval() {
  std::uint8_t* s = sieve_.data();
  std::memset(s, fb_.init, fb_.interval);
  const U32 end = fb_.interval, count = fb_.size;
  const U32* prime = fb_.prime.data();
  const std::uint8_t* logp = fb_.logp.data();
  const U32* root1 = root1_.data();
  const U32* root2 = root2_.data();
  // Both roots in one loop, then the lower one's last step (A's primes
  // have both roots beyond the interval).
  for (U32 i = fb_.sieveStart; i < count; ++i) {
    const U32 p = prime[i];
    const std::uint8_t lg = logp[i];
    U32 lo = root1[i], hi = root2[i];
    if (lo > hi) std::swap(lo, hi);
    const U32 diff = hi - lo;
    U32 j = lo;
    for (; j + diff < end; j += p) {
      s[j] += lg;
      s[j + diff] += lg;
    }
    if (j < end) s[j] += lg;
  }
}

void Sieving::Scan() {
  const std::uint8_t* s = sieve_.data();
  constexpr U64 kHigh = 0x8080808080808080ULL;
  for (U32 j = 0; j < fb_.interval; j += 32) {
    U64 w[4];
    std::memcpy(w, s + j, 32);
    if (((w[0] | w[1] | w[2] | w[3]) & kHigh) == 0) continue;
    for (U32 k = 0; k < 4; ++k) {
      for (U64 word = w[k] & kHigh; word != 0; word &= word - 1) {
        Candidate(j + 8 * k + static_cast<U32>(std::countr_zero(word) / 8));
      }
    }
  }
}

void Sieving::Candidate(U32 j) {
  if (!cValid_) ComputeC();
#ifndef NDEBUG
  {
    const Int128 saved = c_;
    ComputeC();
    assert(saved == c_);
  }
#endif
  const std::int64_t x = static_cast<std::int64_t>(j) - fb_.params.halfWidth;
  const Int128 q = (a_ * x + 2 * b_) * x + c_;
  if (q == 0) return;
  UInt128 u = static_cast<UInt128>(q < 0 ? -q : q);
  columns_.clear();
  if (q < 0) columns_.push_back(0);
  DivideOutA(u);
  DivideOutTwos(u);
  DivideOutBasePrimes(j, u);
  // What is left: 1, a large prime (below pMax^2, with no factor in the
  // base), or too much.
  if (u >> 64 != 0 || static_cast<U64>(u) > fb_.lpBound) return;
  found_.y.push_back(a_ * x + b_);
  found_.large.push_back(static_cast<U32>(u));
  found_.count.push_back(static_cast<U32>(columns_.size()));
  found_.columns.insert(found_.columns.end(), columns_.begin(), columns_.end());
}

void Sieving::DivideOutA(UInt128& u) {
  // A's primes: once for A, and as often as they divide Q(x).
  for (U32 i : aIndex_) {
    const U32 p = fb_.prime[i];
    columns_.push_back(i + 1);
    while (u % p == 0) {
      u /= p;
      columns_.push_back(i + 1);
    }
  }
}

void Sieving::DivideOutTwos(UInt128& u) {
  const int twos = static_cast<U64>(u) != 0 ? std::countr_zero(static_cast<U64>(u))
                                            : 64 + std::countr_zero(static_cast<U64>(u >> 64));
  u >>= twos;
  columns_.insert(columns_.end(), static_cast<std::size_t>(twos), 1);
}

void Sieving::DivideOutBasePrimes(U32 j, UInt128& u) {
  // The other base primes that divide Q(x) are those with x at a root: a
  // flag per prime first (a loop without branches), then the primes
  // flagged.
  const U32* prime = fb_.prime.data();
  std::uint8_t* flag = flags_.data();
  const U32 count = fb_.size;
  FlagRoots(j, fb_.magic.data(), prime, root1_.data(), root2_.data(), flag, count);
  hits_.clear();
  for (U32 i = 0; i < count; i += 8) {
    U64 word;
    std::memcpy(&word, flag + i, 8);
    for (; word != 0; word &= word - 1)
      hits_.push_back(i + static_cast<U32>(std::countr_zero(word) / 8));
  }
  for (U32 i : hits_) {
    const U32 p = prime[i];
    do {
      if (u >> 64 == 0) {  // the rest in 64-bit divisions
        U64 v = static_cast<U64>(u);
        do {
          v /= p;
          columns_.push_back(i + 1);
        } while (v % p == 0);
        u = v;
        break;
      }
      u /= p;
      columns_.push_back(i + 1);
    } while (u % p == 0);
  }
}

// The rows of the relations over GF(2): for each row, the parity of each
// column in use (the sign and the base primes that occur), then a history
// of the rows added to it, the identity at first.
struct Matrix {
  U32 rows = 0;
  U32 columnWords = 0;  // words of a row's columns; its history follows
  U32 width = 0;        // words of a whole row
  std::vector<U64> bits;

  U64* row(U32 r) { return &bits[static_cast<std::size_t>(r) * width]; }
  const U64* history(U32 r) const {
    return &bits[static_cast<std::size_t>(r) * width + columnWords];
  }
};

// Each row's exponents mod 2, over the columns in use only.
Matrix BuildMatrix(const FactorBase& fb, const Relations& relations, U32& columns) {
  constexpr U32 kNone = Relations::kNone;
  const auto& rowList = relations.rows();
  std::vector<U32> dense(fb.size + 1, kNone);
  columns = 0;
  for (U32 i = 0; i < dense.size(); ++i) {
    if (relations.used(i)) dense[i] = columns++;
  }
  Matrix m;
  m.rows = static_cast<U32>(rowList.size());
  m.columnWords = (columns + 63) / 64;
  m.width = m.columnWords + (m.rows + 63) / 64;
  m.bits.assign(static_cast<std::size_t>(m.rows) * m.width, 0);
  for (U32 r = 0; r < m.rows; ++r) {
    U64* row = m.row(r);
    for (U32 rel : rowList[r]) {
      if (rel == kNone) continue;
      const auto& x = relations.relation(rel);
      for (U32 k = 0; k < x.count; ++k) {
        const U32 col = dense[relations.factor(x.first + k)];
        row[col / 64] ^= U64{1} << (col % 64);
      }
    }
    row[m.columnWords + r / 64] |= U64{1} << (r % 64);
  }
  return m;
}

// Gaussian elimination; the rows left without a pivot are dependencies,
// their histories the rows whose product is a square. The columns of the
// large primes, with few entries, come first, so that the dense ones of
// the small primes are filled in last. A row without a pivot has nothing
// left in the columns already done, so each step works on the words up to
// the current column's, and the history. False when the run stopped.
bool Eliminate(Matrix& m, U32 columns, StopPoll& poll, std::vector<std::uint8_t>& pivot) {
  pivot.assign(m.rows, 0);
  for (U32 col = columns; col-- > 0;) {
    const U32 w = col / 64;
    const U64 bit = U64{1} << (col % 64);
    U32 pr = Relations::kNone;
    for (U32 r = 0; r < m.rows; ++r) {
      if (!pivot[r] && (m.row(r)[w] & bit)) {
        pr = r;
        break;
      }
    }
    if (pr == Relations::kNone) continue;
    pivot[pr] = 1;
    const U64* src = m.row(pr);
    for (U32 r = pr + 1; r < m.rows; ++r) {
      U64* dst = m.row(r);
      if (pivot[r] || !(dst[w] & bit)) continue;
      for (U32 k = 0; k <= w; ++k) dst[k] ^= src[k];
      for (U32 k = m.columnWords; k < m.width; ++k) dst[k] ^= src[k];
    }
    if ((col & 63) == 0 && poll.Stopped()) return false;
  }
  return true;
}

// The square root of one dependency: x the product of its relations' y,
// y the square root of the product of their Q (each base prime to half its
// exponent, each pair's large prime once), so that x^2 = y^2 mod n; a
// factor when x != +-y.
template <class Montgomery>
bool FactorFromDependency(const Montgomery& mont, const FactorBase& fb, const Relations& relations,
                          const U64* history, U32 rows, U192& factor) {
  constexpr U32 kNone = Relations::kNone;
  const U192& n = fb.n;
  const auto reduced = [&](U192 v) {
    if (!(v < n)) {
      U192 q, rem;
      DivMod(v, n, q, rem);
      v = rem;
    }
    return mont.To(v);
  };
  const auto& rowList = relations.rows();
  std::vector<U32> exponent(fb.size + 1, 0);
  auto x = mont.One(), y = mont.One();
  for (U32 k = 0; k < rows; ++k) {
    if (!((history[k / 64] >> (k % 64)) & 1)) continue;
    for (U32 rel : rowList[k]) {
      if (rel == kNone) continue;
      const auto& re = relations.relation(rel);
      x = mont.Mul(x, reduced(Magnitude(re.y)));
      for (U32 f = 0; f < re.count; ++f) ++exponent[relations.factor(re.first + f)];
    }
    // Two partials: their large prime squared.
    if (rowList[k][1] != kNone)
      y = mont.Mul(y, reduced(U192(relations.relation(rowList[k][0]).large)));
  }
  for (U32 col = 1; col < exponent.size(); ++col) {
    if (exponent[col] == 0) continue;
    assert(exponent[col] % 2 == 0);
    y = mont.Mul(y, mont.Pow(mont.To(U192(fb.prime[col - 1])), U192(exponent[col] / 2)));
  }
  for (const auto& z : {mont.Sub(x, y), mont.Add(x, y)}) {
    const U192 g = Gcd(mont.From(z), n);
    if (!g.IsOne() && g != n) {
      factor = g;
      return true;
    }
  }
  return false;
}

// x^2 = y^2 mod N from each dependency of the rows, until one gives a
// factor.
bool Solve(const FactorBase& fb, const Relations& relations, StopPoll& poll, U192& factor) {
  U32 columns = 0;
  Matrix m = BuildMatrix(fb, relations, columns);
  std::vector<std::uint8_t> pivot;
  if (!Eliminate(m, columns, poll, pivot)) return false;
  return WithMontgomery(fb.n, [&](const auto& mont) {
    for (U32 r = 0; r < m.rows; ++r) {
      if (pivot[r]) continue;
      if (FactorFromDependency(mont, fb, relations, m.history(r), m.rows, factor)) return true;
      if (poll.Stopped()) return false;
    }
    return false;
  });
}

// Dependencies wanted beyond the columns in use: each gives a factor with
// probability one half at least, so the first round rarely needs a second,
// which wants more.
constexpr U32 kExtraRows = 24;
constexpr U32 kMoreExtraRows = 16;

}  // namespace

bool QuadraticSieve(const U192& n, StopPoll& poll, U192& factor) {
  FactorBase fb;
  if (!fb.Build(n, factor)) return true;
  Relations relations(fb.size + 1);
  const unsigned threads = FactoringThreads();
  std::vector<Sieving> sievings;
  for (unsigned t = 0; t < threads; ++t) sievings.emplace_back(fb, kGoldenRatio64 * (t + 1));
#if TAKETA_FACTORING_THREADS
  std::vector<Outbox> outboxes(threads);
#endif
  U32 extra = kExtraRows;
  for (;;) {
#if TAKETA_FACTORING_THREADS
    // Helper threads sieve until this one has seen enough rows, or a stop.
    Helpers helpers;
    try {
      for (unsigned t = 1; t < threads; ++t) {
        helpers.threads.emplace_back(
            [&done = helpers.done, &sieving = sievings[t], &outbox = outboxes[t]] {
              while (!done.load(std::memory_order_relaxed)) {
                sieving.Next();
                outbox.Offer(sieving.found());
              }
            });
      }
    } catch (const std::system_error&) {
      // No more threads to be had: those there are sieve.
    }
    const std::size_t helping = helpers.threads.size();
    const auto collect = [&] {
      for (std::size_t t = 1; t <= helping; ++t) outboxes[t].Collect(relations);
    };
#else
    const auto collect = [] {};
#endif
    bool stopped = false;
    do {
      sievings[0].Next();
      sievings[0].found().MoveTo(relations);
      collect();
      stopped = poll.Stopped();
    } while (!stopped && !relations.Enough(extra));
#if TAKETA_FACTORING_THREADS
    helpers.Stop();
    collect();
    for (std::size_t t = 1; t <= helping; ++t) sievings[t].found().MoveTo(relations);
#endif
    if (stopped) return false;
    if (Solve(fb, relations, poll, factor)) return true;
    if (poll.Stopped()) return false;
    extra += kMoreExtraRows;
  }
}

}  // namespace taketa::soinsuu2
