#include "calculators/kumiawase/kumiawase_calc.h"

#include <cassert>
#include <cstdint>
#include <vector>

#include "calculators/common/counting_steps.h"
#include "calculators/kumiawase/exact_quotient.h"
#include "digits/growing_product.h"

namespace taketa::kumiawase {

std::optional<std::string> Compute(long n, long r, RunControl& run) {
  assert(1 <= r && r < n);
  if (n - r < r) r = n - r;
  std::vector<std::uint64_t> numerator;
  {
    GrowingProduct product(GrowingProduct::DigitsOfRange(n - r + 1, n));
    if (!MultiplyEach(product, n - r + 1, n, run)) return std::nullopt;
    numerator = product.Limbs();
  }
  GrowingProduct denominator(GrowingProduct::DigitsOfRange(1, r));
  if (!MultiplyEach(denominator, 1, r, run)) return std::nullopt;

  ExactQuotient division(numerator, denominator.Limbs());
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
  assert(division.RemainderIsZero());
  return WithDigitCount(digits);
}

std::string SaveTitle(std::string_view edit1, std::string_view edit2) {
  return "異なる" + std::string(edit1) + "個のものから" + std::string(edit2) + "個とった組合せの総数";
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
