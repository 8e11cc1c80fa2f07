#include "calculators/soinsuu2/soinsuu2_calc.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "calculators/common/text.h"
#include "calculators/soinsuu2/cofactor.h"
#include "calculators/soinsuu2/fast_factoring.h"

namespace taketa::soinsuu2 {
namespace {

// The points where the window lets pending events run, once after every
// trial division that fails and every advance of the divisor. The run is
// asked whether it must stop at one point in kPollEvery, a few microseconds
// apart, so that polling does not cost more than dividing.
class Passes {
 public:
  explicit Passes(RunControl& run) : run_(run) {}

  bool busy() const { return busy_; }

  void Pass() {
    if (--countdown_ != 0) [[likely]]
      return;
    countdown_ = kPollEvery;
    if (run_.StopRequested()) busy_ = false;
  }

 private:
  static constexpr int kPollEvery = 4096;
  RunControl& run_;
  int countdown_ = kPollEvery;
  bool busy_ = true;
};

// The result as it grows: each factor but the last followed by ×.
class Factors {
 public:
  explicit Factors(RunControl& run) : run_(run) {}

  bool empty() const { return text_.empty(); }

  void Append(const std::string& factor) {
    text_ += factor;
    text_ += "×";
    run_.ShowProgress(text_, kFactorsBox);
  }

  Factorisation Last(const std::string& factor) const {
    return {true, text_ + factor, text_ + factor + std::string(kDoneSuffix)};
  }

  static Factorisation Prime(std::string_view working) {
    const std::string message = std::string(working) + std::string(kPrimeSuffix);
    return {true, message, message};
  }

  Factorisation Stopped() const { return {false, text_, text_}; }

 private:
  RunControl& run_;
  std::string text_;
};

// Once the divisor has passed a prime p, p no longer divides the cofactor:
// it was divided out as often as it went. So a later divisor that is a
// multiple of 3, 5, 7, 11 or 13 cannot divide it either, and its trial
// division can be skipped without changing a factor or a progress value.
// The wheel lists the odd residues mod 30030 that may divide (those prime
// to 15015, and the five primes themselves) as gaps from one to the next.
struct Wheel {
  static constexpr std::uint32_t kPeriod = 2 * 3 * 5 * 7 * 11 * 13;
  std::vector<std::uint16_t> gaps;  // gaps[k]: from the k-th residue to the next
  std::size_t start = 0;            // the position of 3

  Wheel() {
    std::vector<std::uint32_t> residues;
    for (std::uint32_t w = 1; w < kPeriod; w += 2) {
      const bool prime = w == 3 || w == 5 || w == 7 || w == 11 || w == 13;
      if (prime || (w % 3 && w % 5 && w % 7 && w % 11 && w % 13)) residues.push_back(w);
    }
    for (std::size_t k = 0; k < residues.size(); ++k) {
      const std::uint32_t next = k + 1 < residues.size() ? residues[k + 1] : residues[0] + kPeriod;
      gaps.push_back(static_cast<std::uint16_t>(next - residues[k]));
      if (residues[k] == 3) start = k;
    }
  }
};

const Wheel& TheWheel() {
  static const Wheel wheel;
  return wheel;
}

// Trial division hands over to the fast phase before its divisor passes
// this bound: up to it, the factors and the progress values are those of
// trying every odd divisor; beyond it, trying divisors can take longer than
// anyone waits.
constexpr std::uint64_t kSwitchBound = 2000000;

enum class Step {
  kDivisor,     // the next divisor to try
  kPastBound,   // past the square root of the cofactor: trial division ends
  kPastSwitch,  // past kSwitchBound with the square root still above
};

// The odd trial divisors from 3 up, as the window steps through them: each
// advance by 2 shows the divisor when it is the next of firstShown,
// firstShown + shownEvery, ...; the advance that passes the bound is the
// last. Divisors that cannot divide are stepped over in one go, with the
// same progress values and the same last divisor.
template <class Int>
class TrialDivisors {
 public:
  TrialDivisors(RunControl& run, Int firstShown, Int shownEvery)
      : run_(run),
        wheel_(TheWheel()),
        position_(wheel_.start),
        nextShown_(firstShown),
        shownEvery_(shownEvery),
        switchAt_(HasFastFactoring() ? kSwitchBound : ~Int{0}) {}

