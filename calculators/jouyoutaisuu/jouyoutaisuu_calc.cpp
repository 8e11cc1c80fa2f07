#include "calculators/jouyoutaisuu/jouyoutaisuu_calc.h"

#include "calculators/common/logarithm.h"

namespace taketa::jouyoutaisuu {

InputCheck CheckInput(std::string_view edit1) {
  return CheckPositiveDecimal(edit1, kMessage, kLengthMessage, 0);
}

std::string Compute(std::string_view edit1) {
  const ReducedNumber x = Reduce(edit1);
  if (x.comparedWithOne == 0) return "0";
  const std::string sign = x.comparedWithOne < 0 ? "－" : "";
  if (x.mantissaIsOne) return sign + std::to_string(x.k);
  // Not a power of ten: log10 x is irrational, and more precision always
  // settles its 50th decimal.
  for (int precision = 100;; precision *= 2) {
    const LogarithmPipeline pipeline(x, precision);
    if (auto text = TruncatedDecimals(pipeline.CommonLog(), 50)) return sign + *text;
  }
}

std::string SaveTitle(std::string_view edit1) { return std::string(edit1) + "の常用対数"; }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl&) {
  if (InputCheck error = CheckInput(inputs[0])) return UnitOutcome::Refused(*error);
  return {UnitOutcome::Status::kDone, {}, {SaveTitle(inputs[0]), {Compute(inputs[0])}}, true};
}

}  // namespace taketa::jouyoutaisuu
