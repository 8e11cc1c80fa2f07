#include "calculators/kaijou/kaijou_calc.h"

#include "calculators/common/checks.h"
#include "calculators/common/counting_steps.h"
#include "digits/growing_product.h"

namespace taketa::kaijou {

InputCheck CheckInput(std::string_view edit1, long& n) {
  return CheckNaturalNumber(edit1, 5, 1, 50000, kRangeMessage, kLengthMessage, 0, n);
}

std::optional<std::string> Compute(long n, RunControl& run) {
  GrowingProduct product(GrowingProduct::DigitsOfRange(1, n));
  if (!MultiplyEach(product, 1, n, run)) return std::nullopt;
  return WithDigitCount(product.ToDecimal());
}

std::string SaveTitle(std::string_view edit1) { return std::string(edit1) + "の階乗"; }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  long n = 0;
  if (InputCheck error = CheckInput(inputs[0], n)) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  std::optional<std::string> result = Compute(n, run);
  if (!result) return UnitOutcome::Stopped();
  return UnitOutcome::Done({SaveTitle(inputs[0]), {std::move(*result)}});
}

}  // namespace taketa::kaijou