  Int value() const { return value_; }

  // Advances to the next divisor that may divide. kPastBound when an
  // advance passed `bound`: the divisor is then the first odd number above
  // it, or the one after the divisor when that is already above.
  // kPastSwitch, with nothing shown, when the next divisor is past the
  // switch bound but not past `bound`.
  Step Next(Int bound) {
    const Int next = value_ + wheel_.gaps[position_];
    position_ = position_ + 1 == wheel_.gaps.size() ? 0 : position_ + 1;
    if (next > bound) [[unlikely]]
      return PassBound(bound);
    if (next > switchAt_) [[unlikely]]
      return Step::kPastSwitch;
    if (next >= nextShown_) [[unlikely]]
      ShowUpTo(next);
    value_ = next;
    return Step::kDivisor;
  }

 private:
  // Kept out of the loop above, which runs millions of times.
  [[gnu::noinline]] Step PassBound(Int bound) {
    // The first odd number above the bound; when a factor just divided out
    // left a bound below the divisor, the divisor's next step.
    value_ = std::max<Int>(value_ + 2, bound % 2 == 0 ? bound + 1 : bound + 2);
    ShowUpTo(value_);
    return Step::kPastBound;
  }

  [[gnu::noinline]] void ShowUpTo(Int divisor) {
    for (; nextShown_ <= divisor; nextShown_ += shownEvery_) {
      run_.ShowProgress(ToDecimal(nextShown_), kDivisorBox);
    }
  }

  RunControl& run_;
  const Wheel& wheel_;
  std::size_t position_;
  Int value_ = 3;
  Int nextShown_;
  Int shownEvery_;
  Int switchAt_;
};

// The fast phase on what trial division left: its prime factors, all above
// the divisors tried, follow the factors found so far.
Factorisation FinishFast(const std::string& cofactor, std::string_view working, Factors& factors,
                         RunControl& run) {
  const std::optional<std::vector<std::string>> primes = FactorFast(cofactor, run);
  if (!primes) return factors.Stopped();
  if (factors.empty() && primes->size() == 1) return Factors::Prime(working);
  for (std::size_t i = 0; i + 1 < primes->size(); ++i) factors.Append((*primes)[i]);
  return factors.Last(primes->back());
}

// floor(sqrt(n)) exactly: the extended-precision root, set right where it
// rounded across an integer.
std::uint64_t SquareRoot(std::uint64_t n) {
  auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(n)));
  while (UInt128{root} * root > n) --root;
  while (UInt128{root + 1} * (root + 1) <= n) ++root;
  return root;
}

Factorisation ShortPath(std::string_view working, RunControl& run) {
  std::uint64_t n = std::stoull(std::string(working));
  Factors factors(run);
  if (n < 4) return Factors::Prime(working);  // sqrt(n) < 2: 2 and 3
  while (n % 2 == 0) {
    if (n == 2) return factors.Last("2");
    factors.Append("2");
    n /= 2;
  }
  run.ShowProgress("3", kDivisorBox);
  std::uint64_t bound = SquareRoot(n);  // a divisor equal to the root is still tried
  run.ShowStep(static_cast<std::int64_t>(bound), kBoundBox);
  TrialDivisors<std::uint64_t> divisors(run, 100001, 100000);  // shown when i mod 100000 = 1
  Passes passes(run);
  Step step = 3 <= bound ? Step::kDivisor : Step::kPastBound;
  for (; step == Step::kDivisor && passes.busy(); step = divisors.Next(bound)) {
    const std::uint64_t i = divisors.value();
    if (OddDivides(&n, 1, i, InverseMod2To64(i))) {
      std::uint64_t q = n / i;
      // Divided out as often as it goes, the bound shown after each time.
      do {
        if (q == 1) return factors.Last(std::to_string(i));
        factors.Append(std::to_string(i));
        n = q;
        q = n / i;
        bound = SquareRoot(n);
        run.ShowStep(static_cast<std::int64_t>(bound), kBoundBox);
      } while (n - i * q == 0);
    }
    passes.Pass();
  }
  if (!passes.busy()) return factors.Stopped();
  if (step == Step::kPastSwitch) return FinishFast(std::to_string(n), working, factors, run);
  return factors.empty() ? Factors::Prime(working) : factors.Last(std::to_string(n));
}

