#include "calculators/junretu/junretu_calc.h"

#include "calculators/common/counting_steps.h"
#include "digits/growing_product.h"

namespace taketa::junretu {

std::optional<std::string> Compute(long n, long r, RunControl& run) {
  GrowingProduct product(GrowingProduct::DigitsOfRange(n - r + 1, n));
  if (!MultiplyEach(product, n - r + 1, n, run)) return std::nullopt;
  return WithDigitCount(product.ToDecimal());
}

std::string SaveTitle(std::string_view edit1, std::string_view edit2) {
  return "異なる" + std::string(edit1) + "個のものから" + std::string(edit2) + "個とった順列の総数";
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  long n = 0, r = 0;
  if (InputCheck error = CheckCounts(inputs[0], inputs[1], n, r)) {
    return UnitOutcome::Refused(*error);
  }
  run.BeginComputing();
  std::optional<std::string> result = Compute(n, r, run);
  if (!result) return UnitOutcome::Stopped();
  return UnitOutcome::Done({SaveTitle(inputs[0], inputs[1]), {std::move(*result)}});
}

}  // namespace taketa::junretu
