#include "calculators/sizentaisuu/sizentaisuu_calc.h"

#include "calculators/common/logarithm.h"

namespace taketa::sizentaisuu {

InputCheck CheckInput(std::string_view edit1) { return CheckLogarithmInput(edit1); }

std::optional<std::string> Compute(std::string_view edit1) {
  const ReducedNumber x = Reduce(edit1);
  if (x.comparedWithOne == 0) return "0";
  const std::string sign = x.comparedWithOne < 0 ? "－" : "";
  // ln x is irrational: more precision always settles its 50th decimal.
  const std::optional<std::string> text = WithMorePrecision(100, [&](int precision) {
    return TruncatedDecimals(LogarithmPipeline(x, precision).NaturalLog(), 50);
  });
  if (!text) return std::nullopt;
  return sign + *text;
}

std::string SaveTitle(std::string_view edit1) { return std::string(edit1) + "の自然対数"; }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0])) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  std::optional<std::string> result = Compute(inputs[0]);
  if (!result) return UnitOutcome::Failed();
  return UnitOutcome::Done({SaveTitle(inputs[0]), {std::move(*result)}});
}

}  // namespace taketa::sizentaisuu