Factorisation LongPath(std::string_view working, RunControl& run) {
  Cofactor n = Cofactor::FromDecimal(working);
  Factors factors(run);
  while (n.Remainder(2) == 0) {
    n.DivideExactly(2);
    if (n.IsOne()) return factors.Last("2");
    factors.Append("2");
  }
  run.ShowProgress("3", kDivisorBox);
  UInt128 bound = n.Sqrt();
  run.ShowProgress(ToDecimal(bound), kBoundBox);
  // Shown when it has more than four digits and ends in 9999.
  TrialDivisors<UInt128> divisors(run, 19999, 10000);
  Passes passes(run);
  Step step = 3 <= bound ? Step::kDivisor : Step::kPastBound;
  for (; step == Step::kDivisor && passes.busy(); step = divisors.Next(bound)) {
    const UInt128 d = divisors.value();
    const bool divides = d >> 64 == 0
                             ? n.DividedByOdd(static_cast<std::uint64_t>(d),
                                              InverseMod2To64(static_cast<std::uint64_t>(d)))
                             : n.Remainder(d) == 0;
    if (divides) {
      do {
        n.DivideExactly(d);
        if (n.IsOne()) return factors.Last(ToDecimal(d));
        factors.Append(ToDecimal(d));
        bound = n.Sqrt();
        run.ShowProgress(ToDecimal(bound), kBoundBox);
      } while (n.Remainder(d) == 0);
    }
    passes.Pass();
  }
  if (!passes.busy()) return factors.Stopped();
  if (step == Step::kPastSwitch) return FinishFast(n.ToDecimal(), working, factors, run);
  return factors.empty() ? Factors::Prime(working) : factors.Last(n.ToDecimal());
}

}  // namespace

InputCheck CheckInput(std::string_view edit1, std::string& working) {
  const InputError refused{std::string(kMessage), 0, {}};
  if (edit1.empty() || !AllDigits(edit1)) return refused;
  if (Cp932Length(edit1) > 50) return InputError{std::string(kLengthMessage), 0, {}};
  const std::string_view digits = StripLeadingZeros(edit1);
  if (digits.empty() || digits == "1") return refused;
  working = std::string(digits);
  return std::nullopt;
}

bool UsesShortPath(std::string_view working) {
  if (working.size() != 19) return working.size() <= 18;
  return working <= std::string_view("9223372000000000000");
}

Factorisation Factorise(std::string_view working, RunControl& run) {
  return UsesShortPath(working) ? ShortPath(working, run) : LongPath(working, run);
}

std::string SaveTitle(std::string_view edit1) { return std::string(edit1) + " の素因数分解結果"; }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  std::string working;
  if (InputCheck error = CheckInput(inputs[0], working)) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  Factorisation result = Factorise(working, run);
  if (!result.finished) return UnitOutcome::Stopped();
  return UnitOutcome::Done({SaveTitle(inputs[0]), {std::move(result.result)}},
                           {std::move(result.memo1)});
}

std::string_view BuildNote() {
  return HasFastFactoring() ? "" : "trial division only: no fast phase in this build";
}

}  // namespace taketa::soinsuu2
