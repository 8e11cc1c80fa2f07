#include "calculators/kumiawase/kumiawase_calc.h"

#include <cassert>
#include <cstdint>
#include <optional>
#include <vector>

#include "calculators/common/counting_steps.h"
#include "calculators/kumiawase/exact_quotient.h"
#include "digits/growing_product.h"
#include "digits/two_threads.h"

namespace taketa::kumiawase {
namespace {

// Below this r both products take a few milliseconds at most.
constexpr long kSecondCoreFrom = 1000;

}  // namespace

std::optional<std::string> Compute(long n, long r, RunControl& run) {
  assert(1 <= r && r < n);
  if (n - r < r) r = n - r;
  // The denominator is built on a second core while this one builds the
  // numerator; its stage then shows its steps as the multipliers are in.
  std::optional<HelperThread> helper;
  if (r >= kSecondCoreFrom) helper.emplace();
  ProductOnHelper denominator(helper ? &*helper : nullptr, 1, static_cast<std::uint64_t>(r));
  std::vector<std::uint64_t> numerator;
  {
    GrowingProduct product(GrowingProduct::DigitsOfRange(n - r + 1, n));
    if (helper) product.ShareFrom(~std::size_t{0});  // the other core builds the denominator
    if (!MultiplyEach(product, n - r + 1, n, run)) return std::nullopt;
    numerator = product.Limbs();
  }
  for (long i = 1; i <= r; ++i) {
    denominator.Reach(static_cast<std::uint64_t>(i));
    run.ShowStep(i);
    if (run.StopRequested()) return std::nullopt;
  }

  ExactQuotient division(numerator, denominator.Product().Limbs());
  const std::size_t passes = division.DigitCount();
  std::string digits;
  digits.reserve(passes);
  for (std::size_t q = 1;; ++q) {
    const int digit = division.NextDigit();
    if (digit != 0 || !digits.empty()) digits.push_back(static_cast<char>('0' + digit));
    run.ShowStep(static_cast<std::int64_t>(q));
    // The division is exact: the last numerator digit brought down leaves
    // nothing.
    if (q == passes) break;
    if (run.StopRequested()) return std::nullopt;
  }
  return WithDigitCount(digits);
}

std::string SaveTitle(std::string_view edit1, std::string_view edit2) {
  return "異なる" + std::string(edit1) + "個のものから" + std::string(edit2) +
         "個とった組合せの総数";
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  long n = 0, r = 0;
  if (InputCheck error = CheckCounts(inputs[0], inputs[1], n, r)) {
    return UnitOutcome::Refused(*error);
  }
  const std::string title = SaveTitle(inputs[0], inputs[1]);
  if (n == r) {
    const std::string one(kOneResult);
    return UnitOutcome::Special({title, {one}}, {one}, false);
  }
  run.BeginComputing();
  std::optional<std::string> result = Compute(n, r, run);
  if (!result) return UnitOutcome::Stopped();
  return UnitOutcome::Done({title, {std::move(*result)}});
}

}  // namespace taketa::kumiawase
